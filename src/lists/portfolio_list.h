// The three portfolio lists UPDATE.usr, UPDATE2.usr and UPDATE3.usr in the
// start directory: the number of entries (0 to 20), then per entry a symbol
// code and the path of its data file, whitespace-separated, CP932 text. Codes
// are kept in upper case. Both items travel as path words, so a blank in a path
// is written %20 and a '%' as %25.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korvo::lists {

inline constexpr int kPortfolioCount = 3;
inline constexpr int kMaxPortfolioEntries = 20;
// Longest symbol code, in characters.
inline constexpr std::size_t kMaxCodeChars = 63;
// Longest path, in characters: the 63 of the old edit boxes would refuse most
// paths of a present-day home folder.
inline constexpr std::size_t kMaxPathChars = 259;
// ReadListEntry takes entry numbers 0 to this.
inline constexpr int kMaxListEntryNumber = 100;

// One entry, in UTF-8.
struct PortfolioEntry {
    std::string code;
    std::string path;
    friend bool operator==(const PortfolioEntry&, const PortfolioEntry&) = default;
};

// "UPDATE.usr", "UPDATE2.usr", "UPDATE3.usr" for the lists 0, 1, 2 (others give list 0's).
const char* PortfolioListName(int list);

struct PortfolioRead {
    // The file could be read.
    bool opened = false;
    // The count is not 0 to 20, an item is too long, or fewer pairs follow than
    // the count says. The entries before the fault are kept.
    bool damaged = false;
    std::vector<PortfolioEntry> entries;
};

PortfolioRead ReadPortfolioList(const std::filesystem::path& file);

// The file's bytes: "%d\n" with the count, then per entry the code as "%s  "
// and the path as " %s \n". nullopt when an item has no CP932 form.
std::optional<std::string> FormatPortfolioList(const std::vector<PortfolioEntry>& entries);

// Writes the list whole under a temporary name and renames it over `file`;
// false (the old file untouched) when it cannot be written.
bool WritePortfolioList(const std::filesystem::path& file,
                        const std::vector<PortfolioEntry>& entries);

// Entry n (0-based) of a list file: its path into dataPath and 1; -2 when n is
// not 0 to 100, -1 when the list cannot be read, -3 when the list has no entry n
// (dataPath is then left as it was).
int ReadListEntry(const std::filesystem::path& listFile, int n, std::string& dataPath);

// The symbol codes of the three lists of the start directory, list by list in
// row order; a list that cannot be read adds none.
std::vector<std::string> PortfolioCodes(const std::filesystem::path& startDirectory);

// Characters of a UTF-8 text.
std::size_t CharCount(std::string_view utf8);

// ASCII letters in upper case; every other character as it was.
std::string UpperCaseCode(std::string_view utf8);

}  // namespace korvo::lists
