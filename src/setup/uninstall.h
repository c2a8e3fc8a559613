// The uninstaller's work: the program group and the files the installation
// put in place are removed; files the user made in the folder stay, and the
// folder goes only when nothing else is left in it.
#pragma once

#include <filesystem>

#include "setup/menu_service.h"

namespace korvo::setup {

inline constexpr const char* kSetupProgramName = "korvosetup";
inline constexpr const char* kUninstallerName = "uninstal";

struct UninstallResult {
    int filesRemoved = 0;
    bool folderRemoved = false;
};

// Removes the group through `menu` (may be null), then from `folder` every
// file files80.dld names (archive and final name), the list itself, the
// installer and the uninstaller.
UninstallResult Uninstall(const std::filesystem::path& folder, MenuService* menu);

}  // namespace korvo::setup
