// The phrase list finsert.chr: texts written earlier, offered again by the
// text dialog. Texts are separated by tabs, carriage returns or newlines.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korvo::annotate {

// Bytes of the list the dialog reads.
inline constexpr std::size_t kPhraseListBytes = 5000;

// The phrases of the first kPhraseListBytes bytes of the list in the start
// directory (UTF-8, empty pieces left out, a character cut at the limit
// dropped); none when there is no list.
std::vector<std::string> ReadPhrases(const std::filesystem::path& startDirectory);

// Whether a text is saved as a phrase at all: one that begins with four
// blanks never is.
bool IsSavablePhrase(std::string_view text);

// Appends "\n" and the text (CP932 bytes) to the list, creating it when there
// is none; the list is written whole and then renamed into place. False when
// it cannot be written.
bool AppendPhrase(const std::filesystem::path& startDirectory, std::string_view cp932Text);

}  // namespace korvo::annotate
