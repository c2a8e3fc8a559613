#include "setup/desktop_entry.h"

namespace korvo::setup {

namespace {

constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";

bool IsAsciiAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string XmlEscaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Letters and digits kept, every other run of bytes one hyphen.
std::string Slug(std::string_view name, bool lowerCase) {
    std::string out;
    for (char c : name) {
        if (IsAsciiAlnum(c)) {
            out += lowerCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        } else if (!out.empty() && out.back() != '-') {
            out += '-';
        }
    }
    while (!out.empty() && out.back() == '-')
        out.pop_back();
    return out;
}

}  // namespace

std::string GroupId(std::string_view groupName) {
    return Slug(groupName, true);
}

std::string GroupCategory(std::string_view groupName) {
    return "X-" + Slug(groupName, false);
}

std::string EscapeValue(std::string_view value) {
    std::string out;
    for (char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string QuoteExecArgument(std::string_view argument) {
    const bool quoted =
        argument.empty() || argument.find_first_of(kReserved) != std::string_view::npos;
    std::string out = quoted ? "\"" : "";
    for (char c : argument) {
        if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) out += '\\';
        out += c;
        if (c == '%') out += '%';
    }
    if (quoted) out += '"';
    return out;
}

std::string DesktopEntryText(const DesktopItem& item) {
    std::string exec;
    for (const std::string& argument : item.exec) {
        if (!exec.empty()) exec += ' ';
        exec += QuoteExecArgument(argument);
    }
    std::string text = "[Desktop Entry]\nType=Application\nName=" + EscapeValue(item.name) +
                       "\nExec=" + EscapeValue(exec) + "\n";
    if (!item.workingDirectory.empty()) text += "Path=" + EscapeValue(item.workingDirectory) + "\n";
    if (!item.icon.empty()) text += "Icon=" + EscapeValue(item.icon) + "\n";
    text += "Terminal=false\nCategories=" + EscapeValue(item.category) + ";\n";
    return text;
}

std::string DirectoryEntryText(std::string_view groupName) {
    return "[Desktop Entry]\nType=Directory\nName=" + EscapeValue(groupName) + "\n";
}

std::string MergedMenuText(std::string_view groupName) {
    return "<Menu>\n"
           "  <Name>Applications</Name>\n"
           "  <Menu>\n"
           "    <Name>" +
           XmlEscaped(groupName) +
           "</Name>\n"
           "    <Directory>" +
           XmlEscaped(GroupId(groupName)) +
           ".directory</Directory>\n"
           "    <Include>\n"
           "      <Category>" +
           XmlEscaped(GroupCategory(groupName)) +
           "</Category>\n"
           "    </Include>\n"
           "  </Menu>\n"
           "</Menu>\n";
}

}  // namespace korvo::setup
