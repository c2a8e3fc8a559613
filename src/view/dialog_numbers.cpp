#include "view/dialog_numbers.h"

#include <cstdio>
#include <limits>

#include "data/stk_reader.h"

namespace korvo::view {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

float ReadDecimalBox(std::string_view text, std::size_t maxChars) {
    text = text.substr(0, maxChars);
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return data::LeadingFloat(text);
}

std::optional<std::int32_t> ReadWholeBox(std::string_view text, bool allowSign) {
    text = Trimmed(text);
    bool negative = false;
    if (allowSign && !text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::string FormatBox(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string FormatBox(int value) {
    return std::to_string(value);
}

}  // namespace korvo::view
