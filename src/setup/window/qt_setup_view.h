// The installation command's window side: the drive dialog over the splash
// window and the wait cursor.
#pragma once

#include <QWidget>

#include "setup/installer.h"
#include "setup/setup_session.h"

namespace korvo::setup {

class QtSetupView : public SetupView {
  public:
    QtSetupView(QWidget* owner, SetupSession& session, platform::Prompts& prompts)
        : owner_(owner), session_(session), prompts_(prompts) {}

    std::optional<std::filesystem::path> AskDrive() override;
    void ShowBusy(bool busy) override;

  private:
    QWidget* owner_;
    SetupSession& session_;
    platform::Prompts& prompts_;
};

}  // namespace korvo::setup
