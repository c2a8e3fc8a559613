#include "setup/group_command.h"

namespace korvo::setup {

namespace {

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

std::string Unquoted(std::string text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

// An item's arguments: the command line, then the name after the last comma.
std::vector<std::string> SplitItemArguments(std::string_view args) {
    const auto comma = args.rfind(',');
    if (comma == std::string_view::npos) return {Unquoted(Trim(args))};
    return {Unquoted(Trim(args.substr(0, comma))), Unquoted(Trim(args.substr(comma + 1)))};
}

std::vector<std::string> SplitArguments(std::string_view args) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const auto comma = args.find(',', start);
        out.push_back(Unquoted(Trim(args.substr(start, comma - start))));
        if (comma == std::string_view::npos) return out;
        start = comma + 1;
    }
}

// The ")]" closing the command whose arguments start at `from`.
std::size_t CommandEnd(std::string_view s, std::size_t from) {
    for (auto end = s.find(")]", from); end != std::string_view::npos;
         end = s.find(")]", end + 1)) {
        std::size_t after = end + 2;
        while (after < s.size() && s[after] == ' ')
            ++after;
        if (after == s.size() || s[after] == '[') return end;
    }
    return std::string_view::npos;
}

}  // namespace

std::string BuildGroupCommand(const std::string& folder) {
    return "[DeleteGroup(Orvane 8.0)][CreateGroup(Orvane 8.0)][ShowGroup(Orvane 8.0, 6)]"
           "[AddItem(" +
           folder +
           "\\korvo.exe, Korvo ﾁｬｰﾄ)]"
           "[AddItem(" +
           folder +
           "\\manual_m.htm, ﾍﾙﾌﾟQ&A)]"
           "[AddItem(" +
           folder + "\\uninstal.exe, Uninstall)]";
}

std::vector<GroupCommand> ParseGroupCommands(std::string_view s) {
    std::vector<GroupCommand> commands;
    std::size_t pos = 0;
    while ((pos = s.find('[', pos)) != std::string_view::npos) {
        const auto paren = s.find('(', pos);
        const auto end = paren == std::string_view::npos ? paren : CommandEnd(s, paren);
        if (end == std::string_view::npos) break;
        GroupCommand command{Trim(s.substr(pos + 1, paren - pos - 1)), {}};
        const std::string_view args = s.substr(paren + 1, end - paren - 1);
        command.args = command.name == "AddItem" ? SplitItemArguments(args) : SplitArguments(args);
        commands.push_back(std::move(command));
        pos = end + 2;
    }
    return commands;
}

}  // namespace korvo::setup
