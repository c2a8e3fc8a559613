// What other folders use of the time-series chart: the geometry and its
// mappings, the renderer with its context and layers, the shared drawing
// routines, the price and volume plot, the date axes and the status strip.
#pragma once

#include "chart/chart_frame.h"
#include "chart/chart_geometry.h"
#include "chart/chart_layers.h"
#include "chart/chart_options.h"
#include "chart/date_axis.h"
#include "chart/panel_drawing.h"
#include "chart/price_plot.h"
#include "chart/render_chart.h"
#include "chart/render_context.h"
#include "chart/status_bar.h"
