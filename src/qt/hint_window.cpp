#include "qt/hint_window.h"

#include <QPainter>
#include <QPushButton>

#include "qt/gui/qt_canvas.h"

namespace korvo::qt {

namespace {

// 200 by 100 dialog units: the text area runs to (340, 200), the buttons sit below it.
constexpr int kWidth = 400;
constexpr int kHeight = 250;
constexpr int kButtonTop = 210;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;

}  // namespace

QString HintWindow::Caption() {
    return QString(5, QChar(0x3000)) + QString::fromUtf8("操作ヒント（使用法ガイド）");
}

HintWindow::HintWindow(const app::HintBook& book, int& hintTopic, QWidget* parent)
    : QDialog(parent), pager_(book, hintTopic) {
    setObjectName("DLGHINT");
    setWindowTitle(Caption());
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);

    QPushButton* next = AddButton("1", "次のヒントへ", 15);
    QPushButton* previous = AddButton("9201", "前のヒントへ", 145);
    QPushButton* close = AddButton("2", "終了", 275);
    next->setDefault(true);

    connect(next, &QPushButton::clicked, this, [this] {
        pager_.Next();
        update();
    });
    connect(previous, &QPushButton::clicked, this, [this] {
        pager_.Previous();
        update();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    pager_.Open();
}

QPushButton* HintWindow::AddButton(const char* id, const char* label, int x) {
    QPushButton* button = new QPushButton(QString::fromUtf8(label), this);
    button->setObjectName(id);
    button->setGeometry(x, kButtonTop, kButtonWidth, kButtonHeight);
    button->setAutoDefault(false);
    return button;
}

void HintWindow::done(int result) {
    // The slot is emptied once, however the window goes (button, Escape, close box).
    if (!closedSent_) {
        closedSent_ = true;
        emit closed();
    }
    QDialog::done(result);
}

void HintWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    QtCanvas canvas(painter, platform::Size{width(), height()});
    app::DrawHint(canvas, pager_.Text());
}

}  // namespace korvo::qt
