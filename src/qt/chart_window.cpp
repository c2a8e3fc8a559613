#include "qt/chart_window.h"

#include <QAbstractSlider>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "view/scroll.h"

namespace korvo::qt {

namespace {

// The controls stand right of the plot's frame (which ends at 543).
constexpr int kControlsLeft = 556;
constexpr int kRadioWidth = 90;
constexpr int kBoxLeft = kControlsLeft + kRadioWidth + 4;
constexpr int kBoxWidth = 70;
constexpr int kRowHeight = 24;
constexpr int kButtonWidth = 110;

// The scroll request of a scroll bar's action; -1 for dragging, which
// scrolls nothing until the thumb is let go.
int ScrollRequestFor(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return view::kScrollLineBack;
        case QAbstractSlider::SliderSingleStepAdd:
            return view::kScrollLineForward;
        case QAbstractSlider::SliderPageStepSub:
            return view::kScrollPageBack;
        case QAbstractSlider::SliderPageStepAdd:
            return view::kScrollPageForward;
        case QAbstractSlider::SliderToMinimum:
            return view::kScrollToStart;
        case QAbstractSlider::SliderToMaximum:
            return view::kScrollToEnd;
        default:
            return -1;
    }
}

}  // namespace

// The client area: shows the painted picture; the controls lie on it.
class ChartQWindow::Area : public QWidget {
  public:
    explicit Area(ChartQWindow& window) : QWidget(&window), window_(window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (window_.frame_.isNull())
            painter.fillRect(rect(), QColor(0xF0, 0xF0, 0xF0));
        else
            painter.drawImage(0, 0, window_.frame_);
    }

  private:
    ChartQWindow& window_;
};

ChartQWindow::ChartQWindow(std::unique_ptr<altcharts::ChartWindow> logic,
                           const chart::ChartGeometry& mainGeometry, QWidget* parent)
    : QDialog(parent), logic_(std::move(logic)), mainGeometry_(mainGeometry) {
    const altcharts::ChartWindowTemplate& shape = altcharts::TemplateOf(logic_->Kind());
    client_ = shape.client;
    setObjectName(shape.name);
    setWindowTitle(QString::fromUtf8(shape.caption));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    area_ = new Area(*this);
    area_->setGeometry(0, 0, client_.width, client_.height);
    horizontal_ = new QScrollBar(Qt::Horizontal, this);
    vertical_ = new QScrollBar(Qt::Vertical, this);
    const int bar = vertical_->sizeHint().width();
    vertical_->setGeometry(client_.width, 0, bar, client_.height);
    horizontal_->setGeometry(0, client_.height, client_.width, bar);
    setFixedSize(client_.width + bar, client_.height + bar);
    for (QScrollBar* scrollBar : {horizontal_, vertical_}) {
        scrollBar->setTracking(false);
        const bool across = scrollBar == horizontal_;
        connect(scrollBar, &QScrollBar::actionTriggered, this, [this, across](int action) {
            const int request = ScrollRequestFor(action);
            if (request >= 0) Scroll(across, request, 0);
        });
        connect(scrollBar, &QScrollBar::sliderReleased, this, [this, scrollBar, across] {
            Scroll(across, view::kScrollThumbPosition, scrollBar->sliderPosition());
        });
    }
}

QWidget& ChartQWindow::ChartArea() {
    return *area_;
}

ChartQWindow::~ChartQWindow() {
    // However the window goes, the annotation command no longer finds it open.
    logic_->Closed();
}

void ChartQWindow::done(int result) {
    if (!closedSent_) {
        closedSent_ = true;
        logic_->Closed();
        emit closed();
    }
    QDialog::done(result);
}

void ChartQWindow::keyPressEvent(QKeyEvent* event) {
    // Enter is OK and Escape is Cancel: both close the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ChartQWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Invalidate();
}

QRadioButton* ChartQWindow::AddRadio(QButtonGroup& group, int id, const char* labelUtf8, int y) {
    auto* radio = new QRadioButton(QString::fromUtf8(labelUtf8), area_);
    radio->setObjectName(QString::number(id));
    radio->setGeometry(kControlsLeft, y, kRadioWidth, kRowHeight);
    group.addButton(radio, id);
    return radio;
}

QLineEdit* ChartQWindow::AddBox(int id, const std::string& text, int y) {
    auto* box = new QLineEdit(QString::fromStdString(text), area_);
    box->setObjectName(QString::number(id));
    box->setGeometry(kBoxLeft, y, kBoxWidth, kRowHeight);
    return box;
}

QPushButton* ChartQWindow::AddButton(int id, const char* labelUtf8, int y) {
    auto* button = new QPushButton(QString::fromUtf8(labelUtf8), area_);
    button->setObjectName(QString::number(id));
    button->setGeometry(kControlsLeft, y, kButtonWidth, kRowHeight + 4);
    button->setAutoDefault(false);
    return button;
}

void ChartQWindow::Invalidate() {
    if (scheduled_) return;
    scheduled_ = true;
    // Painted from the event loop, never inside a paint event: the brick
    // window may have something to say.
    QMetaObject::invokeMethod(
        this, [this] { RenderFrame(); }, Qt::QueuedConnection);
}

void ChartQWindow::PaintPending() {
    if (scheduled_) RenderFrame();
}

void ChartQWindow::RenderFrame() {
    scheduled_ = false;
    if (closedSent_) return;
    if (frame_.isNull()) frame_ = QImage(client_.width, client_.height, QImage::Format_RGB32);
    {
        QPainter painter(&frame_);
        QtCanvas canvas(painter, client_, false, &textCache_);
        logic_->Paint(canvas, client_);
    }
    ShowScrollRange();
    area_->update();
}

altcharts::PageCounts ChartQWindow::MainPages() const {
    return altcharts::PageCounts{mainGeometry_.pagesAcross, mainGeometry_.pagesDown};
}

void ChartQWindow::ShowScrollRange() {
    const platform::Size range = logic_->ScrollRange(client_, MainPages());
    const platform::Point at = logic_->Position();
    const QSignalBlocker blockH(horizontal_);
    const QSignalBlocker blockV(vertical_);
    horizontal_->setRange(0, range.width);
    horizontal_->setValue(at.x);
    vertical_->setRange(0, range.height);
    vertical_->setValue(at.y);
}

void ChartQWindow::Scroll(bool across, int request, int thumb) {
    const auto step = across ? logic_->ScrollAcross(request, thumb, client_, MainPages())
                             : logic_->ScrollDown(request, thumb, client_, MainPages());
    QScrollBar* bar = across ? horizontal_ : vertical_;
    const QSignalBlocker block(bar);
    bar->setRange(0, std::max(step.rangeMax, step.position));
    bar->setSliderPosition(step.position);
    Invalidate();
}

}  // namespace korvo::qt
