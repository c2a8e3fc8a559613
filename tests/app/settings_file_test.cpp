#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include "platform/codec.h"
#include "support/cli_run.h"
#include "support/shipped_files.h"
#include "support/temp_dir.h"

namespace korvo::app {
namespace {

std::unique_ptr<ProgramState> NewState() {
    return std::make_unique<ProgramState>();
}

// A value in every field, each different from its default.
void FillDistinctValues(ProgramState& s) {
    auto& c = s.colours;
    c.pendingElement = 13;
    c.movingAverage1 = 113;
    c.lines = 101;
    c.risingBars = 102;
    c.fallingBars = 103;
    c.frame = 104;
    c.grid = 105;
    c.titleText = 0x20202009;
    c.dateText = 107;
    c.scaleText = 108;
    c.priceArea = 109;
    c.annotation = 110;
    c.element11 = 0xFF000001;  // a flag byte with its top bit set
    c.graphArea = 112;
    c.movingAverage2 = 114;
    c.bollinger = 131;
    c.volumeAverage = 132;
    c.element33 = 133;
    c.element34 = 134;
    c.element35 = 135;
    c.element36 = 136;
    s.series.plotStartYear = 1998;
    s.series.plotStartMonth = 4;
    s.series.dataPath = "/data/ab.stk";
    s.exitDirectory = "/home/user";
    s.annotation.toolState = {1, 2, 3, 4, 5};
    s.view.horizontalScale = 1.5f;
    s.view.verticalScale = 0.25f;
    auto& ch = s.chart;
    ch.bollinger = true;
    ch.shinoharaCr = false;
    ch.parabolicSar = true;
    ch.candlestick = false;
    ch.psychologicalLine = true;
    ch.lineCompanion = true;
    ch.movingAverage1 = false;
    ch.movingAverage2 = true;
    s.view.savedScrollX = 120;
    s.view.savedScrollY = -7;
    s.import.columnMapFixed = 1;
    s.guideOff = true;
    s.import.searchStartYear = 2001;
    s.import.searchStartMonth = 2;
    s.import.searchStartDay = 3;
    s.import.searchEndYear = 2004;
    s.import.searchEndMonth = 5;
    s.import.searchEndDay = 6;
    auto& ind = s.indicators;
    ind.maDaily1 = 21;
    ind.maDaily2 = 42;
    ind.maWeekly1 = 11;
    ind.maWeekly2 = 22;
    ind.rciTypedPeriod = 17;
    ind.rciSeries = 3;
    s.altCharts.watchPeriod = 33;
    ind.shinoharaPeriod = 27;
    ind.maMonthly1 = 4;
    ind.maMonthly2 = 8;
    ch.subPanelIndicator = 81;
    ind.table = {11, 13, 15, 12, 8, 27, 6, 16, 9, 31, 12, 11, 25, 8, 16, 29, 17, 15, 8, 13, 31};
    s.altCharts.stepPercent = 2.5f;
    s.altCharts.stepAmount = 0.75f;
    s.altCharts.pfPercent = 1.25f;
    s.altCharts.pfAmount = 0.5f;
    s.altCharts.brickPercent = 3.5f;
    s.altCharts.brickAmount = 0.125f;
    s.view.customHorizontalScale = 3.0f;
    s.view.customVerticalScale = 0.5f;
}

// What the program writes for FillDistinctValues.
constexpr const char* kDistinctFile =
    "13 113 101 102 103 104 105 538976265 107 108 109 110 -16777215 112 114 131 132 133 134 "
    "135 0 \n"
    "1998 4 0 \n"
    "/data/ab.stk\t/home/user\n"
    "1 2 3 4 5 0 \n"
    "1.500000 0.250000 \n"
    "1 0 1 0 1 1 0 1 120 -7 \n"
    "1 0 136 0 0 0 1 0 0 0 0 4 0 2 2 9 0 0 0 0 \n"
    "2001 2 3 2004 5 6 \n"
    "21 42 11 22 17 3 \n"
    "33 27 4 8 0 0 81 \n"
    "11 13 15 12 8 27 6 16 9 31 \n"
    "12 11 25 8 16 29 17 17 15 8 13 31\n"
    "2.500000 0.750000 1.250000 0.500000 3.500000 0.125000 \n"
    "3.000000 0.500000 ";

std::map<std::string, std::string> Values(const ProgramState& s) {
    std::map<std::string, std::string> out;
    for (const auto& f : DescribeSettings(s))
        out[f.name] = f.value;
    return out;
}

TEST(SettingsFile, WritesEveryFieldInItsPlaceAndLayout) {
    auto state = NewState();
    FillDistinctValues(*state);
    EXPECT_EQ(FormatSettings(*state), kDistinctFile);

    test::TempDir dir;
    ASSERT_EQ(WriteSettings(*state, SettingsPath(dir.Path())), 0);
    EXPECT_EQ(test::ReadFile(dir / "korvo.ips"), kDistinctFile);
    // A folder that does not exist cannot take the file.
    EXPECT_EQ(WriteSettings(*state, dir / "missing" / "korvo.ips"), -1);
}

TEST(SettingsFile, ReadsEveryFieldBackUnchanged) {
    test::TempDir dir;
    const auto path = dir.Write("korvo.ips", kDistinctFile);
    auto expected = NewState();
    FillDistinctValues(*expected);
    auto state = NewState();
    state->viewMode = kViewChart;
    ASSERT_EQ(ReadSettings(*state, path), 0);
    EXPECT_EQ(Values(*state), Values(*expected));
    EXPECT_EQ(state->viewMode, kViewOpeningScreen);
    // Colours with a flag byte come back exactly, top bit and all.
    EXPECT_EQ(state->colours.titleText, 0x20202009u);
    EXPECT_EQ(state->colours.element11, 0xFF000001u);
    EXPECT_EQ(state->series.dataPath, "/data/ab.stk");
    EXPECT_EQ(state->indicators.table, expected->indicators.table);
    // Reading again after writing gives the same bytes.
    auto copy = NewState();
    ASSERT_EQ(WriteSettings(*state, dir / "again.ips"), 0);
    ASSERT_EQ(ReadSettings(*copy, dir / "again.ips"), 0);
    EXPECT_EQ(test::ReadFile(dir / "again.ips"), kDistinctFile);
    EXPECT_EQ(Values(*copy), Values(*expected));
}

TEST(SettingsFile, CorrectsScaleFactorsOutOfRange) {
    struct Case {
        const char* given;
        float horizontal;
        float vertical;
    };
    const Case cases[] = {
        {"0 0", 0.2f, 0.8f},
        {"-1 -1", 0.2f, 0.8f},
        {"3.5 4", 0.2f, 0.8f},
        {"3 3", 3.0f, 3.0f},
        {"3.000001 0.05", 0.2f, 0.05f},
        {"0.000001 2.999999", 0.000001f, 2.999999f},
    };
    auto filled = NewState();
    FillDistinctValues(*filled);
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        // The size factors of line 5 and the custom ones of the last line.
        std::string text = kDistinctFile;
        text.replace(text.find("1.500000 0.250000"), 17, c.given);
        text.replace(text.rfind("3.000000 0.500000"), 17, c.given);
        const auto path = dir.Write("korvo.ips", text);
        auto state = NewState();
        ASSERT_EQ(ReadSettings(*state, path), 0);
        EXPECT_FLOAT_EQ(state->view.horizontalScale, c.horizontal);
        EXPECT_FLOAT_EQ(state->view.verticalScale, c.vertical);
        EXPECT_FLOAT_EQ(state->view.customHorizontalScale, c.horizontal);
        EXPECT_FLOAT_EQ(state->view.customVerticalScale, c.vertical);
        // Nothing after the factors moved.
        EXPECT_EQ(state->indicators.table, filled->indicators.table);
        EXPECT_EQ(test::ReadFile(path), text);
    }
}

// Every field read before the cut comes from the file, every one after keeps
// the value it had.
TEST(SettingsFile, ShortFileKeepsTheValuesOfWhatIsMissing) {
    auto full = NewState();
    FillDistinctValues(*full);
    const std::string text = FormatSettings(*full);
    auto before = NewState();  // defaults, all different from the filled values
    const auto fromFile = Values(*full);
    const auto kept = Values(*before);
    const auto fields = DescribeSettings(*full);

    test::TempDir dir;
    auto blank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; };
    int tokens = 0;
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        // Cut at the start and right after each token.
        if (cut > 0) {
            if (blank(text[cut - 1]) || (cut < text.size() && !blank(text[cut]))) continue;
            ++tokens;
        }
        SCOPED_TRACE("cut after token " + std::to_string(tokens));
        const std::string prefix = text.substr(0, cut);
        const auto path = dir.Write("korvo.ips", prefix);
        auto state = NewState();
        ASSERT_EQ(ReadSettings(*state, path), 0);
        const auto got = Values(*state);
        for (const auto& f : fields) {
            const auto& want = f.token < tokens ? fromFile.at(f.name) : kept.at(f.name);
            EXPECT_EQ(got.at(f.name), want) << f.name;
        }
        EXPECT_EQ(test::ReadFile(path), prefix);
    }
    EXPECT_EQ(tokens, 113);
}

