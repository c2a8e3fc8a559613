// header: the header editor's new, empty data file, headless.
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "cli/command_line_user.h"
#include "data/data.h"

namespace korvo::cli {

namespace {

int RunHeader(CliContext& context) {
    const auto output = context.Option("-o");
    if (!context.Args().positional.empty() || !output) {
        context.Err() << "usage: korvo-cli header -o OUT.stk --title T --subtitle S --code C "
                         "[--unit U] [--start-year Y] [--start-month M]\n";
        return 2;
    }
    const std::string target = std::filesystem::absolute(*output).string();
    CommandLineUser user(context.Prompts(), context.Err(),
                         {platform::Answer::Ok, platform::Answer::Ok}, std::nullopt, target);
    platform::NullProgress progress;
    data::LoadEnvironment env{user, context.Clock(), context.Dir(), progress, {}};
    const auto created = data::CreateHeaderFile(env, [&](data::HeaderEditor& editor) {
        data::HeaderFields f = editor.Initial();
        f.title = context.Option("--title").value_or("");
        f.subtitle = context.Option("--subtitle").value_or("");
        f.unit = context.Option("--unit").value_or("");
        f.code = context.Option("--code").value_or("");
        f.startYear = context.Option("--start-year").value_or(f.startYear);
        f.startMonth = context.Option("--start-month").value_or(f.startMonth);
        return editor.Accept(f) == data::HeaderSave::Created;
    });
    context.Out() << "result: " << (created ? "created" : "refused") << "\n";
    if (created) context.Out() << "path: " << *created << "\n";
    return created ? 0 : 1;
}

Command MakeHeaderCommand() {
    return Command{
        150,
        "header",
        "header -o OUT.stk --title T --subtitle S --code C [--unit U] [--start-year Y] "
        "[--start-month M]",
        "create the new, empty data file OUT as the header editor does (type 210, start "
        "default this month); prints result (created or refused) and path",
        {"-o", "--title", "--subtitle", "--unit", "--code", "--start-year", "--start-month"},
        {},
        RunHeader};
}

const bool registered = RegisterCommand(MakeHeaderCommand());

}  // namespace

}  // namespace korvo::cli
