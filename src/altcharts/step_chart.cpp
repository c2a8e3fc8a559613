#include "altcharts/step_chart.h"

#include "altcharts/chart_closes.h"
#include "altcharts/chart_extent.h"
#include "altcharts/non_time_series_frame.h"
#include "altcharts/price_labels.h"
#include "altcharts/signal_list.h"
#include "chart/chart_geometry.h"
#include "data/printf.h"
#include "indicators/signal_files.h"

namespace korvo::altcharts {

namespace {

using platform::Point;

// The line starts 10 pixels into the plot; each reversal moves it 10 right.
constexpr int kFirstColumn = kFrameLeft + 10;
constexpr int kColumnStep = 10;
// The yin switch waits for the close to come within 5 % of the waist.
constexpr float kWaistMargin = 1.05f;
constexpr platform::Colour kTurnColour = platform::Rgb(64, 255, 64);
constexpr platform::Colour kYangColour = platform::Rgb(0, 255, 255);
constexpr platform::Colour kYinColour = platform::Rgb(255, 255, 0);

class StepBuilder {
  public:
    StepBuilder(const std::vector<float>& closes, float maxHigh, float minLow,
                const StepParams& params, StepChart& chart)
        : close_(closes), maxHigh_(maxHigh), minLow_(minLow), params_(params), c_(chart) {}

    void Run() {
        const int n = static_cast<int>(close_.size());
        const int first = FirstStroke();
        if (first < 0) return;
        Start(first);
        for (int j = first + 2; j < n; ++j)
            Step(j);
        c_.finalYang = yang_;
        c_.rightX = x_;
    }

  private:
    float Close(int i) const { return close_[static_cast<std::size_t>(i)]; }
    int Y(float price) const {
        return chart::ClampLayout(static_cast<float>(c_.baseY) - (price - minLow_) * c_.scale);
    }
    Point End() const { return c_.runs.back().points.back(); }
    void StrokeTo(Point p) { c_.runs.back().points.push_back(p); }

    // Only a single bar-to-bar change counts for the first stroke.
    int FirstStroke() {
        const float opening = c_.openingAmount;
        for (int i = 0; i + 1 < static_cast<int>(close_.size()); ++i) {
            const float change = Close(i + 1) - Close(i);
            if (change >= opening || change <= -opening) {
                up_ = change >= opening;
                return i;
            }
        }
        return -1;
    }

    void Start(int i) {
        c_.hasLine = true;
        x_ = kFirstColumn;
        c_.runs.push_back(StepRun{false, {Point{x_, Y(Close(i))}}});
        StrokeTo(Point{x_, Y(Close(i + 1))});
        lineTop_ = lineBottom_ = lastExtreme_ = Close(i + 1);
        topBar_ = bottomBar_ = i + 1;
        shoulder_ = maxHigh_;
        waist_ = minLow_;
    }

    void Step(int j) {
        const float p = Close(j);
        const float d = p - lastExtreme_;
        const float amount = params_.usePercent ? p * params_.percent / 100.0f : params_.amount;
        if (d >= 0.0f && up_ && p > lineTop_) ExtendUp(j, p);
        if (d <= 0.0f && !up_ && p < lineBottom_) ExtendDown(j, p);
        if (d <= -amount && up_) ReverseDown(j, p);
        if (d >= amount && !up_) ReverseUp(j, p);
    }

    void ExtendUp(int j, float p) {
        // The stroke that crosses the shoulder is already yang.
        if (p >= shoulder_ && !yang_) Switch(true, j, p, 0, End().y);
        StrokeTo(Point{x_, Y(p)});
        SetTop(j, p);
    }

    void ExtendDown(int j, float p) {
        StrokeTo(Point{x_, Y(p)});
        YinTest(j, p);
        SetBottom(j, p);
    }

    void ReverseDown(int j, float p) {
        up_ = false;
        shoulder_ = lineTop_;
        c_.turns.push_back(StepTurn{true, topBar_, lineTop_, Point{x_, Y(shoulder_) - 3}});
        Across(Y(lineTop_));
        StrokeTo(Point{x_, Y(p)});
        YinTest(j, p);
        SetBottom(j, p);
    }

