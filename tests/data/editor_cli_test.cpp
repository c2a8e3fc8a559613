// korvo-cli editor-text, edit, header and correct, run in-process.
#include <gtest/gtest.h>

#include "data_fixture.h"
#include "platform/codec.h"
#include "support/cli_run.h"

namespace korvo::data::testing {
namespace {

using korvo::test::Cli;
using korvo::test::CliRun;
using korvo::test::ReadFile;
using korvo::test::TempDir;

TEST(CliEditorText, PrintsEveryBarNewestFirstWhateverTheCount) {
    TempDir dir;
    // Twenty years of days, ending years ago: far more than the editor's box lists.
    const std::string user = Stk(Heading(210, "1990 1 1"), WeekdayLines(1990, 1, 1, 5200));
    const auto file = dir.Write("long.stk", user);
    const CliRun run = Cli(
        {"editor-text", file.string(), "--dir", (dir / "w").string(), "--plot-start", "1990-01"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = korvo::test::Lines(run.out);
    ASSERT_EQ(lines.size(), 4096u);
    EXPECT_EQ(lines.front(),
              "2005\t 9\t12\t     1021\t     1041\t     1001\t     1026       14095\r");
    EXPECT_EQ(lines.back(),
              "1990\t 1\t 1\t     1000\t     1020\t      980\t     1005       10000\r");
    EXPECT_EQ(ReadFile(file), user);

    const CliRun missing = Cli({"editor-text", (dir / "none.stk").string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, "");
}

TEST(CliEdit, SavesIntoTheWorkingCopyOrAsANewFileAndLeavesTheUsersFile) {
    TempDir dir;
    const std::string user = Stk(Heading(), WeekdayLines(2004, 1, 5, 10));
    const auto file = dir.Write("d.stk", user);
    const auto text = dir.Write("text.txt", "2004 1 5 100 200 90 150 7\n");
    const std::string work = (dir / "w").string();
    CliRun run = Cli(
        {"edit", file.string(), "--dir", work, "--data", text.string(), "--title", "Short One"});
    EXPECT_EQ(run.code, 1);  // one record is not enough for a chart
    EXPECT_EQ(run.out,
              "load: 10\nsave: saved\nreload: -1\n"
              "dataPath: " +
                  file.string() + "\nworkingCopy: " + work + "/korvo.TMP\n");
    EXPECT_NE(run.err.find("データー量が不足です"), std::string::npos);
    EXPECT_EQ(ReadFile(file), user);

    run = Cli({"edit", file.string(), "--dir", work, "--id", "212x", "--subtitle", "W"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(ReadFile(dir / "w" / "korvo.TMP").find("\n212\n"), std::string::npos);

    run = Cli({"edit", file.string(), "--dir", work, "--id", "300"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "load: 10\nsave: refused\n");
    EXPECT_NE(run.err.find("[エラーメッセージ(G010)] ID=300  ID が違います！"), std::string::npos);

    const std::string out = (dir / "new.stk").string();
    const auto five = dir.Write("five.txt", Stk("", WeekdayLines(2004, 2, 2, 5)));
    run =
        Cli({"edit", file.string(), "--dir", work, "--new", out, "--data", five.string(), "--title",
             "New", "--subtitle", "NEW", "--start-year", "2004", "--start-month", "2"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "load: 10\nsave: saved\nreload: 5\ndataPath: " + out +
                           "\nworkingCopy: " + work + "/korvo.TMP\n");
    EXPECT_EQ(
        ReadFile(out).rfind(platform::Utf8ToCp932("< Header 「Korvo ﾁｬｰﾄ」 ﾃﾞｰﾀﾌｧｲﾙ").value(), 0),
        0u);
    EXPECT_EQ(ReadFile(file), user);
}

TEST(CliHeader, CreatesTheEmptyFileOrSaysWhyNot) {
    TempDir dir;
    const std::string out = (dir / "h.stk").string();
    CliRun run = Cli({"header", "-o", out, "--title", "Ace Co", "--subtitle", "ACE", "--code",
                      "ace", "--today", "2026-12-07"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "result: created\npath: " + out + "\n");
    EXPECT_EQ(ReadFile(out),
              "< Header \n\r\n 'Ace Co'  File created 12/7/2026 \n@d[ACE1.chr]\n@s[ACE1.box]  >\n\n"
              "210\n\nAce_Co\nACE\n\n..\nACE\n2026 12  1 \n");

    run = Cli({"header", "-o", (dir / "x.stk").string(), "--title", "Ace Co", "--subtitle", "ACE"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "result: refused\n");
    EXPECT_NE(run.err.find("ｼﾝﾎﾞﾙ・ｺｰﾄﾞ を記入してください"), std::string::npos);
}

TEST(CliCorrect, ChecksTheRecordAsTheDialogDoes) {
    CliRun run = Cli({"correct", "99", "12", "31", "1234.5", "1234.5", "1234.5", "1234.5", "0"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              "result: accepted\ndate: 1999/12/31\nopen: 1234.5\nhigh: 1234.5\nlow: 1234.5\n"
              "close: 1234.5\nvolume: 0\n");
    run = Cli({"correct", "2004", "1", "5", "100", "110", "90", "105", "-1"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "result: refused\n");
    EXPECT_NE(run.err.find("出来高エラー"), std::string::npos);
}

}  // namespace
}  // namespace korvo::data::testing
