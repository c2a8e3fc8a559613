// korvo-cli signals --source stp|brk|trd and render --chart: the chart
// windows' signal files and one paint of each window.
#include <gtest/gtest.h>

#include <QImage>

#include "data/data_fixture.h"
#include "platform/codec.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace korvo::altcharts {
namespace {

using korvo::test::Cli;
using korvo::test::CliRun;

// Daily bars from 4 January 2024 whose open, high, low and close are all the given close.
std::string Bars(const std::vector<int>& closes) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < closes.size(); ++i) {
        const std::string c = std::to_string(closes[i]);
        lines.push_back(data::testing::Line(2024, 1, 4 + static_cast<int>(i),
                                            c + " " + c + " " + c + " " + c + " 1000"));
    }
    return data::testing::Stk(data::testing::Heading(210, "2024 1 1"), lines);
}

const std::vector<int> kZigZag = {100, 110, 105, 95, 120, 118, 100, 90, 128};

TEST(ChartCli, SignalsOfTheThreeChartsAsTheirWindowsWriteThem) {
    korvo::test::TempDir dir;
    const std::string bytes = Bars(kZigZag);
    const auto file = dir.Write("zigzag.stk", bytes);
    const struct {
        std::vector<std::string> options;
        const char* name;
        const char* text;
    } cases[] = {
        {{"--source", "stp", "--amount", "10"},
         "bs.stp",
         " Title―かぎ足(StepChart)\n 0 2024 1 4    100.00 0 1\n 6 2024 1 8    120.00 4 1\n"
         " 7 2024 1 11     90.00 7 1\n 6 2024 1 12    128.00 8 1\n 9 2024 1 12    128.00 8 1"},
        {{"--source", "brk", "--amount", "10"},
         "bs.brk",
         " Title―練り足(Brick)\n 0 2024 1 4 100.00 0 0\n 6 2024 1 5    110.00 1 0\n"
         " 7 2024 1 7     95.00 3 0\n 6 2024 1 8    120.00 4 0\n 7 2024 1 10    100.00 6 0\n"
         " 6 2024 1 12    128.00 8 0\n 9 2024 1 12 128.00 8 1"},
        {{"--source", "trd"},
         "bs.trd",
         " Title―新値３本足(Trident)\n 0 2024 1 4 100.00 0 0\n 6 2024 1 8 120.00 4 0\n"
         " 9 2024 1 12 128.00 8 1"},
    };
    for (const auto& c : cases) {
        korvo::test::TempDir work;
        std::vector<std::string> args = {"signals", file.string(), "--dir", work.Path().string()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliRun run = Cli(args);
        ASSERT_EQ(run.code, 0) << c.name << run.err;
        EXPECT_EQ(run.out, std::string(c.text) + "\n") << c.name;
        // The file itself is CP932 without the final newline.
        EXPECT_EQ(korvo::test::ReadFile(work / c.name), platform::Utf8ToCp932(c.text).value());
    }
    EXPECT_EQ(korvo::test::ReadFile(file), bytes);
}

TEST(ChartCli, PercentageDefaultsToThreeAndBadOptionsAreRefused) {
    korvo::test::TempDir dir;
    const auto file = dir.Write("zigzag.stk", Bars(kZigZag));
    const CliRun three = Cli({"signals", file.string(), "--source", "stp"});
    const CliRun given = Cli({"signals", file.string(), "--source", "stp", "--percent", "3"});
    ASSERT_EQ(three.code, 0) << three.err;
    EXPECT_EQ(three.out, given.out);
    EXPECT_NE(three.out, Cli({"signals", file.string(), "--source", "stp", "--percent", "9"}).out);
    const struct {
        std::vector<std::string> options;
        int code;
        const char* error;
    } cases[] = {
        {{"--source", "stp", "--percent", "0"}, 2, "--percent wants a number above 0, not 0"},
        {{"--source", "brk", "--amount", "-1"}, 2, "--amount wants a number above 0"},
        {{"--source", "stp", "--percent", "2x"}, 2, "--percent wants a number above 0"},
        {{"--source", "stp", "--percent", "1", "--amount", "1"}, 2, "not both"},
        {{"--source", "trd", "--percent", "1"}, 2, "takes no --percent"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"signals", file.string()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliRun run = Cli(args);
        EXPECT_EQ(run.code, c.code) << c.error;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    }
    const CliRun missing = Cli({"signals", (dir / "none.stk").string(), "--source", "brk"});
    EXPECT_EQ(missing.code, 1);
}

TEST(ChartCli, FlatPricesLeaveTheHeaderOnly) {
    korvo::test::TempDir dir;
    const auto file = dir.Write("flat.stk", Bars({50, 50, 50, 50, 50, 50}));
    for (const char* source : {"stp", "brk", "trd"}) {
        const CliRun run = Cli({"signals", file.string(), "--source", source});
        EXPECT_EQ(run.code, 1) << source;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
        EXPECT_NE(run.err.find("holds only its header"), std::string::npos) << run.err;
    }
}

TEST(ChartCli, RenderPaintsOneWindowIntoAPng) {
    korvo::test::TempDir dir;
    const auto file = dir.Write("zigzag.stk", Bars(kZigZag));
    const auto png = dir / "step.png";
    const CliRun run = Cli({"render", file.string(), "--chart", "step", "--amount", "10", "-o",
                            png.string(), "--dir", dir.Path().string()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("result: 1\nchart: step\nwindow: 740x600\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / "bs.stp"));
    const QImage image(QString::fromStdString(png.string()));
    ASSERT_EQ(image.size(), QSize(740, 600));
    EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, 0xF0F0F0u);
    EXPECT_EQ(image.pixel(300, 50) & 0xFFFFFF, 0x404040u);
    // The yin line rises from 100 at x 40 (red); the line falls yang at x 70.
    EXPECT_EQ(image.pixel(40, 340) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(70, 300) & 0xFFFFFF, 0x00FF00u);

    const CliRun trace = Cli({"render", file.string(), "--chart", "trident", "--trace", "--window",
                              "500x400", "--labels", "1"});
    ASSERT_EQ(trace.code, 0) << trace.err;
    EXPECT_EQ(trace.out.substr(0, trace.out.find('\n')), "fill 0,0 500,400 brush=#f0f0f0");
    EXPECT_NE(trace.out.find("\"Trident-新値３本足\""), std::string::npos);

    const struct {
        std::vector<std::string> options;
        const char* error;
    } bad[] = {
        {{"--chart", "kagi", "-o", png.string()}, "usage"},
        {{"--chart", "step", "-o", (dir / "x.pdf").string()}, "to a .png file"},
        {{"--chart", "step", "--trace", "--labels", "2"}, "--labels wants 1 or 3"},
        {{"--chart", "brick", "--trace", "--labels", "5"}, "--labels wants 1 to 4"},
        {{"--chart", "brick", "--trace", "--scroll", "-1,0"}, "--scroll wants X,Y"},
    };
    for (const auto& b : bad) {
        std::vector<std::string> args = {"render", file.string()};
        args.insert(args.end(), b.options.begin(), b.options.end());
        const CliRun r = Cli(args);
        EXPECT_EQ(r.code, 2) << b.error;
        EXPECT_NE(r.err.find(b.error), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace korvo::altcharts
