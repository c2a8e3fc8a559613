// The chart layers this folder draws: the moving-average lines, the close
// line of the line style, the envelope, the psychological line, the volume
// indicators, the Ichimoku lines, the parabolic SAR, the Shinohara CR belts,
// the Bollinger bands and every indicator of the indicator panel. The renderer
// checks the switches and calls each at its place in the drawing order.
#pragma once

#include <filesystem>

#include "chart/chart_layers.h"
#include "indicators/indicator_params.h"
#include "indicators/signal_files.h"

namespace korvo::indicators {

class IndicatorLayers : public chart::ChartLayers {
  public:
    // Periods come from `params`; the stochastics, MACD, SAR and Shinohara
    // ratio write their signal files into the start directory and mark them in
    // `written`.
    IndicatorLayers(const IndicatorParams& params, SignalWritten& written,
                    std::filesystem::path startDirectory)
        : params_(params), written_(written), startDirectory_(std::move(startDirectory)) {}

    void DrawOnBalanceVolume(chart::RenderContext& context, int page) override;
    void DrawVolumeRatio(chart::RenderContext& context, int page) override;
    void DrawVolumeAverage(chart::RenderContext& context, int page) override;
    void DrawIchimoku(chart::RenderContext& context, int page) override;
    void DrawParabolicSar(chart::RenderContext& context, int page) override;
    void DrawShinoharaCr(chart::RenderContext& context, int page) override;
    void DrawSubPanelIndicator(chart::RenderContext& context, int page, int code) override;
    void DrawBollinger(chart::RenderContext& context, int page) override;
    void DrawEnvelope(chart::RenderContext& context, int page) override;
    void DrawPsychologicalLine(chart::RenderContext& context, int page) override;
    void DrawCloseLine(chart::RenderContext& context, int page) override;
    void DrawMovingAverage(chart::RenderContext& context, int page, int line) override;

    // The result of the indicator-panel routine of the last paint (for tests
    // and the trace); 0 when the code is not one of this folder's.
    int LastPanelResult() const { return lastPanelResult_; }

  private:
    const IndicatorParams& params_;
    SignalWritten& written_;
    std::filesystem::path startDirectory_;
    int lastPanelResult_ = 0;
};

// The period of moving-average line 1 or 2 for the file's period (daily,
// weekly, monthly); 0 for any other line.
int MovingAveragePeriod(const IndicatorParams& params, int fileTypeId, int line);

}  // namespace korvo::indicators
