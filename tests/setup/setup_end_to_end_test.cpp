// The distribution folder the build lays out, installed by the built
// installer into a scratch root on the build's disk, and the installed
// program started from its menu entry.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "setup/volumes.h"
#include "support/temp_dir.h"

namespace korvo::setup {
namespace {

namespace fs = std::filesystem;
using korvo::test::ReadFile;

int ExitCodeOf(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const fs::path& path) {
    std::string quoted(1, '\'');
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

// The value of a key of a desktop entry, with a quoted single argument unquoted.
std::string EntryValue(const fs::path& entry, const std::string& key) {
    std::ifstream in(entry);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key + "=", 0) != 0) continue;
        std::string value = line.substr(key.size() + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return {};
}

class ScratchRoot {
  public:
    ScratchRoot() {
        std::string pattern = std::string(KORVO_SCRATCH_DIR) + "/setup-root-XXXXXX";
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~ScratchRoot() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

bool OnAFixedDisk(const fs::path& path) {
    SystemVolumes volumes;
    const auto mount = MountHolding(volumes.Mounts(), fs::canonical(path));
    return mount &&
           ClassifyMount(*mount, volumes.IsRemovableDevice(mount->device)) == DriveType::Fixed;
}

TEST(SetupEndToEnd, TheDistributionInstallsAndTheMenuEntryStartsTheProgram) {
    const ScratchRoot scratch;
    const fs::path root = fs::canonical(scratch.Path());
    if (!OnAFixedDisk(root)) GTEST_SKIP() << "the build folder is on no fixed disk";
    fs::copy(KORVO_DIST_DIR, root / "korvo", fs::copy_options::recursive);
    const std::string environment = "HOME=" + Quoted(root) +
                                    " XDG_DATA_HOME=" + Quoted(root / "data") +
                                    " XDG_CONFIG_HOME=" + Quoted(root / "config");
    ASSERT_EQ(ExitCodeOf("cd " + Quoted(root / "korvo") + " && " + environment +
                         " ./korvosetup --unattended " + Quoted(root) + " 2> " +
                         Quoted(root / "out.txt")),
              0)
        << ReadFile(root / "out.txt");
    EXPECT_EQ(ReadFile(root / "out.txt").rfind("[インストール終了] ", 0), 0u);

    const fs::path folder = root / "korvo";
    EXPECT_EQ(ReadFile(folder / "korvo"), ReadFile(KORVO_PROGRAM_PATH));
    EXPECT_EQ(ReadFile(folder / "korvo.ips"), ReadFile(KORVO_SOURCE_DIR "/resources/korvo.ips"));
    for (const char* name : {"Manual_m.htm", "Download.htm", "sample.stk", "uninstal"})
        EXPECT_TRUE(fs::is_regular_file(folder / name)) << name;
    for (const auto& file : fs::directory_iterator(folder))
        EXPECT_NE(file.path().filename().string().back(), '_') << file.path();

    const fs::path entry = root / "data/applications/orvane-8-0-korvo.desktop";
    const std::string exec = EntryValue(entry, "Exec");
    const std::string workingDirectory = EntryValue(entry, "Path");
    EXPECT_EQ(exec, (folder / "korvo").string());
    EXPECT_EQ(workingDirectory, folder.string());
    // Still running on its opening screen when stopped: it found its settings.
    EXPECT_EQ(ExitCodeOf("cd " + Quoted(workingDirectory) +
                         " && QT_QPA_PLATFORM=offscreen timeout -s TERM 4 " + Quoted(exec) +
                         " > /dev/null 2>&1"),
              124);
}

}  // namespace
}  // namespace korvo::setup
