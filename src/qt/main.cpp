// The chart program. The command line is ignored: nothing is opened at start.
#include <QApplication>

#include "qt/main_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvo::qt::MainWindow window;
    window.showMaximized();
    return QApplication::exec();
}
