#include "indicators/parabolic_sar.h"

#include <algorithm>

#include "chart/panel_drawing.h"
#include "indicators/signal_records.h"

namespace korvo::indicators {

namespace {

constexpr float kStep = 0.02f;
constexpr float kLimit = 0.2f;
// Where the searches for the lowest low and highest high begin.
constexpr float kLowStart = 1000000.0f;
constexpr float kHighStart = 0.0f;

float Grown(float af) {
    return std::min(af + kStep, kLimit);
}

class SarRunner {
  public:
    SarRunner(const data::PriceSeries& s, const chart::ChartGeometry& g, int n, ParabolicSar& r)
        : g_(g),
          r_(r),
          high_(InChartOrder(SourceValues(s, kSourceHigh), g)),
          low_(InChartOrder(SourceValues(s, kSourceLow), g)),
          close_(InChartOrder(SourceValues(s, kSourceClose), g)),
          sar_(static_cast<std::size_t>(s.barCount) + 1, 0.0f),
          n_(n) {}

    void Run() {
        Start();
        for (int i = n_; i < static_cast<int>(close_.size()); ++i)
            Step(i);
        r_.finalLong = long_;
    }

  private:
    float& Sar(int i) { return sar_[static_cast<std::size_t>(i)]; }
    int Y(float price) const { return chart::PriceY(g_, price); }
    int Left(int i) const { return chart::TruncToInt(g_.barX[static_cast<std::size_t>(i)]); }
    int Centre(int i) const { return Left(i) + g_.slotPitch / 2; }

    void Start() {
        float change = 0.0f;
        L_ = kLowStart;
        H_ = kHighStart;
        for (int j = 0; j < n_; ++j) {
            const auto at = static_cast<std::size_t>(j);
            change += close_[at] - close_[at + 1];
            L_ = std::min(L_, low_[at]);
            H_ = std::max(H_, high_[at]);
        }
        // Closes that rose over the window start the stop above them, short.
        long_ = !(change < 0.0f);
        Sar(n_) = long_ ? L_ : H_;
        ep_ = long_ ? H_ : L_;
        r_.turns.push_back({long_ ? kRecordBuy : kRecordSell, n_, 1});
        r_.sar.Set(n_, Sar(n_), Y(Sar(n_)));
        r_.runs.push_back({long_, {{Left(n_), Y(Sar(n_))}}});
    }

    void Step(int i) {
        const auto at = static_cast<std::size_t>(i);
        if (long_) {
            if (high_[at] > H_) {
                ep_ = high_[at];
                H_ = ep_;
                af_ = Grown(af_);
            }
        } else if (low_[at] < L_) {
            ep_ = low_[at];
            L_ = ep_;
            af_ = Grown(af_);
        }
        Sar(i + 1) = Sar(i) + af_ * (ep_ - Sar(i));
        r_.runs.back().points.push_back({Centre(i), Y(Sar(i + 1))});
        if (long_) {
            L_ = std::min(L_, low_[at]);
            if (low_[at] <= Sar(i + 1)) Turn(i, L_);
        } else {
            H_ = std::max(H_, high_[at]);
            if (Sar(i + 1) <= high_[at]) Turn(i, H_);
        }
        if (i + 1 < static_cast<int>(close_.size())) r_.sar.Set(i + 1, Sar(i + 1), Y(Sar(i + 1)));
    }

    // The stop jumps to the extreme of the stretch that ends and heads for
    // the extreme found on the other side.
    void Turn(int i, float found) {
        Sar(i) = ep_;
        af_ = kStep;
        L_ = kLowStart;
        H_ = kHighStart;
        Sar(i + 1) = Sar(i) + af_ * (found - Sar(i));
        long_ = !long_;
        ep_ = found;
        r_.turns.push_back({long_ ? kRecordBuy : kRecordSell, i, long_ ? 0 : 1});
        r_.runs.push_back({long_, {{Centre(i), Y(Sar(i + 1))}}});
    }

    const chart::ChartGeometry& g_;
    ParabolicSar& r_;
    std::vector<float> high_, low_, close_;
    std::vector<float> sar_;
    int n_;
    bool long_ = true;
    float L_ = kLowStart;
    float H_ = kHighStart;
    float ep_ = 0.0f;
    float af_ = kStep;
};

}  // namespace

ParabolicSar ComputeParabolicSar(const data::PriceSeries& s, const chart::ChartGeometry& g,
                                 int startLength) {
    ParabolicSar r;
    r.startLength = startLength;
    r.sar = IndicatorLine(s.barCount);
    // The start window compares close 0 with close n: it needs bar n.
    if (startLength < 1 || s.barCount <= startLength) return r;
    SarRunner(s, g, startLength, r).Run();
    return r;
}

std::string SarSignalText(const data::PriceSeries& s, const chart::ChartGeometry& g,
                          const ParabolicSar& r) {
    std::string text = SignalHeader(kSarHeader, s.title);
    if (s.barCount < 1) return text;
    text += IndicatorStartRecord(s.year[0], s.month[0], s.day[0], s.close[0], 0);
    for (const SarSignal& signal : r.turns)
        text += BarRecord(s, g, signal.kind, signal.bar, signal.state);
    return text + EndRecord(s, g, r.finalLong);
}

int DrawParabolicSar(const DrawTarget& t, int startLength, const SignalOutput& output) {
    const ParabolicSar r = ComputeParabolicSar(t.series, t.geometry, startLength);
    if (!WriteSignalFile(output.startDirectory, SignalFile::Sar,
                         SarSignalText(t.series, t.geometry, r), output.written))
        return kSignalFileFailed;
    if (!t.Draws() || r.runs.empty()) return kSignalFileDone;
    const view::DrawingObjects& o = *t.objects;
    const chart::ChartGeometry& g = t.geometry;
    t.canvas->SetClip(g.priceRegion);
    for (const SarRun& run : r.runs) {
        if (run.points.size() < 2) continue;
        std::vector<platform::Point> points;
        points.reserve(run.points.size());
        for (const platform::Point& p : run.points)
            points.push_back(chart::LogicalPoint(p.x, p.y, g));
        t.canvas->SelectPen(o.palettePen[run.longState ? 4 : 15]);
        t.canvas->Polyline(points);
    }
    // The label stands 10 units further right than the other end labels.
    const platform::Point end = r.runs.back().points.back();
    const int last = t.series.barCount - 1;
    chart::DrawLineEndLabel(*t.canvas, o, o.paletteBrush[3].colour, "ﾊﾟﾗﾎﾞﾘｯｸ",
                            g.barX[static_cast<std::size_t>(last)], -end.y, g.xPercent, g.yPercent,
                            10);
    return kSignalFileDone;
}

}  // namespace korvo::indicators
