// What one run of the installer keeps from its start to its end: the process
// environment it reads, the file systems, and the conversation with the
// desktop's menu system opened when the window is made.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/prompts.h"
#include "setup/desktop_menu.h"
#include "setup/drive_choice.h"
#include "setup/menu_service.h"
#include "setup/volumes.h"

namespace korvo::setup {

struct SetupEnvironment {
    std::optional<std::string> home;
    std::optional<std::string> dataHome;    // XDG_DATA_HOME
    std::optional<std::string> configHome;  // XDG_CONFIG_HOME
    std::filesystem::path currentDirectory;

    static SetupEnvironment FromProcess();
};

class SetupSession {
  public:
    // Opens the menu conversation; when there is no place for menus at all the
    // user is told the program group will not be made.
    SetupSession(const SetupEnvironment& environment, VolumeQueries& volumes,
                 platform::Prompts& prompts);

    GroupConversation& Conversation() { return conversation_; }
    DriveChoice MakeDriveChoice(platform::Prompts& prompts) const;

  private:
    SetupEnvironment environment_;
    VolumeQueries& volumes_;
    std::unique_ptr<FreedesktopMenu> menu_;
    GroupConversation conversation_;
};

// The menu system for the environment, or null when it names no place for menus.
std::unique_ptr<FreedesktopMenu> MakeMenu(const SetupEnvironment& environment);

}  // namespace korvo::setup
