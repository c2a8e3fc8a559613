// Entering and leaving the multi-chart view around its selection dialog: the
// pages are drawn at half height, or superimposed as lines at 150 % in the
// overlap mode.
#pragma once

#include "chart/chart_options.h"
#include "lists/lists_state.h"
#include "view/view_state.h"

namespace korvo::lists {

inline constexpr float kMultiChartVerticalScale = 0.5f;
inline constexpr float kOverlapVerticalScale = 1.5f;

// Before the dialog: the vertical factor is kept and set to 0.5, and the
// multi-chart mode is on.
void BeginMultiChart(MultiChartSelection& selection, view::ViewState& view,
                     chart::ChartOptions& options);

// The dialog was cancelled: the vertical factor as it was, the multi-chart
// and overlap modes off.
void CancelMultiChart(const MultiChartSelection& selection, view::ViewState& view,
                      chart::ChartOptions& options);

// The dialog was confirmed. In the overlap mode the charts are lines (the
// candlestick mark goes) at a vertical factor of 1.5.
void ConfirmMultiChart(bool overlap, view::ViewState& view, chart::ChartOptions& options);

}  // namespace korvo::lists
