// korvo-cli annotations and render with annotations: a placement stored as
// the mouse stores it, printed back, drawn by render wherever the chart
// starts, deleted in delete mode, and the header's refused names.
#include <gtest/gtest.h>

#include <cstdio>

#include "support/cli_run.h"
#include "support/shipped_files.h"
#include "support/temp_dir.h"

namespace korvo::annotate {
namespace {

using korvo::test::Cli;
using korvo::test::CliRun;

struct CliFixture {
    CliFixture() { dir.Write("sample.stk", korvo::test::ReadFile(korvo::test::ShippedSample())); }
    std::vector<std::string> With(std::vector<std::string> args) const {
        for (const char* a : {"--dir", "", "--today", "2026-01-10"})
            args.emplace_back(a);
        args[args.size() - 3] = dir.Path().string();
        return args;
    }
    CliRun Annotations(std::vector<std::string> extra) const {
        std::vector<std::string> args = {"annotations", (dir / "sample.stk").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return Cli(With(args));
    }
    // The x of the text a render draws in the annotation colour, plus the
    // render's scroll position: where it stands on the whole chart, in pixels.
    int ChartX(const std::string& text, const std::string& plotStart) const {
        const std::string file = (dir / "sample.stk").string();
        const CliRun trace = Cli(With({"render", file, "--trace", "--plot-start", plotStart}));
        EXPECT_EQ(trace.code, 0) << trace.err;
        int x = 0;
        bool found = false;
        for (const std::string& line : korvo::test::Lines(trace.out)) {
            if (line.rfind("text ", 0) != 0) continue;
            if (line.find("colour=#ffff00 \"" + text + "\"") == std::string::npos) continue;
            found = std::sscanf(line.c_str(), "text %d,", &x) == 1;
            break;
        }
        EXPECT_TRUE(found) << "no text " << text;
        const CliRun geometry =
            Cli(With({"render", file, "-o", (dir / "x.png").string(), "--plot-start", plotStart}));
        for (const std::string& line : korvo::test::Lines(geometry.out))
            if (line.rfind("scrollX: ", 0) == 0) return x + std::stoi(line.substr(9));
        ADD_FAILURE() << "no scrollX";
        return 0;
    }
    korvo::test::TempDir dir;
};

TEST(AnnotationsCli, PlacesPrintsAndRendersAnAnnotationOnItsBarsWhereverTheChartStarts) {
    CliFixture f;
    const CliRun placed = f.Annotations({"--plot-start", "2024-01", "--place", "600,300,800,200",
                                         "--text", "高値", "--arrow", "--save-phrase"});
    ASSERT_EQ(placed.code, 0) << placed.err;
    const std::vector<std::string> lines = korvo::test::Lines(placed.out);
    const std::vector<std::string> expectedStart = {"stored: 1",
                                                    "file: SAMPLE1.chr",
                                                    "count: 1",
                                                    "unreadBytes: 0",
                                                    "number: 0",
                                                    "text: 高値",
                                                    "font: ＭＳゴシック -45 400 0 0 0 128",
                                                    "colour: 0x00FFFF",
                                                    "escapement: 0"};
    ASSERT_GE(lines.size(), expectedStart.size() + 7);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expectedStart.size()),
              expectedStart);
    EXPECT_EQ(lines[expectedStart.size() + 3], "withArrow: 1");
    EXPECT_EQ(lines.back(), "plotStart: 2024/1/1");
    EXPECT_EQ(korvo::test::ReadFile(f.dir / "finsert.chr"), "\n\x8d\x82\x92\x6c");

    // Drawn by render; with the chart starting in March the text stands on
    // the same bar: 60 days of 2024 (1200 units, 454 pixels) less of the chart lie before it.
    const int fromJanuary = f.ChartX("高値", "2024-01");
    const int fromMarch = f.ChartX("高値", "2024-03");
    EXPECT_NEAR(fromJanuary - fromMarch, 454, 1);

    const CliRun hidden = Cli(
        f.With({"render", (f.dir / "sample.stk").string(), "--trace", "--on", "annotationsOff"}));
    EXPECT_EQ(hidden.out.find("\"高値\""), std::string::npos);
}

TEST(AnnotationsCli, DeletePassKeepsTheOnesNotAnsweredYes) {
    CliFixture f;
    for (const char* text : {"一", "二", "三"})
        ASSERT_EQ(f.Annotations({"--place", "600,300,800,200", "--text", text}).code, 0);
    const CliRun deleted = f.Annotations({"--delete", "--answer", "no", "--answer", "yes"});
    ASSERT_EQ(deleted.code, 0) << deleted.err;
    const std::vector<std::string> lines = korvo::test::Lines(deleted.out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "count: 2"), lines.end());
    EXPECT_NE(deleted.out.find("text: 一\n"), std::string::npos);
    EXPECT_EQ(deleted.out.find("text: 二\n"), std::string::npos);
    EXPECT_NE(deleted.out.find("text: 三\n"), std::string::npos);
    EXPECT_NE(deleted.out.find("number: 1\ntext: 三"), std::string::npos);
}

TEST(AnnotationsCli, AHeaderNamingAFileOutsideTheStartDirectoryIsRefused) {
    const std::string sample = korvo::test::ReadFile(korvo::test::ShippedSample());
    const std::size_t at = sample.find("SAMPLE1.chr");
    ASSERT_NE(at, std::string::npos);
    for (const char* name : {"..", "../../.bashrc", "/etc/passwd", "charts", "korvo.ips"}) {
        CliFixture f;
        std::filesystem::create_directory(f.dir / "charts");
        std::string header = sample;
        header.replace(at, 11, name);
        f.dir.Write("sample.stk", header);
        const CliRun run = f.Annotations({"--place", "600,300,800,200", "--text", "x"});
        EXPECT_EQ(run.code, 1) << name;
        EXPECT_TRUE(run.out.empty()) << name;
        EXPECT_NE(run.err.find("[エラーメッセージ(F071)] 書込みファイル名 [" + std::string(name) +
                               "] は使えません。"),
                  std::string::npos)
            << run.err;
    }
    CliFixture f;
    std::string header = sample;
    header.replace(sample.find("@d[SAMPLE1.chr]"), 15, "");
    f.dir.Write("sample.stk", header);
    EXPECT_EQ(f.Annotations({}).code, 1);
}

}  // namespace
}  // namespace korvo::annotate