TEST(SettingsFile, StopsAtTheFirstDamagedField) {
    struct Case {
        const char* what;
        const char* from;
        const char* to;
        int lastGoodMaDaily;  // indicators.maDaily1 when the damage comes later
    };
    // Each replaces the RCI period on line 9 (after maDaily1) with something unreadable.
    const Case cases[] = {
        {"letters after digits", "21 42 11 22 17 3", "21 42 11 22 17x 3", 21},
        {"too large for 32 bits", "21 42 11 22 17 3", "21 42 11 22 4294967296 3", 21},
        {"a real where an integer goes", "21 42 11 22 17 3", "21 42 11 22 1.5 3", 21},
        {"a word in the first field", "13 113 101", "abc 113 101", 25},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string text = kDistinctFile;
        text.replace(text.find(c.from), std::string(c.from).size(), c.to);
        const auto path = dir.Write("korvo.ips", text);
        auto state = NewState();
        ASSERT_EQ(ReadSettings(*state, path), 0);
        EXPECT_EQ(state->indicators.maDaily1, c.lastGoodMaDaily);
        EXPECT_EQ(state->indicators.rciTypedPeriod, 15);  // the default, not read
        EXPECT_EQ(state->indicators.table.bollingerPeriod, 10);
        EXPECT_FLOAT_EQ(state->view.customHorizontalScale, 0.2f);
        EXPECT_EQ(test::ReadFile(path), text);
    }
    // A scale factor that is not a finite number stops the reading there; the
    // factor keeps its sound value.
    std::string text = kDistinctFile;
    text.replace(text.find("1.500000"), 8, "nan");
    auto state = NewState();
    ASSERT_EQ(ReadSettings(*state, dir.Write("korvo.ips", text)), 0);
    EXPECT_FLOAT_EQ(state->view.horizontalScale, 0.2f);
    EXPECT_EQ(state->annotation.toolState[4], 5);
    EXPECT_FALSE(state->chart.bollinger);
}

