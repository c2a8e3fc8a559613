// korvo-cli indicator and signals, and the indicator switches of render.
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

// Thirty daily bars closing at 100, 101, ... 129, each 5 above and below.
std::string ThirtyBars() {
    std::vector<std::string> lines;
    for (int i = 0; i < 30; ++i) {
        const int c = 100 + i;
        lines.push_back(data::testing::Line(2024, 1, i + 1,
                                            std::to_string(c) + " " + std::to_string(c + 5) + " " +
                                                std::to_string(c - 5) + " " + std::to_string(c) +
                                                " 1000"));
    }
    return data::testing::Stk(data::testing::Heading(210, "2024 1 1"), lines);
}

TEST(IndicatorCli, MovingAverageTable) {
    korvo::test::TempDir dir;
    const std::string bytes = ThirtyBars();
    const auto file = dir.Write("thirty.stk", bytes);
    const CliRun run = Cli({"indicator", file.string(), "--name", "ma", "--period", "25", "--dir",
                            (dir / "work").string()});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], "date\tvalue\ty_ma");
    EXPECT_EQ(lines[1], "2024/1/1\t\t");
    EXPECT_EQ(lines[25], "2024/1/25\t\t");
    // Bar 25 averages the closes 100..124; the scale runs from 90 to 140, 20 units a yen.
    EXPECT_EQ(lines[26], "2024/1/26\t112\t710");
    EXPECT_EQ(lines[30], "2024/1/30\t116\t630");
    EXPECT_EQ(test::ReadFile(file), bytes);
}

TEST(IndicatorCli, HeadersOfEveryIndicator) {
    korvo::test::TempDir dir;
    const auto file = dir.Write("thirty.stk", ThirtyBars());
    const struct {
        const char* name;
        const char* header;
    } cases[] = {
        {"deviation", "date\tvalue\ty_gap"},
        {"psychological", "date\tvalue\ty_up"},
        {"rsi", "date\tvalue\ty_rsi"},
        {"pctr", "date\tvalue\ty_r"},
        {"momentum", "date\tvalue\ty_m"},
        {"stoch-fast", "date\tk\ty_k\td\ty_d"},
        {"stoch-slow", "date\tk\ty_k\td\ty_d\tsd\ty_sd"},
        {"rci", "date\tvalue\ty_rci"},
        {"macd", "date\tmacd\ty_macd\tsignal\ty_signal"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli({"indicator", file.string(), "--name", c.name, "--period", "5",
                                "--period", "8", "--period", "3"});
        ASSERT_EQ(run.code, 0) << c.name << run.err;
        const auto lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 31u) << c.name;
        EXPECT_EQ(lines[0], c.header);
    }
    // A steady rise: RSI 1 at the top of its 410 units, RCI 1 at the top of 400.
    const auto rsi = Lines(Cli({"indicator", file.string(), "--name", "rsi"}).out);
    EXPECT_EQ(rsi[14], "2024/1/14\t\t");
    EXPECT_EQ(rsi[15], "2024/1/15\t1\t1240");
    const auto rci = Lines(
        Cli({"indicator", file.string(), "--name", "rci", "--period", "5", "--data-set", "volume"})
            .out);
    EXPECT_EQ(rci[5], "2024/1/5\t\t");
    // Equal volumes tie: the earlier bar ranks lower, as in a rise.
    EXPECT_EQ(rci[6], "2024/1/6\t1\t1250");
    for (const char* bad : {"--name=nothing", "--period=x", "--data-set=median"}) {
        std::string arg(bad);
        const auto eq = arg.find('=');
        std::vector<std::string> args = {"indicator", file.string(), "--name", "ma"};
        if (arg.substr(0, eq) == "--name") args.pop_back(), args.pop_back();
        args.push_back(arg.substr(0, eq));
        args.push_back(arg.substr(eq + 1));
        const CliRun run = Cli(args);
        EXPECT_EQ(run.code, 2) << bad;
        EXPECT_NE(run.err.find("korvo-cli:"), std::string::npos) << bad;
    }
}

TEST(SignalsCli, WritesAndPrintsTheFile) {
    korvo::test::TempDir dir;
    const auto file = dir.Write("thirty.stk", ThirtyBars());
    const auto work = dir / "work";
    std::filesystem::create_directory(work);
    const CliRun mac = Cli({"signals", file.string(), "--source", "mac", "--dir", work.string()});
    ASSERT_EQ(mac.code, 0) << mac.err;
    const std::string bytes = test::ReadFile(work / "bs.mac");
    EXPECT_EQ(mac.out, platform::Cp932ToUtf8(bytes).value() + "\n");
    // 30 bars: MACD 12/26/9 has no signal line yet.
    const auto lines = Lines(mac.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], " Title―MACD(S)");
    EXPECT_EQ(lines[1], " 0 2024 1 1 100.00 0 0");
    EXPECT_EQ(lines[2].substr(0, 13), " 9 2024 1 30 ");
    EXPECT_EQ(lines[2].substr(lines[2].size() - 5), " 29 0");

    const CliRun sto = Cli({"signals", file.string(), "--source", "sto", "--fast", "--period", "5",
                            "--dir", work.string()});
    ASSERT_EQ(sto.code, 0) << sto.err;
    EXPECT_EQ(Lines(sto.out)[0], " Title―ｽﾄｷｬｽ(F)");
    EXPECT_TRUE(std::filesystem::exists(work / "bs.sto"));

    // Too few bars for the periods: no file.
    const CliRun few = Cli({"signals", file.string(), "--source", "mac", "--period", "12",
                            "--period", "40", "--dir", (dir / "few").string()});
    EXPECT_EQ(few.code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "few" / "bs.mac"));
    EXPECT_EQ(Cli({"signals", file.string(), "--source", "pf"}).code, 2);
    EXPECT_EQ(Cli({"signals", file.string(), "--source", "sto", "--slow", "--fast"}).code, 2);
}

TEST(SignalsCli, BrokenFileIsRefusedAndLeftAsItWas) {
    korvo::test::TempDir dir;
    const std::string bytes = data::testing::Heading(210, "2024 1 1");  // no records
    const auto file = dir.Write("empty.stk", bytes);
    const CliRun run =
        Cli({"signals", file.string(), "--source", "sto", "--dir", (dir / "work").string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "work" / "bs.sto"));
    EXPECT_EQ(test::ReadFile(file), bytes);
    const CliRun table = Cli({"indicator", file.string(), "--name", "rsi"});
    EXPECT_EQ(table.code, 1);
    EXPECT_EQ(test::ReadFile(file), bytes);
}

TEST(RenderCli, IndicatorAndOverlaySwitches) {
    korvo::test::TempDir dir;
    const auto file = dir.Write("thirty.stk", ThirtyBars());
    const CliRun run = Cli({"render", file.string(), "--trace", "--indicator", "4", "--on",
                            "ma1,envelope,psychological", "--dir", dir.Path().string()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("\" SD \""), std::string::npos);
    EXPECT_NE(run.out.find("\"ｻｲｺﾛｼﾞｶﾙ ﾗｲﾝ(12)\""), std::string::npos);
    EXPECT_NE(run.out.find("\"25 日移動平均線\""), std::string::npos);
    // The envelope's 30-day average has no point on 30 bars, but its legend stands.
    EXPECT_NE(run.out.find("\"30 日移動平均線\""), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / "bs.sto"));
    EXPECT_EQ(Cli({"render", file.string(), "--trace", "--indicator", "x"}).code, 2);
    EXPECT_EQ(Cli({"render", file.string(), "--trace", "--on", "ma9"}).code, 2);
}

}  // namespace
}  // namespace korvo::indicators
