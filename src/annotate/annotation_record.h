// One annotation as the annotation file stores it, and the file's text form:
// the record is written field by field exactly as the file format has it, and
// read back the way the format's readers take it (whitespace-separated
// numbers, the two names as a byte count and that many raw bytes).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "annotate/annotation_state.h"

namespace korvo::annotate {

// Bytes a name or a text may take in a record; a longer count is damage.
inline constexpr int kMaxRecordTextBytes = 128;
// Annotations drawn (and offered for deletion) from one file.
inline constexpr int kMaxDrawnAnnotations = 100;

struct AnnotationRecord {
    AnnotationFont font;      // face name and the font fields
    std::string text;         // CP932 bytes
    std::int32_t number = 0;  // 0-based place in the file
    // Reserved 0; start x, end x, start y, end y in client pixels at 100 %;
    // the two arrow wings as x, y, x, y (rounded down to hundreds, unused
    // when drawing).
    std::array<std::int32_t, 9> points{};
    std::uint32_t colour = 0;  // COLORREF
    std::int32_t escapement = 0;
    // Two values of the chart state (kept, not used), then the dialog's choices.
    std::array<std::int32_t, 2> chartState{};
    bool centred = false;
    bool withArrow = false;
    bool lineOnly = false;
    // Anchors: fractional bar slots counted from the plot start below, and prices.
    float startSlot = 0.0f;
    float startPrice = 0.0f;
    float endSlot = 0.0f;
    float endPrice = 0.0f;
    // The plot start the slots were counted from.
    std::int32_t plotStartYear = 0;
    std::int32_t plotStartMonth = 0;
    std::int32_t plotStartDay = 0;

    friend bool operator==(const AnnotationRecord&, const AnnotationRecord&) = default;
};

// The record as the file holds it (CP932 bytes).
std::string FormatAnnotationRecord(const AnnotationRecord& record);

struct ParsedAnnotations {
    std::vector<AnnotationRecord> records;
    // Bytes of the file the records take; what follows could not be read as a
    // record (empty or blanks for a sound file).
    std::size_t consumed = 0;
    // The bytes after the last record hold something other than blanks.
    bool damagedTail = false;
};

// Reads records from the start of `bytes`, at most `limit` of them, stopping
// at the first one that is cut short or damaged.
ParsedAnnotations ParseAnnotations(std::string_view bytes, std::size_t limit = SIZE_MAX);

}  // namespace korvo::annotate
