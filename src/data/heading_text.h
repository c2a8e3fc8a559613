// The texts the editors read from their boxes and write into the heading of a
// data file: what the user typed (UTF-8) as CP932 tokens that the readers take back as one item
// each, and header-block text that cannot end the block or a directive early.
#pragma once

#include <string>
#include <string_view>

namespace korvo::data {

// The user's text as CP932 bytes; a character without a CP932 form becomes '?'.
std::string Cp932ForFile(std::string_view utf8);

// A title, subtitle, unit or code as one token: blanks, tabs and line breaks are
// written as '_' (with colonsToo, ':' as well), so the item never splits.
// `emptyText` stands in for an empty item ("..").
std::string HeadingToken(std::string_view cp932, bool colonsToo, std::string_view emptyText);

// The four text items as the editors write them after the ID, from what the
// user typed (UTF-8): "\n" title "\n" subtitle "\n\n" unit "\n" CODE "\n", each
// one token, ".." for an empty one, the code in upper case.
std::string HeadingItems(std::string_view title, std::string_view subtitle, std::string_view unit,
                         std::string_view code, bool subtitleColons);

// ASCII letters in upper case; double-byte characters are left as they are.
std::string UpperCaseCp932(std::string_view cp932);

// Comment text of a header block: a '>' would end the block early, so it is
// written full-width.
std::string CommentSafe(std::string_view cp932);

// A directive name: besides '>', a ']' would end the name early.
std::string DirectiveSafe(std::string_view cp932);

// The user's box without the blanks around it.
std::string_view TrimBlanks(std::string_view text);
// Whether the box holds nothing but blanks.
inline bool IsBlank(std::string_view text) {
    return TrimBlanks(text).empty();
}
// A number box read as the C library's atoi reads it ("12x" -> 12, "x" -> 0).
int BoxInt(std::string_view text);

// The byte length a token may have so that the readers take it whole.
bool TokenFits(std::string_view cp932, std::size_t suffixLength = 0);

}  // namespace korvo::data
