// The annotations over the chart: each record's anchors placed on the chart
// as drawn now (moved by the slots between the plot start they were counted
// from and the chart's), its text, line and arrowhead, and delete mode, which
// asks about each annotation and rewrites the file without the ones deleted.
#pragma once

#include <array>
#include <filesystem>
#include <functional>

#include "annotate/annotation_record.h"
#include "annotate/annotation_state.h"
#include "chart/chart_geometry.h"
#include "data/price_series.h"
#include "platform/canvas.h"
#include "platform/prompts.h"
#include "view/drawing_objects.h"

namespace korvo::annotate {

inline constexpr const char* kDeleteQuestion = "この挿入語・線を削除しますか?";
inline constexpr const char* kDeleteCaption = "Question ";
// How far the text is lifted when the line comes up to it from below (logical units).
inline constexpr int kTextLift = 50;

// Where a record stands on the chart, in the chart's logical units (0.1 mm, y up).
struct PlacedAnnotation {
    platform::Point start;
    platform::Point end;
    platform::Point text;
    std::array<platform::Point, 2> wings;
};

// Slots to add to a record's anchors for the chart's plot start (the series'
// plot start and period).
long long SlotShift(const data::PriceSeries& series, const AnnotationRecord& record);

// The record on the chart: x = (shift + slot) x pitch + left margin, the end
// one slot further left; y from the price as the chart maps it; both truncated
// and scaled by the zoom the chart was drawn at.
PlacedAnnotation PlaceAnnotation(const AnnotationRecord& record,
                                 const chart::ChartGeometry& geometry, long long shift);

// Draws one placed record with the label font, the annotation text colour and
// the annotation pen.
void DrawAnnotation(platform::Canvas& canvas, const view::DrawingObjects& objects,
                    const AnnotationRecord& record, const PlacedAnnotation& placed);

struct DrawContext {
    platform::Canvas& canvas;
    const data::PriceSeries& series;
    const chart::ChartGeometry& geometry;
    const view::DrawingObjects& objects;
    platform::Prompts& prompts;
    AnnotationState& state;
    std::filesystem::path startDirectory;
    // Called before each delete question, so the window can show what is drawn so far.
    std::function<void()> beforeQuestion;
    // Set when delete mode ended: the chart is to be drawn again (command 342).
    bool refreshRequested = false;
};

// Draws the annotations of the series' annotation file (the first 100), in
// delete mode asking about each. A refused file name is reported once and
// nothing is drawn. Returns 1.
int DrawTextAnnotations(DrawContext& context);

}  // namespace korvo::annotate
