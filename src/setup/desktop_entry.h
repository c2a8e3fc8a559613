// The text of the freedesktop menu files a program group becomes: one
// application entry per item, a directory entry naming the group, and a menu
// file that puts the group's items into a submenu of the applications menu.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvo::setup {

struct DesktopItem {
    std::string name;               // shown in the menu
    std::vector<std::string> exec;  // program and arguments, unquoted
    std::string workingDirectory;
    std::string icon;      // a path or a theme icon name
    std::string category;  // the group's own category
};

// A file-name-safe id for a group: "Orvane 8.0" -> "orvane-8-0".
std::string GroupId(std::string_view groupName);
// The category that ties a group's items to its submenu: "X-Orvane-8-0".
std::string GroupCategory(std::string_view groupName);

// A string value with backslash, newline, tab and carriage return escaped.
std::string EscapeValue(std::string_view value);
// One Exec argument: quoted where it holds a reserved character, "%" doubled.
std::string QuoteExecArgument(std::string_view argument);

std::string DesktopEntryText(const DesktopItem& item);
std::string DirectoryEntryText(std::string_view groupName);
std::string MergedMenuText(std::string_view groupName);

}  // namespace korvo::setup
