// files80.dld, the list of the files an installation puts in place: a count N,
// then N entries of two blank-separated words, the archive's name and the
// name it is expanded into.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvo::setup {

inline constexpr const char* kFileListName = "files80.dld";

struct FileListEntry {
    std::string archive;
    std::string final;
    friend bool operator==(const FileListEntry&, const FileListEntry&) = default;
};

struct FileList {
    // The entries that could be read, in order.
    std::vector<FileListEntry> entries;
    // False when the count or an entry could not be read: the list stops
    // short of what it promised after `entries`.
    bool complete = false;
};

// Reads the list's text. The count must be a positive number. Names must be
// plain file names in the installation folder (no folders, no "..", at most
// 255 bytes), so a list can never reach outside it; an entry with any other
// name counts as unreadable.
FileList ParseFileList(std::string_view text);

// Whether a name from the list stays inside the installation folder.
bool IsPlainFileName(std::string_view name);

}  // namespace korvo::setup
