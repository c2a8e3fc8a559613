// Everything the program keeps for its whole run, one struct per owning folder,
// plus the few values the shell itself owns.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "altcharts/alt_chart_modes.h"
#include "altcharts/alt_chart_settings.h"
#include "altcharts/alt_chart_windows.h"
#include "annotate/annotation_settings.h"
#include "annotate/annotation_state.h"
#include "app/modeless.h"
#include "chart/chart_geometry.h"
#include "chart/chart_options.h"
#include "data/data_state.h"
#include "data/import_settings.h"
#include "data/price_series.h"
#include "indicators/indicator_params.h"
#include "indicators/signal_files.h"
#include "lists/lists_state.h"
#include "platform/clock.h"
#include "print/screen_snapshot.h"
#include "view/colours.h"
#include "view/drawing_objects.h"
#include "view/view_state.h"

namespace korvo::app {

// What the next paint draws.
enum ViewMode : int {
    kViewOpeningScreen = 0,
    kViewChart = 1,
    // Set when the price read-out ends and by the annotation tools: painted like
    // the chart, keeping the clip and cursor of the paint before.
    kViewAfterReadout = 43,
    kViewAfterGroupImport = 77,
    // Restore the screen from the snapshot kept for the annotation editor.
    kViewRestoreSnapshot = 82,
    kViewAfterAnnotation = 83,
    // Store the annotation just placed; nothing is drawn in that paint.
    kViewStoreAnnotation = 94,
    // Only the background, while the new-file dialog is open.
    kViewBlank = 98,
    // The background once, then the chart again.
    kViewBackgroundOnce = 99,
};

// The signal files, in the order shutdown deletes them.
inline constexpr const auto& kSignalFileNames = indicators::kSignalFileNames;

// Work files removed at every normal exit, whether they exist or not.
inline constexpr std::array<const char*, 5> kWorkFileNames = {
    "KORVO.EDT", "korvo.TMP", "profit.stp", "korvYr.dat", "quoYEAR.dat"};

// What the main window keeps between messages.
struct ShellState {
    // The working copy must be loaded before the next chart paint.
    bool needsReload = false;
    // The pick of the short-period plot start day is in progress (the mode
    // itself and the day picked are the data's: DataState).
    bool plotStartPick = false;
    bool multiChartMode = false;
    bool scanMode = false;
    bool scanPopupRequest = false;
    // An edit of the data editor lies in KORVO.EDT, not yet settled.
    bool editPending = false;
    // How the step, brick and point & figure charts measure their moves; on in every run.
    bool option738 = false;
    // One flag per signal file (kSignalFileNames), set by whatever wrote it this run.
    indicators::SignalWritten signalWritten;
    // The hint topic last chosen; outlives every hints window.
    int hintTopic = 0;
    // The display in pixels (640 by 480 when it reports nothing).
    int screenWidth = 640;
    int screenHeight = 480;
    // Today, as read when the window was created.
    platform::CivilDate today;
    ModelessSlots modeless;
};

struct ProgramState {
    data::PriceSeries series;
    data::DataState dataState;
    chart::ChartGeometry geometry;
    view::ViewState view;
    view::ColourTable colours;
    view::DrawingObjects drawing;
    chart::ChartOptions chart;
    indicators::IndicatorParams indicators;
    annotate::AnnotationSettings annotation;
    altcharts::AltChartSettings altCharts;
    altcharts::AltChartWindowFlags altChartWindows;
    altcharts::AltChartModes altChartModes;
    data::ImportSettings import;
    ShellState shell;
    lists::ListsState lists;
    annotate::AnnotationState annotations;
    // The picture of the window the annotation editor puts back after its dialog.
    print::ScreenSnapshot snapshot;

    // Where the work files and the settings file live.
    std::filesystem::path startDirectory;
    // The folder recorded at exit (UTF-8); written to the settings file.
    std::string exitDirectory;
    int viewMode = kViewOpeningScreen;
    bool guideOff = false;
};

}  // namespace korvo::app