    void ReverseUp(int j, float p) {
        up_ = true;
        waist_ = lineBottom_;
        c_.turns.push_back(StepTurn{false, bottomBar_, lineBottom_, Point{x_, Y(waist_) + 5}});
        Across(Y(lineBottom_));
        StrokeTo(Point{x_, Y(p)});
        if (p >= shoulder_ && !yang_) Switch(true, j, p, 1, Y(p));
        SetTop(j, p);
    }

    // The horizontal stroke at y to the next column.
    void Across(int y) {
        if (End() != Point{x_, y}) StrokeTo(Point{x_, y});
        x_ += kColumnStep;
        StrokeTo(Point{x_, y});
    }

    void YinTest(int j, float p) {
        if (p <= waist_ * kWaistMargin && yang_) Switch(false, j, p, 1, Y(p));
    }

    // The pen changes at the line's end; `lineY` is where the label beside the line goes.
    void Switch(bool yang, int j, float p, int state, int lineY) {
        yang_ = yang;
        c_.switches.push_back(StepSwitch{yang, j, p, state, Point{x_ + 2, lineY - 5}});
        c_.runs.push_back(StepRun{yang, {End()}});
    }

    void SetTop(int j, float p) {
        lineTop_ = lastExtreme_ = p;
        topBar_ = j;
    }
    void SetBottom(int j, float p) {
        lineBottom_ = lastExtreme_ = p;
        bottomBar_ = j;
    }

