#include "altcharts/trident_window.h"

namespace korvo::altcharts {

void TridentWindow::Open() {
    MarkOpen();
    context_.modes.tridentLabelMode = 2;
}

bool TridentWindow::ChooseLabels(int id) {
    if (id < kFirstLabels || id > kFirstLabels + 3) return false;
    context_.modes.tridentLabelMode = id - kFirstLabels + 1;
    return true;
}

int TridentWindow::CheckedLabels() const {
    return kFirstLabels + context_.modes.tridentLabelMode - 1;
}

}  // namespace korvo::altcharts