TEST(SettingsFile, DirectionalPeriodReadTwiceKeepsTheSecond) {
    std::string text = kDistinctFile;
    text.replace(text.find("29 17 17 15"), 11, "29 20 21 15");
    test::TempDir dir;
    auto state = NewState();
    ASSERT_EQ(ReadSettings(*state, dir.Write("korvo.ips", text)), 0);
    EXPECT_EQ(state->indicators.table.directionalPeriod, 21);
    EXPECT_EQ(state->indicators.table.spareParameter1, 15);
    EXPECT_EQ(state->indicators.table.envelopePeriod, 31);
}

TEST(SettingsFile, PathsWithBlanksNeverShiftLaterFields) {
    struct Case {
        std::string dataPath;
        std::string exitDirectory;
        std::string line3;  // CP932 bytes as written
    };
    const std::string toyota = *platform::Utf8ToCp932("トヨタ");
    const Case cases[] = {
        {"/home/u/My Data/a b.stk", "/tmp/x y", "/home/u/My%20Data/a%20b.stk\t/tmp/x%20y\n"},
        {"C:\\50% off\\x.stk", "/a\tb", "C:\\50%25%20off\\x.stk\t/a%09b\n"},
        {"/d/トヨタ 7203.stk", "/e", "/d/" + toyota + "%207203.stk\t/e\n"},
        // Nothing chosen yet: the data file is named korvo.dat, the exit folder is
        // the start directory, so line 3 always holds two words.
        {"", "", "korvo.dat\t/start%20dir\n"},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataPath);
        auto state = NewState();
        FillDistinctValues(*state);
        state->series.dataPath = c.dataPath;
        state->exitDirectory = c.exitDirectory;
        state->startDirectory = "/start dir";
        const auto path = dir / "korvo.ips";
        ASSERT_EQ(WriteSettings(*state, path), 0);
        const std::string written = test::ReadFile(path);
        std::size_t line3 = written.find('\n');
        line3 = written.find('\n', line3 + 1) + 1;
        EXPECT_EQ(written.substr(line3, c.line3.size()), c.line3);

        auto back = NewState();
        ASSERT_EQ(ReadSettings(*back, path), 0);
        EXPECT_EQ(back->series.dataPath, c.dataPath.empty() ? "korvo.dat" : c.dataPath);
        EXPECT_EQ(back->exitDirectory, c.exitDirectory.empty() ? "/start dir" : c.exitDirectory);
        auto want = Values(*state);
        auto got = Values(*back);
        want.erase("series.dataPath");
        want.erase("exitDirectory");
        got.erase("series.dataPath");
        got.erase("exitDirectory");
        EXPECT_EQ(got, want);
    }
}

