// The installation proper: the program folder "korvo" on the chosen file
// system, every archive of files80.dld expanded into its final name, and the
// help pages of earlier versions removed.
#pragma once

#include <filesystem>

#include "platform/prompts.h"

namespace korvo::setup {

inline constexpr const char* kFolderName = "korvo";
// Results besides 1 (installed) and -1 (stopped, the reason already shown).
inline constexpr int kFileListNotFound = -41;

// The installation folder on a file system's root.
std::filesystem::path InstallationFolder(const std::filesystem::path& root);

// Makes sure `root`/korvo exists (and no doubled korvo/korvo), then installs
// the files its files80.dld names. Each archive is expanded (LZ or plain) and
// deleted only once its file is complete; the files before a failure stay
// installed. A settings file korvo.ips already in the folder is the user's
// and is kept. Returns 1, -1 or kFileListNotFound, after the message.
int CreateFolderAndInstallFiles(const std::filesystem::path& root, platform::Prompts& prompts);

}  // namespace korvo::setup
