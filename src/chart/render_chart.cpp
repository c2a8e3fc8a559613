#include "chart/render_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "chart/chart_frame.h"
#include "chart/date_axis.h"
#include "chart/panel_drawing.h"
#include "chart/price_plot.h"
#include "chart/status_bar.h"
#include "data/calendar.h"
#include "data/printf.h"

namespace korvo::chart {

using data::Period;
using platform::Point;
using platform::Rect;

namespace {

constexpr float kMaxSizeFactor = 5.0f;
// The newest data is placed at this share of the window width.
constexpr int kEndPositionPercent = 80;
// A value of the indicator-panel code outside this range is taken for deviation.
constexpr int kMaxPanelCode = 200;

int ClampLogical(int v) {
    return std::clamp(v, -kLogicalLimit, kLogicalLimit);
}

std::int16_t SlotAsInt16(int slot) {
    return static_cast<std::int16_t>(std::clamp(slot, -32768, 32767));
}

class Renderer {
  public:
    explicit Renderer(RenderContext& context) : c_(context) {}

    RenderOutcome Run();

  private:
    int DrawPage(int page);
    // Fixes slotCount and the slots the data take; false when the display
    // start lies after the data.
    bool FixSlots(int& dataSlots, std::string& caption);
    void FixScroll(int dataSlots);
    bool FixPriceRange();
    void FixPagesAndRegions();
    void PlaceAndDrawBars();
    int BarSlot(int i) const;
    void DrawLayers(int page);
    bool SingleChart() const { return !c_.options.multiChart; }

    // Runs a layer with the client clip and without letting its canvas state
    // leak into the next one.
    template <class F>
    void Layer(F&& draw) {
        platform::CanvasStateGuard guard(c_.canvas);
        c_.canvas.SetClip(clientClip_);
        draw();
    }

