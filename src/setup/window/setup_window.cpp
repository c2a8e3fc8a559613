#include "setup/window/setup_window.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

#include "qt/gui/qt_canvas.h"
#include "setup/installer.h"
#include "setup/setup_texts.h"
#include "setup/splash_screen.h"
#include "setup/window/qt_setup_view.h"

namespace korvo::setup {

namespace {

// The client area: black, with the splash drawn for the screen's size.
class SplashArea : public QWidget {
  public:
    explicit SplashArea(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        const QSize screenSize = screen() ? screen()->size() : QSize();
        qt::QtCanvas canvas(painter, platform::Size{width(), height()});
        DrawSplash(canvas, screenSize.width(), screenSize.height());
    }
};

}  // namespace

SetupWindow::SetupWindow(SetupSession& session, platform::Prompts& prompts)
    : session_(session), prompts_(prompts) {
    setObjectName(kWindowClassName);
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setCentralWidget(new SplashArea(this));

    QAction* cancel = menuBar()->addAction(QString::fromUtf8(kMenuCancel));
    cancel->setObjectName(QString::number(kCommandCancel));
    connect(cancel, &QAction::triggered, this, &QWidget::close);
    QAction* install = menuBar()->addAction(QString::fromUtf8(kMenuInstall));
    install->setObjectName(QString::number(kCommandInstall));
    connect(install, &QAction::triggered, this, &SetupWindow::Install);

    // As large as the screen also where no window manager does the maximising.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
}

void SetupWindow::Install() {
    QtSetupView view(this, session_, prompts_);
    RunInstallation(view, prompts_, session_.Conversation());
    close();
}

}  // namespace korvo::setup
