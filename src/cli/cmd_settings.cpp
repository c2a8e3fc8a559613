// settings: reads a settings file as the program does and lists its fields.
#include <memory>
#include <ostream>

#include "app/settings_file.h"
#include "cli/cli.h"

namespace korvo::cli {

namespace {

int RunSettings(CliContext& context) {
    const auto& p = context.Args().positional;
    if (p.size() != 1) {
        context.Err() << "usage: korvo-cli settings FILE [--rewrite OUT]\n";
        return 2;
    }
    // The program reads into the values it starts with; so do we.
    auto state = std::make_unique<app::ProgramState>();
    if (app::ReadSettings(*state, p[0]) != 0) {
        context.Err() << "cannot open settings file " << p[0] << "\n";
        return 1;
    }
    for (const auto& field : app::DescribeSettings(*state)) {
        context.Out() << field.name << ": " << field.value << "\n";
    }
    if (const auto out = context.Option("--rewrite")) {
        if (app::WriteSettings(*state, *out) != 0) {
            context.Err() << "cannot write settings file " << *out << "\n";
            return 1;
        }
    }
    return 0;
}

Command MakeSettingsCommand() {
    return Command{
        100,
        "settings",
        "settings FILE [--rewrite OUT]",
        "read a korvo.ips settings file as the program does (scale factors corrected, a short "
        "file read as far as it goes) and print every field as 'name: value'; --rewrite writes "
        "it back to OUT as the program writes it",
        {"--rewrite"},
        {},
        RunSettings};
}

const bool registered = RegisterCommand(MakeSettingsCommand());

}  // namespace

}  // namespace korvo::cli
