// Paths kept in whitespace-separated files (the settings, the portfolio lists)
// travel as single words: blanks, other whitespace and '%' are written as %20,
// %09, ... and %25, so a path can never shift the fields after it.
#pragma once

#include <string>
#include <string_view>

namespace korvo::platform {

// Works on CP932 bytes and steps over double-byte characters, so a trail byte
// is never escaped.
std::string EncodePathWord(std::string_view cp932);
// Decodes only what EncodePathWord escapes; any other '%' is part of the path.
std::string DecodePathWord(std::string_view word);

}  // namespace korvo::platform
