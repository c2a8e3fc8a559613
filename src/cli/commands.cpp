// The registry of subcommands; each cmd_*.cpp adds its own.
#include <algorithm>

#include "cli/cli.h"

namespace korvo::cli {

namespace {

std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

}  // namespace

bool RegisterCommand(Command command) {
    auto& commands = Registry();
    commands.push_back(std::move(command));
    std::stable_sort(commands.begin(), commands.end(),
                     [](const Command& a, const Command& b) { return a.order < b.order; });
    return true;
}

const std::vector<Command>& Commands() { return Registry(); }

}  // namespace korvo::cli
