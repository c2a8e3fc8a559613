#include "altcharts/trident_chart.h"

#include <algorithm>

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

constexpr int kTridentLeft = 40;
constexpr int kFirstColumn = 50;
constexpr int kBlockWidth = 7;
// The drawing hangs the list 140 below the lowest end of a rising block.
constexpr int kListDrop = 140;
// In the measuring pass the ceiling stands at this y, whatever the window's height.
constexpr int kCeilingY = 90;
constexpr platform::Colour kLabelColour = platform::Rgb(64, 255, 64);
constexpr platform::Colour kListColour = platform::Rgb(255, 255, 255);
constexpr int kClipMargin = 3;

bool RisingPattern(int pattern) {
    return pattern == 1 || pattern == 2 || pattern == 5 || pattern == 7;
}

class TridentBuilder {
  public:
    TridentBuilder(const std::vector<float>& closes, float minLow, TridentChart& chart)
        : close_(closes),
          minLow_(minLow),
          c_(chart),
          measuredBase_(chart::TruncToInt(minLow * chart.scale + static_cast<float>(chart.baseY))) {
    }

    // The x right of the last column's four: the chart's width.
    int LastX4() const { return x0_ + 4 * kBlockWidth; }

    void Run() {
        const int n = static_cast<int>(close_.size());
        if (n >= 4) {
            lineA_ = Close(0);
            lineB_ = Close(1);
            lineC_ = Close(2);
        }
        for (int i = 0; i + 3 < n; ++i) {
            const float newClose = Close(i + 3);
            const int pattern = TridentPattern(lineA_, lineB_, lineC_, newClose);
            if (pattern != 0) {
                AddBlock(pattern, i, newClose);
            } else if (count_ == 0) {
                // Until the first block the three lines follow the closes.
                lineA_ = Close(i + 1);
                lineB_ = Close(i + 2);
                lineC_ = Close(i + 3);
            }
        }
        Place();
    }

  private:
    float Close(int i) const { return close_[static_cast<std::size_t>(i)]; }
    int MeasuredY(float price) const { return measuredBase_ - chart::TruncToInt(price * c_.scale); }

    void AddBlock(int pattern, int i, float newClose) {
        if (count_ == 0) {
            c_.blocks.push_back(
                TridentBlock{lineB_ > lineA_, true, 0, i + 1, 0, lineA_, lineB_, x0_ + 7});
            c_.blocks.push_back(
                TridentBlock{lineC_ > lineB_, true, 0, i + 2, 0, lineB_, lineC_, x0_ + 14});
        }
        const bool rising = RisingPattern(pattern);
        c_.blocks.push_back(
            TridentBlock{rising, false, pattern, i + 3, count_, lineC_, newClose, x0_ + 21});
        if (rising) {
            const int y = MeasuredY(newClose);
            lowestRise_ = anyRise_ ? std::max(lowestRise_, y) : y;
            anyRise_ = true;
        }
        Signal(pattern, i, newClose);
        x0_ += kBlockWidth;
        lineA_ = lineB_;
        lineB_ = lineC_;
        lineC_ = newClose;
        ++count_;
    }

    void Signal(int pattern, int i, float newClose) {
        switch (pattern) {
            case 3:
                if (c_.holding) Record(false, 3, i + 3, newClose, 1);
                break;
            case 4:
                if (!lastSell_) Record(false, 4, i + 2, lineC_, 0);
                break;
            case 5:
                if (!c_.holding) Record(true, 5, i + 3, newClose, 0);
                break;
            case 7:
                if (!c_.holding) Record(true, 7, i + 2, lineC_, 0);
                break;
            default:
                break;
        }
    }

    void Record(bool buy, int pattern, int bar, float price, int state) {
        c_.tradeSignals.push_back(TridentSignal{buy, pattern, bar, price, state});
        c_.holding = buy;
        lastSell_ = !buy;
    }

