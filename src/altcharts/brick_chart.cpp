#include "altcharts/brick_chart.h"

#include <cmath>

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

constexpr int kFirstX = 50;
// The highest brick is drawn at this y; the list hangs 20 below the lowest.
constexpr int kTopBrickY = 170;
constexpr int kListGap = 20;
// A brick size far below the moves (a mistyped percentage) could ask for
// billions of bricks; one bar's move makes at most this many.
constexpr double kMaxBricksPerMove = 1'000'000.0;
constexpr float kZeroSizeFallback = 0.5f;
// The plot's clip runs 3 pixels outside the frame.
constexpr int kClipMargin = 3;

enum class Signal { None, Buy, Sell };

class BrickBuilder {
  public:
    BrickBuilder(const std::vector<float>& closes, float minLow, BrickChart& chart)
        : close_(closes), minLow_(minLow), c_(chart) {}

    void Run() {
        const int n = static_cast<int>(close_.size());
        if (n < 2) return;
        float reference = close_[0] > 0.0f ? close_[0] : close_[1];
        for (int i = 1; i < n; ++i) {
            const float d = Close(i) - reference;
            if (d >= c_.size)
                AddRun(true, i, d);
            else if (d <= -c_.size)
                AddRun(false, i, -d);
            else
                continue;  // less than a brick: measured again from the same close
            reference = Close(i);
        }
        c_.lastBuy = last_ == Signal::Buy;
        c_.rightX = x_;
        Place();
    }

  private:
    float Close(int i) const { return close_[static_cast<std::size_t>(i)]; }

    void AddRun(bool rising, int i, float move) {
        const double whole = std::floor(static_cast<double>(move / c_.size));
        const auto count = static_cast<std::int64_t>(std::min(whole, kMaxBricksPerMove));
        const std::int64_t h = c_.brickHeight;
        if (!started_) {
            y_ = chart::TruncToInt(static_cast<float>(c_.baseY) - (Close(i) - minLow_) * c_.scale);
        } else if (rising != previousRose_) {
            // A turn starts beside the last brick, one brick back.
            y_ += rising ? -h : h;
        }
        Reach(y_);
        c_.runs.push_back(BrickRun{rising, i, number_, count, x_, y_});
        const Signal wanted = rising ? Signal::Buy : Signal::Sell;
        if (last_ != wanted) {
            c_.tradeSignals.push_back(
                BrickSignal{rising, i, started_ && previousRose_ == rising ? 1 : 0});
            last_ = wanted;
        }
        if (!rising) c_.fallCount += count;
        number_ += count;
        x_ += kBrickWidth * count;
        y_ += rising ? -h * count : h * count;
        Reach(y_);
        previousRose_ = rising;
        started_ = true;
    }

    void Reach(std::int64_t y) {
        top_ = reached_ ? std::min(top_, y) : y;
        bottom_ = reached_ ? std::max(bottom_, y) : y;
        reached_ = true;
    }

    // The drawing's position: the highest brick at 170, the list below the lowest.
    void Place() {
        if (!reached_) top_ = bottom_ = c_.baseY;
        c_.shift = kTopBrickY - top_;
        c_.baseLine = kTopBrickY + kListGap - top_ + bottom_;
    }

    const std::vector<float>& close_;
    float minLow_;
    BrickChart& c_;
    bool started_ = false;
    bool previousRose_ = false;
    Signal last_ = Signal::None;
    std::int64_t number_ = 0;
    std::int64_t x_ = kFirstX;
    std::int64_t y_ = 0;
    bool reached_ = false;
    std::int64_t top_ = 0;
    std::int64_t bottom_ = 0;
};

