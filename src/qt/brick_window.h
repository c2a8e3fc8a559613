// The brick chart window BRICKDLG over altcharts::BrickWindow: the label
// choices 120..123, the size kind 124/125 with the boxes 801 and 802, and
// ﾘﾄﾞﾛｰ (9201). When its logic refuses to open, the window is not shown.
#pragma once

#include "altcharts/brick_window.h"
#include "qt/chart_window.h"

namespace korvo::qt {

class BrickQWindow : public ChartQWindow {
    Q_OBJECT
  public:
    BrickQWindow(const altcharts::ChartWindowContext& context,
                 const chart::ChartGeometry& mainGeometry, QWidget* parent = nullptr);

  private:
    altcharts::BrickWindow& Brick() { return static_cast<altcharts::BrickWindow&>(Logic()); }
};

}  // namespace korvo::qt
