// indicator: the points one indicator computes for the loaded series, as a
// table: the value before it is mapped and the layout y of every bar.
#include <charconv>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "chart/chart.h"
#include "cli/cli.h"
#include "cli/load_series.h"
#include "cli/period_option.h"
#include "data/data.h"
#include "indicators/indicators.h"

namespace korvo::cli {

namespace {

using indicators::IndicatorLine;

// One column pair of the table: the series' values and their layout y.
struct Column {
    std::string name;
    IndicatorLine line;
};

std::string FloatCell(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::optional<std::int32_t> DataSet(const std::string& name) {
    for (std::size_t i = 0; i < indicators::RciParamDialog::kDataSetLabels.size(); ++i)
        if (name == indicators::RciParamDialog::kDataSetLabels[i])
            return static_cast<std::int32_t>(i);
    return std::nullopt;
}

// The columns of the named indicator; empty when the name is unknown.
std::vector<Column> Compute(const std::string& name, const std::vector<int>& p,
                            const app::ProgramState& state, std::int32_t dataSet) {
    const data::PriceSeries& s = state.series;
    const chart::ChartGeometry& g = state.geometry;
    const indicators::IndicatorParams& params = state.indicators;
    const indicators::ParameterTable& t = params.table;
    using namespace indicators;
    if (name == "ma") {
        const int period = PeriodAt(p, 0, MovingAveragePeriod(params, s.fileTypeId, 1));
        return {{"ma", ComputeAverageLine(s, g, PricePanelAverage(g, period, kPenAverage1, 1))}};
    }
    if (name == "deviation")
        return {{"gap", ComputeDeviation(s, g, PeriodAt(p, 0, t.deviationPeriodA),
                                         PeriodAt(p, 1, t.deviationPeriodB))
                            .gap}};
    if (name == "psychological")
        return {{"up", ComputePsychologicalLine(s, g, PeriodAt(p, 0, t.psychologicalPeriod))}};
    if (name == "rsi") return {{"rsi", ComputeRsi(s, g, PeriodAt(p, 0, t.rsiPeriod), kModeRsi)}};
    if (name == "pctr")
        return {{"r", ComputeRsi(s, g, PeriodAt(p, 0, t.percentRPeriod), kModePercentR)}};
    if (name == "momentum")
        return {{"m", ComputeMomentum(s, g, PeriodAt(p, 0, t.momentumPeriod)).m}};
    if (name == "stoch-fast" || name == "stoch-slow") {
        const bool slow = name == "stoch-slow";
        Stochastics r = ComputeStochastics(s, g, PeriodAt(p, 0, t.stochasticsPeriod),
                                           slow ? kStochasticsSlow : kStochasticsFast);
        std::vector<Column> columns{{"k", std::move(r.k)}, {"d", std::move(r.d)}};
        if (slow) columns.push_back({"sd", std::move(r.sd)});
        return columns;
    }
    if (name == "rci") return {{"rci", ComputeRci(s, g, PeriodAt(p, 0, t.rciPeriod), dataSet)}};
    if (name == "macd") {
        Macd r = ComputeMacd(s, g, PeriodAt(p, 0, t.macdShortPeriod),
                             PeriodAt(p, 1, t.macdLongPeriod), PeriodAt(p, 2, t.macdSignalPeriod));
        return {{"macd", std::move(r.macd)}, {"signal", std::move(r.signal)}};
    }
    if (name == "dmi" || name == "adx") {
        DirectionalMovement r =
            ComputeDirectionalMovement(s, g, PeriodAt(p, 0, t.directionalPeriod));
        if (name == "adx") return {{"adx", std::move(r.adx)}, {"adxr", std::move(r.adxr)}};
        return {{"pdi", std::move(r.pdi)},
                {"mdi", std::move(r.mdi)},
                {"diff", std::move(r.difference)}};
    }
    if (name == "shinohara") {
        ShinoharaRatio r = ComputeShinoharaRatio(s, g);
        return {{"ar", std::move(r.ar)},
                {"br", std::move(r.br)},
                {"cr", std::move(r.belts[kShinoharaCrLine])}};
    }
    if (name == "bollinger") {
        Bollinger r = ComputeBollinger(s, g, PeriodAt(p, 0, t.bollingerPeriod));
        return {{"sigma", std::move(r.sigma)},
                {"ma", std::move(r.average)},
                {"upper", std::move(r.upper)},
                {"lower", std::move(r.lower)}};
    }
    if (name == "ichimoku") {
        Ichimoku r = ComputeIchimoku(s, g, PeriodAt(p, 0, t.ichimokuShortPeriod),
                                     PeriodAt(p, 1, t.ichimokuLongPeriod));
        return {{"conversion", std::move(r.conversion)},
                {"base", std::move(r.base)},
                {"span1", std::move(r.span1)},
                {"span2", std::move(r.span2)},
                {"lagging", std::move(r.lagging)}};
    }
    if (name == "sar")
        return {{"sar", ComputeParabolicSar(s, g, PeriodAt(p, 0, t.sarParameter)).sar}};
    if (name == "obv") return {{"obv", ComputeOnBalanceVolume(s, g).obv}};
    if (name == "volume-ratio")
        return {{"ratio", ComputeVolumeRatio(s, g, PeriodAt(p, 0, t.volumeRatioPeriod))}};
    return {};
}

void PrintTable(std::ostream& out, const data::PriceSeries& s, const std::vector<Column>& columns) {
    out << "date";
    for (const Column& c : columns)
        out << "\t" << (columns.size() == 1 ? std::string("value") : c.name) << "\ty_" << c.name;
    out << "\n";
    for (int i = 0; i < s.barCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        out << s.year[at] << "/" << static_cast<int>(s.month[at]) << "/"
            << static_cast<int>(s.day[at]);
        for (const Column& c : columns) {
            if (c.line.Has(i))
                out << "\t" << FloatCell(c.line.ValueAt(i)) << "\t" << c.line.YAt(i);
            else
                out << "\t\t";
        }
        out << "\n";
    }
}

int RunIndicator(CliContext& context) {
    const auto& positional = context.Args().positional;
    const auto name = context.Option("--name");
    if (positional.size() != 1 || !name) {
        context.Err() << "usage: korvo-cli indicator FILE.stk --name NAME [--period P ...]\n";
        return 2;
    }
    const auto periods = ReadPeriods(context);
    if (!periods) return 2;
    // Size factors 1,1 whatever the settings say: the table is in layout units.
    auto state = LayoutStateFromSettings(context);
    if (!state) return 2;
    std::int32_t dataSet = state->indicators.rciSeries;
    if (const auto set = context.Option("--data-set")) {
        const auto chosen = DataSet(*set);
        if (!chosen) {
            context.Err() << "korvo-cli: --data-set takes close, high, low, open or volume, not "
                          << *set << "\n";
            return 2;
        }
        dataSet = *chosen;
    }
    if (Compute(*name, {}, *state, dataSet).empty()) {
        context.Err() << "korvo-cli: no indicator named '" << *name
                      << "' (ma, deviation, psychological, rsi, pctr, momentum, stoch-fast, "
                         "stoch-slow, rci, macd, dmi, adx, shinohara, bollinger, ichimoku, sar, "
                         "obv, volume-ratio)\n";
        return 2;
    }
    if (!LoadAndLayOut(context, positional[0], *state)) {
        context.Err() << "korvo-cli: no chart of " << positional[0] << "\n";
        return 1;
    }
    PrintTable(context.Out(), state->series, Compute(*name, *periods, *state, dataSet));
    return 0;
}

Command MakeIndicatorCommand() {
    return Command{
        120,
        "indicator",
        "indicator FILE.stk --name NAME [--period P ...] [--settings korvo.ips] [--data-set SET]",
        "load FILE, lay the chart out at 100 % and print the points of one indicator as a "
        "tab-separated table: a header line, then per bar the date (Y/M/D) and for each series "
        "its value before mapping and its layout y (columns 'value' and 'y_NAME' for a one-line "
        "indicator, else NAME and y_NAME per series), empty where the bar has no point. NAME: ma "
        "(ma), deviation (gap), psychological (up), rsi (rsi), pctr (r), momentum (m), "
        "stoch-fast (k, d), stoch-slow (k, d, sd), rci (rci), macd (macd, signal), dmi (pdi, "
        "mdi, diff: ratios of the true range, 1 for 100 %), adx (adx, adxr), shinohara (ar, br, "
        "cr: ratios, 1 for 100 %; the period is always 26), bollinger (sigma, ma, upper, lower), "
        "ichimoku (conversion, base, span1, span2, lagging; the spans are drawn the long period "
        "of slots to the right, the lagging line as many to the left), sar (sar: the stop in "
        "force at each bar, drawn at the centre of the bar before), obv (obv: the running "
        "total), volume-ratio (ratio: whole percent). --period gives the periods in order "
        "(deviation A B; macd short long signal; ichimoku short long; sar the start length); "
        "the others come from --settings or the standard parameter table. --data-set (close, "
        "high, low, open, volume) is the series the RCI ranks",
        {"--name", "--period", "--settings", "--data-set"},
        {},
        RunIndicator};
}

const bool registered = RegisterCommand(MakeIndicatorCommand());

}  // namespace

}  // namespace korvo::cli
