// The program group as the installer asks the desktop's menu system for it:
// one execute string of bracketed commands, and how that string reads.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvo::setup {

inline constexpr const char* kGroupName = "Orvane 8.0";

// "[DeleteGroup(Orvane 8.0)][CreateGroup(Orvane 8.0)][ShowGroup(Orvane 8.0, 6)]
// [AddItem(FOLDER\korvo.exe, Korvo ﾁｬｰﾄ)]..." with the installation folder in
// the three items. Kept whole however long the folder's path is.
std::string BuildGroupCommand(const std::string& folder);

struct GroupCommand {
    std::string name;               // "AddItem"
    std::vector<std::string> args;  // trimmed; a quoted argument without its quotes
    friend bool operator==(const GroupCommand&, const GroupCommand&) = default;
};

// The commands of an execute string, in order. A command ends at the ")]"
// followed (after any blanks) by the next "[" or by the end, so a folder may hold
// brackets; an item's name is the text after its last comma, so a folder may
// hold commas. Text outside brackets is ignored.
std::vector<GroupCommand> ParseGroupCommands(std::string_view commands);

}  // namespace korvo::setup
