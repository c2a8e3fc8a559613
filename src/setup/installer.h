// The installation command from the splash window's menu: the drive question,
// the installation into the chosen file system, the program group and the
// completion box. The window side supplies the drive dialog and the cursor.
#pragma once

#include <filesystem>
#include <optional>

#include "platform/prompts.h"
#include "setup/menu_service.h"

namespace korvo::setup {

class SetupView {
  public:
    virtual ~SetupView() = default;
    // The drive dialog: the installation root chosen, or nullopt on Cancel.
    virtual std::optional<std::filesystem::path> AskDrive() = 0;
    // The wait cursor while files are being installed.
    virtual void ShowBusy(bool busy) = 0;
};

enum class InstallOutcome {
    Finished,   // installed, the completion box shown
    Cancelled,  // the user cancelled a question
    Stopped,    // a failure, its message shown
};

// Runs the installation command. Whatever the outcome, the program ends after it.
InstallOutcome RunInstallation(SetupView& view, platform::Prompts& prompts,
                               GroupConversation& conversation);

}  // namespace korvo::setup
