// The LZ "SZDD" compression the installer's archives are packed with: the
// format's 4096-byte window, filled with blanks and written from 4080, with
// matches of 3 to 18 bytes. Used when the distribution folder is laid out.
#pragma once

#include <string>
#include <string_view>

namespace korvo::setup {

// The compressed file for `data`. `missingChar` is the header's record of the
// last character of the original name (0 when none is recorded).
std::string SzddCompress(std::string_view data, char missingChar = '\0');

}  // namespace korvo::setup
