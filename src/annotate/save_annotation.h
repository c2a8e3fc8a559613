// Storing the annotation just placed: its anchors on the chart last drawn, the
// phrase kept for later, and the record added to the annotation file.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "annotate/annotation_record.h"
#include "annotate/annotation_state.h"
#include "chart/chart_geometry.h"
#include "data/price_series.h"
#include "platform/prompts.h"

namespace korvo::annotate {

// Results besides the new count.
inline constexpr int kSaveNoZoom = -52;
inline constexpr int kSaveNotWritten = -40;

// Texts are stored with at most this many bytes.
inline constexpr std::size_t kMaxAnnotationTextBytes = 127;

struct SaveContext {
    AnnotationState& state;  // text, choices, font, the two points placed
    const data::PriceSeries& series;
    const chart::ChartGeometry& geometry;
    platform::Colour colour;                   // the annotation colour
    std::array<std::int32_t, 2> chartState{};  // kept in the record, not used
    std::filesystem::path startDirectory;
    platform::Prompts& prompts;
};

// The record for the placement in `context.state`, numbered `number`: anchors
// counted from the series' plot start, which the record carries.
std::optional<AnnotationRecord> MakeRecord(const SaveContext& context, std::int32_t number);

// Stores the placement: returns the new number of annotations in the file,
// kSaveNoZoom when the chart has no usable zoom or price mapping, or
// kSaveNotWritten when the file name is refused or the file cannot be written
// (the user is told; the file stays as it was). The plot start is not moved.
// A phrase to keep goes to finsert.chr first; when the list cannot be written
// the user is told and the annotation is stored all the same.
int SaveTextAnnotation(SaveContext& context);

// The text cut to kMaxAnnotationTextBytes CP932 bytes without splitting a
// character; nullopt when it holds a character CP932 cannot carry.
std::optional<std::string> StoredText(std::string_view utf8);

}  // namespace korvo::annotate