    // The drawing hangs everything 140 below the lowest rising end, but never
    // so high that the ceiling leaves the plot.
    void Place() {
        const int lowest = c_.baseY - (kCeilingY - kFrameTop);
        c_.baseLine = anyRise_ ? std::max(kListDrop + lowestRise_, lowest) : c_.baseY;
        c_.priceBase = chart::TruncToInt(minLow_ * c_.scale + static_cast<float>(c_.baseLine));
    }

    const std::vector<float>& close_;
    float minLow_;
    TridentChart& c_;
    float lineA_ = 0.0f;
    float lineB_ = 0.0f;
    float lineC_ = 0.0f;
    int count_ = 0;
    int x0_ = kFirstColumn;
    bool lastSell_ = false;
    bool anyRise_ = false;
    int lowestRise_ = 0;
    // y of price 0 in the measuring pass, whose base line is baseY.
    int measuredBase_;
};

// Every record of the file has this form; one of the sells has two blanks before its index.
constexpr const char* kRecordFormat = "\n %d %d %d %d %4.2f %d %d";
constexpr const char* kWideSellFormat = "\n %d %d %d %d %4.2f  %d %d";

std::string TridentRecord(const data::PriceSeries& s, const char* format, int kind, int bar,
                          float price, int index, int state) {
    const auto at = static_cast<std::size_t>(bar);
    return data::Printf(format, kind, s.year[at], s.month[at], s.day[at],
                        static_cast<double>(price), index, state);
}

std::string BlockLabel(const data::PriceSeries& s, const TridentBlock& block, int labelMode) {
    const auto at = static_cast<std::size_t>(block.bar);
    if (labelMode <= 2) return data::Printf(" %d/%d ", s.month[at], s.day[at]);
    if (IsWholePrice(block.to)) return data::Printf(" %d ", chart::TruncToInt(block.to));
    return data::Printf("%6.2f", static_cast<double>(block.to));
}

bool Labelled(int number, int labelMode) {
    const bool odd = number % 2 == 1;
    return (labelMode == 1 || labelMode == 3) ? odd : !odd;
}

struct TridentPainter {
    platform::Canvas& c;
    const view::DrawingObjects& o;
    const data::PriceSeries& s;
    const TridentChart& chart;
    int labelMode;

    int Y(float price) const { return chart.priceBase - chart::TruncToInt(price * chart.scale); }

    void Block(const TridentBlock& b) const {
        c.FillRect(platform::Rect{b.left, Y(b.from), b.left + kBlockWidth, Y(b.to)}.Normalised(),
                   b.rising ? o.upBarBrush : o.downBarBrush);
        if (b.opening || !Labelled(b.number, labelMode)) return;
        const float base = static_cast<float>(chart.priceBase + (b.rising ? -2 : 2));
        c.SetTextAlign(b.rising ? platform::HAlign::Left : platform::HAlign::Right,
                       platform::VAlign::Top);
        c.TextOut(Point{b.left - 2, chart::TruncToInt(base - b.to * chart.scale)},
                  BlockLabel(s, b, labelMode));
    }

    void List() const {
        c.SelectFont(o.smallFont);
        c.SetTextAlign(platform::HAlign::Left, platform::VAlign::Top);
        c.SetTextColour(kListColour);
        SignalList list(chart.baseLine);
        for (const TridentSignal& signal : chart.tradeSignals) {
            const auto at = static_cast<std::size_t>(signal.bar);
            const char* format = IsWholePrice(signal.price) ? "%8.0f(%2d/%2d)" : "%6.2f(%2d/%2d)";
            c.TextOut(
                signal.buy ? list.BuyAt() : list.SellAt(),
                data::Printf(format, static_cast<double>(signal.price), s.month[at], s.day[at]));
            if (!signal.buy) list.Advance();
        }
    }
};

}  // namespace

int TridentPattern(float a, float b, float c, float n) {
    if (a < b && b < c && c < n) return 1;
    if (c < a && a < b && b < n) return 2;
    if (n < a && a < b && b < c) return 3;
    if (n < c && c < a && a < b) return 4;
    if (c < b && b < a && a < n) return 5;
    if (n < c && c < b && b < a) return 6;
    if (b < a && a < c && c < n) return 7;
    if (n < b && b < a && a < c) return 8;
    return 0;
}

