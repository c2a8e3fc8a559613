// korvo-cli indicator and signals for the trend and volume indicators, and
// the overlay switches of render.
#include <gtest/gtest.h>

#include "data/data_fixture.h"
#include "platform/codec.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace korvo::indicators {
namespace {

using korvo::test::Cli;
using korvo::test::CliRun;
using korvo::test::Lines;

// `count` daily bars from 1 January 2024 (dates run on into February and
// March) closing at 100, 101, ..., each 5 above and below, volume 1000.
std::string RisingBars(int count) {
    std::vector<std::string> lines;
    int month = 1, day = 1;
    for (int i = 0; i < count; ++i) {
        const int c = 100 + i;
        lines.push_back(data::testing::Line(2024, month, day,
                                            std::to_string(c) + " " + std::to_string(c + 5) + " " +
                                                std::to_string(c - 5) + " " + std::to_string(c) +
                                                " 1000"));
        if (++day > 28) {
            day = 1;
            ++month;
        }
    }
    return data::testing::Stk(data::testing::Heading(210, "2024 1 1"), lines);
}

TEST(TrendCli, HeadersAndValuesOfEachIndicator) {
    korvo::test::TempDir dir;
    const std::string bytes = RisingBars(30);
    const auto file = dir.Write("thirty.stk", bytes);
    const struct {
        const char* name;
        const char* header;
    } cases[] = {
        {"dmi", "date\tpdi\ty_pdi\tmdi\ty_mdi\tdiff\ty_diff"},
        {"adx", "date\tadx\ty_adx\tadxr\ty_adxr"},
        {"shinohara", "date\tar\ty_ar\tbr\ty_br\tcr\ty_cr"},
        {"bollinger", "date\tsigma\ty_sigma\tma\ty_ma\tupper\ty_upper\tlower\ty_lower"},
        {"ichimoku",
         "date\tconversion\ty_conversion\tbase\ty_base\tspan1\ty_span1\tspan2\ty_span2\tlagging\t"
         "y_lagging"},
        {"sar", "date\tvalue\ty_sar"},
        {"obv", "date\tvalue\ty_obv"},
        {"volume-ratio", "date\tvalue\ty_ratio"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli({"indicator", file.string(), "--name", c.name, "--period", "5"});
        ASSERT_EQ(run.code, 0) << c.name << run.err;
        const auto lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 31u) << c.name;
        EXPECT_EQ(lines[0], c.header) << c.name;
    }
    // A steady rise: +DM 1 a day over a true range of 10, so PDI is 0.1 of 100 %.
    const auto dmi = Lines(Cli({"indicator", file.string(), "--name", "dmi", "--period", "5"}).out);
    EXPECT_EQ(dmi[6], "2024/1/6\t\t\t\t\t\t");
    EXPECT_EQ(dmi[7], "2024/1/7\t0.1\t1570\t0\t1650\t0.1\t1410");
    // Every close rose on volume: the ratio is 100 %, the top of the volume panel.
    const auto ratio =
        Lines(Cli({"indicator", file.string(), "--name", "volume-ratio", "--period", "4"}).out);
    EXPECT_EQ(ratio[5], "2024/1/5\t\t");
    EXPECT_EQ(ratio[6], "2024/1/6\t100\t1750");
    const auto obv = Lines(Cli({"indicator", file.string(), "--name", "obv"}).out);
    EXPECT_EQ(obv[1], "2024/1/1\t\t");
    EXPECT_EQ(obv[2], "2024/1/2\t1000\t1636");  // trunc(1650 - 1000 x 400 / 29000)
    EXPECT_EQ(obv[30], "2024/2/2\t29000\t1250");
    EXPECT_EQ(test::ReadFile(file), bytes);
}

TEST(TrendCli, SignalsOfTheSarAndTheShinoharaRatio) {
    korvo::test::TempDir dir;
    const auto file = dir.Write("ninety.stk", RisingBars(90));
    const auto work = dir / "work";
    std::filesystem::create_directory(work);
    const CliRun sar = Cli({"signals", file.string(), "--source", "sar", "--dir", work.string()});
    ASSERT_EQ(sar.code, 0) << sar.err;
    EXPECT_EQ(sar.out, platform::Cp932ToUtf8(test::ReadFile(work / "bs.sar")).value() + "\n");
    const auto lines = Lines(sar.out);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], " Title―ﾊﾟﾗﾎﾞﾘｯｸ(SAR)");
    EXPECT_EQ(lines[1], " 0 2024 1 1 100.00 0 0");
    // Rising closes over the first five bars: a sell at bar 5 to start with.
    EXPECT_EQ(lines[2].substr(0, 12), " 7 2024 1 6 ");
    EXPECT_EQ(lines[2].substr(lines[2].size() - 4), " 5 1");

    const CliRun sno = Cli({"signals", file.string(), "--source", "sno", "--dir", work.string()});
    ASSERT_EQ(sno.code, 0) << sno.err;
    const auto sn = Lines(sno.out);
    ASSERT_EQ(sn.size(), 3u);  // an even rise never crosses the belts
    EXPECT_EQ(sn[0], " Title―篠原レシオ (26)");
    EXPECT_EQ(sn[1].substr(0, 12), " 0 2024 1 1 ");
    EXPECT_EQ(sn[2].substr(sn[2].size() - 5), " 89 0");

    // The Shinohara ratio needs 80 bars: no file from 79.
    const auto short79 = dir.Write("short.stk", RisingBars(79));
    const CliRun few =
        Cli({"signals", short79.string(), "--source", "sno", "--dir", (dir / "few").string()});
    EXPECT_EQ(few.code, 1);
    EXPECT_NE(few.err.find("too few bars"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "few" / "bs.sno"));
}

