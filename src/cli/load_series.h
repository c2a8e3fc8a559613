// What the commands share of loading FILE as the program does: the settings
// file, the first month to load, the open into the working copy and its
// reload, and the one paint that lays the chart out.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/program_state.h"
#include "cli/cli.h"
#include "data/data.h"

namespace korvo::cli {

// Reads the --settings file, when one is given, into `state`; the error text
// when it cannot be opened.
std::optional<std::string> ReadSettingsOption(CliContext& context, app::ProgramState& state);

// A program state with the --settings file read into it, at size factors 1,1
// whatever the settings say, so what is printed is in layout units; nullptr
// after saying why when the settings file cannot be opened.
std::unique_ptr<app::ProgramState> LayoutStateFromSettings(CliContext& context);

// Sets the first month to load from --plot-start (YYYY-MM) when it is given;
// the error text when it is malformed.
std::optional<std::string> ReadPlotStartOption(CliContext& context, data::PriceSeries& series);

// Opens FILE into the working copy (korvo.TMP in the start directory) and
// reloads it, as the program does on every open: the reload's result, or -3
// when the file could not be opened.
int LoadSeries(CliContext& context, const std::string& file, data::PriceSeries& series,
               data::DataState& dataState, data::DataEffects& effects);

// Loads FILE and paints the chart once, without the indicator layers, into a
// recording canvas, so the geometry is the one the chart is drawn on. False
// when nothing was loaded or drawn.
bool LoadAndLayOut(CliContext& context, const std::string& file, app::ProgramState& state);

}  // namespace korvo::cli
