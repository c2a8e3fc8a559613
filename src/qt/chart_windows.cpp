#include "qt/chart_windows.h"

#include "qt/brick_window.h"
#include "qt/step_window.h"
#include "qt/trident_window.h"

namespace korvo::qt {

ChartQWindow* OpenChartWindow(app::ModelessKind kind, app::ProgramState& state,
                              platform::Prompts& prompts, QWidget* parent) {
    const altcharts::ChartWindowContext context{
        state.series, state.drawing,   state.startDirectory, state.shell.signalWritten,
        prompts,      state.altCharts, state.altChartModes,  state.altChartWindows};
    ChartQWindow* window = nullptr;
    switch (kind) {
        case app::ModelessKind::Step:
            window = new StepQWindow(context, state.geometry, parent);
            break;
        case app::ModelessKind::Brick:
            window = new BrickQWindow(context, state.geometry, parent);
            break;
        case app::ModelessKind::Trident:
            window = new TridentQWindow(context, state.geometry, parent);
            break;
        default:
            return nullptr;
    }
    if (!window->Logic().IsOpen()) {
        delete window;
        return nullptr;
    }
    return window;
}

}  // namespace korvo::qt
