// The step chart window STEPDLG over altcharts::StepWindow: the label
// choice 120/122, the amount kind 124/125 with the boxes 801 and 802, and
// ﾘﾄﾞﾛｰ (9201).
#pragma once

#include "altcharts/step_window.h"
#include "qt/chart_window.h"

namespace korvo::qt {

class StepQWindow : public ChartQWindow {
    Q_OBJECT
  public:
    StepQWindow(const altcharts::ChartWindowContext& context,
                const chart::ChartGeometry& mainGeometry, QWidget* parent = nullptr);

  private:
    altcharts::StepWindow& Step() { return static_cast<altcharts::StepWindow&>(Logic()); }
};

}  // namespace korvo::qt