TEST(SettingsFile, PathWordsDecodeOnlyWhatTheWriterEscapes) {
    // Paths written before blanks were escaped may hold a '%' of their own.
    EXPECT_EQ(DecodePathWord("C:\\100%\\a%41b%2"), "C:\\100%\\a%41b%2");
    EXPECT_EQ(DecodePathWord("a%20b%25c%0a%0D"), "a b%c\n\r");
    EXPECT_EQ(DecodePathWord(EncodePathWord("x % y\t")), "x % y\t");
    // A double-byte character whose second byte is '\' passes through untouched.
    const std::string so = *platform::Utf8ToCp932("ソ フト");
    EXPECT_EQ(EncodePathWord(so).find(' '), std::string::npos);
    EXPECT_EQ(DecodePathWord(EncodePathWord(so)), so);
}

TEST(SettingsFile, MissingFileIsRefusedAndChangesNothing) {
    test::TempDir dir;
    auto state = NewState();
    FillDistinctValues(*state);
    const auto before = Values(*state);
    state->viewMode = kViewChart;
    EXPECT_EQ(ReadSettings(*state, dir / "korvo.ips"), -1);
    EXPECT_EQ(ReadSettings(*state, dir.Path()), -1);  // a folder is no settings file
    EXPECT_EQ(Values(*state), before);
    EXPECT_EQ(state->viewMode, kViewChart);
    // An empty file opens: nothing is read, the view mode goes back to the opening screen.
    EXPECT_EQ(ReadSettings(*state, dir.Write("korvo.ips", "")), 0);
    EXPECT_EQ(Values(*state), before);
    EXPECT_EQ(state->viewMode, kViewOpeningScreen);
}

TEST(SettingsFile, ReadsWindowsLineEndsAndUnsignedColours) {
    std::string text = kDistinctFile;
    for (std::size_t pos = 0; (pos = text.find('\n', pos)) != std::string::npos; pos += 2) {
        text.insert(pos, "\r");
    }
    text.replace(text.find("-16777215"), 9, "4278190081");
    test::TempDir dir;
    auto state = NewState();
    ASSERT_EQ(ReadSettings(*state, dir.Write("korvo.ips", text)), 0);
    auto expected = NewState();
    FillDistinctValues(*expected);
    EXPECT_EQ(Values(*state), Values(*expected));
}

