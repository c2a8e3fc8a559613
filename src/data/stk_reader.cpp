#include "data/stk_reader.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>

namespace korvo::data {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Accumulates digits from `i` on, saturating at a bound far beyond any int.
long long Digits(std::string_view text, std::size_t& i, bool& any) {
    long long value = 0;
    any = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        any = true;
        if (value < 1'000'000'000'000LL) value = value * 10 + (text[i] - '0');
    }
    return value;
}

int ClampToInt(long long v) {
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

// Length of the decimal number at the start of text (sign, digits, fraction,
// exponent), 0 when there is none. Only this plain decimal form is accepted: no
// hexadecimal, no "inf" or "nan".
std::size_t DecimalPrefix(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++mantissaDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Whether a decimal number that does not fit a float or double is large (rather
// than tiny): its order of magnitude from the digits and the exponent.
bool IsLargeMagnitude(std::string_view number) {
    std::size_t i = 0;
    long long significantBeforePoint = 0;
    bool seenNonZero = false;
    for (; i < number.size() && IsDigit(number[i]); ++i) {
        seenNonZero = seenNonZero || number[i] != '0';
        if (seenNonZero) ++significantBeforePoint;
    }
    long long zerosAfterPoint = 0;
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && IsDigit(number[i]); ++i) {
            if (!seenNonZero && number[i] == '0') ++zerosAfterPoint;
            seenNonZero = seenNonZero || number[i] != '0';
        }
    }
    long long exponent = 0;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            negative = number[i++] == '-';
        bool any = false;
        exponent = Digits(number, i, any);
        if (negative) exponent = -exponent;
    }
    const long long order = significantBeforePoint > 0 ? significantBeforePoint - 1 + exponent
                                                       : exponent - zerosAfterPoint - 1;
    return order >= 0;
}

// Parses the decimal number text (as found by DecimalPrefix) like strtof/strtod:
// overflow gives infinity, underflow zero.
template <typename Float>
Float ParseDecimal(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
        negative = number[0] == '-';
        number.remove_prefix(1);
    }
    Float value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = IsLargeMagnitude(number) ? std::numeric_limits<Float>::infinity() : Float(0);
    } else if (result.ec != std::errc()) {
        value = 0;
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<std::string_view> StkReader::NextToken() {
    const std::size_t n = bytes_.size();
    while (pos_ < n && IsTokenSpace(bytes_[pos_]))
        ++pos_;
    if (pos_ >= n) return std::nullopt;
    const std::size_t start = pos_;
    while (pos_ < n && !IsTokenSpace(bytes_[pos_]))
        ++pos_;
    return bytes_.substr(start, pos_ - start);
}

int StkReader::NextTokens(std::string_view* out, int n) {
    for (int i = 0; i < n; ++i) {
        const auto token = NextToken();
        if (!token) return i;
        out[i] = *token;
    }
    return n;
}

std::optional<int> WholeInt(std::string_view token) {
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
    bool any = false;
    const long long value = Digits(token, i, any);
    if (!any || i != token.size()) return std::nullopt;
    return ClampToInt(negative ? -value : value);
}

int LeadingInt(std::string_view token) {
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
    bool any = false;
    const long long value = Digits(token, i, any);
    return ClampToInt(negative ? -value : value);
}

float LeadingFloat(std::string_view token) {
    const std::size_t length = DecimalPrefix(token);
    if (length == 0) return 0.0f;
    return ParseDecimal<float>(token.substr(0, length));
}

VolumeValue LeadingVolume(std::string_view token) {
    const std::size_t length = DecimalPrefix(token);
    if (length == 0) return {};
    const std::string_view number = token.substr(0, length);
    VolumeValue v;
    v.raw = ParseDecimal<float>(number);
    // Whole numbers (the normal case) are taken exactly; others through a double.
    std::size_t i = 0;
    bool negative = false;
    if (number[0] == '+' || number[0] == '-') negative = number[i++] == '-';
    bool wholeOnly = true;
    for (std::size_t j = i; j < number.size(); ++j)
        wholeOnly = wholeOnly && IsDigit(number[j]);
    constexpr double kLimit = 9.2e18;
    if (wholeOnly && number.size() - i <= 18) {
        std::int64_t value = 0;
        for (std::size_t j = i; j < number.size(); ++j)
            value = value * 10 + (number[j] - '0');
        v.whole = negative ? -value : value;
    } else {
        const double d = ParseDecimal<double>(number);
        if (std::isnan(d)) {
            v.whole = 0;
        } else if (d >= kLimit) {
            v.whole = static_cast<std::int64_t>(kLimit);
        } else if (d <= -kLimit) {
            v.whole = -static_cast<std::int64_t>(kLimit);
        } else {
            v.whole = static_cast<std::int64_t>(d);
        }
    }
    return v;
}

void AppendInt(std::string& out, long long value, int width) {
    char digits[24];
    int n = 0;
    const bool negative = value < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const int length = n + (negative ? 1 : 0);
    if (width > length) out.append(static_cast<std::size_t>(width - length), ' ');
    if (negative) out.push_back('-');
    while (n > 0)
        out.push_back(digits[--n]);
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) return std::nullopt;
    std::string bytes;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(file.get());
        if (size > 0) bytes.reserve(static_cast<std::size_t>(size));
        std::rewind(file.get());
    }
    char buffer[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, n);
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

}  // namespace korvo::data
