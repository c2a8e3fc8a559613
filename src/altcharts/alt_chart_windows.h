// Which non-time-series chart windows are open. Each window sets its flag when
// it opens and clears it when it is destroyed; the annotation command refuses
// while one of them is open.
#pragma once

namespace korvo::altcharts {

struct AltChartWindowFlags {
    bool stepOpen = false;
    bool brickOpen = false;
    bool tridentOpen = false;
    bool pointFigureOpen = false;
    bool inverseWatchOpen = false;
};

}  // namespace korvo::altcharts
