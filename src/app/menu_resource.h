// The program's three menus as data: parsed from the .menu texts built into
// the program (resources/menus), independent of any window system.
//
// A .menu text is UTF-8, one entry per line:
//   POPUP <label>          a sub-menu; its entries follow, indented 4 blanks deeper
//   ITEM <id> <label>      a command
//   TOGGLE <id> <label>    a command whose item carries a check mark
//   SEPARATOR              a dividing line
// The label is the rest of the line after one blank, kept exactly. Lines whose
// first non-blank character is "#", and empty lines, are ignored. Entries at
// the outermost level are the items of the menu bar.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo::app {

inline constexpr const char* kOpenMenuName = "KorvoOpenMenu";
inline constexpr const char* kChartMenuName = "KORVOMENU";
inline constexpr const char* kMultiChartMenuName = "KORVOMULTIMENU";

// Command identifiers are 16-bit, as the command word carries them.
inline constexpr int kMaxCommandId = 65535;

struct MenuItem {
    int id = 0;  // the command; 0 for a popup, a separator and the root
    std::string label;
    std::vector<MenuItem> children;  // a popup's entries; the root's are the menu bar
    bool separator = false;
    bool toggle = false;  // the item shows a check mark that mirrors an on/off option

    bool IsPopup() const { return !separator && id == 0; }
};

struct MenuParseResult {
    std::optional<MenuItem> menu;  // the root, labelled with nothing
    std::string error;             // "line N: ..." when menu is empty
};

MenuParseResult ParseMenu(std::string_view text);

// One of the built-in menus by name (kOpenMenuName, ...); nullopt for another name.
std::optional<MenuItem> LoadMenu(std::string_view name);

// The first item with this command id, depth first in menu order; nullptr when none.
const MenuItem* FindMenuItem(const MenuItem& root, int id);

// Every command id of the menu, each once, in menu order.
std::vector<int> MenuCommandIds(const MenuItem& root);

}  // namespace korvo::app
