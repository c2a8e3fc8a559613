#include "annotate/annotation_record.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

#include "data/printf.h"

namespace korvo::annotate {

namespace {

// "%f" without the locale: six decimals, as the C library prints them.
std::string FixedSix(float value) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                            std::chars_format::fixed, 6);
    if (error != std::errc()) return "0.000000";
    return std::string(text, end);
}

// "N=" followed by the N bytes.
void AppendCounted(std::string& out, const std::string& bytes) {
    out += std::to_string(bytes.size());
    out += '=';
    out += bytes;
}

// Reads the file the way its formatted reads take it: numbers after any
// whitespace, literal characters exactly, counted bytes raw.
class RecordReader {
  public:
    explicit RecordReader(std::string_view bytes, std::size_t pos) : b_(bytes), pos_(pos) {}

    std::size_t Position() const { return pos_; }
    // The blanks and the line end a record is written with.
    void SkipRecordEnd() {
        while (pos_ < b_.size() && b_[pos_] == ' ')
            ++pos_;
        if (pos_ < b_.size() && b_[pos_] == '\n') ++pos_;
    }
    bool AtEnd() {
        SkipBlanks();
        return pos_ >= b_.size();
    }

    bool Int32(std::int32_t& value) {
        long long wide = 0;
        if (!Integer(wide) || wide < INT_MIN || wide > INT_MAX) return false;
        value = static_cast<std::int32_t>(wide);
        return true;
    }
    // A colour written as a signed or an unsigned 32-bit value.
    bool Colour(std::uint32_t& value) {
        long long wide = 0;
        if (!Integer(wide) || wide < INT_MIN || wide > UINT_MAX) return false;
        value = static_cast<std::uint32_t>(wide);
        return true;
    }
    bool Flag(bool& value) {
        std::int32_t v = 0;
        if (!Int32(v)) return false;
        value = v != 0;
        return true;
    }
    bool Float(float& value) {
        SkipBlanks();
        if (pos_ < b_.size() && b_[pos_] == '+') ++pos_;
        const char* first = b_.data() + pos_;
        const auto [end, error] = std::from_chars(first, b_.data() + b_.size(), value);
        if (error != std::errc() || !std::isfinite(value)) return false;
        pos_ += static_cast<std::size_t>(end - first);
        return true;
    }
    // "%d=" and that many bytes, at most kMaxRecordTextBytes.
    bool Counted(std::string& bytes) {
        std::int32_t count = 0;
        if (!Int32(count) || count < 0 || count > kMaxRecordTextBytes) return false;
        if (pos_ >= b_.size() || b_[pos_] != '=') return false;
        ++pos_;
        if (b_.size() - pos_ < static_cast<std::size_t>(count)) return false;
        bytes.assign(b_.substr(pos_, static_cast<std::size_t>(count)));
        pos_ += static_cast<std::size_t>(count);
        return true;
    }

  private:
    void SkipBlanks() {
        while (pos_ < b_.size() && IsBlank(b_[pos_]))
            ++pos_;
    }
    static bool IsBlank(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }
    bool Integer(long long& value) {
        SkipBlanks();
        if (pos_ < b_.size() && b_[pos_] == '+') ++pos_;
        const char* first = b_.data() + pos_;
        const auto [end, error] = std::from_chars(first, b_.data() + b_.size(), value);
        if (error != std::errc()) return false;
        pos_ += static_cast<std::size_t>(end - first);
        return true;
    }

    std::string_view b_;
    std::size_t pos_;
};

bool ReadRecord(RecordReader& in, AnnotationRecord& r) {
    AnnotationFont& f = r.font;
    if (!in.Counted(f.faceName) || !in.Counted(r.text) || !in.Int32(r.number)) return false;
    for (std::int32_t& p : r.points)
        if (!in.Int32(p)) return false;
    if (!in.Colour(r.colour) || !in.Int32(r.escapement) || !in.Int32(f.height) ||
        !in.Int32(f.weight) || !in.Int32(f.italic) || !in.Int32(f.underline) ||
        !in.Int32(f.strikeOut) || !in.Int32(f.charset))
        return false;
    if (!in.Int32(r.chartState[0]) || !in.Int32(r.chartState[1]) || !in.Flag(r.centred) ||
        !in.Flag(r.withArrow) || !in.Flag(r.lineOnly))
        return false;
    if (!in.Float(r.startSlot) || !in.Float(r.startPrice) || !in.Float(r.endSlot) ||
        !in.Float(r.endPrice))
        return false;
    return in.Int32(r.plotStartYear) && in.Int32(r.plotStartMonth) && in.Int32(r.plotStartDay);
}

}  // namespace

std::string FormatAnnotationRecord(const AnnotationRecord& r) {
    const AnnotationFont& f = r.font;
    std::string out = "\n";
    AppendCounted(out, f.faceName);
    out += " \n";
    AppendCounted(out, r.text);
    out += data::Printf("\n%d \n", r.number);
    const auto& p = r.points;
    out += data::Printf(" %d %d %d %d %d %d %d %d %d ", p[0], p[1], p[2], p[3], p[4], p[5], p[6],
                        p[7], p[8]);
    out +=
        data::Printf(" %d %d %d %d %d %d %d %d ", static_cast<std::int32_t>(r.colour), r.escapement,
                     f.height, f.weight, f.italic, f.underline, f.strikeOut, f.charset);
    out += data::Printf(" %d %d %d %d %d \n", r.chartState[0], r.chartState[1], r.centred ? 1 : 0,
                        r.withArrow ? 1 : 0, r.lineOnly ? 1 : 0);
    for (float anchor : {r.startSlot, r.startPrice, r.endSlot, r.endPrice}) {
        out += ' ';
        out += FixedSix(anchor);
    }
    out += " \n";
    out += data::Printf(" %d %d %d \n", r.plotStartYear, r.plotStartMonth, r.plotStartDay);
    return out;
}

ParsedAnnotations ParseAnnotations(std::string_view bytes, std::size_t limit) {
    ParsedAnnotations parsed;
    RecordReader in(bytes, 0);
    while (parsed.records.size() < limit) {
        if (in.AtEnd()) {
            parsed.consumed = bytes.size();
            return parsed;
        }
        AnnotationRecord record;
        if (!ReadRecord(in, record)) {
            parsed.damagedTail = true;
            return parsed;
        }
        in.SkipRecordEnd();
        parsed.records.push_back(std::move(record));
        parsed.consumed = in.Position();
    }
    return parsed;
}

}  // namespace korvo::annotate
