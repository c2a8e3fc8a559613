// Opens the chart window of a modeless slot kind over the program's state.
#pragma once

#include <QWidget>

#include "app/modeless.h"
#include "app/program_state.h"
#include "platform/prompts.h"
#include "qt/chart_window.h"

namespace korvo::qt {

// The step, brick or trident window, not yet shown; nullptr for other kinds
// and when the window refused to open (after saying why).
ChartQWindow* OpenChartWindow(app::ModelessKind kind, app::ProgramState& state,
                              platform::Prompts& prompts, QWidget* parent);

}  // namespace korvo::qt
