// The program's one top-level window. It only translates: Qt's paint, resize,
// mouse, scroll bar, menu and close events become calls of the main window
// procedure (app::MainController), and the procedure's requests of its window
// (app::MainView) become Qt calls. The chart is painted into an image the size
// of the client area and copied to the screen from there.
#pragma once

#include <QCursor>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "app/hints.h"
#include "app/main_controller.h"
#include "app/main_view.h"
#include "app/program_state.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "qt/gui/qt_canvas.h"

class QMenu;
class QScrollBar;

namespace korvo::qt {

class CommandMenuBar;
class ChartSurface;
class MainWindow;

// The progress bar of long file operations, drawn at the foot of the client area.
class WindowProgress : public platform::ProgressSink {
  public:
    explicit WindowProgress(MainWindow& window) : window_(window) {}
    void ShowProgress(int value, int maximum) override;

  private:
    MainWindow& window_;
};

class MainWindow : public QMainWindow, public app::MainView {
    Q_OBJECT
  public:
    // Runs the window's creation handling: `startDirectory` is the working
    // directory the program was started in. The state must have been read from
    // the settings file already.
    MainWindow(app::ProgramState& state, platform::Prompts& prompts, platform::Launcher& launcher,
               const platform::Clock& clock, const std::filesystem::path& startDirectory,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    app::MainController& Controller() { return *controller_; }
    CommandMenuBar& Menu() { return *menuBar_; }
    QWidget& Surface();
    // The picture last painted into the client area.
    const QImage& Frame() const { return frame_; }
    // Paints a pending repaint now instead of from the event loop.
    void PaintPending();
    // The handle of an open modeless window, nullptr when there is none.
    QWidget* ModelessWindow(int handle) const;

    // --- app::MainView ---
    void Invalidate(bool erase) override;
    void InstallMenu(const std::string& name) override;
    void SetChecked(int id, bool on) override;
    void SetEnabled(int id, bool on) override;
    void ShowScrollBars(bool shown) override;
    void SetScrollBars(const chart::ScrollBars& bars) override;
    void SetCursor(app::CursorKind kind) override;
    void CaptureMouse(bool capture) override;
    void DrawOnWindow(const std::function<void(platform::Canvas&)>& draw) override;
    bool RunCustomSizeDialog(view::CustomSizeDialog& dialog) override;
    bool RunDisplayStartDialog(view::DisplayStartDialog& dialog) override;
    int RunScaleDialog(view::ScaleDialog& dialog) override;
    bool RunMomentumParamDialog(indicators::MomentumParamDialog& dialog) override;
    bool RunParameterTableDialog(indicators::ParameterTableDialog& dialog) override;
    bool RunRciParamDialog(indicators::RciParamDialog& dialog) override;
    bool RunGroupFileDialog(lists::GroupFileDialog& dialog) override;
    bool RunPortfolioPicker(lists::PortfolioPicker& dialog) override;
    bool RunMultiChartDialog(lists::MultiChartDialog& dialog) override;
    int OpenDataList(const lists::DataListText& list) override;
    void ShowScanPopup(platform::Point at) override;
    bool RunDataFileEditor(data::DataFileEditor& editor) override;
    bool RunHeaderEditor(data::HeaderEditor& editor) override;
    bool RunRecordCorrection(data::RecordCorrection& dialog) override;
    bool RunAnnotationTextDialog(annotate::AnnotationTextDialog& dialog) override;
    void ShowPaintedSoFar() override;
    int OpenModeless(app::ModelessKind kind) override;
    void CloseModeless(int handle) override;
    platform::Size ClientSize() const override;
    platform::Size ScreenSize() const override;
    std::optional<std::string> AskProgramPath() override;
    void Quit(int exitCode) override;

    void DrawProgress(int value, int maximum);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    friend class ChartSurface;
    void RenderFrame();
    // The wheel and the keys scroll as the scroll bars do.
    void Wheel(QPoint angleDelta);
    bool ScrollKey(int key);
    // Shows where the controller's scroll step left the scroll box.
    void ShowScrollStep(QScrollBar* bar, int position);

    app::ProgramState& state_;
    platform::Prompts& prompts_;
    WindowProgress progress_;
    std::optional<app::HintBook> hints_;
    CommandMenuBar* menuBar_ = nullptr;
    ChartSurface* surface_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    QImage frame_;
    // Fonts and laid-out texts kept from one paint to the next.
    QtTextCache textCache_;
    QCursor lineCursor_;
    std::map<int, QPointer<QWidget>> modeless_;
    // The scan pop-up last shown; a new one replaces it.
    QPointer<QMenu> scanPopup_;
    int nextHandle_ = 1;
    // Wheel turns not yet amounting to a whole step (eighths of a degree).
    int wheelRemainder_ = 0;
    bool erase_ = false;
    bool scheduled_ = false;
    bool rendering_ = false;
    bool closing_ = false;
    std::unique_ptr<app::MainController> controller_;
};

// The program's icon ICONKORVO and its cursor LineCursor.
QIcon ProgramIcon();
QCursor LineCursor();

}  // namespace korvo::qt
