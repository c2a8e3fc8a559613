// The trident chart window TRIDENTDLG over altcharts::TridentWindow: ﾘﾄﾞﾛｰ
// (9201) and the label choices 120..123.
#pragma once

#include "altcharts/trident_window.h"
#include "qt/chart_window.h"

namespace korvo::qt {

class TridentQWindow : public ChartQWindow {
    Q_OBJECT
  public:
    TridentQWindow(const altcharts::ChartWindowContext& context,
                   const chart::ChartGeometry& mainGeometry, QWidget* parent = nullptr);

  private:
    altcharts::TridentWindow& Trident() { return static_cast<altcharts::TridentWindow&>(Logic()); }
};

}  // namespace korvo::qt
