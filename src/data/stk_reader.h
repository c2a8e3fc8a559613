// Reading a data file: the bytes of the whole file with a position in them.
// Outside the header block a data file is whitespace-separated tokens, so line
// breaks do not matter; the header block is read byte by byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvo::data {

class StkReader {
  public:
    explicit StkReader(std::string_view bytes) : bytes_(bytes) {}

    std::string_view Bytes() const { return bytes_; }
    std::size_t Position() const { return pos_; }
    void Seek(std::size_t pos) { pos_ = pos < bytes_.size() ? pos : bytes_.size(); }
    void Rewind() { pos_ = 0; }
    bool AtEnd() const { return pos_ >= bytes_.size(); }

    // The next byte (0..255), or -1 at the end.
    int GetByte() { return pos_ < bytes_.size() ? static_cast<unsigned char>(bytes_[pos_++]) : -1; }

    // The next whitespace-separated token; nullopt when none is left.
    std::optional<std::string_view> NextToken();
    // Reads up to n tokens into out; returns how many there were.
    int NextTokens(std::string_view* out, int n);

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// The blanks, tabs and line breaks that separate tokens.
constexpr bool IsTokenSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A token that is wholly an integer (optional sign, digits), as the writers of
// the format put them; nullopt for anything else. Too large values saturate.
std::optional<int> WholeInt(std::string_view token);
// The integer at the start of the token ("12x" -> 12, "x" -> 0), as a date text
// is converted after it was read as text. Saturates.
int LeadingInt(std::string_view token);
// The decimal number at the start of the token as a 32-bit float, rounded as a
// C library reads it ("1520.5" -> 1520.5f, "x" -> 0); too large gives infinity.
float LeadingFloat(std::string_view token);

// A volume: the number as parsed (float) and its truncation toward zero in 64
// bits, exact for whole numbers however large the index volumes get.
struct VolumeValue {
    float raw = 0.0f;
    std::int64_t whole = 0;
};
VolumeValue LeadingVolume(std::string_view token);

// printf-style "%*d" / "%*lld" appended to out, without the cost of a format call.
void AppendInt(std::string& out, long long value, int width = 0);

// Reads a file completely; nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

}  // namespace korvo::data
