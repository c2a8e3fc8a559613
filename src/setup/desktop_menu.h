// The desktop's menu system as the installer talks to it: the group's execute
// string carried out as freedesktop menu files in the user's data and
// configuration folders, which desktops watch and show as a submenu.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "setup/menu_service.h"

namespace korvo::setup {

struct MenuPlaces {
    std::filesystem::path applications;  // DATA_HOME/applications: the items
    std::filesystem::path directories;   // DATA_HOME/desktop-directories: the group's name
    std::filesystem::path mergedMenus;   // CONFIG_HOME/menus/applications-merged: the submenu
};

// The places from XDG_DATA_HOME and XDG_CONFIG_HOME, each falling back to its
// standard folder under HOME when unset or not absolute. nullopt when no
// absolute folder is named at all. Null arguments stand for unset variables.
std::optional<MenuPlaces> MenuPlacesFrom(const char* dataHome, const char* configHome,
                                         const char* home);

// The file an item's command line names: "FOLDER\name" read as the folder and
// a file name in it, matched without regard to case (as the names are written
// for a system that ignores it) and with ".exe" dropped when only the bare
// program is there. nullopt when no such file is in the folder.
std::optional<std::filesystem::path> ResolveItemFile(std::string_view commandLine);

class FreedesktopMenu : public MenuService {
  public:
    explicit FreedesktopMenu(MenuPlaces places) : places_(std::move(places)) {}

    // Answers when the applications folder is there, or can be made, and is writable.
    bool Answers() override;
    // DeleteGroup, CreateGroup, ShowGroup and AddItem; any other command is refused.
    bool Execute(std::string_view commands) override;

  private:
    bool DeleteGroup(const std::string& group);
    bool CreateGroup(const std::string& group);
    bool AddItem(const std::string& commandLine, const std::string& name);
    std::filesystem::path ItemPath(const std::string& group,
                                   const std::filesystem::path& target) const;

    MenuPlaces places_;
    std::string currentGroup_;
};

}  // namespace korvo::setup