std::string BrickRecord(const data::PriceSeries& s, int kind, const char* priceFormat, int bar,
                        int state) {
    const auto at = static_cast<std::size_t>(bar);
    return data::Printf("\n %d %d %d %d ", kind, s.year[at], s.month[at], s.day[at]) +
           data::Printf(priceFormat, static_cast<double>(s.close[at])) +
           data::Printf(" %d %d", bar, state);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

bool Labelled(std::int64_t number, int labelMode) {
    const bool even = number % 2 == 0;
    return (labelMode == 1 || labelMode == 3) ? even : !even;
}

std::string BrickLabel(const data::PriceSeries& s, int bar, int labelMode) {
    const auto at = static_cast<std::size_t>(bar);
    if (labelMode <= 2) return data::Printf(" %d/%d ", s.month[at], s.day[at]);
    return PriceText(s.close[at]);
}

struct BrickPainter {
    platform::Canvas& c;
    const view::DrawingObjects& o;
    const data::PriceSeries& s;
    const BrickChart& chart;
    int labelMode;
    std::int64_t visibleLeft;
    std::int64_t visibleRight;

    // Only the bricks the clip lets through: x grows 5 with every brick.
    void Run(const BrickRun& run) const {
        const std::int64_t from =
            std::max<std::int64_t>(0, FloorDiv(visibleLeft - run.x, kBrickWidth));
        const std::int64_t to =
            std::min(run.count - 1, FloorDiv(visibleRight - run.x, kBrickWidth));
        const std::int64_t h = chart.brickHeight;
        c.SetTextColour(o.palettePen[run.rising ? 3 : 6].colour);
        c.SetTextAlign(run.rising ? platform::HAlign::Left : platform::HAlign::Right,
                       platform::VAlign::Top);
        for (std::int64_t k = from; k <= to; ++k) {
            const int x = ToPixels(run.x + kBrickWidth * k);
            const std::int64_t y = run.y + chart.shift + (run.rising ? -h * k : h * k);
            const int near = ToPixels(y);
            const int far = ToPixels(run.rising ? y - h : y + h);
            c.FillRect(platform::Rect{x + 5, std::min(near, far), x + 10, std::max(near, far)},
                       run.rising ? o.upBarBrush : o.downBarBrush);
            if (!Labelled(run.firstNumber + k, labelMode)) continue;
            c.TextOut(Point{x, run.rising ? far - 3 : far + 3}, BrickLabel(s, run.bar, labelMode));
        }
    }

    void List() const {
        c.SelectFont(o.smallFont);
        c.SetTextAlign(platform::HAlign::Left, platform::VAlign::Top);
        SignalList list(ToPixels(chart.baseLine));
        for (const BrickSignal& signal : chart.tradeSignals) {
            const auto at = static_cast<std::size_t>(signal.bar);
            c.SetTextColour(o.palettePen[signal.buy ? 3 : 6].colour);
            c.TextOut(signal.buy ? list.BuyAt() : list.SellAt(),
                      PriceText(s.close[at]) + data::Printf("(%d/%d)", s.month[at], s.day[at]));
            if (!signal.buy) list.Advance();
        }
    }
};

}  // namespace

BrickChart ComputeBrickChart(const std::vector<float>& closes, float loadMaxHigh, float loadMinLow,
                             const BrickParams& params, int clientBottom) {
    BrickChart chart;
    chart.baseY = clientBottom - 110;
    chart.scale = static_cast<float>(clientBottom - 250) / (loadMaxHigh - loadMinLow);
    chart.size =
        params.usePercent ? RecentMeanClose(closes) * params.percent / 100.0f : params.amount;
    if (!(chart.size > 0.0f)) chart.size = kZeroSizeFallback;
    const float height =
        static_cast<float>(chart::TruncToInt(chart.size * 100.0f)) * chart.scale / 100.0f;
    chart.brickHeight = std::max(kBrickMinHeight, chart::TruncToInt(height));
    BrickBuilder(closes, loadMinLow, chart).Run();
    return chart;
}

