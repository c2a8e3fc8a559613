// Shift-JIS (code page 932) on disk, UTF-8 in memory.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvo::platform {

// nullopt when the bytes are not valid CP932 (or not valid UTF-8 for the way back).
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// For showing text that may be damaged: every byte sequence that does not
// decode becomes U+FFFD, so nothing the user sees is silently dropped.
std::string Cp932ToUtf8Lossy(std::string_view cp932);

// First byte of a double-byte CP932 character.
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Position of the first single-byte character `ascii` at or after `from`,
// stepping over double-byte characters so a trail byte is never taken for it.
// std::string_view::npos when there is none.
std::size_t FindSingleByte(std::string_view cp932, char ascii, std::size_t from = 0);

// Number of bytes of the character that starts at `pos` (1 or 2; 1 at a lead byte
// that ends the text).
std::size_t CharLengthAt(std::string_view cp932, std::size_t pos);

}  // namespace korvo::platform
