#include "setup/file_list.h"

#include <charconv>
#include <sstream>

namespace korvo::setup {

namespace {

constexpr std::size_t kMaxNameBytes = 255;

bool ReadCount(std::istream& in, int& count) {
    std::string word;
    if (!(in >> word)) return false;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), count);
    return error == std::errc() && end == word.data() + word.size() && count > 0;
}

}  // namespace

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name.size() <= kMaxNameBytes && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

FileList ParseFileList(std::string_view text) {
    FileList list;
    std::istringstream in{std::string(text)};
    int count = 0;
    if (!ReadCount(in, count)) return list;
    for (int i = 0; i < count; ++i) {
        FileListEntry entry;
        if (!(in >> entry.archive >> entry.final)) return list;
        if (!IsPlainFileName(entry.archive) || !IsPlainFileName(entry.final)) return list;
        list.entries.push_back(std::move(entry));
    }
    list.complete = true;
    return list;
}

}  // namespace korvo::setup
