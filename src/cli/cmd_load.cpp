// load: the load pipeline the program runs on every open, headless.
#include <cstdio>
#include <memory>
#include <ostream>

#include "cli/cli.h"
#include "cli/load_series.h"
#include "data/data.h"
#include "platform/codec.h"

namespace korvo::cli {

namespace {

// Enough digits to read every float back exactly.
std::string FloatText(float value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string DateText(const data::PriceSeries& s, int i) {
    const auto at = static_cast<std::size_t>(i);
    return std::to_string(s.year[at]) + "/" + std::to_string(s.month[at]) + "/" +
           std::to_string(s.day[at]);
}

void PrintSeries(std::ostream& out, int result, const data::PriceSeries& s, bool bars) {
    const int n = s.barCount;
    out << "result: " << result << "\n"
        << "barCount: " << n << "\n"
        << "fileTypeId: " << s.fileTypeId << "\n"
        << "title: " << s.title << "\n"
        << "subtitle: " << s.subtitle << "\n"
        << "unitLabel: " << s.unitLabel << "\n"
        << "marketCode: " << s.marketCode << "\n"
        << "fileStartYear: " << s.fileStartYear << "\n"
        << "fileStartMonth: " << s.fileStartMonth << "\n"
        << "plotStartYear: " << s.plotStartYear << "\n"
        << "plotStartMonth: " << s.plotStartMonth << "\n"
        << "volumeDivisor: " << s.volumeDivisor << "\n"
        << "maxHigh: " << FloatText(s.maxHigh) << "\n"
        << "minLow: " << FloatText(s.minLow) << "\n"
        << "rawMaxHigh: " << FloatText(s.rawMaxHigh) << "\n"
        << "rawMinLow: " << FloatText(s.rawMinLow) << "\n"
        << "loadMaxHigh: " << FloatText(s.loadMaxHigh) << "\n"
        << "loadMinLow: " << FloatText(s.loadMinLow) << "\n"
        << "maxVolume: " << s.maxVolume << "\n"
        << "peakVolume: " << s.peakVolume << "\n"
        << "first: " << (n > 0 ? DateText(s, 0) : "") << "\n"
        << "last: " << (n > 0 ? DateText(s, n - 1) : "") << "\n"
        << "chrFileName: " << (s.hasChrFile ? platform::Cp932ToUtf8Lossy(s.chrFileName) : "")
        << "\n"
        << "boxFileName: " << (s.hasBoxFile ? platform::Cp932ToUtf8Lossy(s.boxFileName) : "")
        << "\n";
    if (!bars) return;
    for (int i = 0; i < n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        out << "bar: " << DateText(s, i) << " " << FloatText(s.open[at]) << " "
            << FloatText(s.high[at]) << " " << FloatText(s.low[at]) << " " << FloatText(s.close[at])
            << " " << s.volume[at] << " " << FloatText(s.rawVolume[at]) << "\n";
    }
}

int RunLoad(CliContext& context) {
    const auto& p = context.Args().positional;
    if (p.size() != 1) {
        context.Err() << "usage: korvo-cli load FILE.stk [--bars] [--plot-start YYYY-MM]\n";
        return 2;
    }
    auto series = std::make_unique<data::PriceSeries>();
    if (const auto problem = ReadPlotStartOption(context, *series)) {
        context.Err() << "korvo-cli: " << *problem << "\n";
        return 2;
    }
    data::DataState state;
    data::DataEffects effects;
    const int result = LoadSeries(context, p[0], *series, state, effects);
    PrintSeries(context.Out(), result, *series, context.Flag("--bars"));
    return result >= 0 ? 0 : 1;
}

Command MakeLoadCommand() {
    return Command{
        100,
        "load",
        "load FILE.stk [--bars] [--plot-start YYYY-MM]",
        "open FILE as the program does (copy to korvo.TMP in --dir, normalise, scan, load) and "
        "print the series as name: value lines; --bars adds one line per bar (date, open, high, "
        "low, close, volume, rawVolume); --plot-start sets the first month loaded",
        {"--plot-start"},
        {"--bars"},
        RunLoad};
}

const bool registered = RegisterCommand(MakeLoadCommand());

}  // namespace

}  // namespace korvo::cli
