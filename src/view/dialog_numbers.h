// Reading the number boxes of the view dialogs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvo::view {

// A decimal number as the C library's atof reads a box of at most `maxChars`
// characters: blanks first, then as much of a number as there is; 0 when
// there is none.
float ReadDecimalBox(std::string_view text, std::size_t maxChars);

// A whole number with blanks around it and nothing else; nullopt otherwise or
// beyond 32 signed bits. `allowSign` takes a leading '-' or '+'.
std::optional<std::int32_t> ReadWholeBox(std::string_view text, bool allowSign);

// printf into a string.
std::string FormatBox(const char* format, double value);
std::string FormatBox(int value);

}  // namespace korvo::view
