// signals: the buy and sell points of the stochastics, the MACD, the parabolic
// SAR or the Shinohara ratio, written to their signal file as the chart writes
// it, and shown.
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "chart/chart.h"
#include "cli/chart_window_commands.h"
#include "cli/cli.h"
#include "cli/load_series.h"
#include "cli/period_option.h"
#include "data/data.h"
#include "indicators/indicators.h"
#include "platform/codec.h"
#include "platform/files.h"

namespace korvo::cli {

namespace {

int RunSignals(CliContext& context) {
    const auto& positional = context.Args().positional;
    const auto source = context.Option("--source");
    if (source && IsChartSignalSource(*source)) return RunChartSignals(context, *source);
    if (positional.size() != 1 || !source ||
        (*source != "sto" && *source != "mac" && *source != "sar" && *source != "sno")) {
        context.Err() << "usage: korvo-cli signals FILE.stk --source sto|mac|sar|sno "
                         "[--slow|--fast] [--period P ...]\n";
        return 2;
    }
    if (context.Flag("--slow") && context.Flag("--fast")) {
        context.Err() << "korvo-cli: give --slow or --fast, not both\n";
        return 2;
    }
    auto state = LayoutStateFromSettings(context);
    if (!state) return 2;
    const auto periods = ReadPeriods(context);
    if (!periods) return 2;
    auto period = [&](std::size_t i, int fallback) { return PeriodAt(*periods, i, fallback); };
    // The records carry the bars' x positions of the chart laid out here.
    if (!LoadAndLayOut(context, positional[0], *state)) {
        context.Err() << "korvo-cli: no chart of " << positional[0] << "\n";
        return 1;
    }
    const indicators::ParameterTable& t = state->indicators.table;
    indicators::SignalWritten written;
    const indicators::SignalOutput output{context.Dir(), written};
    const indicators::DrawTarget target(nullptr, nullptr, state->series, state->geometry);
    int result = 0;
    auto file = indicators::SignalFile::Stochastics;
    if (*source == "sto") {
        result = indicators::DrawStochastics(
            target, period(0, t.stochasticsPeriod),
            context.Flag("--fast") ? indicators::kStochasticsFast : indicators::kStochasticsSlow,
            output);
    } else if (*source == "mac") {
        file = indicators::SignalFile::Macd;
        result =
            indicators::DrawMacd(target, period(0, t.macdShortPeriod), period(1, t.macdLongPeriod),
                                 period(2, t.macdSignalPeriod), output);
    } else if (*source == "sar") {
        file = indicators::SignalFile::Sar;
        result = indicators::DrawParabolicSar(target, period(0, t.sarParameter), output);
    } else {
        file = indicators::SignalFile::Shinohara;
        result = indicators::DrawShinoharaRatio(target, indicators::ShinoharaPart::ArBr, output);
    }
    const std::filesystem::path path = context.Dir() / indicators::SignalFileName(file);
    if (result == indicators::kTooFewBars) {
        context.Err() << "korvo-cli: too few bars for the periods; no file written\n";
        return 1;
    }
    if (result == indicators::kSignalFileFailed) {
        context.Err() << "korvo-cli: cannot write " << path.string() << "\n";
        return 1;
    }
    const auto bytes = platform::ReadWholeFile(path);
    if (!bytes) {
        context.Err() << "korvo-cli: cannot read back " << path.string() << "\n";
        return 1;
    }
    context.Out() << platform::Cp932ToUtf8Lossy(*bytes) << "\n";
    return 0;
}

Command MakeSignalsCommand() {
    return Command{
        125,
        "signals",
        "signals FILE.stk --source sto|mac|sar|sno|stp|brk|trd [--slow|--fast] [--period P ...] "
        "[--percent P | --amount A] [--settings korvo.ips]",
        "load FILE, lay the chart out at 100 % and write the signal file of the slow (default) "
        "or fast stochastics (bs.sto), of the MACD (bs.mac), of the parabolic SAR (bs.sar) or "
        "of the Shinohara ratio (bs.sno, at least 80 bars) into --dir as the chart does, then "
        "print it (converted to UTF-8, with a final newline the file does not have). --period "
        "gives the stochastics period, the MACD's short, long and signal periods, or the SAR's "
        "start length; the others come from --settings or the standard parameter table. stp, brk "
        "and trd write bs.stp, bs.brk or bs.trd of the step, brick or trident chart as their "
        "windows do; --percent P sets the reversal or brick percentage, --amount A a fixed "
        "amount instead (default: the percentage of --settings, else 3)",
        {"--source", "--period", "--settings", "--percent", "--amount"},
        {"--slow", "--fast"},
        RunSignals};
}

const bool registered = RegisterCommand(MakeSignalsCommand());

}  // namespace

}  // namespace korvo::cli
