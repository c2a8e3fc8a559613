#include "qt/main_window.h"

#include <algorithm>

#include <QBitmap>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include "app/command_ids.h"
#include "app/menu_resource.h"
#include "app/program_identity.h"
#include "data/progress_bar.h"
#include "qt/data_list_window.h"
#include "qt/chart_windows.h"
#include "qt/dialogs/annotation_text_dialog.h"
#include "qt/dialogs/custom_size_dialog.h"
#include "qt/dialogs/data_file_editor_dialog.h"
#include "qt/dialogs/display_start_dialog.h"
#include "qt/dialogs/group_file_dialog.h"
#include "qt/dialogs/header_editor_dialog.h"
#include "qt/dialogs/momentum_param_dialog.h"
#include "qt/dialogs/multi_chart_dialog.h"
#include "qt/dialogs/parameter_table_dialog.h"
#include "qt/dialogs/portfolio_picker_dialog.h"
#include "qt/dialogs/rci_param_dialog.h"
#include "qt/dialogs/record_correction_dialog.h"
#include "qt/dialogs/scale_dialog.h"
#include "qt/gui/qt_canvas.h"
#include "qt/hint_window.h"
#include "qt/input_dialog.h"
#include "qt/menu_builder.h"
#include "view/scroll.h"

namespace korvo::qt {

namespace {

#include "../../resources/icons/korvo.xpm"

const QColor kBackground(0x40, 0x40, 0x40);

}  // namespace

QIcon ProgramIcon() {
    return QIcon(QPixmap(korvo_icon_xpm));
}

QCursor LineCursor() {
    // A thin cross of one-pixel lines with a gap at its centre, so the point
    // under it stays visible; drawn in the inverted screen colour.
    constexpr int kSize = 32;
    constexpr int kCentre = 15;
    QImage shape(kSize, kSize, QImage::Format_Mono);
    shape.fill(0);
    QImage mask = shape;
    for (int i = 0; i < kSize - 1; ++i) {
        if (i >= kCentre - 2 && i <= kCentre + 2) continue;
        shape.setPixel(i, kCentre, 1);
        shape.setPixel(kCentre, i, 1);
        mask.setPixel(i, kCentre, 1);
        mask.setPixel(kCentre, i, 1);
    }
    return QCursor(QBitmap::fromImage(shape), QBitmap::fromImage(mask), kCentre, kCentre);
}

// The client area: shows the painted picture and passes the mouse on.
class ChartSurface : public QWidget {
  public:
    explicit ChartSurface(MainWindow& window) : QWidget(&window), window_(window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (window_.frame_.isNull())
            painter.fillRect(rect(), kBackground);
        else
            painter.drawImage(0, 0, window_.frame_);
    }
    void resizeEvent(QResizeEvent*) override { window_.Invalidate(true); }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) window_.controller_->LeftButtonDown(At(event));
        if (event->button() == Qt::RightButton) window_.controller_->RightButtonDown(At(event));
    }
    void mouseMoveEvent(QMouseEvent* event) override { window_.controller_->MouseMove(At(event)); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) window_.controller_->LeftButtonUp(At(event));
        if (event->button() == Qt::RightButton) window_.controller_->RightButtonUp(At(event));
    }
    void wheelEvent(QWheelEvent* event) override {
        window_.Wheel(event->angleDelta());
        event->accept();
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (!window_.ScrollKey(event->key())) QWidget::keyPressEvent(event);
    }

  private:
    static platform::Point At(const QMouseEvent* event) {
        const QPoint p = event->position().toPoint();
        return platform::Point{p.x(), p.y()};
    }

    MainWindow& window_;
};

void WindowProgress::ShowProgress(int value, int maximum) {
    window_.DrawProgress(value, maximum);
}

