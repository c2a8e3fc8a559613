#include "app/settings_file.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <type_traits>
#include <variant>

#include "platform/codec.h"
#include "platform/files.h"

namespace korvo::app {

namespace {

using platform::Colour;

// A field the reader skips; the writer puts the value there.
struct Reserved {
    std::int32_t value = 0;
};

enum class Word { None, DataPath, ExitDirectory };

// One field of the file. `line` is the physical line the writer puts it on: the
// parameter table takes two, so the custom scale factors end up on line 14.
template <class State>
struct Field {
    template <class T>
    using Ptr = std::conditional_t<std::is_const_v<State>, const T*, T*>;
    using Target = std::variant<Reserved, Ptr<std::int32_t>, Ptr<bool>, Ptr<Colour>, Ptr<float>,
                                Ptr<std::string>>;

    int line;
    std::string_view name;  // empty: not shown (reserved, or a value written twice)
    Target target;
    Word word = Word::None;
};

constexpr int kPathLine = 3;
constexpr int kTableSecondLine = 12;
constexpr int kLastLine = 14;

// The file's fields in order. Works on a const state for writing and a mutable
// one for reading, so both always walk the same list.
template <class State>
std::vector<Field<State>> FieldsOf(State& s) {
    using F = Field<State>;
    std::vector<F> f;
    f.reserve(130);
    auto& c = s.colours;
    // Line 1: the pending colour element, nineteen element colours, one reserved.
    f.push_back(F{1, "colours.pendingElement", &c.pendingElement});
    f.push_back(F{1, "colours.movingAverage1", &c.movingAverage1});
    f.push_back(F{1, "colours.lines", &c.lines});
    f.push_back(F{1, "colours.risingBars", &c.risingBars});
    f.push_back(F{1, "colours.fallingBars", &c.fallingBars});
    f.push_back(F{1, "colours.frame", &c.frame});
    f.push_back(F{1, "colours.grid", &c.grid});
    f.push_back(F{1, "colours.titleText", &c.titleText});
    f.push_back(F{1, "colours.dateText", &c.dateText});
    f.push_back(F{1, "colours.scaleText", &c.scaleText});
    f.push_back(F{1, "colours.priceArea", &c.priceArea});
    f.push_back(F{1, "colours.annotation", &c.annotation});
    f.push_back(F{1, "colours.element11", &c.element11});
    f.push_back(F{1, "colours.graphArea", &c.graphArea});
    f.push_back(F{1, "colours.movingAverage2", &c.movingAverage2});
    f.push_back(F{1, "colours.bollinger", &c.bollinger});
    f.push_back(F{1, "colours.volumeAverage", &c.volumeAverage});
    f.push_back(F{1, "colours.element33", &c.element33});
    f.push_back(F{1, "colours.element34", &c.element34});
    f.push_back(F{1, "colours.element35", &c.element35});
    f.push_back(F{1, "", Reserved{}});
    // Line 2: display start.
    f.push_back(F{2, "series.plotStartYear", &s.series.plotStartYear});
    f.push_back(F{2, "series.plotStartMonth", &s.series.plotStartMonth});
    f.push_back(F{2, "", Reserved{}});
    // Line 3: the two paths.
    f.push_back(F{3, "series.dataPath", &s.series.dataPath, Word::DataPath});
    f.push_back(F{3, "exitDirectory", &s.exitDirectory, Word::ExitDirectory});
    // Line 4: annotation tool state.
    auto& a = s.annotation.toolState;
    f.push_back(F{4, "annotation.toolState[0]", &a[0]});
    f.push_back(F{4, "annotation.toolState[1]", &a[1]});
    f.push_back(F{4, "annotation.toolState[2]", &a[2]});
    f.push_back(F{4, "annotation.toolState[3]", &a[3]});
    f.push_back(F{4, "annotation.toolState[4]", &a[4]});
    f.push_back(F{4, "", Reserved{}});
    // Line 5: size factors.
    f.push_back(F{5, "view.horizontalScale", &s.view.horizontalScale});
    f.push_back(F{5, "view.verticalScale", &s.view.verticalScale});
    // Line 6: overlay switches and the saved scroll position.
    auto& ch = s.chart;
    f.push_back(F{6, "chart.bollinger", &ch.bollinger});
    f.push_back(F{6, "chart.shinoharaCr", &ch.shinoharaCr});
    f.push_back(F{6, "chart.parabolicSar", &ch.parabolicSar});
    f.push_back(F{6, "chart.candlestick", &ch.candlestick});
    f.push_back(F{6, "chart.psychologicalLine", &ch.psychologicalLine});
    f.push_back(F{6, "chart.lineCompanion", &ch.lineCompanion});
    f.push_back(F{6, "chart.movingAverage1", &ch.movingAverage1});
    f.push_back(F{6, "chart.movingAverage2", &ch.movingAverage2});
    f.push_back(F{6, "view.savedScrollX", &s.view.savedScrollX});
    f.push_back(F{6, "view.savedScrollY", &s.view.savedScrollY});
    // Line 7: import format option, element 36, guide off, and fixed reserved values.
    f.push_back(F{7, "import.columnMapFixed", &s.import.columnMapFixed});
    f.push_back(F{7, "", Reserved{}});
    f.push_back(F{7, "colours.element36", &c.element36});
    for (int i = 0; i < 3; ++i)
        f.push_back(F{7, "", Reserved{}});
    f.push_back(F{7, "guideOff", &s.guideOff});
    for (int i = 0; i < 4; ++i)
        f.push_back(F{7, "", Reserved{}});
    for (std::int32_t v : {4, 0, 2, 2, 9, 0, 0, 0, 0})
        f.push_back(F{7, "", Reserved{v}});
    // Line 8: the import's search range.
    auto& im = s.import;
    f.push_back(F{8, "import.searchStartYear", &im.searchStartYear});
    f.push_back(F{8, "import.searchStartMonth", &im.searchStartMonth});
    f.push_back(F{8, "import.searchStartDay", &im.searchStartDay});
    f.push_back(F{8, "import.searchEndYear", &im.searchEndYear});
    f.push_back(F{8, "import.searchEndMonth", &im.searchEndMonth});
    f.push_back(F{8, "import.searchEndDay", &im.searchEndDay});
    // Line 9: daily and weekly averages, RCI.
    auto& ind = s.indicators;
    f.push_back(F{9, "indicators.maDaily1", &ind.maDaily1});
    f.push_back(F{9, "indicators.maDaily2", &ind.maDaily2});
    f.push_back(F{9, "indicators.maWeekly1", &ind.maWeekly1});
    f.push_back(F{9, "indicators.maWeekly2", &ind.maWeekly2});
    f.push_back(F{9, "indicators.rciTypedPeriod", &ind.rciTypedPeriod});
    f.push_back(F{9, "indicators.rciSeries", &ind.rciSeries});
    // Line 10: inverse watch, Shinohara, monthly averages, the indicator panel.
    f.push_back(F{10, "altCharts.watchPeriod", &s.altCharts.watchPeriod});
    f.push_back(F{10, "indicators.shinoharaPeriod", &ind.shinoharaPeriod});
    f.push_back(F{10, "indicators.maMonthly1", &ind.maMonthly1});
    f.push_back(F{10, "indicators.maMonthly2", &ind.maMonthly2});
    f.push_back(F{10, "", Reserved{}});
    f.push_back(F{10, "", Reserved{}});
    f.push_back(F{10, "chart.subPanelIndicator", &ch.subPanelIndicator});
    // Lines 11 and 12: the parameter table, ten values then twelve. The
    // directional-movement period is written twice; reading it twice lets the
    // second one win.
    auto& t = ind.table;
    f.push_back(F{11, "indicators.table.bollingerPeriod", &t.bollingerPeriod});
    f.push_back(F{11, "indicators.table.psychologicalPeriod", &t.psychologicalPeriod});
    f.push_back(F{11, "indicators.table.volumeRatioPeriod", &t.volumeRatioPeriod});
    f.push_back(F{11, "indicators.table.volumeAveragePeriod", &t.volumeAveragePeriod});
    f.push_back(F{11, "indicators.table.ichimokuShortPeriod", &t.ichimokuShortPeriod});
    f.push_back(F{11, "indicators.table.ichimokuLongPeriod", &t.ichimokuLongPeriod});
    f.push_back(F{11, "indicators.table.sarParameter", &t.sarParameter});
    f.push_back(F{11, "indicators.table.rsiPeriod", &t.rsiPeriod});
    f.push_back(F{11, "indicators.table.deviationPeriodA", &t.deviationPeriodA});
    f.push_back(F{11, "indicators.table.deviationPeriodB", &t.deviationPeriodB});
    f.push_back(F{12, "indicators.table.stochasticsPeriod", &t.stochasticsPeriod});
    f.push_back(F{12, "indicators.table.macdShortPeriod", &t.macdShortPeriod});
    f.push_back(F{12, "indicators.table.macdLongPeriod", &t.macdLongPeriod});
    f.push_back(F{12, "indicators.table.macdSignalPeriod", &t.macdSignalPeriod});
    f.push_back(F{12, "indicators.table.rciPeriod", &t.rciPeriod});
    f.push_back(F{12, "indicators.table.momentumPeriod", &t.momentumPeriod});
    f.push_back(F{12, "indicators.table.directionalPeriod", &t.directionalPeriod});
    f.push_back(F{12, "", &t.directionalPeriod});
    f.push_back(F{12, "indicators.table.spareParameter1", &t.spareParameter1});
    f.push_back(F{12, "indicators.table.spareParameter2", &t.spareParameter2});
    f.push_back(F{12, "indicators.table.percentRPeriod", &t.percentRPeriod});
    f.push_back(F{12, "indicators.table.envelopePeriod", &t.envelopePeriod});
    // Line 13: box sizes of the non-time-series charts.
    auto& alt = s.altCharts;
    f.push_back(F{13, "altCharts.stepPercent", &alt.stepPercent});
    f.push_back(F{13, "altCharts.stepAmount", &alt.stepAmount});
    f.push_back(F{13, "altCharts.pfPercent", &alt.pfPercent});
    f.push_back(F{13, "altCharts.pfAmount", &alt.pfAmount});
    f.push_back(F{13, "altCharts.brickPercent", &alt.brickPercent});
    f.push_back(F{13, "altCharts.brickAmount", &alt.brickAmount});
    // Line 14: custom size factors, no line end.
    f.push_back(F{14, "view.customHorizontalScale", &s.view.customHorizontalScale});
    f.push_back(F{14, "view.customVerticalScale", &s.view.customVerticalScale});
    return f;
}

// --- reading ---

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

// Whitespace-separated words. No CP932 trail byte is whitespace, so splitting
// byte by byte never cuts a double-byte character.
class Tokens {
  public:
    explicit Tokens(std::string_view text) : text_(text) {}
    std::optional<std::string_view> Next() {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
        if (pos_ == text_.size()) return std::nullopt;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !IsBlank(text_[pos_]))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<std::int64_t> ParseInteger(std::string_view token) {
    if (!token.empty() && token.front() == '+') token.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (ec != std::errc() || end != token.data() + token.size()) return std::nullopt;
    return value;
}

std::optional<std::int32_t> ParseInt32(std::string_view token) {
    const auto v = ParseInteger(token);
    if (!v || *v < std::numeric_limits<std::int32_t>::min() ||
        *v > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*v);
}

// Colours are written as signed 32-bit numbers; a flag byte with its top bit
// set therefore reads back from a negative value. Unsigned spellings are taken too.
std::optional<Colour> ParseColour(std::string_view token) {
    const auto v = ParseInteger(token);
    if (!v || *v < std::numeric_limits<std::int32_t>::min() ||
        *v > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<Colour>(static_cast<std::uint32_t>(*v));
}

std::optional<float> ParseReal(std::string_view token) {
    if (!token.empty() && token.front() == '+') token.remove_prefix(1);
    float value = 0.0f;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (ec != std::errc() || end != token.data() + token.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Stores one token into its field; false when the token does not fit it.
bool Store(Field<ProgramState>& field, std::string_view token) {
    return std::visit(
        [&](auto target) -> bool {
            using T = decltype(target);
            if constexpr (std::is_same_v<T, Reserved>) {
                return ParseInteger(token).has_value();
            } else if constexpr (std::is_same_v<T, std::int32_t*>) {
                const auto v = ParseInt32(token);
                if (v) *target = *v;
                return v.has_value();
            } else if constexpr (std::is_same_v<T, bool*>) {
                const auto v = ParseInt32(token);
                if (v) *target = *v != 0;
                return v.has_value();
            } else if constexpr (std::is_same_v<T, Colour*>) {
                const auto v = ParseColour(token);
                if (v) *target = *v;
                return v.has_value();
            } else if constexpr (std::is_same_v<T, float*>) {
                const auto v = ParseReal(token);
                if (v) *target = *v;
                return v.has_value();
            } else {
                *target = platform::Cp932ToUtf8Lossy(DecodePathWord(token));
                return true;
            }
        },
        field.target);
}

// A size factor not above 0 or above 3 is replaced by the standard one.
void CorrectScale(float& factor, float standard) {
    if (!(factor > 0.0f) || factor > 3.0f) factor = standard;
}

// --- writing ---

std::string FormatReal(float value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%f", static_cast<double>(value));
    return buffer;
}

std::string PathWord(const std::string& utf8, const std::string& fallbackUtf8) {
    const std::string& text = utf8.empty() ? fallbackUtf8 : utf8;
    std::optional<std::string> cp932 = platform::Utf8ToCp932(text);
    // A path no CP932 text can spell cannot be kept; the fallback keeps the file sound.
    if (!cp932) cp932 = platform::Utf8ToCp932(fallbackUtf8);
    return EncodePathWord(cp932.value_or("."));
}

std::string Token(const Field<const ProgramState>& field, const ProgramState& state) {
    return std::visit(
        [&](auto target) -> std::string {
            using T = decltype(target);
            if constexpr (std::is_same_v<T, Reserved>) {
                return std::to_string(target.value);
            } else if constexpr (std::is_same_v<T, const std::int32_t*>) {
                return std::to_string(*target);
            } else if constexpr (std::is_same_v<T, const bool*>) {
                return *target ? "1" : "0";
            } else if constexpr (std::is_same_v<T, const Colour*>) {
                return std::to_string(static_cast<std::int32_t>(*target));
            } else if constexpr (std::is_same_v<T, const float*>) {
                return FormatReal(*target);
            } else if (field.word == Word::DataPath) {
                return PathWord(*target, kNoDataFileName);
            } else {
                // Nothing captured an exit folder yet: the start directory is where we are.
                const std::string start =
                    state.startDirectory.empty() ? std::string(".") : state.startDirectory.string();
                return PathWord(*target, start);
            }
        },
        field.target);
}

std::string DescribeValue(const Field<const ProgramState>& field) {
    return std::visit(
        [&](auto target) -> std::string {
            using T = decltype(target);
            if constexpr (std::is_same_v<T, Reserved>) {
                return std::to_string(target.value);
            } else if constexpr (std::is_same_v<T, const std::int32_t*>) {
                return std::to_string(*target);
            } else if constexpr (std::is_same_v<T, const bool*>) {
                return *target ? "1" : "0";
            } else if constexpr (std::is_same_v<T, const Colour*>) {
                char buffer[16];
                std::snprintf(buffer, sizeof buffer, "0x%06X", static_cast<unsigned>(*target));
                return buffer;
            } else if constexpr (std::is_same_v<T, const float*>) {
                return FormatReal(*target);
            } else {
                return *target;
            }
        },
        field.target);
}

}  // namespace

std::filesystem::path SettingsPath(const std::filesystem::path& startDirectory) {
    return startDirectory / kSettingsFileName;
}

int ReadSettings(ProgramState& state, const std::filesystem::path& path) {
    const std::optional<std::string> text = platform::ReadWholeFile(path);
    if (!text) return -1;
    Tokens tokens(*text);
    for (auto& field : FieldsOf(state)) {
        const std::optional<std::string_view> token = tokens.Next();
        if (!token || !Store(field, *token)) break;
    }
    CorrectScale(state.view.horizontalScale, 0.2f);
    CorrectScale(state.view.verticalScale, 0.8f);
    CorrectScale(state.view.customHorizontalScale, 0.2f);
    CorrectScale(state.view.customVerticalScale, 0.8f);
    state.viewMode = kViewOpeningScreen;
    return 0;
}

std::string FormatSettings(const ProgramState& state) {
    const auto fields = FieldsOf(state);
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto& field = fields[i];
        out += Token(field, state);
        const bool lastOfLine = i + 1 == fields.size() || fields[i + 1].line != field.line;
        if (field.line == kPathLine) {
            out += lastOfLine ? "\n" : "\t";
        } else if (!lastOfLine) {
            out += ' ';
        } else if (field.line == kTableSecondLine) {
            out += '\n';
        } else if (field.line == kLastLine) {
            out += ' ';
        } else {
            out += " \n";
        }
    }
    return out;
}

int WriteSettings(const ProgramState& state, const std::filesystem::path& path) {
    return platform::WriteFileAtomically(path, FormatSettings(state)) ? 0 : -1;
}

std::vector<SettingsField> DescribeSettings(const ProgramState& state) {
    std::vector<SettingsField> out;
    const auto fields = FieldsOf(state);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name.empty()) continue;
        out.push_back(SettingsField{static_cast<int>(i), std::string(fields[i].name),
                                    DescribeValue(fields[i])});
    }
    return out;
}

}  // namespace korvo::app
