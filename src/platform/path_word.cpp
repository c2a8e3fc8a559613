#include "platform/path_word.h"

#include <cstdio>

#include "platform/codec.h"

namespace korvo::platform {

namespace {

// The bytes a path word escapes, with their escapes.
constexpr std::string_view kEscaped = " \t\n\r\v\f%";

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    return -1;
}

}  // namespace

std::string EncodePathWord(std::string_view cp932) {
    std::string out;
    for (std::size_t pos = 0; pos < cp932.size();) {
        const std::size_t length = CharLengthAt(cp932, pos);
        const char ch = cp932[pos];
        if (length == 1 && kEscaped.find(ch) != std::string_view::npos) {
            char buffer[4];
            std::snprintf(buffer, sizeof buffer, "%%%02X", static_cast<unsigned char>(ch));
            out += buffer;
        } else {
            out.append(cp932.substr(pos, length));
        }
        pos += length;
    }
    return out;
}

std::string DecodePathWord(std::string_view word) {
    std::string out;
    for (std::size_t pos = 0; pos < word.size();) {
        const std::size_t length = CharLengthAt(word, pos);
        if (length == 1 && word[pos] == '%' && pos + 2 < word.size() &&
            HexDigit(word[pos + 1]) >= 0 && HexDigit(word[pos + 2]) >= 0) {
            const char decoded =
                static_cast<char>(HexDigit(word[pos + 1]) * 16 + HexDigit(word[pos + 2]));
            // Only what the writer escapes is decoded: any other '%' is part of the path.
            if (kEscaped.find(decoded) != std::string_view::npos) {
                out += decoded;
                pos += 3;
                continue;
            }
        }
        out.append(word.substr(pos, length));
        pos += length;
    }
    return out;
}

}  // namespace korvo::platform