MainWindow::MainWindow(app::ProgramState& state, platform::Prompts& prompts,
                       platform::Launcher& launcher, const platform::Clock& clock,
                       const std::filesystem::path& startDirectory, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      prompts_(prompts),
      progress_(*this),
      hints_(app::LoadHints()),
      lineCursor_(LineCursor()) {
    setWindowTitle(QString::fromUtf8(app::kMainWindowCaption));
    setObjectName(QString::fromUtf8(app::kWindowClassName));
    setWindowIcon(ProgramIcon());

    menuBar_ = new CommandMenuBar(this);
    setMenuBar(menuBar_);
    // The dark grey of the class background is painted by the chart surface
    // itself; the menu bar and the scroll bars keep the desktop's look.
    QWidget* client = new QWidget(this);
    auto* grid = new QGridLayout(client);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    surface_ = new ChartSurface(*this);
    horizontal_ = new QScrollBar(Qt::Horizontal, client);
    vertical_ = new QScrollBar(Qt::Vertical, client);
    grid->addWidget(surface_, 0, 0);
    grid->addWidget(vertical_, 0, 1);
    grid->addWidget(horizontal_, 1, 0);
    setCentralWidget(client);
    surface_->setCursor(lineCursor_);

    controller_ = std::make_unique<app::MainController>(
        state_, *this, app::ShellServices{prompts, launcher, clock, progress_});
    connect(menuBar_, &CommandMenuBar::commandTriggered, this,
            [this](int id) { controller_->Command(id); });
    // The chart scrolls in the controller's steps, not the bar's own: each
    // action becomes a scroll request, and the box is put where the step left
    // it. A dragged thumb scrolls only when it is released.
    for (QScrollBar* bar : {horizontal_, vertical_}) {
        bar->setTracking(false);
        connect(bar, &QScrollBar::actionTriggered, this, [this, bar](int action) {
            int request = -1;
            switch (action) {
                case QAbstractSlider::SliderSingleStepSub:
                    request = view::kScrollLineBack;
                    break;
                case QAbstractSlider::SliderSingleStepAdd:
                    request = view::kScrollLineForward;
                    break;
                case QAbstractSlider::SliderPageStepSub:
                    request = view::kScrollPageBack;
                    break;
                case QAbstractSlider::SliderPageStepAdd:
                    request = view::kScrollPageForward;
                    break;
                case QAbstractSlider::SliderToMinimum:
                    request = view::kScrollToStart;
                    break;
                case QAbstractSlider::SliderToMaximum:
                    request = view::kScrollToEnd;
                    break;
                default:
                    return;  // dragging: nothing moves until the thumb is let go
            }
            if (bar == horizontal_) {
                controller_->HorizontalScroll(request, 0);
                ShowScrollStep(bar, state_.view.scrollBarPosX);
            } else {
                controller_->VerticalScroll(request, 0);
                ShowScrollStep(bar, state_.view.scrollBarPosY);
            }
        });
        connect(bar, &QScrollBar::sliderReleased, this, [this, bar] {
            const int thumb = bar->sliderPosition();
            if (bar == horizontal_)
                controller_->HorizontalScroll(view::kScrollThumbPosition, thumb);
            else
                controller_->VerticalScroll(view::kScrollThumbPosition, thumb);
        });
    }

    // Maximised, and as large as the screen allows also where no window
    // manager does the maximising.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
    setWindowState(windowState() | Qt::WindowMaximized);
    controller_->Create(startDirectory);
    Invalidate(true);
}

MainWindow::~MainWindow() {
    for (auto& [handle, window] : modeless_)
        if (window) delete window.data();
}

QWidget& MainWindow::Surface() {
    return *surface_;
}

QWidget* MainWindow::ModelessWindow(int handle) const {
    const auto it = modeless_.find(handle);
    return it == modeless_.end() ? nullptr : it->second.data();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    controller_->Destroy();
    event->accept();
}

// --- painting ---

void MainWindow::Invalidate(bool erase) {
    erase_ = erase_ || erase;
    if (scheduled_) return;
    scheduled_ = true;
    // Painted from the event loop, never inside a paint event: the paint may
    // ask the user something, and a message box runs its own loop.
    QMetaObject::invokeMethod(
        this, [this] { RenderFrame(); }, Qt::QueuedConnection);
}

void MainWindow::PaintPending() {
    if (scheduled_) RenderFrame();
}

void MainWindow::RenderFrame() {
    scheduled_ = false;
    if (rendering_ || closing_ || controller_->Destroyed()) return;
    rendering_ = true;
    const QSize size = surface_->size().expandedTo(QSize(1, 1));
    if (frame_.size() != size) {
        frame_ = QImage(size, QImage::Format_RGB32);
        erase_ = true;
    }
    if (erase_) frame_.fill(kBackground);
    erase_ = false;
    {
        QPainter painter(&frame_);
        QtCanvas canvas(painter, platform::Size{size.width(), size.height()}, false, &textCache_);
        controller_->Paint(canvas);
    }
    rendering_ = false;
    surface_->update();
}

void MainWindow::DrawProgress(int value, int maximum) {
    if (frame_.isNull()) return;
    {
        QPainter painter(&frame_);
        QtCanvas canvas(painter, platform::Size{frame_.width(), frame_.height()}, false,
                        &textCache_);
        data::DrawProgressBar(canvas, platform::Rect{0, 0, frame_.width(), frame_.height()}, value,
                              maximum);
    }
    // Long operations run inside a command: show each step at once.
    surface_->repaint(0, frame_.height() - 24, frame_.width(), 24);
}

// --- menus, scroll bars, cursor ---

void MainWindow::InstallMenu(const std::string& name) {
    if (const auto menu = app::LoadMenu(name))
        menuBar_->Install(*menu, QString::fromStdString(name));
}

void MainWindow::SetChecked(int id, bool on) {
    menuBar_->SetChecked(id, on);
}

void MainWindow::SetEnabled(int id, bool on) {
    menuBar_->SetEnabled(id, on);
}

void MainWindow::ShowScrollBars(bool shown) {
    horizontal_->setVisible(shown);
    vertical_->setVisible(shown);
}

void MainWindow::SetScrollBars(const chart::ScrollBars& bars) {
    const QSignalBlocker blockH(horizontal_);
    const QSignalBlocker blockV(vertical_);
    horizontal_->setRange(0, bars.horizontalMax);
    horizontal_->setValue(bars.horizontalPos);
    vertical_->setRange(0, bars.verticalMax);
    vertical_->setValue(bars.verticalPos);
}

void MainWindow::SetCursor(app::CursorKind kind) {
    switch (kind) {
        case app::CursorKind::Line:
            surface_->setCursor(lineCursor_);
            break;
        case app::CursorKind::Wait:
            surface_->setCursor(Qt::WaitCursor);
            break;
        case app::CursorKind::Cross:
            surface_->setCursor(Qt::CrossCursor);
            break;
    }
}

void MainWindow::ShowScrollStep(QScrollBar* bar, int position) {
    bar->setSliderPosition(std::clamp(position, bar->minimum(), bar->maximum()));
}

void MainWindow::Wheel(QPoint angleDelta) {
    // One notch (15 degrees) is a page step through time; turning up (or left)
    // goes back in time. Fine-grained wheels add up to whole notches.
    constexpr int kNotch = 120;
    const int delta = angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x();
    wheelRemainder_ += delta;
    while (wheelRemainder_ >= kNotch) {
        wheelRemainder_ -= kNotch;
        controller_->HorizontalScroll(view::kScrollPageBack, 0);
    }
    while (wheelRemainder_ <= -kNotch) {
        wheelRemainder_ += kNotch;
        controller_->HorizontalScroll(view::kScrollPageForward, 0);
    }
    ShowScrollStep(horizontal_, state_.view.scrollBarPosX);
}

bool MainWindow::ScrollKey(int key) {
    switch (key) {
        case Qt::Key_Left:
            controller_->HorizontalScroll(view::kScrollLineBack, 0);
            break;
        case Qt::Key_Right:
            controller_->HorizontalScroll(view::kScrollLineForward, 0);
            break;
        case Qt::Key_PageUp:
            controller_->HorizontalScroll(view::kScrollPageBack, 0);
            break;
        case Qt::Key_PageDown:
            controller_->HorizontalScroll(view::kScrollPageForward, 0);
            break;
        case Qt::Key_Home:
            controller_->HorizontalScroll(view::kScrollToStart, 0);
            break;
        case Qt::Key_End:
            controller_->HorizontalScroll(view::kScrollToEnd, 0);
            break;
        case Qt::Key_Up:
            controller_->VerticalScroll(view::kScrollLineBack, 0);
            ShowScrollStep(vertical_, state_.view.scrollBarPosY);
            return true;
        case Qt::Key_Down:
            controller_->VerticalScroll(view::kScrollLineForward, 0);
            ShowScrollStep(vertical_, state_.view.scrollBarPosY);
            return true;
        default:
            return false;
    }
    ShowScrollStep(horizontal_, state_.view.scrollBarPosX);
    return true;
}

void MainWindow::DrawOnWindow(const std::function<void(platform::Canvas&)>& draw) {
    // Drawn into the picture of the client area and shown from there, as a paint is.
    if (frame_.isNull() || rendering_) return;
    {
        QPainter painter(&frame_);
        QtCanvas canvas(painter, platform::Size{frame_.width(), frame_.height()}, false,
                        &textCache_);
        draw(canvas);
    }
    surface_->update();
}

bool MainWindow::RunCustomSizeDialog(view::CustomSizeDialog& dialog) {
    CustomSizeQDialog window(dialog, this);
    return window.exec() == QDialog::Accepted;
}

bool MainWindow::RunDisplayStartDialog(view::DisplayStartDialog& dialog) {
    DisplayStartQDialog window(dialog, this);
    return window.exec() == QDialog::Accepted;
}

int MainWindow::RunScaleDialog(view::ScaleDialog& dialog) {
    ScaleQDialog window(dialog, this);
    return window.exec();
}

bool MainWindow::RunMomentumParamDialog(indicators::MomentumParamDialog& dialog) {
    MomentumParamQDialog window(dialog, this);
    return window.exec() == QDialog::Accepted;
}

bool MainWindow::RunParameterTableDialog(indicators::ParameterTableDialog& dialog) {
    ParameterTableQDialog window(dialog, this);
    return window.exec() == QDialog::Accepted;
}

bool MainWindow::RunRciParamDialog(indicators::RciParamDialog& dialog) {
    RciParamQDialog window(dialog, this);
    return window.exec() == QDialog::Accepted;
}

bool MainWindow::RunGroupFileDialog(lists::GroupFileDialog& dialog) {
    GroupFileQDialog window(dialog, this);
    return window.exec() == QDialog::Accepted;
}

bool MainWindow::RunPortfolioPicker(lists::PortfolioPicker& dialog) {
    PortfolioPickerQDialog window(dialog, this);
    return window.exec() == QDialog::Accepted;
}

bool MainWindow::RunMultiChartDialog(lists::MultiChartDialog& dialog) {
    MultiChartQDialog window(dialog, this);
    return window.exec() == QDialog::Accepted;
}

void MainWindow::ShowScanPopup(platform::Point at) {
    if (scanPopup_) scanPopup_->close();
    auto* menu = new QMenu(this);
    menu->setObjectName("scanPopup");
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const auto& [id, label] :
         {std::pair{app::kCmdScanPrevious, "▲"}, std::pair{app::kCmdScanNext, "▼"}}) {
        QAction* action = menu->addAction(QString::fromUtf8(label));
        action->setObjectName(QString::number(id));
        const int command = id;
        connect(action, &QAction::triggered, this,
                [this, command] { controller_->Command(command); });
    }
    scanPopup_ = menu;
    // Kept on the screen by the menu itself, as near the top right as it fits.
    menu->popup(surface_->mapToGlobal(QPoint(at.x, at.y)));
}