TEST(SettingsFile, ShippedFileHoldsTheStandardColoursAndDefaults) {
    const std::string shipped = test::ReadFile(test::ShippedSettings());
    auto state = NewState();
    EXPECT_EQ(shipped, FormatSettings(*state));
    // It starts the program: it reads, and gives the standard colour set.
    test::TempDir dir;
    auto read = NewState();
    read->colours.risingBars = 0;
    ASSERT_EQ(ReadSettings(*read, dir.Write("korvo.ips", shipped)), 0);
    EXPECT_EQ(read->colours.risingBars, 0x00FF00u);
    EXPECT_EQ(read->colours.graphArea, 0x5B005Bu);
    EXPECT_EQ(read->series.dataPath, "korvo.dat");
    EXPECT_EQ(read->indicators.table, indicators::StandardParameterTable());
}

TEST(SettingsFile, MonochromePrintGivesBackTheUsersColoursFromTheFile) {
    test::TempDir dir;
    auto state = NewState();
    state->startDirectory = dir.Path();
    state->colours.risingBars = 0x102030;
    state->colours.graphArea = 0x405060;
    state->viewMode = kViewChart;
    const auto path = SettingsPath(state->startDirectory);
    view::CreatePensAndBrushes(state->drawing, state->colours);

    view::MonochromeColours(state->colours, state->drawing,
                            [&] { EXPECT_EQ(WriteSettings(*state, path), 0); });
    EXPECT_EQ(state->drawing.upBarBrush.colour, 0x404040u);
    EXPECT_EQ(state->drawing.graphBackgroundBrush.colour, 0xFFFFFFu);

    view::RestoreColours(state->colours, state->drawing,
                         [&] { EXPECT_EQ(ReadSettings(*state, path), 0); });
    EXPECT_EQ(state->colours.risingBars, 0x102030u);
    EXPECT_EQ(state->drawing.upBarBrush.colour, 0x102030u);
    EXPECT_EQ(state->drawing.graphBackgroundBrush.colour, 0x405060u);
    EXPECT_EQ(state->colours.palette[10], 0x80FF80u);
    // Reading the file mid-run leaves the start directory where it is.
    EXPECT_EQ(state->startDirectory, dir.Path());
    EXPECT_EQ(state->exitDirectory, dir.Path().string());
}

using korvo::test::Cli;
using korvo::test::CliRun;

TEST(SettingsCli, PrintsEveryFieldAfterCorrectionsAndRewrites) {
    test::TempDir dir;
    std::string text = kDistinctFile;
    text.replace(text.find("1.500000 0.250000"), 17, "3.5 4");
    const auto path = dir.Write("korvo.ips", text);
    const CliRun run = Cli({"settings", path.string(), "--rewrite", (dir / "out.ips").string()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("view.horizontalScale: 0.200000\n"), std::string::npos);
    EXPECT_NE(run.out.find("view.verticalScale: 0.800000\n"), std::string::npos);
    EXPECT_NE(run.out.find("colours.titleText: 0x20202009\n"), std::string::npos);
    EXPECT_NE(run.out.find("series.dataPath: /data/ab.stk\n"), std::string::npos);
    EXPECT_NE(run.out.find("indicators.table.envelopePeriod: 31\n"), std::string::npos);
    std::string corrected = kDistinctFile;
    corrected.replace(corrected.find("1.500000 0.250000"), 17, "0.200000 0.800000");
    EXPECT_EQ(test::ReadFile(dir / "out.ips"), corrected);
    EXPECT_EQ(test::ReadFile(path), text);

    const CliRun missing = Cli({"settings", (dir / "none.ips").string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("cannot open"), std::string::npos);
    EXPECT_EQ(missing.out, "");
}

}  // namespace
}  // namespace korvo::app
