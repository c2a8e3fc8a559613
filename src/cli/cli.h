// The headless tool: the program's core without windows. Subcommands share
// the conventions below; each lives in its own cmd_*.cpp.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/scripted_prompts.h"

namespace korvo::cli {

struct ParsedArgs {
    std::string command;
    std::vector<std::string> positional;
    std::multimap<std::string, std::string> options;  // "--dir" -> "/tmp/x"
    std::set<std::string> flags;                       // "--bars"
};

class CliContext {
public:
    CliContext(ParsedArgs args, std::ostream& out, std::ostream& err);
    ~CliContext();
    CliContext(const CliContext&) = delete;
    CliContext& operator=(const CliContext&) = delete;

    const ParsedArgs& Args() const { return args_; }
    std::optional<std::string> Option(const std::string& name) const;
    std::vector<std::string> Options(const std::string& name) const;
    bool Flag(const std::string& name) const { return args_.flags.count(name) > 0; }

    // The start directory for work files (--dir, or a fresh temporary folder
    // that is removed when the command ends).
    const std::filesystem::path& Dir() const { return dir_; }
    platform::Clock& Clock() { return *clock_; }
    platform::ScriptedPrompts& Prompts() { return prompts_; }
    std::ostream& Out() { return out_; }
    std::ostream& Err() { return err_; }

    // Prepares --dir, --today and --answer. False (after saying why) when one is bad.
    bool Prepare();

private:
    ParsedArgs args_;
    std::ostream& out_;
    std::ostream& err_;
    std::filesystem::path dir_;
    bool ownsDir_ = false;
    std::unique_ptr<platform::Clock> clock_;
    platform::ScriptedPrompts prompts_;
};

struct Command {
    int order = 0;  // place in the --help list
    std::string name;
    std::string usage;    // "load FILE.stk [--bars] [--plot-start YYYY-MM]"
    std::string summary;  // one line
    std::vector<std::string> valueOptions;  // besides the common ones
    std::vector<std::string> flagOptions;
    std::function<int(CliContext&)> run;  // exit code: 0 done, 1 failed
};

// Every subcommand, in the order --help lists them.
const std::vector<Command>& Commands();

// Each cmd_*.cpp registers its command at start-up:
//   static const bool registered = RegisterCommand(MakeLoadCommand());
bool RegisterCommand(Command command);

// Options every command takes.
inline const std::vector<std::string> kCommonValueOptions = {"--dir", "--today", "--answer"};

// "2026-12-07" -> date; nullopt when it is not a real calendar date.
std::optional<platform::CivilDate> ParseIsoDate(const std::string& text);

// Parses argv after the program name. Returns an error text when the command
// line does not fit the command's options.
std::optional<std::string> ParseArguments(const std::vector<std::string>& argv, ParsedArgs& out);

int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err);

}  // namespace korvo::cli