TEST(TrendCli, RenderSwitchesShowEveryOverlay) {
    korvo::test::TempDir dir;
    const auto file = dir.Write("ninety.stk", RisingBars(90));
    const CliRun run =
        Cli({"render", file.string(), "--trace", "--on", "sar,cr,ichimoku,volume-average",
             "--indicator", "72", "--dir", dir.Path().string()});
    ASSERT_EQ(run.code, 0) << run.err;
    for (const char* text :
         {"\"ﾊﾟﾗﾎﾞﾘｯｸ\"", "\"―　CR\"", "\" Span 2\"", "\" 転換線\"", "\"26 day/week Retard\"",
          "\" PDI - MDI\"", "\"10 日移動平均線\"", "\" Volume Ratio(14)\""})
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
    EXPECT_TRUE(std::filesystem::exists(dir / "bs.sar"));
    EXPECT_TRUE(std::filesystem::exists(dir / "bs.sno"));
    // The bands take the indicator panel for their deviation, and give way to the SAR.
    const CliRun bands = Cli(
        {"render", file.string(), "--trace", "--on", "bollinger", "--dir", dir.Path().string()});
    ASSERT_EQ(bands.code, 0) << bands.err;
    EXPECT_NE(bands.out.find("\" Bollinger - 標準偏差\""), std::string::npos);
    const CliRun both = Cli({"render", file.string(), "--trace", "--on", "bollinger,sar", "--dir",
                             dir.Path().string()});
    ASSERT_EQ(both.code, 0) << both.err;
    EXPECT_EQ(both.out.find("\" Bollinger - 標準偏差\""), std::string::npos);
    // Volume ratio off: no label.
    const CliRun off = Cli({"render", file.string(), "--trace", "--off", "volume-ratio", "--dir",
                            dir.Path().string()});
    ASSERT_EQ(off.code, 0) << off.err;
    EXPECT_EQ(off.out.find("Volume Ratio"), std::string::npos);
}

}  // namespace
}  // namespace korvo::indicators
