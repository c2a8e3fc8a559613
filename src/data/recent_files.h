// Recently used paths, newest first: filename.chr for data files (the quote
// import keeps its folder and symbol lists the same way). Entries are separated
// by whitespace; a blank inside a path is written %20 and '%' as %25, so such a
// path cannot split into two entries.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace korvo::data {

// Entries read at most from a list.
inline constexpr int kMaxRecentEntries = 100;

// The entries of a list, decoded, newest first; a missing list is empty.
std::vector<std::string> ReadRecentDataFiles(const std::filesystem::path& listFile);

// Puts path at the top of the list unless it is already listed (then the file is
// left as it is). The list is rewritten with the new path followed by a blank,
// then each older entry of more than one character as "\n%s ".
// Returns 1 added, 0 already listed, -1 the list could not be written.
int AddRecentDataFile(const std::string& path, const std::filesystem::path& listFile);

}  // namespace korvo::data
