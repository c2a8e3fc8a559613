#include "annotate/draw_annotations.h"

#include <algorithm>
#include <vector>

#include "annotate/anchors.h"
#include "annotate/annotation_file.h"
#include "data/calendar.h"
#include "data/slot_distance.h"
#include "platform/codec.h"

namespace korvo::annotate {

using platform::Point;

namespace {

int LayoutX(double slots, const chart::ChartGeometry& g) {
    return chart::ClampLayout(slots * g.slotPitch + g.leftX);
}

Point ChartPoint(double slots, float price, const chart::ChartGeometry& g) {
    return chart::LogicalPoint(LayoutX(slots, g), chart::PriceY(g, price), g);
}

// The file without the deleted records: the others, those beyond the drawn
// ones too, numbered again from 0, then whatever could not be read as a
// record, as it stands.
std::string RewrittenFile(const std::vector<AnnotationRecord>& records,
                          const std::vector<bool>& deleted, std::string_view unreadTail) {
    std::string out;
    std::int32_t number = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i < deleted.size() && deleted[i]) continue;
        AnnotationRecord kept = records[i];
        kept.number = number++;
        out += FormatAnnotationRecord(kept);
    }
    out += unreadTail;
    return out;
}

void ReportRefusalOnce(DrawContext& c, const AnnotationFileName& name) {
    if (c.state.refusalShownFor == c.series.chrFileName) return;
    c.state.refusalShownFor = c.series.chrFileName;
    ShowRefusal(c.prompts, name);
}

}  // namespace

long long SlotShift(const data::PriceSeries& s, const AnnotationRecord& r) {
    return data::SlotDistance(data::PeriodOf(s.fileTypeId), s.plotStartYear, s.plotStartMonth,
                              r.plotStartYear, r.plotStartMonth);
}

PlacedAnnotation PlaceAnnotation(const AnnotationRecord& r, const chart::ChartGeometry& g,
                                 long long shift) {
    PlacedAnnotation p;
    const auto shifted = static_cast<double>(shift);
    p.start = ChartPoint(shifted + r.startSlot, r.startPrice, g);
    p.end = ChartPoint(shifted + r.endSlot - 1.0, r.endPrice, g);
    p.text = p.end;
    // A line coming up from below would run into the text: it stands higher.
    if (p.start.y < p.end.y) p.text.y += kTextLift;
    p.wings = ArrowWings(p.start, p.end, kDrawnWingLength);
    return p;
}

void DrawAnnotation(platform::Canvas& canvas, const view::DrawingObjects& objects,
                    const AnnotationRecord& r, const PlacedAnnotation& p) {
    if (!r.lineOnly) {
        canvas.SelectFont(objects.labelFont);
        canvas.SetTextColour(objects.annotationText);
        canvas.SetTextAlign(r.centred ? platform::HAlign::Centre : platform::HAlign::Left,
                            platform::VAlign::Top);
        canvas.TextOut(p.text, platform::Cp932ToUtf8Lossy(r.text));
    }
    if (!r.withArrow && !r.lineOnly) return;
    canvas.SelectPen(objects.annotationPen);
    canvas.MoveTo(p.start);
    canvas.LineTo(p.end);
    if (!r.withArrow) return;
    for (const Point& wing : p.wings) {
        canvas.MoveTo(p.start);
        canvas.LineTo(wing);
    }
}

int DrawTextAnnotations(DrawContext& c) {
    AnnotationState& state = c.state;
    const bool deleting = state.deleteMode;
    state.deleteMode = false;
    if (deleting) c.refreshRequested = true;
    const AnnotationFileName name = CheckAnnotationFileName(c.startDirectory, c.series.chrFileName);
    if (!name.Accepted()) {
        ReportRefusalOnce(c, name);
        return 1;
    }
    const auto bytes = ReadAnnotationFile(name.path, c.startDirectory);
    if (!bytes) {
        state.annotationCount = 0;
        return 1;
    }
    // Delete mode reads every record, so the ones it does not ask about are kept.
    const ParsedAnnotations parsed =
        ParseAnnotations(*bytes, deleting ? SIZE_MAX : std::size_t{kMaxDrawnAnnotations});
    const std::size_t drawn =
        std::min(parsed.records.size(), static_cast<std::size_t>(kMaxDrawnAnnotations));
    // Drawn in the chart's own mapping, whatever the canvas was left in.
    platform::CanvasStateGuard guard(c.canvas);
    c.canvas.SetMapMode(platform::MapMode::LoMetric);
    c.canvas.SetViewportOrigin({-c.geometry.scrollX, -c.geometry.scrollY});
    c.canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
    std::vector<bool> deleted(drawn, false);
    bool anyDeleted = false;
    for (std::size_t i = 0; i < drawn; ++i) {
        const AnnotationRecord& record = parsed.records[i];
        DrawAnnotation(c.canvas, c.objects, record,
                       PlaceAnnotation(record, c.geometry, SlotShift(c.series, record)));
        if (!deleting) continue;
        if (c.beforeQuestion) c.beforeQuestion();
        deleted[i] =
            c.prompts.ShowMessage(kDeleteQuestion, kDeleteCaption, platform::Buttons::YesNo,
                                  platform::Icon::Question) == platform::Answer::Yes;
        anyDeleted = anyDeleted || deleted[i];
    }
    state.annotationCount = static_cast<int>(drawn);
    // Nothing deleted leaves the file as it is, byte for byte.
    if (anyDeleted) {
        const std::string_view tail = std::string_view(*bytes).substr(parsed.consumed);
        ReplaceAnnotationFile(name, RewrittenFile(parsed.records, deleted, tail), c.prompts);
    }
    return 1;
}

}  // namespace korvo::annotate
