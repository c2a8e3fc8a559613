// The installer's window: shown maximised, black, with the splash painted in
// it and the two-item menu menu1 (cancel, install).
#pragma once

#include <QMainWindow>

#include "platform/prompts.h"
#include "setup/setup_session.h"

namespace korvo::setup {

class SetupWindow : public QMainWindow {
    Q_OBJECT
  public:
    SetupWindow(SetupSession& session, platform::Prompts& prompts);

    // Command 121: the installation; the window closes after it, whatever came of it.
    void Install();

  private:
    SetupSession& session_;
    platform::Prompts& prompts_;
};

}  // namespace korvo::setup
