#include "qt/main_window.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/program_identity.h"

namespace korvo::qt {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(app::kMainWindowCaption));
    setObjectName(QString::fromUtf8(app::kWindowClassName));
    // The class background: the stock dark grey.
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    setPalette(p);
    setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());
}

}  // namespace korvo::qt
