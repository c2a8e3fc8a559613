// What the data steps need from around them and what they leave for the
// command dispatch: the services they talk through, the choices that outlive
// one load, and the changes outside this folder (menus, zoom, view) they ask for.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "data/price_series.h"
#include "platform/clock.h"
#include "platform/progress.h"
#include "platform/prompts.h"

namespace korvo::data {

// Work files in the start directory.
inline constexpr const char* kWorkingCopyName = "korvo.TMP";
inline constexpr const char* kRecentListName = "filename.chr";
inline constexpr const char* kDerivationBackupName = "korvo_wk.org";
inline constexpr const char* kWeeklyWorkName = "weekdat.TMP";
inline constexpr const char* kMonthlyWorkName = "monthdat.TMP";

// Records a data file may hold for the scan and the working copy.
inline constexpr int kMaxRecords = 10000;

// One record as the correction dialog shows and returns it.
struct RecordValues {
    int year = 0;
    int month = 0;
    int day = 0;
    float open = 0.0f;
    float high = 0.0f;
    float low = 0.0f;
    float close = 0.0f;
    std::int64_t volume = 0;
    friend bool operator==(const RecordValues&, const RecordValues&) = default;
};

// The record correction dialog: the corrected record when the user confirms it,
// nullopt when the dialog is dismissed (the record is then kept as read).
using CorrectionDialog = std::function<std::optional<RecordValues>(const RecordValues& asRead)>;

// The services a data step talks through. Relative paths are resolved against
// the start directory, which is where the work files live.
struct LoadEnvironment {
    platform::Prompts& prompts;
    const platform::Clock& clock;
    std::filesystem::path startDirectory;
    platform::ProgressSink& progress;
    // Offered by "Yes" to the correction question. While it is empty, "Yes"
    // keeps the record as read.
    CorrectionDialog correctRecord;

    std::filesystem::path Resolve(const std::string& path) const;
};

// The quote import's request to check the symbol of the file it writes into.
struct SymbolCheck {
    bool requested = false;
    std::string symbol;          // CP932 bytes: the symbol being imported
    std::string previousSymbol;  // put back when the user cancels the warning
};

// The security name and code the long-term quote import found last (UTF-8); a
// new file in the data file editor starts with them as its title and code.
struct ImportDefaults {
    std::string title;
    std::string code;
};

// Choices and modes that outlive one load.
struct DataState {
    // The user agreed to replace every zero open by the close; kept for the run.
    bool autoFixOpen = false;
    // The user answered No to the correction offer: faulty records are kept as
    // read without asking until a file is chosen with the open command.
    bool skipCorrections = false;
    // Explain each failed record check (files opened from the multi-chart
    // selection); every load switches it off at its end.
    bool detailedMessages = false;
    // The short-period plot start mode: the load starts at pointedDateKey, the
    // day the price read-out last showed (0 when none was pointed at). The one
    // place the mode and the day are kept.
    bool plotStartMode = false;
    int pointedDateKey = 0;
    SymbolCheck symbolCheck;
    // Input: the guide messages are switched off.
    bool guideOff = false;
    // The current series was made by the Weekly or Monthly command.
    bool weeklyDerived = false;
    bool monthlyDerived = false;
    // Zoom factors in force when the derivation started; Back to daily restores them.
    float savedHorizontalScale = 0.0f;
    float savedVerticalScale = 0.0f;
    ImportDefaults importDefaults;
};

// Changes a data step asks for outside this folder. The dispatch applies each
// field that is set and then clears the struct.
struct DataEffects {
    // Menu items 3454 (weekly) and 3457 (monthly): enable (true) or grey (false).
    std::optional<bool> periodCommandsEnabled;
    // Menu item 3459 (back to daily): enable (true) or grey (false).
    std::optional<bool> backToDailyEnabled;
    // A weekly or monthly file was loaded: set the horizontal zoom factor to 1.0.
    bool resetHorizontalZoom = false;
    // The plot-start-by-cursor mode was switched off by a failed load: uncheck
    // item 3460, request a reload and redraw, as its menu command does.
    bool leavePlotStartMode = false;
    // A single file was opened: leave the multi-chart view (KORVOMENU replaces
    // its menu, its modes are cleared, the chart style returns to candlesticks).
    bool leaveMultiChart = false;
    // The working copy changed: run ReloadWorkingCopy before the next chart paint.
    bool reloadRequested = false;
    // Show the chart: the view mode becomes the chart and KORVOMENU is installed
    // if the opening menu is showing.
    bool showChart = false;
    // Tell the window in the first modeless slot to close (before a derivation).
    bool closeFirstModeless = false;
    // Invalidate the window so it repaints.
    bool redraw = false;
};

// Everything a pipeline step reads and changes.
struct DataContext {
    PriceSeries& series;
    DataState& state;
    LoadEnvironment& env;
    DataEffects& effects;
};

}  // namespace korvo::data
