#include "setup/desktop_menu.h"

#include <unistd.h>

#include <system_error>
#include <vector>

#include "platform/files.h"
#include "setup/desktop_entry.h"
#include "setup/group_command.h"

namespace korvo::setup {

namespace fs = std::filesystem;

namespace {

std::optional<fs::path> AbsoluteFolder(const char* value) {
    if (!value || !*value) return std::nullopt;
    fs::path path(value);
    if (!path.is_absolute()) return std::nullopt;
    return path;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

bool EndsWithIgnoringCase(std::string_view s, std::string_view suffix) {
    return s.size() > suffix.size() && SameIgnoringCase(s.substr(s.size() - suffix.size()), suffix);
}

std::optional<fs::path> FindIgnoringCase(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    if (fs::is_regular_file(folder / name, ec)) return folder / name;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (SameIgnoringCase(it->path().filename().string(), name) && it->is_regular_file(ec))
            return it->path();
    }
    return std::nullopt;
}

bool IsExecutable(const fs::path& path) {
    return ::access(path.c_str(), X_OK) == 0;
}

bool MakeFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

// The command and icon of an item: a program runs in its folder; a page is
// opened with the desktop's opener.
DesktopItem ItemFor(const fs::path& target, const std::string& name, const std::string& group) {
    DesktopItem item;
    item.name = name;
    item.workingDirectory = target.parent_path().string();
    item.category = GroupCategory(group);
    std::error_code ec;
    const fs::path icon = fs::path(target).replace_extension(".png");
    if (IsExecutable(target)) {
        item.exec = {target.string()};
        item.icon = fs::exists(icon, ec) ? icon.string() : "application-x-executable";
    } else {
        item.exec = {"xdg-open", target.string()};
        item.icon = "text-html";
    }
    return item;
}

}  // namespace

std::optional<MenuPlaces> MenuPlacesFrom(const char* dataHome, const char* configHome,
                                         const char* home) {
    const auto homeFolder = AbsoluteFolder(home);
    auto data = AbsoluteFolder(dataHome);
    auto config = AbsoluteFolder(configHome);
    if (!data && homeFolder) data = *homeFolder / ".local" / "share";
    if (!config && homeFolder) config = *homeFolder / ".config";
    if (!data || !config) return std::nullopt;
    return MenuPlaces{*data / "applications", *data / "desktop-directories",
                      *config / "menus" / "applications-merged"};
}

std::optional<fs::path> ResolveItemFile(std::string_view commandLine) {
    const auto split = commandLine.rfind('\\');
    const fs::path path(std::string(commandLine.substr(0, split)));
    const fs::path folder = split == std::string_view::npos ? path.parent_path() : path;
    const std::string name = split == std::string_view::npos
                                 ? path.filename().string()
                                 : std::string(commandLine.substr(split + 1));
    std::error_code ec;
    if (!folder.is_absolute() || !fs::is_directory(folder, ec) || name.empty()) return std::nullopt;
    if (auto found = FindIgnoringCase(folder, name)) return found;
    if (EndsWithIgnoringCase(name, ".exe"))
        return FindIgnoringCase(folder, std::string_view(name).substr(0, name.size() - 4));
    return std::nullopt;
}

bool FreedesktopMenu::Answers() {
    return MakeFolder(places_.applications) && ::access(places_.applications.c_str(), W_OK) == 0;
}

bool FreedesktopMenu::Execute(std::string_view commands) {
    bool done = true;
    for (const GroupCommand& c : ParseGroupCommands(commands)) {
        const std::string first = c.args.empty() ? std::string() : c.args[0];
        if (c.name == "DeleteGroup" && c.args.size() == 1) {
            done = DeleteGroup(first) && done;
        } else if (c.name == "CreateGroup" && c.args.size() == 1) {
            done = CreateGroup(first) && done;
        } else if (c.name == "ShowGroup" && !c.args.empty()) {
            done = first == currentGroup_ && done;  // a watched menu shows itself
        } else if (c.name == "AddItem" && c.args.size() == 2) {
            done = AddItem(first, c.args[1]) && done;
        } else {
            done = false;
        }
    }
    return done;
}

fs::path FreedesktopMenu::ItemPath(const std::string& group, const fs::path& target) const {
    return places_.applications /
           (GroupId(group) + "-" + GroupId(target.stem().string()) + ".desktop");
}

bool FreedesktopMenu::DeleteGroup(const std::string& group) {
    const std::string prefix = GroupId(group) + "-";
    std::vector<fs::path> items;
    std::error_code ec;
    for (fs::directory_iterator it(places_.applications, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (file.rfind(prefix, 0) == 0 && it->path().extension() == ".desktop")
            items.push_back(it->path());
    }
    bool done = true;
    for (const fs::path& item : items)
        done = platform::RemoveFileQuietly(item) && done;
    done =
        platform::RemoveFileQuietly(places_.directories / (GroupId(group) + ".directory")) && done;
    done = platform::RemoveFileQuietly(places_.mergedMenus / (GroupId(group) + ".menu")) && done;
    if (currentGroup_ == group) currentGroup_.clear();
    return done;
}

bool FreedesktopMenu::CreateGroup(const std::string& group) {
    if (GroupId(group).empty()) return false;
    currentGroup_ = group;
    const bool directory =
        MakeFolder(places_.directories) &&
        platform::WriteFileAtomically(places_.directories / (GroupId(group) + ".directory"),
                                      DirectoryEntryText(group));
    const bool menu = MakeFolder(places_.mergedMenus) &&
                      platform::WriteFileAtomically(
                          places_.mergedMenus / (GroupId(group) + ".menu"), MergedMenuText(group));
    return directory && menu;
}

bool FreedesktopMenu::AddItem(const std::string& commandLine, const std::string& name) {
    if (currentGroup_.empty()) return false;
    const auto target = ResolveItemFile(commandLine);
    if (!target) return false;
    return MakeFolder(places_.applications) &&
           platform::WriteFileAtomically(ItemPath(currentGroup_, *target),
                                         DesktopEntryText(ItemFor(*target, name, currentGroup_)));
}

}  // namespace korvo::setup
