// Small operations on the texts and values of data files.
#pragma once

#include <string>
#include <string_view>

#include "platform/prompts.h"

namespace korvo::data {

// Longest title, subtitle, unit label or code token a data file may hold, in bytes.
inline constexpr std::size_t kMaxTokenLength = 127;

// A copy (at most 127 bytes, never cutting a double-byte character) with every
// '_' turned into a blank. Works on the CP932 bytes: the trail byte of a
// double-byte character is never taken for '_'.
std::string BlanksFromUnderscores(std::string_view cp932);

// A title token as the user sees it: underscores shown as blanks, in UTF-8.
std::string DisplayToken(std::string_view cp932);

// 1 when every character is a decimal digit (an empty text counts), -2 when the
// text is longer than 64 characters, -1 otherwise.
int IsAllDigits(std::string_view text);

// Whether the price has a non-zero part below the unit at two decimals, so that
// labels print it with decimals.
bool PriceHasFraction(float price);

// Two warning beeps and the error box for a code: -20 says memory ran out, any
// other code is shown as a data file error with its number.
void ShowErrorCode(platform::Prompts& prompts, int code);

// The data form error for a title, subtitle, unit or code token longer than
// 127 bytes, naming the file.
void ShowTokenTooLong(platform::Prompts& prompts, const std::string& fileName);

// Whether any of the four text tokens is longer than a data file allows.
bool AnyTokenTooLong(const std::string_view* tokens, int count);

}  // namespace korvo::data
