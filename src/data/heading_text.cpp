#include "data/heading_text.h"

#include "data/data_text.h"
#include "data/stk_reader.h"
#include "platform/codec.h"

namespace korvo::data {

namespace {

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

// Replaces each single-byte `from` outside double-byte characters by `to`.
std::string ReplaceSingle(std::string_view cp932, char from, std::string_view to) {
    std::string out;
    out.reserve(cp932.size());
    for (std::size_t i = 0; i < cp932.size();) {
        const std::size_t length = platform::CharLengthAt(cp932, i);
        if (length == 1 && cp932[i] == from)
            out += to;
        else
            out.append(cp932.substr(i, length));
        i += length;
    }
    return out;
}

}  // namespace

std::string Cp932ForFile(std::string_view utf8) {
    if (auto whole = platform::Utf8ToCp932(utf8)) return *whole;
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = Utf8Length(static_cast<unsigned char>(utf8[i]));
        if (i + length > utf8.size()) length = 1;
        const auto one = platform::Utf8ToCp932(utf8.substr(i, length));
        out += one ? *one : std::string("?");
        i += length;
    }
    return out;
}

std::string HeadingToken(std::string_view cp932, bool colonsToo, std::string_view emptyText) {
    if (cp932.empty()) return std::string(emptyText);
    std::string out;
    out.reserve(cp932.size());
    for (std::size_t i = 0; i < cp932.size();) {
        const std::size_t length = platform::CharLengthAt(cp932, i);
        const char c = cp932[i];
        if (length == 1 && (IsTokenSpace(c) || (colonsToo && c == ':')))
            out.push_back('_');
        else
            out.append(cp932.substr(i, length));
        i += length;
    }
    return out;
}

std::string HeadingItems(std::string_view title, std::string_view subtitle, std::string_view unit,
                         std::string_view code, bool subtitleColons) {
    std::string out(1, '\n');
    out += HeadingToken(Cp932ForFile(title), false, "..");
    out += '\n';
    out += HeadingToken(Cp932ForFile(subtitle), subtitleColons, "..");
    out += "\n\n";
    out += HeadingToken(Cp932ForFile(unit), false, "..");
    out += '\n';
    out += UpperCaseCp932(HeadingToken(Cp932ForFile(code), false, ".."));
    out += '\n';
    return out;
}

std::string UpperCaseCp932(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size());
    for (std::size_t i = 0; i < cp932.size();) {
        const std::size_t length = platform::CharLengthAt(cp932, i);
        const char c = cp932[i];
        if (length == 1 && c >= 'a' && c <= 'z')
            out.push_back(static_cast<char>(c - 'a' + 'A'));
        else
            out.append(cp932.substr(i, length));
        i += length;
    }
    return out;
}

std::string CommentSafe(std::string_view cp932) {
    return ReplaceSingle(cp932, '>', "\x81\x84");  // full-width '>'
}

std::string DirectiveSafe(std::string_view cp932) {
    return ReplaceSingle(CommentSafe(cp932), ']', "\x81\x6E");  // full-width ']'
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsTokenSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsTokenSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

int BoxInt(std::string_view text) {
    return LeadingInt(TrimBlanks(text));
}

bool TokenFits(std::string_view cp932, std::size_t suffixLength) {
    return cp932.size() + suffixLength <= kMaxTokenLength;
}

}  // namespace korvo::data
