#include "lists/multi_chart_mode.h"

#include "chart/price_plot.h"

namespace korvo::lists {

void BeginMultiChart(MultiChartSelection& selection, view::ViewState& view,
                     chart::ChartOptions& options) {
    selection.savedVerticalScale = view.verticalScale;
    view.verticalScale = kMultiChartVerticalScale;
    options.multiChart = true;
}

void CancelMultiChart(const MultiChartSelection& selection, view::ViewState& view,
                      chart::ChartOptions& options) {
    view.verticalScale = selection.savedVerticalScale;
    options.multiChart = false;
    options.overlap = false;
}

void ConfirmMultiChart(bool overlap, view::ViewState& view, chart::ChartOptions& options) {
    options.overlap = overlap;
    if (!overlap) return;
    options.candlestick = false;
    view.verticalScale = kOverlapVerticalScale;
    options.barStyle = chart::kStyleLine;
    options.lineCompanion = true;
}

}  // namespace korvo::lists
