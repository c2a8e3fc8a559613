// A fresh folder per test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace korvo::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Writes bytes to a file in the folder and returns its path.
    std::filesystem::path Write(const std::string& name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
std::filesystem::path TestData(const std::string& name);

}  // namespace korvo::test
