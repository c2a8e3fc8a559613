// datalist: the table the data list window shows for a file.
#include <memory>
#include <ostream>

#include "cli/cli.h"
#include "cli/load_series.h"
#include "lists/data_list.h"

namespace korvo::cli {

namespace {

int RunDataList(CliContext& context) {
    const auto& p = context.Args().positional;
    if (p.size() != 1) {
        context.Err() << "usage: korvo-cli datalist FILE.stk [--plot-start YYYY-MM]\n";
        return 2;
    }
    auto series = std::make_unique<data::PriceSeries>();
    if (const auto problem = ReadPlotStartOption(context, *series)) {
        context.Err() << "korvo-cli: " << *problem << "\n";
        return 2;
    }
    data::DataState state;
    data::DataEffects effects;
    LoadSeries(context, p[0], *series, state, effects);
    const auto list = lists::PrepareDataList(*series, context.Prompts());
    if (!list) return 1;
    context.Out() << "title: " << list->title << "\n"
                  << "lines: " << list->lineCount << "\n";
    // The window's lines end in CR LF; printed here with plain line ends.
    for (const char ch : list->lines)
        if (ch != '\r') context.Out() << ch;
    return 0;
}

Command MakeDataListCommand() {
    return Command{
        130,
        "datalist",
        "datalist FILE.stk [--plot-start YYYY-MM]",
        "load FILE as the program does and print what the data list window (ﾘｽﾄ表) shows: "
        "title: and lines: N, then one tab-separated line per bar, newest first (date, open, "
        "high, low, close, the close's change, the volume as read and its change; the oldest "
        "bar's changes are 0); above 3500 bars the DT001 warning and the newest 3499 only",
        {"--plot-start"},
        {},
        RunDataList};
}

const bool registered = RegisterCommand(MakeDataListCommand());

}  // namespace

}  // namespace korvo::cli