    const std::vector<float>& close_;
    float maxHigh_;
    float minLow_;
    const StepParams& params_;
    StepChart& c_;
    bool up_ = true;
    bool yang_ = false;
    float lineTop_ = 0.0f;
    float lineBottom_ = 0.0f;
    float lastExtreme_ = 0.0f;
    int topBar_ = 0;
    int bottomBar_ = 0;
    float shoulder_ = 0.0f;
    float waist_ = 0.0f;
    int x_ = kFirstColumn;
};

std::string StepRecord(const data::PriceSeries& s, int kind, int bar, float price, int index,
                       int state) {
    const auto at = static_cast<std::size_t>(bar);
    return data::Printf("\n %d %d %d %d %9.2f %d %d", kind, s.year[at], s.month[at], s.day[at],
                        static_cast<double>(price), index, state);
}

void DrawLine(platform::Canvas& c, const view::DrawingObjects& o, const StepChart& chart) {
    for (const StepRun& run : chart.runs) {
        if (run.points.size() < 2) continue;
        c.SelectPen(run.yang ? o.upBarPen3 : o.downBarPen3);
        c.Polyline(run.points);
    }
}

void DrawTurnLabels(platform::Canvas& c, const view::DrawingObjects& o, const data::PriceSeries& s,
                    const StepChart& chart) {
    c.SelectFont(o.verticalSmallFont);
    c.SetTextColour(kTurnColour);
    for (const StepTurn& turn : chart.turns) {
        const auto at = static_cast<std::size_t>(turn.bar);
        // Tops read upward from above the shoulder, bottoms end below the waist.
        c.SetTextAlign(turn.top ? platform::HAlign::Left : platform::HAlign::Right,
                       platform::VAlign::Top);
        c.TextOut(turn.at, PriceDateText(turn.price, s.month[at], s.day[at]));
    }
}

// Each switch in the list, a buy above its sell, and in the switch label
// mode beside the line as well.
void DrawSwitchLabels(platform::Canvas& c, const view::DrawingObjects& o,
                      const data::PriceSeries& s, const StepChart& chart, bool besideLine) {
    c.SelectFont(o.smallFont);
    c.SetTextAlign(platform::HAlign::Left, platform::VAlign::Top);
    SignalList list(chart.baseY);
    for (const StepSwitch& sw : chart.switches) {
        const auto at = static_cast<std::size_t>(sw.bar);
        std::string text = "<";
        text += PriceDateText(sw.price, s.month[at], s.day[at]);
        c.SetTextColour(sw.yang ? kYangColour : kYinColour);
        if (besideLine) c.TextOut(sw.beside, text);
        c.TextOut(sw.yang ? list.BuyAt() : list.SellAt(), text);
        if (!sw.yang) list.Advance();
    }
    c.SetTextColour(o.dateText);
}

}  // namespace

StepChart ComputeStepChart(const std::vector<float>& closes, float loadMaxHigh, float loadMinLow,
                           const StepParams& params, int clientBottom) {
    StepChart chart;
    chart.baseY = clientBottom - 110;
    chart.scale = static_cast<float>(clientBottom - 220) / (loadMaxHigh - loadMinLow);
    chart.openingAmount =
        params.usePercent ? RecentMeanClose(closes) * params.percent / 100.0f : params.amount;
    chart.rightX = kFirstColumn;
    StepBuilder(closes, loadMaxHigh, loadMinLow, params, chart).Run();
    return chart;
}

std::string StepChartTitle(const StepParams& params) {
    if (params.usePercent)
        return data::Printf("Step Chart - カギ 足 (%3.1f％)", static_cast<double>(params.percent));
    return data::Printf("Step Chart - カギ 足  (%3.2f)", static_cast<double>(params.amount));
}

std::string StepSignalText(const data::PriceSeries& s, const StepChart& chart) {
    std::string text = indicators::SignalHeader(indicators::kStepHeader, s.title);
    text += data::Printf("\n 0 %d %d %d %9.2f 0 %d", s.year[0], s.month[0], s.day[0],
                         static_cast<double>(s.close[0]), 1);
    for (const StepSwitch& sw : chart.switches)
        text += StepRecord(s, sw.yang ? indicators::kRecordBuy : indicators::kRecordSell, sw.bar,
                           sw.price, sw.bar, sw.state);
    const int last = s.barCount - 1;
    return text + StepRecord(s, indicators::kRecordEnd, last,
                             s.close[static_cast<std::size_t>(last)], last,
                             chart.finalYang ? 1 : 0);
}

AltChartOutcome DrawStepChart(const AltChartTarget& t, AltChartSettings& settings,
                              const AltChartModes& modes) {
    AltChartOutcome out;
    const data::PriceSeries& s = t.series;
    auto write = [&](const std::string& text) {
        return indicators::WriteSignalFile(t.output.startDirectory, indicators::SignalFile::Step,
                                           text, t.output.written);
    };
    const auto closes = CopyCloses(s, t.prompts);
    if (!closes || IsFlat(s)) {
        out.result = !write(indicators::SignalHeader(indicators::kStepHeader, s.title))
                         ? kAltChartFileFailed
                         : (closes ? kAltChartFlat : kAltChartNoMemory);
        return out;
    }
    settings.stepPercent = SettingOrDefault(settings.stepPercent, kStepDefaultPercent);
    settings.stepAmount = SettingOrDefault(settings.stepAmount, kStepDefaultAmount);
    const StepParams params{modes.stepUsePercent, settings.stepPercent, settings.stepAmount};
    const int clientBottom = t.client.height;
    const StepChart chart =
        ComputeStepChart(*closes, s.loadMaxHigh, s.loadMinLow, params, clientBottom);
    if (!write(StepSignalText(s, chart))) {
        out.result = kAltChartFileFailed;
        return out;
    }
    out.result = kAltChartDrawn;
    const int rows = static_cast<int>(chart.switches.size() + 1) / 2 / 7 + 1;
    out.pagesAcross = PagesFor(chart.rightX + 20, t.client.width);
    out.pagesDown = PagesFor(chart.baseY + 60 + 30 * rows, t.client.height);
    if (!t.Draws()) return out;

    platform::Canvas& c = *t.canvas;
    const view::DrawingObjects& o = t.objects;
    platform::CanvasStateGuard guard(c);
    c.SetMapMode(platform::MapMode::Device);
    c.SetBackgroundMode(platform::BackgroundMode::Transparent);
    const int bottom = clientBottom - kFrameBottomGap;
    DrawNonTimeSeriesFrame(c, o, s.title, StepChartTitle(params), kFrameLeft, kFrameRight,
                           kFrameTop, bottom, t.scroll.y);
    c.SelectFont(o.smallFont);
    c.SetClip(platform::Rect{kFrameLeft, kFrameTop, kFrameRight, bottom});
    c.SetViewportOrigin(Point{-t.scroll.x, -t.scroll.y});
    DrawLine(c, o, chart);
    if (modes.stepLabelMode == kStepLabelTurns) DrawTurnLabels(c, o, s, chart);
    DrawSwitchLabels(c, o, s, chart, modes.stepLabelMode == kStepLabelSwitches);
    return out;
}

}  // namespace korvo::altcharts
