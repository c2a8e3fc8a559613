#include "cli/cli.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>

namespace korvo::cli {

namespace fs = std::filesystem;

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysIn(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

const Command* FindCommand(const std::string& name) {
    for (const auto& c : Commands())
        if (c.name == name) return &c;
    return nullptr;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

void PrintHelp(std::ostream& out) {
    out << "korvo-cli: the chart program's core, without windows.\n\n"
           "usage: korvo-cli COMMAND [ARGUMENTS] [OPTIONS]\n\n"
           "commands:\n";
    for (const auto& c : Commands()) out << "  " << c.usage << "\n      " << c.summary << "\n";
    out << "\noptions every command takes:\n"
           "  --dir DIR          start directory for work files (default: a fresh temporary\n"
           "                     folder, removed afterwards)\n"
           "  --today YYYY-MM-DD today's date for the calendar (default: the system date)\n"
           "  --answer ANSWER    answer to the next question: yes, no, cancel, ok or retry;\n"
           "                     repeat it for later questions. Unanswered questions get the\n"
           "                     cautious answer (Cancel, else No).\n\n"
           "Messages the program would show go to standard error as \"[caption] text\";\n"
           "results go to standard output.\n";
}

}  // namespace

std::optional<platform::CivilDate> ParseIsoDate(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3) return std::nullopt;
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > DaysIn(y, m)) return std::nullopt;
    return platform::CivilDate{y, m, d};
}

CliContext::CliContext(ParsedArgs args, std::ostream& out, std::ostream& err)
    : args_(std::move(args)), out_(out), err_(err) {}

CliContext::~CliContext() {
    if (ownsDir_) {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
}

std::optional<std::string> CliContext::Option(const std::string& name) const {
    const auto it = args_.options.find(name);
    if (it == args_.options.end()) return std::nullopt;
    return it->second;
}

std::vector<std::string> CliContext::Options(const std::string& name) const {
    std::vector<std::string> values;
    const auto [first, last] = args_.options.equal_range(name);
    for (auto it = first; it != last; ++it) values.push_back(it->second);
    return values;
}

bool CliContext::Prepare() {
    if (const auto dir = Option("--dir")) {
        dir_ = fs::absolute(*dir);
        std::error_code ec;
        fs::create_directories(dir_, ec);
        if (!fs::is_directory(dir_)) {
            err_ << "korvo-cli: cannot use " << *dir << " as the start directory\n";
            return false;
        }
    } else {
        std::string pattern = (fs::temp_directory_path() / "korvo-cli-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            err_ << "korvo-cli: cannot create a temporary start directory\n";
            return false;
        }
        dir_ = pattern;
        ownsDir_ = true;
    }
    if (const auto today = Option("--today")) {
        const auto date = ParseIsoDate(*today);
        if (!date) {
            err_ << "korvo-cli: --today wants a date as YYYY-MM-DD, not " << *today << "\n";
            return false;
        }
        clock_ = std::make_unique<platform::FixedClock>(*date);
    } else {
        clock_ = std::make_unique<platform::SystemClock>();
    }
    for (const auto& a : Options("--answer")) {
        const auto answer = platform::ParseAnswer(a);
        if (!answer) {
            err_ << "korvo-cli: --answer takes yes, no, cancel, ok or retry, not " << a << "\n";
            return false;
        }
        prompts_.QueueAnswer(*answer);
    }
    prompts_.OnMessage([this](const platform::RecordedMessage& m) {
        err_ << "[" << m.caption << "] " << m.text;
        if (m.buttons != platform::Buttons::Ok) err_ << " -> " << platform::ToString(m.answer);
        err_ << "\n";
    });
    return true;
}

std::optional<std::string> ParseArguments(const std::vector<std::string>& argv, ParsedArgs& out) {
    if (argv.empty()) return std::string("no command given (try --help)");
    out.command = argv[0];
    const Command* command = FindCommand(out.command);
    if (!command) return "unknown command: " + out.command + " (try --help)";
    for (std::size_t i = 1; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        // A negative number ("-1") is a value, not an option.
        const bool negativeNumber = a.size() > 1 && a[0] == '-' &&
                                    (std::isdigit(static_cast<unsigned char>(a[1])) || a[1] == '.');
        if (a.size() > 1 && a[0] == '-' && !negativeNumber) {
            const std::string name = a;
            if (Contains(command->flagOptions, name) || name == "--help") {
                out.flags.insert(name);
            } else if (Contains(command->valueOptions, name) ||
                       Contains(kCommonValueOptions, name)) {
                if (i + 1 >= argv.size()) return "option " + name + " needs a value";
                out.options.emplace(name, argv[++i]);
            } else {
                return "unknown option for " + out.command + ": " + name;
            }
        } else {
            out.positional.push_back(a);
        }
    }
    return std::nullopt;
}

int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    if (argv.empty() || argv[0] == "--help" || argv[0] == "-h" || argv[0] == "help") {
        PrintHelp(argv.empty() ? err : out);
        return argv.empty() ? 2 : 0;
    }
    ParsedArgs args;
    if (const auto problem = ParseArguments(argv, args)) {
        err << "korvo-cli: " << *problem << "\n";
        return 2;
    }
    const Command* command = FindCommand(args.command);
    if (args.flags.count("--help")) {
        out << "usage: korvo-cli " << command->usage << "\n" << command->summary << "\n";
        return 0;
    }
    CliContext context(std::move(args), out, err);
    if (!context.Prepare()) return 2;
    return command->run(context);
}

}  // namespace korvo::cli