bool MainWindow::RunDataFileEditor(data::DataFileEditor& editor) {
    DataFileEditorQDialog window(editor, this);
    return window.exec() == QDialog::Accepted;
}

bool MainWindow::RunHeaderEditor(data::HeaderEditor& editor) {
    HeaderEditorQDialog window(editor, this);
    return window.exec() == QDialog::Accepted;
}

bool MainWindow::RunRecordCorrection(data::RecordCorrection& dialog) {
    RecordCorrectionQDialog window(dialog, this);
    return window.exec() == QDialog::Accepted;
}

bool MainWindow::RunAnnotationTextDialog(annotate::AnnotationTextDialog& dialog) {
    AnnotationTextQDialog window(dialog, this);
    return window.exec() == QDialog::Accepted;
}

void MainWindow::ShowPaintedSoFar() {
    surface_->repaint();
}

void MainWindow::CaptureMouse(bool capture) {
    if (capture)
        surface_->grabMouse();
    else
        surface_->releaseMouse();
}

// --- modeless windows ---

int MainWindow::OpenModeless(app::ModelessKind kind) {
    const int handle = nextHandle_;
    auto onClosed = [this, handle] {
        modeless_.erase(handle);
        controller_->ModelessClosed(handle);
    };
    QWidget* window = nullptr;
    if (kind == app::ModelessKind::Hints) {
        if (!hints_) return 0;
        auto* hint = new HintWindow(*hints_, state_.shell.hintTopic, this);
        connect(hint, &HintWindow::closed, this, onClosed);
        window = hint;
    } else {
        ChartQWindow* chart = OpenChartWindow(kind, state_, prompts_, this);
        if (!chart) return 0;
        connect(chart, &ChartQWindow::closed, this, onClosed);
        window = chart;
    }
    ++nextHandle_;
    modeless_[handle] = window;
    window->show();
    return handle;
}

int MainWindow::OpenDataList(const lists::DataListText& list) {
    const int handle = nextHandle_++;
    auto* window = new DataListQWindow(list, this);
    connect(window, &DataListQWindow::closed, this, [this, handle] {
        modeless_.erase(handle);
        controller_->ModelessClosed(handle);
    });
    modeless_[handle] = window;
    window->show();
    return handle;
}

void MainWindow::CloseModeless(int handle) {
    if (QWidget* window = ModelessWindow(handle)) window->close();
}

// --- sizes, questions, the end ---

platform::Size MainWindow::ClientSize() const {
    return platform::Size{surface_->width(), surface_->height()};
}

platform::Size MainWindow::ScreenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    return platform::Size{screen->geometry().width(), screen->geometry().height()};
}

std::optional<std::string> MainWindow::AskProgramPath() {
    InputDialog dialog(prompts_, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Path();
}

void MainWindow::Quit(int exitCode) {
    if (!closing_) {
        closing_ = true;
        close();
    }
    QCoreApplication::exit(exitCode);
}

}  // namespace korvo::qt
