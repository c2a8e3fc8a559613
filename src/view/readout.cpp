#include "view/readout.h"

#include <cmath>

#include "chart/status_bar.h"
#include "data/printf.h"

namespace korvo::view {

using platform::Point;

namespace {

// Hundredths of a price, cut toward zero as the read-out shows it.
// In double, so a price of eight digits keeps its hundredths exact.
long long Hundredths(float price) {
    const double scaled = static_cast<double>(price) * 100.0;
    if (!std::isfinite(scaled)) return 0;
    constexpr double kLimit = 9.0e17;
    if (std::fabs(scaled) > kLimit)
        return scaled > 0 ? 900'000'000'000'000'000LL : -900'000'000'000'000'000LL;
    return static_cast<long long>(scaled);
}

bool PriceMappingUsable(const chart::ChartGeometry& g) {
    return g.yPercent > 0 && g.unitsPerPrice > 0.0f && std::isfinite(g.unitsPerPrice);
}

// The texts in the status strip: the bar line from its left end (with the
// title box, as every redraw of the strip), the price at its right end.
void WriteTexts(ReadOutContext& c, platform::Canvas& canvas, const ReadOutTexts& texts) {
    const platform::Size client = c.window.ClientSize();
    const chart::TitleBox title{c.title, c.geometry.priceTopDevice + 5};
    chart::DrawStatusBar(canvas, c.objects, client, texts.barLine, "", 0, &title);
    chart::DrawStatusBar(canvas, c.objects, client, texts.priceText, "", -1);
}

// The read-out at a point: texts when a bar stands under it, the slot kept,
// the picked day noted.
ReadOutTexts ReadAt(ReadOutContext& c, Point point) {
    ReadOutTexts texts = ComputeReadOut(c.series, c.geometry, point, c.state.readOutSlot);
    c.state.readOutSlot = texts.slot;
    if (texts.bar >= 0) {
        const auto at = static_cast<std::size_t>(texts.bar);
        c.pickedDate = c.series.year[at] * 10000 + c.series.month[at] * 100 + c.series.day[at];
    }
    return texts;
}

}  // namespace

float PriceAtCursor(const chart::ChartGeometry& g, int y) {
    // Cursor and scroll position are converted separately, as the window system
    // converts points: the logical y of each, growing upwards.
    const long long cy = -platform::PixelsToLogical(y);
    const long long sy = -platform::PixelsToLogical(g.scrollY);
    const int yPercent = g.yPercent > 0 ? g.yPercent : 100;
    const long long v = -(cy + sy) * 100 / yPercent;
    return g.bottomPrice +
           static_cast<float>(static_cast<long long>(g.priceBottom) - v) / g.unitsPerPrice;
}

std::string FormatPriceText(float price) {
    const long long hundredths = Hundredths(price);
    const double shown = static_cast<double>(hundredths) / 100.0;
    if (hundredths % 100 == 0) return data::Printf("price:%9.0f", shown);
    return data::Printf("price:%6.2f", shown);
}

std::optional<int> SlotAtCursor(const chart::ChartGeometry& g, int x) {
    const long long cx = platform::PixelsToLogical(x);
    const long long sx = platform::PixelsToLogical(g.scrollX);
    const long long pitch = static_cast<long long>(g.slotPitch) * g.xPercent;
    if (pitch <= 0) return std::nullopt;
    // Measured on the whole chart (cursor plus scroll position), so a cursor
    // left of the plotting area keeps the last slot at every size and scroll.
    const long long fromLeft = (cx + sx) * 100 - static_cast<long long>(g.leftX) * g.xPercent;
    if (fromLeft < 0) return std::nullopt;
    const long long slot = fromLeft / pitch + 1;
    return slot > 1'000'000 ? 1'000'000 : static_cast<int>(slot);
}

int BarInSlot(const data::PriceSeries& s, const chart::ChartGeometry& g, int slot) {
    for (int i = 0; i < s.barCount && i < data::kMaxBars; ++i)
        if (g.barSlot[static_cast<std::size_t>(i)] == slot) return i;
    return -1;
}

std::string FormatBarLine(const data::PriceSeries& s, int bar) {
    const auto i = static_cast<std::size_t>(bar);
    const int year = s.year[i];
    const int month = s.month[i];
    const int day = s.day[i];
    const auto open = static_cast<double>(s.open[i]);
    const auto high = static_cast<double>(s.high[i]);
    const auto low = static_cast<double>(s.low[i]);
    const auto close = static_cast<double>(s.close[i]);
    // The volume as the file has it: the loader divided it for the scale.
    const long long volume = static_cast<long long>(s.volume[i]) * s.volumeDivisor;
    if (s.low[i] <= 10000.0f)
        return data::Printf("     %d/%2d/%2d    open%7.2f hi%7.2f low%7.2f close%7.2f vol %lld",
                            year, month, day, open, high, low, close, volume);
    return data::Printf("     %d/%2d/%2d   open %8.0f hi %8.0f low %8.0f close %8.0f vol %lld",
                        year, month, day, open, high, low, close, volume);
}

ReadOutTexts ComputeReadOut(const data::PriceSeries& series, const chart::ChartGeometry& geometry,
                            Point point, int previousSlot) {
    ReadOutTexts t;
    t.slot = SlotAtCursor(geometry, point.x).value_or(previousSlot);
    if (!PriceMappingUsable(geometry)) return t;
    t.bar = BarInSlot(series, geometry, t.slot);
    if (t.bar < 0) return t;
    t.barLine = FormatBarLine(series, t.bar);
    t.priceText = FormatPriceText(PriceAtCursor(geometry, point.y));
    return t;
}

std::string ReadOutTitle(const data::PriceSeries& s, const chart::ChartOptions& options) {
    if (options.overlap || options.titleOff) return {};
    if (s.fileTypeId == 210)
        return data::Printf("%s [%s](日足)", s.title.c_str(), s.marketCode.c_str());
    if (s.fileTypeId == 212)
        return data::Printf("%s [%s](週足)", s.title.c_str(), s.marketCode.c_str());
    if (s.fileTypeId == 214)
        return data::Printf("%s [%s](月足)", s.title.c_str(), s.marketCode.c_str());
    return data::Printf("%s [%s]", s.title.c_str(), s.marketCode.c_str());
}

void DrawCrosshair(platform::Canvas& canvas, Point point, platform::Size client,
                   const platform::Rect& chartRegion) {
    platform::CanvasStateGuard guard(canvas);
    canvas.SetMapMode(platform::MapMode::Device);
    canvas.SetViewportOrigin({0, 0});
    // The strip is redrawn while the crosshair stands; an inverted line through
    // it would not come off cleanly.
    const platform::Rect aboveStrip{0, 0, client.width, client.height - chart::kStatusStripHeight};
    canvas.SetClip(chartRegion.Intersected(aboveStrip));
    canvas.SetRasterOp(platform::RasterOp::Invert);
    canvas.SelectPen(platform::Pen{platform::PenStyle::Solid, 1, 0xFFFFFF});
    canvas.MoveTo({point.x, 10});
    canvas.LineTo({point.x, client.height + 10});
    canvas.MoveTo({0, point.y});
    canvas.LineTo({client.width, point.y});
}

void BeginReadOut(ReadOutContext& c, Point point) {
    ReadOutState& s = c.state;
    s.readOutActive = true;
    c.window.SetCrossCursor(true);
    c.window.CaptureMouse(true);
    const ReadOutTexts texts = ReadAt(c, point);
    const platform::Size client = c.window.ClientSize();
    c.window.DrawOnWindow([&](platform::Canvas& canvas) {
        if (texts.bar >= 0) WriteTexts(c, canvas, texts);
        DrawCrosshair(canvas, point, client, c.geometry.chartRegion);
    });
    s.readOutPoint = point;
}

void MoveReadOut(ReadOutContext& c, Point point) {
    ReadOutState& s = c.state;
    if (!s.readOutActive) return;
    const ReadOutTexts texts = ReadAt(c, point);
    const platform::Size client = c.window.ClientSize();
    const Point old = s.readOutPoint;
    // Off first, then the strip, then on again: nothing is painted over an
    // inverted line, so inverting it once more always restores the picture.
    c.window.DrawOnWindow([&](platform::Canvas& canvas) {
        DrawCrosshair(canvas, old, client, c.geometry.chartRegion);
        if (texts.bar >= 0) WriteTexts(c, canvas, texts);
        DrawCrosshair(canvas, point, client, c.geometry.chartRegion);
    });
    s.readOutPoint = point;
}

bool EndReadOut(ReadOutContext& c, Point) {
    ReadOutState& s = c.state;
    if (!s.readOutActive) return false;
    s.readOutActive = false;
    c.window.SetCrossCursor(false);
    c.window.CaptureMouse(false);
    const platform::Size client = c.window.ClientSize();
    const Point old = s.readOutPoint;
    c.window.DrawOnWindow([&](platform::Canvas& canvas) {
        DrawCrosshair(canvas, old, client, c.geometry.chartRegion);
    });
    return true;
}

}  // namespace korvo::view
