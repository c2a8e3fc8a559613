#include "setup/uninstall.h"

#include <string>
#include <system_error>
#include <vector>

#include "platform/files.h"
#include "setup/file_list.h"
#include "setup/group_command.h"

namespace korvo::setup {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> InstalledNames(const fs::path& folder) {
    std::vector<std::string> names = {kFileListName, kSetupProgramName, kUninstallerName};
    if (const auto text = platform::ReadWholeFile(folder / kFileListName)) {
        for (const FileListEntry& entry : ParseFileList(*text).entries) {
            names.push_back(entry.archive);
            names.push_back(entry.final);
        }
    }
    return names;
}

}  // namespace

UninstallResult Uninstall(const fs::path& folder, MenuService* menu) {
    if (menu && menu->Answers()) menu->Execute(std::string("[DeleteGroup(") + kGroupName + ")]");
    UninstallResult result;
    for (const std::string& name : InstalledNames(folder)) {
        std::error_code ec;
        const fs::path file = folder / name;
        if (!fs::is_regular_file(fs::symlink_status(file, ec))) continue;
        if (platform::RemoveFileQuietly(file)) ++result.filesRemoved;
    }
    std::error_code ec;
    result.folderRemoved = fs::is_empty(folder, ec) && fs::remove(folder, ec);
    return result;
}

}  // namespace korvo::setup
