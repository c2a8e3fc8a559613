// File operations the program is built on: the one file copy (with expansion
// of compressed files), whole-file reads, and writes that replace a file only
// once the new contents are complete.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvo::platform {

// Results of CopyFileExpanding.
constexpr int kCopyOk = 1;
constexpr int kCopySourceMissing = -1;
constexpr int kCopyTargetFailed = -2;
constexpr int kCopyFailed = -3;

// Copies source to target. A source in the LZ "SZDD" compressed format is
// expanded; any other file is copied byte for byte. The target is written under
// a temporary name and moved into place, so a failure leaves the old target.
// Returns 1, -1 (source cannot be opened), -2 (target cannot be created) or
// -3 (the copy failed: read error, truncated or corrupt compressed data).
int CopyFileExpanding(const std::filesystem::path& source, const std::filesystem::path& target);

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes the bytes to a temporary file beside `path` and renames it over `path`.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// A temporary name beside `path` that no other file uses.
std::filesystem::path TemporarySibling(const std::filesystem::path& path);

// Deletes a file; a missing file is no error. Returns whether it is gone.
bool RemoveFileQuietly(const std::filesystem::path& path);

}  // namespace korvo::platform
