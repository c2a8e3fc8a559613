#include "setup/install_files.h"

#include <array>
#include <fstream>
#include <string_view>
#include <system_error>

#include "platform/files.h"
#include "setup/file_list.h"
#include "setup/setup_texts.h"

namespace korvo::setup {

namespace fs = std::filesystem;

namespace {

// Pages earlier versions installed; the current help replaces them.
constexpr std::array<const char*, 6> kRetiredPages = {
    "manuEg_c.htm", "manuEg_f.htm", "manuEg_m.htm", "manuEg_q.htm", "manuEg_s.htm", "purchase.htm"};
// The chart program's settings: once the user has them, a reinstallation
// must not put the first settings back over their choices.
constexpr const char* kUsersSettings = "korvo.ips";

void ShowError(platform::Prompts& prompts, const std::string& text, const char* caption,
               platform::Icon icon = platform::Icon::None) {
    prompts.ShowMessage(text, caption, platform::Buttons::Ok, icon);
}

void ShowDamaged(platform::Prompts& prompts, const std::string& name) {
    ShowError(prompts, FillIn(kFileDamaged, name), kInstallErrorCaption, platform::Icon::Stop);
}

bool IsFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// Changes to the folder, or makes it when it is not there.
bool EnsureFolder(const fs::path& folder) {
    if (IsFolder(folder)) return true;
    std::error_code ec;
    fs::create_directory(folder, ec);
    return !ec && IsFolder(folder);
}

bool KeepsExisting(const fs::path& folder, const FileListEntry& entry) {
    std::error_code ec;
    return entry.final == kUsersSettings && entry.archive != entry.final &&
           fs::exists(folder / entry.final, ec);
}

bool IsProgram(const fs::path& file) {
    char head[4] = {};
    std::ifstream in(file, std::ios::binary);
    in.read(head, sizeof head);
    const std::string_view start(head, static_cast<std::size_t>(in.gcount()));
    return start == std::string_view(
                        "\x7f"
                        "ELF",
                        4) ||
           start.substr(0, 2) == "#!";
}

// Archives carry no permissions: an expanded program is made runnable by
// whoever may read it.
void MarkProgramRunnable(const fs::path& file) {
    if (!IsProgram(file)) return;
    std::error_code ec;
    const fs::perms perms = fs::status(file, ec).permissions();
    fs::perms exec = fs::perms::owner_exec;
    if ((perms & fs::perms::group_read) != fs::perms::none) exec |= fs::perms::group_exec;
    if ((perms & fs::perms::others_read) != fs::perms::none) exec |= fs::perms::others_exec;
    fs::permissions(file, exec, fs::perm_options::add, ec);
}

// Expands one archive into its final file and deletes the archive. An entry
// whose archive is its own final file is expanded in place and kept.
bool InstallEntry(const fs::path& folder, const FileListEntry& entry) {
    const fs::path archive = folder / entry.archive;
    if (KeepsExisting(folder, entry)) {
        std::error_code ec;
        if (!fs::is_regular_file(archive, ec)) return false;
    } else if (platform::CopyFileExpanding(archive, folder / entry.final) != platform::kCopyOk) {
        return false;
    }
    MarkProgramRunnable(folder / entry.final);
    if (entry.archive != entry.final) platform::RemoveFileQuietly(archive);
    return true;
}

int InstallListedFiles(const fs::path& folder, platform::Prompts& prompts) {
    const auto text = platform::ReadWholeFile(folder / kFileListName);
    if (!text) {
        ShowError(prompts, kFileListMissing, kFileListMissingCaption);
        return kFileListNotFound;
    }
    const FileList list = ParseFileList(*text);
    for (const FileListEntry& entry : list.entries) {
        if (!InstallEntry(folder, entry)) {
            ShowDamaged(prompts, entry.archive);
            return -1;
        }
    }
    if (!list.complete) {
        ShowDamaged(prompts, kFileListName);
        return -1;
    }
    return 1;
}

void RemoveRetiredPages(const fs::path& folder) {
    for (const char* page : kRetiredPages)
        platform::RemoveFileQuietly(folder / page);
}

}  // namespace

fs::path InstallationFolder(const fs::path& root) {
    return root / kFolderName;
}

int CreateFolderAndInstallFiles(const fs::path& root, platform::Prompts& prompts) {
    if (!IsFolder(root)) return -1;
    const fs::path folder = InstallationFolder(root);
    if (IsFolder(folder / kFolderName)) {
        ShowError(prompts, kDoubledFolder, kErrorCaption);
        return -1;
    }
    if (!EnsureFolder(folder)) {
        ShowError(prompts, kFolderNotCreated, kErrorCaption);
        return -1;
    }
    const int result = InstallListedFiles(folder, prompts);
    if (result != 1) return result;
    RemoveRetiredPages(folder);
    return 1;
}

}  // namespace korvo::setup
