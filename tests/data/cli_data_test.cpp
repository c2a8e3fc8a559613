// korvo-cli load and derive, run in-process.
#include <gtest/gtest.h>

#include "data_fixture.h"
#include "support/cli_run.h"

namespace korvo::data::testing {
namespace {

using korvo::test::Cli;
using korvo::test::CliRun;
using korvo::test::ReadFile;
using korvo::test::TempDir;

std::string Sample() {
    return "<h @d[X1.chr]>\n" + Stk(Heading(210, "2004 1 1", "Ace_Co"),
                                    {Line(2004, 1, 5, "100 110.1 90.5 105 1000"),
                                     Line(2004, 1, 6, "100 110 90 105 1500000"), Line(2004, 1, 7),
                                     Line(2004, 1, 8), Line(2004, 1, 9)});
}

TEST(CliLoad, PrintsTheSeries) {
    TempDir dir;
    const auto file = dir.Write("d.stk", Sample());
    const std::string work = (dir / "work").string();
    const CliRun run = Cli({"load", file.string(), "--dir", work, "--bars"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "result: 5\n"
              "barCount: 5\n"
              "fileTypeId: 210\n"
              "title: Ace Co\n"
              "subtitle: SUB\n"
              "unitLabel: Yen\n"
              "marketCode: 1234\n"
              "fileStartYear: 2004\n"
              "fileStartMonth: 1\n"
              "plotStartYear: 2004\n"
              "plotStartMonth: 1\n"
              "volumeDivisor: 1000\n"
              "maxHigh: 111\n"
              "minLow: 90\n"
              "rawMaxHigh: 110.099998\n"
              "rawMinLow: 90\n"
              "loadMaxHigh: 111\n"
              "loadMinLow: 90\n"
              "maxVolume: 1500\n"
              "peakVolume: 1500\n"
              "first: 2004/1/5\n"
              "last: 2004/1/9\n"
              "chrFileName: X1.chr\n"
              "boxFileName: \n"
              "bar: 2004/1/5 100 110.099998 90.5 105 1 1000\n"
              "bar: 2004/1/6 100 110 90 105 1500 1500000\n"
              "bar: 2004/1/7 100 110 90 105 1 1000\n"
              "bar: 2004/1/8 100 110 90 105 1 1000\n"
              "bar: 2004/1/9 100 110 90 105 1 1000\n");
    EXPECT_EQ(ReadFile(file), Sample());
    EXPECT_EQ(ReadFile(dir / "work" / "korvo.TMP").substr(0, 15), "<h @d[X1.chr]>\n");
}

TEST(CliLoad, PlotStartMessagesAndAnswers) {
    TempDir dir;
    const auto file = dir.Write("d.stk", Sample());
    const CliRun late = Cli({"load", file.string(), "--plot-start", "2005-01"});
    EXPECT_EQ(late.code, 1);
    EXPECT_NE(late.out.find("result: -1\nbarCount: 0\n"), std::string::npos);
    EXPECT_EQ(
        late.err,
        "[エラーメッセージ] 開始日以降のﾃﾞｰﾀが見つかりません！\n\nﾃﾞｰﾀ ﾀｲﾄﾙ    Ace Co  \n"
        "開始設定日  2005 年  1 月 １日\n\nﾃﾞｰﾀﾌｧｲﾙ あるいは「開始日」再設定してください。\n");

    const CliRun fromJanuary = Cli({"load", file.string(), "--plot-start", "2004-01"});
    EXPECT_NE(fromJanuary.out.find("first: 2004/1/5\n"), std::string::npos);
    EXPECT_EQ(Cli({"load", file.string(), "--plot-start", "2004-13"}).code, 2);
    EXPECT_EQ(Cli({"load"}).code, 2);

    const std::string zeroOpen =
        Stk(Heading(), {Line(2004, 1, 5), Line(2004, 1, 6, "0 110 90 105 1000"), Line(2004, 1, 7),
                        Line(2004, 1, 8), Line(2004, 1, 9)});
    const auto zeroFile = dir.Write("z.stk", zeroOpen);
    const CliRun fixed = Cli({"load", zeroFile.string(), "--answer", "yes", "--bars"});
    EXPECT_EQ(fixed.code, 0);
    EXPECT_EQ(fixed.err.rfind("[ﾃﾞｰﾀ エラー！] 入力ﾃﾞｰﾀ エラーです！\n\n  " + zeroFile.string(), 0),
              0u);
    EXPECT_NE(fixed.err.find("しますか ？ -> yes\n"), std::string::npos);
    EXPECT_NE(fixed.out.find("bar: 2004/1/6 105 110 90 105 1000 1000\n"), std::string::npos);
    // Unanswered, the correction offer is cancelled and nothing is loaded.
    EXPECT_EQ(Cli({"load", zeroFile.string()}).code, 1);
    EXPECT_EQ(ReadFile(zeroFile), zeroOpen);

    const CliRun missing = Cli({"load", (dir / "none.stk").string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.out.find("result: -3\n"), std::string::npos);
    EXPECT_EQ(missing.err, "[警告メッセージ] データファイルを再設定してください。\n");
}

TEST(CliDerive, WritesTheWeeklyOrMonthlyFile) {
    TempDir dir;
    const std::string daily = Stk(Heading(), WeekdayLines(2004, 1, 5, 30));
    const auto file = dir.Write("d.stk", daily);
    const std::string out = (dir / "w.stk").string();
    const CliRun weekly =
        Cli({"derive", "weekly", file.string(), "-o", out, "--today", "2026-12-07"});
    EXPECT_EQ(weekly.code, 0);
    EXPECT_EQ(weekly.out, "result: 1\ndataPath: " + out + "\n");
    const std::string written = ReadFile(out);
    EXPECT_EQ(written.rfind("< Header \n\r\n 'Title'  Weekly data file created 2026/12/7 ", 0), 0u);
    EXPECT_NE(written.find("\n212\n"), std::string::npos);
    EXPECT_EQ(ReadFile(file), daily);

    const CliRun loaded = Cli({"load", out});
    EXPECT_NE(loaded.out.find("barCount: 6\nfileTypeId: 212\n"), std::string::npos);

    // Appending: OUT becomes EXISTING with the new records after it.
    const std::string later = Stk(Heading(), WeekdayLines(2004, 2, 16, 10));
    const auto laterFile = dir.Write("later.stk", later);
    const std::string both = (dir / "both.stk").string();
    const CliRun appended =
        Cli({"derive", "weekly", laterFile.string(), "-o", both, "--append", out});
    EXPECT_EQ(appended.code, 0);
    EXPECT_EQ(ReadFile(out), written);
    EXPECT_EQ(ReadFile(both).substr(0, written.size()), written);
    EXPECT_NE(Cli({"load", both}).out.find("barCount: 8\n"), std::string::npos);

    const CliRun monthly =
        Cli({"derive", "monthly", file.string(), "-o", (dir / "m.stk").string()});
    EXPECT_EQ(monthly.code, 0);
    EXPECT_NE(ReadFile(dir / "m.stk").find("\n214\n"), std::string::npos);

    EXPECT_EQ(Cli({"derive", "weekly", out, "-o", (dir / "ww.stk").string()}).code, 1);
    EXPECT_EQ(Cli({"derive", "yearly", file.string(), "-o", out}).code, 2);
    EXPECT_EQ(Cli({"derive", "weekly", file.string()}).code, 2);
}

}  // namespace
}  // namespace korvo::data::testing