TridentChart ComputeTridentChart(const std::vector<float>& closes, float loadMaxHigh,
                                 float loadMinLow, platform::Size client) {
    TridentChart chart;
    chart.baseY = client.height - 110;
    chart.scale = static_cast<float>(client.height - 200) / (loadMaxHigh - loadMinLow);
    TridentBuilder builder(closes, loadMinLow, chart);
    builder.Run();
    const std::int64_t rows = static_cast<std::int64_t>(chart.tradeSignals.size() + 1) / 2 / 7 + 1;
    chart.pagesAcross = client.width > 0 ? builder.LastX4() / client.width + 2 : 1;
    chart.pagesDown = std::max(client.height > 0 ? chart.baseLine / client.height + 1 : 1,
                               PagesFor(chart.baseLine + 60 + 30 * rows, client.height));
    return chart;
}

std::string TridentChartTitle(float loadMinLow) {
    return loadMinLow > 100000.0f ? "Trident-新値３本足 ( x1000)" : "Trident-新値３本足";
}

std::string TridentSignalText(const data::PriceSeries& s, const TridentChart& chart) {
    std::string text = indicators::SignalHeader(indicators::kTridentHeader, s.title);
    text += TridentRecord(s, kRecordFormat, indicators::kRecordStart, 0, s.close[0], 0, 0);
    for (const TridentSignal& signal : chart.tradeSignals)
        text += TridentRecord(s, signal.pattern == 4 ? kWideSellFormat : kRecordFormat,
                              signal.buy ? indicators::kRecordBuy : indicators::kRecordSell,
                              signal.bar, signal.price, signal.bar, signal.state);
    const int last = s.barCount - 1;
    return text + TridentRecord(s, kRecordFormat, indicators::kRecordEnd, last,
                                s.close[static_cast<std::size_t>(last)], last,
                                chart.holding ? 1 : 0);
}

AltChartOutcome DrawTridentChart(const AltChartTarget& t, const AltChartModes& modes) {
    AltChartOutcome out;
    const data::PriceSeries& s = t.series;
    auto write = [&](const std::string& text) {
        return indicators::WriteSignalFile(t.output.startDirectory, indicators::SignalFile::Trident,
                                           text, t.output.written);
    };
    const auto closes = CopyCloses(s, t.prompts);
    if (!closes || IsFlat(s)) {
        out.result = !write(indicators::SignalHeader(indicators::kTridentHeader, s.title))
                         ? kAltChartFileFailed
                         : (closes ? kAltChartFlat : kAltChartNoMemory);
        return out;
    }
    const TridentChart chart = ComputeTridentChart(*closes, s.loadMaxHigh, s.loadMinLow, t.client);
    if (!write(TridentSignalText(s, chart))) {
        out.result = kAltChartFileFailed;
        return out;
    }
    out.result = kAltChartDrawn;
    out.pagesAcross = chart.pagesAcross;
    out.pagesDown = chart.pagesDown;
    if (!t.Draws()) return out;

    platform::Canvas& c = *t.canvas;
    const view::DrawingObjects& o = t.objects;
    platform::CanvasStateGuard guard(c);
    c.SetMapMode(platform::MapMode::Device);
    c.SetBackgroundMode(platform::BackgroundMode::Transparent);
    const int bottom = t.client.height - kFrameBottomGap;
    DrawNonTimeSeriesFrame(c, o, s.title, TridentChartTitle(s.loadMinLow), kTridentLeft,
                           kFrameRight, kFrameTop, bottom, t.scroll.y);
    c.SetClip(platform::Rect{kTridentLeft - kClipMargin, kFrameTop - kClipMargin,
                             kFrameRight + kClipMargin, bottom + kClipMargin});
    c.SetViewportOrigin(Point{-t.scroll.x, -t.scroll.y});
    c.SetTextColour(kLabelColour);
    c.SelectFont(o.verticalSmallFont);
    const TridentPainter painter{c, o, s, chart, modes.tridentLabelMode};
    for (const TridentBlock& block : chart.blocks)
        painter.Block(block);
    painter.List();
    return out;
}

}  // namespace korvo::altcharts
