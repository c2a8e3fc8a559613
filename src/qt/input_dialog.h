// INPUTDLG1: asks for the full path of an outside program the program could
// not find by itself. What the buttons do is app::PathInputLogic's; this class
// only lays out the controls, each named after its control id.
#pragma once

#include <QDialog>
#include <string>

#include "app/path_input.h"
#include "platform/prompts.h"

class QLineEdit;

namespace korvo::qt {

class InputDialog : public QDialog {
    Q_OBJECT
  public:
    explicit InputDialog(platform::Prompts& prompts, QWidget* parent = nullptr);

    // The path confirmed with OK.
    const std::string& Path() const { return path_; }
    QLineEdit& Edit() { return *edit_; }

  public slots:
    void accept() override;

  private:
    app::PathInputLogic logic_;
    QLineEdit* edit_ = nullptr;
    std::string path_;
};

}  // namespace korvo::qt
