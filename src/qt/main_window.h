// The program's one top-level window.
#pragma once

#include <QMainWindow>

namespace korvo::qt {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace korvo::qt
