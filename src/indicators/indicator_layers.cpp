#include "indicators/indicator_layers.h"

#include <algorithm>

#include "data/calendar.h"
#include "indicators/average_line.h"
#include "indicators/bollinger.h"
#include "indicators/deviation.h"
#include "indicators/directional_movement.h"
#include "indicators/ichimoku.h"
#include "indicators/macd.h"
#include "indicators/momentum.h"
#include "indicators/on_balance_volume.h"
#include "indicators/parabolic_sar.h"
#include "indicators/psychological_line.h"
#include "indicators/rci.h"
#include "indicators/rsi.h"
#include "indicators/shinohara.h"
#include "indicators/stochastics.h"
#include "indicators/volume_ratio.h"

namespace korvo::indicators {

namespace {

DrawTarget TargetOf(chart::RenderContext& c) {
    DrawTarget t(&c.canvas, &c.objects, c.series, c.geometry);
    t.horizontalFactor = std::min(c.horizontalFactor, 5.0f);
    t.printing = c.printing;
    t.overlap = c.options.overlap;
    t.titleOff = c.options.titleOff;
    return t;
}

}  // namespace

int MovingAveragePeriod(const IndicatorParams& p, int fileTypeId, int line) {
    if (line != 1 && line != 2) return 0;
    switch (data::PeriodOf(fileTypeId)) {
        case data::Period::Week:
            return line == 1 ? p.maWeekly1 : p.maWeekly2;
        case data::Period::Month:
            return line == 1 ? p.maMonthly1 : p.maMonthly2;
        case data::Period::Day:
            break;
    }
    return line == 1 ? p.maDaily1 : p.maDaily2;
}

void IndicatorLayers::DrawOnBalanceVolume(chart::RenderContext& c, int) {
    indicators::DrawOnBalanceVolume(TargetOf(c));
}

void IndicatorLayers::DrawVolumeRatio(chart::RenderContext& c, int) {
    indicators::DrawVolumeRatio(TargetOf(c), params_.table.volumeRatioPeriod);
}

void IndicatorLayers::DrawIchimoku(chart::RenderContext& c, int) {
    const chart::ChartOptions& o = c.options;
    indicators::DrawIchimoku(TargetOf(c), params_.table.ichimokuShortPeriod,
                             params_.table.ichimokuLongPeriod,
                             {o.ichimokuLines, o.ichimokuSpans, o.ichimokuLagging});
}

void IndicatorLayers::DrawParabolicSar(chart::RenderContext& c, int) {
    indicators::DrawParabolicSar(TargetOf(c), params_.table.sarParameter,
                                 {startDirectory_, written_});
}

void IndicatorLayers::DrawShinoharaCr(chart::RenderContext& c, int) {
    // The CR belts whatever the indicator panel shows, AR/BR included.
    DrawShinoharaRatio(TargetOf(c), ShinoharaPart::Cr, {startDirectory_, written_});
}

void IndicatorLayers::DrawBollinger(chart::RenderContext& c, int) {
    // A multi-chart page has no indicator panel: the bands alone.
    indicators::DrawBollinger(TargetOf(c), params_.table.bollingerPeriod, !c.options.multiChart);
}

void IndicatorLayers::DrawVolumeAverage(chart::RenderContext& c, int) {
    DrawAverageLine(TargetOf(c), VolumeAverage(c.geometry, c.series.maxVolume,
                                               params_.table.volumeAveragePeriod));
}

void IndicatorLayers::DrawSubPanelIndicator(chart::RenderContext& c, int, int code) {
    const DrawTarget t = TargetOf(c);
    const ParameterTable& p = params_.table;
    const SignalOutput output{startDirectory_, written_};
    switch (code) {
        case chart::kPanelRsi:
            lastPanelResult_ = DrawRsi(t, p.rsiPeriod, kModeRsi);
            break;
        case chart::kPanelPercentR:
            lastPanelResult_ = DrawRsi(t, p.percentRPeriod, kModePercentR);
            break;
        case chart::kPanelDeviation:
            lastPanelResult_ = DrawDeviation(t, p.deviationPeriodA, p.deviationPeriodB);
            break;
        case chart::kPanelStochasticsFast:
            lastPanelResult_ = DrawStochastics(t, p.stochasticsPeriod, kStochasticsFast, output);
            break;
        case chart::kPanelStochasticsSlow:
            lastPanelResult_ = DrawStochastics(t, p.stochasticsPeriod, kStochasticsSlow, output);
            break;
        case chart::kPanelMacd:
            lastPanelResult_ =
                DrawMacd(t, p.macdShortPeriod, p.macdLongPeriod, p.macdSignalPeriod, output);
            break;
        case chart::kPanelRci:
            lastPanelResult_ = DrawRci(t, p.rciPeriod, params_.rciSeries);
            break;
        case chart::kPanelMomentum:
            lastPanelResult_ = DrawMomentum(t, p.momentumPeriod);
            break;
        case chart::kPanelDirectionalPdiMdi:
        case chart::kPanelDirectionalAdx:
        case chart::kPanelDirectionalDifference:
            lastPanelResult_ = DrawDirectionalMovement(t, p.directionalPeriod, code);
            break;
        case chart::kPanelShinoharaRatio:
            lastPanelResult_ = DrawShinoharaRatio(t, ShinoharaPart::ArBr, output);
            break;
        default:
            lastPanelResult_ = 0;
            break;
    }
}

void IndicatorLayers::DrawEnvelope(chart::RenderContext& c, int) {
    const chart::ChartGeometry& g = c.geometry;
    // The bands may run far outside the price panel; they stay inside it.
    c.canvas.SetClip(g.priceRegion);
    AverageLineCall call =
        PricePanelAverage(g, params_.table.envelopePeriod, kPenLine, kLegendRowEnvelope);
    call.envelope = true;
    DrawAverageLine(TargetOf(c), call);
}

void IndicatorLayers::DrawPsychologicalLine(chart::RenderContext& c, int) {
    indicators::DrawPsychologicalLine(TargetOf(c), params_.table.psychologicalPeriod);
}

void IndicatorLayers::DrawCloseLine(chart::RenderContext& c, int page) {
    indicators::DrawCloseLine(TargetOf(c), CloseLinePenForPage(page));
}

void IndicatorLayers::DrawMovingAverage(chart::RenderContext& c, int, int line) {
    const int period = MovingAveragePeriod(params_, c.series.fileTypeId, line);
    if (period == 0) return;
    DrawAverageLine(TargetOf(c),
                    PricePanelAverage(c.geometry, period, line == 1 ? kPenAverage1 : kPenAverage2,
                                      line == 1 ? kLegendRowLine1 : kLegendRowLine2));
}

}  // namespace korvo::indicators
