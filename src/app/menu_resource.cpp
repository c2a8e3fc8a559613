#include "app/menu_resource.h"

#include <charconv>

#include "app/embedded_resources.h"

namespace korvo::app {

namespace {

constexpr int kIndentStep = 4;
// Deeper nesting than any menu needs is taken for a mistake in the text.
constexpr int kMaxDepth = 8;

struct Line {
    int number = 0;
    int depth = 0;
    std::string_view body;  // the entry without its indentation
};

std::string LineError(int number, std::string_view what) {
    return "line " + std::to_string(number) + ": " + std::string(what);
}

// Splits off the first blank-separated word; `rest` gets what follows one blank.
std::string_view TakeWord(std::string_view text, std::string_view& rest) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) {
        rest = {};
        return text;
    }
    rest = text.substr(blank + 1);
    return text.substr(0, blank);
}

bool ParseId(std::string_view word, int& id) {
    if (word.empty() || word.size() > 5) return false;
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size()) return false;
    if (value < 1 || value > kMaxCommandId) return false;
    id = value;
    return true;
}

std::optional<MenuItem> ParseEntry(const Line& line, std::string& error) {
    std::string_view rest;
    const std::string_view keyword = TakeWord(line.body, rest);
    MenuItem item;
    if (keyword == "SEPARATOR") {
        if (!rest.empty()) {
            error = LineError(line.number, "SEPARATOR takes nothing after it");
            return std::nullopt;
        }
        item.separator = true;
        return item;
    }
    if (keyword == "POPUP") {
        item.label = std::string(rest);
    } else if (keyword == "ITEM" || keyword == "TOGGLE") {
        std::string_view label;
        const std::string_view idWord = TakeWord(rest, label);
        if (!ParseId(idWord, item.id)) {
            error = LineError(line.number, "the command id must be a number from 1 to 65535");
            return std::nullopt;
        }
        item.toggle = keyword == "TOGGLE";
        item.label = std::string(label);
    } else {
        error = LineError(line.number, "unknown entry \"" + std::string(keyword) + "\"");
        return std::nullopt;
    }
    if (item.label.empty()) {
        error = LineError(line.number, "the entry has no label");
        return std::nullopt;
    }
    return item;
}

// Cuts the text into entry lines with their depth; comments and blank lines go.
bool SplitLines(std::string_view text, std::vector<Line>& lines, std::string& error) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        const std::size_t indent = raw.find_first_not_of(' ');
        if (indent == std::string_view::npos) continue;
        if (raw[indent] == '#') continue;
        if (raw[indent] == '\t') {
            error = LineError(number, "indent with blanks, not tabs");
            return false;
        }
        if (indent % kIndentStep != 0) {
            error = LineError(number, "the indentation must be a multiple of 4 blanks");
            return false;
        }
        if (indent / kIndentStep > kMaxDepth) {
            error = LineError(number, "nested too deeply");
            return false;
        }
        lines.push_back(Line{number, static_cast<int>(indent / kIndentStep), raw.substr(indent)});
    }
    return true;
}

// Reads the entries of one level starting at lines[pos] into `parent`.
bool ParseLevel(const std::vector<Line>& lines, std::size_t& pos, int depth, MenuItem& parent,
                std::string& error) {
    while (pos < lines.size() && lines[pos].depth >= depth) {
        const Line& line = lines[pos];
        if (line.depth > depth) {
            error = LineError(line.number, "indented deeper than the entry above allows");
            return false;
        }
        std::optional<MenuItem> item = ParseEntry(line, error);
        if (!item) return false;
        ++pos;
        if (item->IsPopup()) {
            if (!ParseLevel(lines, pos, depth + 1, *item, error)) return false;
            if (item->children.empty()) {
                error = LineError(line.number, "the popup \"" + item->label + "\" is empty");
                return false;
            }
        }
        parent.children.push_back(std::move(*item));
    }
    return true;
}

void CollectIds(const MenuItem& item, std::vector<int>& ids) {
    for (const MenuItem& child : item.children) {
        if (child.id != 0) {
            bool seen = false;
            for (int id : ids)
                seen = seen || id == child.id;
            if (!seen) ids.push_back(child.id);
        }
        CollectIds(child, ids);
    }
}

}  // namespace

MenuParseResult ParseMenu(std::string_view text) {
    MenuParseResult result;
    std::vector<Line> lines;
    if (!SplitLines(text, lines, result.error)) return result;
    MenuItem root;
    std::size_t pos = 0;
    if (!ParseLevel(lines, pos, 0, root, result.error)) return result;
    if (root.children.empty()) {
        result.error = "the menu has no entries";
        return result;
    }
    result.menu = std::move(root);
    return result;
}

std::optional<MenuItem> LoadMenu(std::string_view name) {
    if (name != kOpenMenuName && name != kChartMenuName && name != kMultiChartMenuName)
        return std::nullopt;
    const std::optional<std::string> text =
        EmbeddedResource("menus/" + std::string(name) + ".menu");
    if (!text) return std::nullopt;
    return ParseMenu(*text).menu;
}

const MenuItem* FindMenuItem(const MenuItem& root, int id) {
    for (const MenuItem& child : root.children) {
        if (child.id == id && id != 0) return &child;
        if (const MenuItem* found = FindMenuItem(child, id)) return found;
    }
    return nullptr;
}

std::vector<int> MenuCommandIds(const MenuItem& root) {
    std::vector<int> ids;
    CollectIds(root, ids);
    return ids;
}

}  // namespace korvo::app