std::string BrickChartTitle(const BrickParams& params) {
    if (params.usePercent)
        return data::Printf("Brick - 練行足（ねり足）(%3.2f％)",
                            static_cast<double>(params.percent));
    return data::Printf("Brick - 練行足（ねり足） (%3.2f)", static_cast<double>(params.amount));
}

std::string BrickSignalText(const data::PriceSeries& s, const BrickChart& chart) {
    std::string text = indicators::SignalHeader(indicators::kBrickHeader, s.title);
    text += BrickRecord(s, indicators::kRecordStart, "%4.2f", 0, 0);
    for (const BrickSignal& signal : chart.tradeSignals)
        text += BrickRecord(s, signal.buy ? indicators::kRecordBuy : indicators::kRecordSell,
                            "%9.2f", signal.bar, signal.state);
    return text +
           BrickRecord(s, indicators::kRecordEnd, "%4.2f", s.barCount - 1, chart.lastBuy ? 1 : 0);
}

AltChartOutcome DrawBrickChart(const AltChartTarget& t, AltChartSettings& settings,
                               AltChartModes& modes) {
    AltChartOutcome out;
    const data::PriceSeries& s = t.series;
    auto write = [&](const std::string& text) {
        return indicators::WriteSignalFile(t.output.startDirectory, indicators::SignalFile::Brick,
                                           text, t.output.written);
    };
    const auto closes = CopyCloses(s, t.prompts);
    if (!closes || IsFlat(s)) {
        out.result = !write(indicators::SignalHeader(indicators::kBrickHeader, s.title))
                         ? kAltChartFileFailed
                         : (closes ? kAltChartFlat : kAltChartNoMemory);
        return out;
    }
    settings.brickPercent = SettingOrDefault(settings.brickPercent, kBrickDrawingPercent);
    settings.brickAmount = SettingOrDefault(settings.brickAmount, kBrickDefaultAmount);
    const BrickParams params{modes.brickUsePercent, settings.brickPercent, settings.brickAmount};
    const int clientBottom = t.client.height;
    const BrickChart chart =
        ComputeBrickChart(*closes, s.loadMaxHigh, s.loadMinLow, params, clientBottom);
    modes.brickFallCount = ToPixels(chart.fallCount);
    if (!write(BrickSignalText(s, chart))) {
        out.result = kAltChartFileFailed;
        return out;
    }
    out.result = kAltChartDrawn;
    const std::int64_t rows = static_cast<std::int64_t>(chart.tradeSignals.size() + 1) / 2 / 7 + 1;
    out.pagesAcross = PagesFor(chart.rightX + 20, t.client.width);
    out.pagesDown = PagesFor(chart.baseLine + 60 + 30 * rows, t.client.height);
    if (!t.Draws()) return out;

    platform::Canvas& c = *t.canvas;
    const view::DrawingObjects& o = t.objects;
    platform::CanvasStateGuard guard(c);
    c.SetMapMode(platform::MapMode::Device);
    c.SetBackgroundMode(platform::BackgroundMode::Transparent);
    const int bottom = clientBottom - kFrameBottomGap;
    DrawNonTimeSeriesFrame(c, o, s.title, BrickChartTitle(params), kFrameLeft, kFrameRight,
                           kFrameTop, bottom, t.scroll.y);
    c.SetClip(platform::Rect{kFrameLeft - kClipMargin, kFrameTop - kClipMargin,
                             kFrameRight + kClipMargin, bottom + kClipMargin});
    c.SetViewportOrigin(Point{-t.scroll.x, -t.scroll.y});
    c.SelectFont(o.verticalSmallFont);
    // A brick and its label reach 10 pixels right of its x.
    const BrickPainter painter{c,
                               o,
                               s,
                               chart,
                               modes.brickLabelMode,
                               kFrameLeft - kClipMargin + t.scroll.x - 10,
                               kFrameRight + kClipMargin + t.scroll.x};
    for (const BrickRun& run : chart.runs)
        painter.Run(run);
    painter.List();
    return out;
}

}  // namespace korvo::altcharts
