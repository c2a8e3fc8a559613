// derive: the weekly or monthly data file the period commands build and save.
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "cli/command_line_user.h"
#include "cli/load_series.h"
#include "data/data.h"
#include "platform/files.h"

namespace korvo::cli {

namespace {

namespace fs = std::filesystem;

int RunDerive(CliContext& context) {
    const auto& p = context.Args().positional;
    const auto output = context.Option("-o");
    if (p.size() != 2 || (p[0] != "weekly" && p[0] != "monthly") || !output) {
        context.Err() << "usage: korvo-cli derive weekly|monthly FILE.stk -o OUT.stk "
                         "[--append EXISTING.stk]\n";
        return 2;
    }
    auto series = std::make_unique<data::PriceSeries>();
    data::DataState state;
    data::DataEffects effects;

    // The daily file is opened and loaded first, as the commands only act on a
    // loaded daily series.
    const int loaded = LoadSeries(context, p[1], *series, state, effects);
    if (loaded < 0) {
        context.Out() << "result: " << loaded << "\n";
        return 1;
    }
    if (!data::IsDailyType(series->fileTypeId)) {
        context.Err() << "korvo-cli: " << p[1] << " is not a daily file (type "
                      << series->fileTypeId << ")\n";
        return 1;
    }

    const auto append = context.Option("--append");
    std::deque<platform::Answer> answers = {platform::Answer::Yes,
                                            append ? platform::Answer::Yes : platform::Answer::No};
    // Appending writes into the chosen file; the tool chooses a copy of EXISTING
    // made as OUT, so the output is always OUT and EXISTING stays as it is.
    const std::string out = fs::absolute(*output).string();
    std::optional<std::string> appendTo;
    if (append) {
        if (platform::CopyFileExpanding(fs::absolute(*append), out) != platform::kCopyOk) {
            context.Err() << "korvo-cli: cannot copy " << *append << " to " << *output << "\n";
            return 1;
        }
        appendTo = out;
    }
    CommandLineUser user(context.Prompts(), context.Err(), std::move(answers), appendTo, out);
    platform::NullProgress progress;
    data::LoadEnvironment deriveEnv{user, context.Clock(), context.Dir(), progress, {}};
    data::DataContext d{*series, state, deriveEnv, effects};
    const int result = p[0] == "weekly" ? data::MakeWeeklyFile(d) : data::MakeMonthlyFile(d);
    context.Out() << "result: " << result << "\n"
                  << "dataPath: " << series->dataPath << "\n";
    return result == 1 ? 0 : 1;
}

Command MakeDeriveCommand() {
    return Command{
        110,
        "derive",
        "derive weekly|monthly FILE.stk -o OUT.stk [--append EXISTING.stk]",
        "load the daily FILE and build its weekly or monthly file as the period commands do, "
        "saved as OUT; with --append, OUT is a copy of EXISTING with the new records appended "
        "(EXISTING is not changed); prints the result code (1 done) and the data file now "
        "current",
        {"-o", "--append"},
        {},
        RunDerive};
}

const bool registered = RegisterCommand(MakeDeriveCommand());

}  // namespace

}  // namespace korvo::cli
