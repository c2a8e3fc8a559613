// Everything the program keeps for its whole run, one struct per owning folder,
// plus the few values the shell itself owns.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "altcharts/alt_chart_settings.h"
#include "annotate/annotation_settings.h"
#include "chart/chart_options.h"
#include "data/import_settings.h"
#include "data/price_series.h"
#include "indicators/indicator_params.h"
#include "view/colours.h"
#include "view/drawing_objects.h"
#include "view/view_state.h"

namespace korvo::app {

// What the next paint draws.
inline constexpr int kViewOpeningScreen = 0;
inline constexpr int kViewChart = 1;

struct ProgramState {
    data::PriceSeries series;
    view::ViewState view;
    view::ColourTable colours;
    view::DrawingObjects drawing;
    chart::ChartOptions chart;
    indicators::IndicatorParams indicators;
    annotate::AnnotationSettings annotation;
    altcharts::AltChartSettings altCharts;
    data::ImportSettings import;

    // Where the work files and the settings file live.
    std::filesystem::path startDirectory;
    // The folder recorded at exit (UTF-8); written to the settings file.
    std::string exitDirectory;
    int viewMode = kViewOpeningScreen;
    bool guideOff = false;
};

}  // namespace korvo::app
