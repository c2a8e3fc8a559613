// What the step, brick and trident windows share on the screen: a modeless
// dialog whose client area shows the chart painted by the window's logic
// (altcharts::ChartWindow), with the controls at its right, scroll bars at
// its right and foot, OK and Cancel on Enter and Escape. It deletes itself
// on closing and says so through `closed`, so the owner can empty its slot.
#pragma once

#include <QDialog>
#include <QImage>
#include <memory>
#include <string>

#include "altcharts/chart_window.h"
#include "chart/chart_geometry.h"
#include "qt/gui/qt_canvas.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace korvo::qt {

class ChartQWindow : public QDialog {
    Q_OBJECT
  public:
    ~ChartQWindow() override;

    altcharts::ChartWindow& Logic() { return *logic_; }
    // The chart area and the picture last painted into it.
    QWidget& ChartArea();
    const QImage& Frame() const { return frame_; }
    QScrollBar& HorizontalBar() { return *horizontal_; }
    QScrollBar& VerticalBar() { return *vertical_; }
    // Paints a pending repaint now instead of from the event loop.
    void PaintPending();

  signals:
    void closed();

  public slots:
    void done(int result) override;

  protected:
    // `mainGeometry` is the main chart's, whose page counts the scroll bars range over.
    ChartQWindow(std::unique_ptr<altcharts::ChartWindow> logic,
                 const chart::ChartGeometry& mainGeometry, QWidget* parent);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Controls in the column right of the plot, each named after its control id.
    QRadioButton* AddRadio(QButtonGroup& group, int id, const char* labelUtf8, int y);
    QLineEdit* AddBox(int id, const std::string& text, int y);
    QPushButton* AddButton(int id, const char* labelUtf8, int y);
    // Repaints the chart area from the event loop.
    void Invalidate();

  private:
    class Area;
    void RenderFrame();
    void Scroll(bool across, int request, int thumb);
    void ShowScrollRange();
    altcharts::PageCounts MainPages() const;

    std::unique_ptr<altcharts::ChartWindow> logic_;
    const chart::ChartGeometry& mainGeometry_;
    platform::Size client_;
    Area* area_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    QImage frame_;
    QtTextCache textCache_;
    bool scheduled_ = false;
    bool closedSent_ = false;
};

}  // namespace korvo::qt