    RenderContext& c_;
    RenderOutcome out_;
    ExtremeMarks marks_;
    int xPercent_ = 100;
    int yPercent_ = 100;
    float horizontal_ = 1.0f;
    float vertical_ = 1.0f;
    Rect clientRect_;
    Rect clientClip_;
    ClientSpan clientSpan_;
};

RenderOutcome Renderer::Run() {
    data::PriceSeries& s = c_.series;
    if (s.barCount < 1) {
        c_.prompts.ShowMessage("ﾃﾞｰﾀﾌｧｲﾙを選んでください", "ﾒｯｾｰｼﾞ", platform::Buttons::Ok,
                               platform::Icon::Stop);
        c_.chartShown = false;
        out_.sendCommand15 = true;
        out_.result = kRenderNoData;
        return out_;
    }
    horizontal_ = std::min(c_.horizontalFactor, kMaxSizeFactor);
    vertical_ = std::min(c_.verticalFactor, kMaxSizeFactor);
    xPercent_ = TruncToInt(static_cast<double>(horizontal_) * 100.0);
    yPercent_ = TruncToInt(static_cast<double>(vertical_) * 100.0);
    if (xPercent_ < 1) xPercent_ = 100;

    platform::CanvasStateGuard guard(c_.canvas);
    c_.canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
    clientRect_ = Rect{0, 0, c_.client.width, c_.client.height};
    clientClip_ = clientRect_.Intersected(Rect{0, 0, c_.screen.width, c_.screen.height});
    c_.chartShown = true;

    int page = 0;
    Period pagePeriod = data::PeriodOf(s.fileTypeId);
    for (;;) {
        if (page > 0 && data::PeriodOf(s.fileTypeId) != pagePeriod) {
            c_.prompts.ShowMessage(
                data::Printf("[ %s ] グラフのﾀｲﾌﾟ(日、週、月足）が違います！", s.title.c_str()),
                "警告メッセージ(ID002)", platform::Buttons::Ok, platform::Icon::Exclamation);
            out_.restoreMainMenu = c_.options.multiChart;
            c_.options.multiChart = false;
            c_.options.overlap = false;
            out_.result = kRenderMixedPeriods;
            return out_;
        }
        const int result = DrawPage(page);
        ++out_.pagesDrawn;
        if (result != kRenderDrawn) {
            out_.result = result;
            return out_;
        }
        if (!c_.options.multiChart || page >= c_.multi.fileCount) break;
        pagePeriod = data::PeriodOf(s.fileTypeId);
        ++page;
        // A failed load leaves the series as it was; the loop goes on with it.
        if (c_.multi.loadPage) c_.multi.loadPage(page);
    }
    out_.result = kRenderDrawn;
    return out_;
}

bool Renderer::FixSlots(int& dataSlots, std::string& caption) {
    data::PriceSeries& s = c_.series;
    ChartGeometry& g = c_.geometry;
    const platform::CivilDate today = data::TodayDate(c_.clock);
    switch (data::PeriodOf(s.fileTypeId)) {
        case Period::Month:
            dataSlots = data::MonthOrdinal(s.plotStartYear, today.year, today.month);
            g.slotCount = std::min(dataSlots + kExtraMonthlySlots, kMaxMonthlySlots);
            caption = PeriodCaption(s.fileTypeId, horizontal_, vertical_);
            return true;
        case Period::Week:
            dataSlots = data::WeekOrdinal(s.plotStartYear, today.year, today.month, today.day);
            g.slotCount = std::min(dataSlots + kExtraWeeklySlots, kMaxWeeklySlots);
            caption = PeriodCaption(s.fileTypeId, horizontal_, vertical_);
            return true;
        case Period::Day:
            break;
    }
    if (!c_.plotStartMode && SingleChart() && s.plotStartYear < s.year[0]) {
        c_.prompts.ShowMessage(
            data::Printf("%d 年以前のデータはありません！\n\n %d 年からプロットします。",
                         s.year[0] - 1, static_cast<int>(s.year[0])),
            "メッセージ", platform::Buttons::Ok, platform::Icon::None);
        s.plotStartYear = s.year[0];
        s.plotStartMonth = 1;
    }
    const auto last = static_cast<std::size_t>(s.barCount - 1);
    if (SingleChart()) {
        dataSlots = data::DayOrdinal(s.plotStartYear, s.plotStartMonth, 1, s.year[last],
                                     s.month[last], s.day[last]);
    } else {
        dataSlots = data::DayOrdinal(s.plotStartYear, s.plotStartMonth, 1, today.year, today.month,
                                     today.day);
    }
    if (dataSlots < 0) return false;
    g.slotCount = std::min(dataSlots + kExtraDailySlots, kMaxDailySlots);
    caption = PeriodCaption(s.fileTypeId, horizontal_, vertical_);
    return true;
}

void Renderer::FixScroll(int dataSlots) {
    ChartGeometry& g = c_.geometry;
    view::ViewState& v = c_.view;
    g.scrollX = v.savedScrollX;
    g.scrollY = v.savedScrollY;
    if (!SingleChart() || !(v.newDataFlag || v.goToEndFlag)) return;
    v.newDataFlag = false;
    v.goToEndFlag = false;
    const long long endLogical = static_cast<long long>(dataSlots) * g.slotPitch + g.leftX;
    const int endDevice = platform::LogicalToPixels(
        TruncToInt(static_cast<double>(LogicalXWide(endLogical, g.xPercent))));
    if (!c_.zoomWindowOpen && !v.keepPositionOnce) {
        g.scrollX = endDevice - c_.client.width * kEndPositionPercent / 100;
        v.savedScrollX = g.scrollX;
    }
    v.keepPositionOnce = false;
}

bool Renderer::FixPriceRange() {
    const data::PriceSeries& s = c_.series;
    ChartGeometry& g = c_.geometry;
    float top = s.maxHigh;
    float bottom = s.minLow;
    if (!c_.view.manualScale && !c_.plotStartMode) {
        // Rounded outwards; the rules are tried in order and the last that applies wins.
        auto round = [&](float unit) {
            top = std::ceil(s.maxHigh / unit) * unit;
            bottom = std::floor(s.minLow / unit) * unit;
        };
        if (s.minLow >= 1000.0f) round(1000.0f);
        if (s.minLow < 1000.0f) round(100.0f);
        if (s.minLow < 100.0f) round(10.0f);
        if (s.minLow < 10.0f) round(1.0f);
    }
    g.topPrice = top;
    g.bottomPrice = bottom;
    if (!(top > bottom)) return false;
    g.unitsPerPrice = static_cast<float>(kPricePanelHeight) / (top - bottom);
    return true;
}

void Renderer::FixPagesAndRegions() {
    ChartGeometry& g = c_.geometry;
    platform::Canvas& canvas = c_.canvas;
    const Point topLeft = canvas.DeviceToLogical({0, 0});
    const Point bottomRight = canvas.DeviceToLogical({c_.client.width, c_.client.height});
    clientSpan_ = ClientSpan{topLeft.x, bottomRight.x};
    const int windowWidth = std::max(1, bottomRight.x - topLeft.x);
    const int windowHeight = std::max(1, std::abs(bottomRight.y - topLeft.y));
    g.pagesAcross = std::max(1, g.rightLogical / windowWidth);
    g.pagesDown = std::max(1, std::abs(LogicalY(g.chartBottom, g.yPercent)) / windowHeight);
    out_.scrollBarsSet = true;
    out_.scrollBars = ScrollBars{g.pagesAcross * c_.client.width, g.pagesDown * c_.client.height,
                                 g.scrollX, g.scrollY};

    const int yp = g.yPercent;
    g.chartRegion = canvas.LogicalToDevice(
        Rect{g.leftLogical, LogicalY(g.chartTop, yp), g.rightLogical, LogicalY(g.chartBottom, yp)});
    g.priceRegion = canvas
                        .LogicalToDevice(Rect{g.leftLogical, LogicalY(g.priceTop, yp),
                                              g.rightLogical, LogicalY(g.priceBottom, yp)})
                        .Intersected(clientRect_);
    g.lowerRegion = canvas
                        .LogicalToDevice(Rect{g.leftLogical, LogicalY(g.priceBottom, yp),
                                              g.rightLogical, LogicalY(g.chartBottom, yp)})
                        .Intersected(clientRect_);
    g.priceTopDevice = canvas.LogicalToDevice(Point{0, LogicalY(g.priceTop, yp)}).y;
}

int Renderer::BarSlot(int i) const {
    const data::PriceSeries& s = c_.series;
    const auto at = static_cast<std::size_t>(i);
    switch (data::PeriodOf(s.fileTypeId)) {
        case Period::Month:
            return data::MonthOrdinal(s.plotStartYear, s.year[at], s.month[at]);
        case Period::Week:
            return data::WeekOrdinal(s.plotStartYear, s.year[at], s.month[at], s.day[at]);
        case Period::Day:
            break;
    }
    return data::DayOrdinal(s.plotStartYear, s.plotStartMonth, 1, s.year[at], s.month[at],
                            s.day[at]);
}

void Renderer::PlaceAndDrawBars() {
    const data::PriceSeries& s = c_.series;
    ChartGeometry& g = c_.geometry;
    const bool openClose = s.fileTypeId < 220;
    c_.canvas.SetClip(g.priceRegion);
    for (int i = s.barCount - 1; i >= 0; --i) {
        const auto at = static_cast<std::size_t>(i);
        // A date thousands of years from the plot start stays inside the layout limit.
        const int slot =
            std::clamp(BarSlot(i), -kLayoutLimit / kSlotPitch, kLayoutLimit / kSlotPitch);
        g.barSlot[at] = SlotAsInt16(slot);
        g.barX[at] = slot < 1 ? 0.0f : static_cast<float>((slot - 1) * g.slotPitch + g.leftX + 1);
        BarLevels levels;
        levels.high = PriceY(g, s.high[at]);
        levels.low = PriceY(g, s.low[at]);
        // The close level is kept for every file type: the read-out and the
        // overlap titles stand on it.
        levels.close = PriceY(g, s.close[at]);
        if (openClose) levels.open = PriceY(g, s.open[at]);
        g.barMidY[at] =
            static_cast<std::int32_t>((static_cast<long long>(levels.high) + levels.low) / 2);
        g.barCloseY[at] = levels.close;
        DrawBar(c_, i, levels, marks_);
    }
}

void Renderer::DrawLayers(int page) {
    const data::PriceSeries& s = c_.series;
    ChartOptions& o = c_.options;
    ChartLayers& layers = c_.layers;
    const bool single = SingleChart();
    if (single) {
        Layer([&] {
            if (o.volumeHistogram) DrawVolumeHistogram(c_);
            if (s.maxVolume < 10) return;
            if (o.tradeVolume) DrawTradeVolume(c_);
        });
        if (s.maxVolume >= 10) {
            if (o.subPanelIndicator == kPanelOnBalanceVolume)
                Layer([&] { layers.DrawOnBalanceVolume(c_, page); });
            if (o.volumeRatio) Layer([&] { layers.DrawVolumeRatio(c_, page); });
            if (o.volumeAverage) Layer([&] { layers.DrawVolumeAverage(c_, page); });
        }
    }
    if (o.ichimokuLines || o.ichimokuSpans || o.ichimokuLagging)
        Layer([&] { layers.DrawIchimoku(c_, page); });
    if (o.parabolicSar) Layer([&] { layers.DrawParabolicSar(c_, page); });
    if (o.shinoharaCr) Layer([&] { layers.DrawShinoharaCr(c_, page); });
    if (single) {
        if (o.subPanelIndicator > kMaxPanelCode || o.subPanelIndicator < 0)
            o.subPanelIndicator = kPanelDeviation;
        const int code = o.subPanelIndicator;
        if (code != kPanelOnBalanceVolume && code != kPanelBollinger)
            Layer([&] { layers.DrawSubPanelIndicator(c_, page, code); });
    }
    if (o.subPanelIndicator == kPanelBollinger && !o.parabolicSar)
        Layer([&] { layers.DrawBollinger(c_, page); });
    if (o.envelope) Layer([&] { layers.DrawEnvelope(c_, page); });
    if (o.psychologicalLine) Layer([&] { layers.DrawPsychologicalLine(c_, page); });
    if (o.overlap) {
        Layer([&] {
            const ChartGeometry& g = c_.geometry;
            const auto last = static_cast<std::size_t>(s.barCount - 1);
            DrawLineEndLabel(c_.canvas, c_.objects, c_.objects.paletteBrush[15].colour, s.title,
                             g.barX[last] + 20.0f, -(g.barCloseY[last] - 10), g.xPercent,
                             g.yPercent, 0);
        });
    }
    if (o.barStyle == kStyleLine) Layer([&] { layers.DrawCloseLine(c_, page); });
    if (!o.overlap) {
        const bool lines[3] = {o.movingAverage1, o.movingAverage2, o.movingAverage3};
        for (int line = 1; line <= 3; ++line) {
            if (lines[line - 1]) Layer([&] { layers.DrawMovingAverage(c_, page, line); });
        }
    }
}

int Renderer::DrawPage(int page) {
    data::PriceSeries& s = c_.series;
    ChartGeometry& g = c_.geometry;
    platform::Canvas& canvas = c_.canvas;
    const bool single = SingleChart();

    g.xPercent = xPercent_;
    g.yPercent = yPercent_;
    g.leftX = kLeftX;
    g.slotPitch = kSlotPitch;
    g.barWidth = kBarWidth;
    g.chartTop =
        (c_.options.multiChart && !c_.options.overlap) ? kMultiChartPageHeight * (page - 1) : 0;
    g.priceTop = g.chartTop + kTitleBandHeight;
    g.priceBottom = g.priceTop + kPricePanelHeight;
    g.indicatorBottom = g.priceBottom + kIndicatorPanelHeight;
    g.chartBottom = g.priceBottom + kPricePanelHeight;

    int dataSlots = 0;
    std::string caption;
    if (!FixSlots(dataSlots, caption)) return kRenderAskDisplayStart;
    g.rightX = g.slotCount * g.slotPitch + g.leftX;
    if (LogicalXWide(g.rightX, g.xPercent) > kLogicalLimit) {
        g.xPercent = kLogicalLimit * 100 / g.rightX;
        if (!c_.printing)
            DrawStatusBar(canvas, c_.objects, c_.client, caption, kWidthReducedMessage, 0);
    }
    FixScroll(dataSlots);
    canvas.SetViewportOrigin({-g.scrollX, -g.scrollY});
    canvas.SetMapMode(platform::MapMode::LoMetric);
    g.leftLogical = ClampLogical((kLeftX / 100) * g.xPercent);
    g.rightLogical = ClampLogical((g.rightX / 100) * g.xPercent);
    if (!FixPriceRange()) return kRenderEmptyPriceRange;
    FixPagesAndRegions();

    canvas.SetClip(clientClip_);
    DrawFrame(c_, clientSpan_);
    DrawPriceScaleAndGrid(c_);
    if (single) {
        DrawVolumeScale(c_);
        DrawVolumeCaptionAndMarks(c_);
    }
    DrawTickRuler(c_);
    const DateAxisInput axis{canvas,           g,       c_.objects, s.plotStartYear,
                             s.plotStartMonth, !single, c_.printing};
    switch (data::PeriodOf(s.fileTypeId)) {
        case Period::Day:
            DrawDailyDateAxis(axis);
            break;
        case Period::Week:
            DrawWeeklyDateAxis(axis);
            break;
        case Period::Month:
            DrawMonthlyDateAxis(axis);
            break;
    }
    PlaceAndDrawBars();
    canvas.SetClip(clientClip_);
    view::RebuildPensAndBrushes(c_.objects, c_.colours);
    DrawLayers(page);
    if (!c_.options.annotationsOff && s.hasChrFile) {
        int result = 1;
        Layer([&] { result = c_.layers.DrawAnnotations(c_, page); });
        if (result < 1) return result;
    }
    UpdateStatusLine(c_);
    return kRenderDrawn;
}

}  // namespace

std::string PeriodCaption(int fileTypeId, float horizontalFactor, float verticalFactor) {
    const char* format = "Daily chart | %5.2fW X %5.2fH";
    if (data::PeriodOf(fileTypeId) == Period::Month)
        format = "Monthly chart| %5.2fW X %5.2fH";
    else if (data::PeriodOf(fileTypeId) == Period::Week)
        format = "Weekly chart | %5.2fW X %5.2fH";
    char text[96];
    std::snprintf(text, sizeof text, format, static_cast<double>(horizontalFactor),
                  static_cast<double>(verticalFactor));
    return text;
}

RenderOutcome RenderChart(RenderContext& context) {
    return Renderer(context).Run();
}

}  // namespace korvo::chart
