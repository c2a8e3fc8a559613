// korvo-cli for the portfolio lists: render --multi into real images, the
// data list, the list editor's save and the scan.
#include <gtest/gtest.h>

#include <QImage>

#include "data/data_fixture.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace korvo::lists {
namespace {

using korvo::test::Cli;
using korvo::test::CliRun;
using korvo::test::Lines;
using korvo::test::ReadFile;
using korvo::test::TempDir;

// Ten years of weekdays up to the end of 2025, at a price level of its own.
std::string TenYears(const TempDir& dir, const std::string& name, const std::string& title,
                     int records = 2600) {
    using data::testing::Heading;
    using data::testing::Stk;
    using data::testing::WeekdayLines;
    return dir.Write(name, Stk(Heading(210, "2016 1 4", title), WeekdayLines(2016, 1, 4, records)))
        .string();
}

std::vector<std::string> PageLines(const std::string& out) {
    std::vector<std::string> pages;
    bool in = false;
    for (const std::string& line : Lines(out)) {
        in = in || line.rfind("page: ", 0) == 0;
        if (in) pages.push_back(line);
    }
    return pages;
}

// Rows of the image that hold the navy of the price panel.
int NavyRows(const QImage& image, int from, int to) {
    int rows = 0;
    for (int y = from; y < to; ++y)
        if ((image.pixel(image.width() / 2, y) & 0xFFFFFF) == 0x000080) ++rows;
    return rows;
}

class ListsCli : public ::testing::Test {
  protected:
    std::vector<std::string> Render(const std::string& files, const std::string& png,
                                    const std::string& size = "0.3,0.5") {
        return {"render", "--multi", files, "--today", "2026-01-10", "--dir", dir.Path().string(),
                "--size", size,      "-o",  png};
    }
    TempDir dir;
};

TEST_F(ListsCli, MultiChartOfThreeFilesDrawsThreePagesBelowEachOther) {
    const std::string a = TenYears(dir, "a.stk", "AAA");
    const std::string b = TenYears(dir, "b b.stk", "BBB", 2500);
    const std::string c = TenYears(dir, "c.stk", "CCC", 2400);
    const std::string png = (dir / "multi.png").string();
    const CliRun run = Cli(Render(a + "," + b + "," + c, png));
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(PageLines(run.out),
              (std::vector<std::string>{"page: 1", "file: " + a, "barCount: 2600", "page: 2",
                                        "file: " + b, "barCount: 2500", "page: 3", "file: " + c,
                                        "barCount: 2400"}));
    EXPECT_NE(run.out.find("yPercent: 50\n"), std::string::npos);
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    // Each page of 1150 units at half height is about 217 pixels: a price
    // panel in each third, the grey below the third.
    EXPECT_GT(NavyRows(image, 0, 217), 150);
    EXPECT_GT(NavyRows(image, 217, 434), 150);
    EXPECT_GT(NavyRows(image, 434, 652), 150);
    EXPECT_EQ(NavyRows(image, 660, 760), 0);
}

TEST_F(ListsCli, OverlapSuperimposesLinesAndASecondBoxLeftEmptyTakesTheThird) {
    const std::string a = TenYears(dir, "a.stk", "AAA");
    const std::string c = TenYears(dir, "c.stk", "CCC");
    const std::string png = (dir / "overlap.png").string();
    auto args = Render(a + ",," + c, png, "0.3,1.5");
    args.push_back("--overlap");
    const CliRun run = Cli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(PageLines(run.out),
              (std::vector<std::string>{"page: 1", "file: " + a, "barCount: 2600", "page: 2",
                                        "file: " + c, "barCount: 2600"}));
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    // No price panel is filled; the pages' lines and titles stand on the grey.
    EXPECT_EQ(NavyRows(image, 0, image.height()), 0);
}

TEST_F(ListsCli, MultiWantsOneToThreeFilesTheFirstGiven) {
    const std::string a = TenYears(dir, "a.stk", "AAA", 300);
    for (const std::string& files : {std::string(",") + a, a + "," + a + "," + a + "," + a}) {
        const CliRun run = Cli(Render(files, (dir / "x.png").string()));
        EXPECT_EQ(run.code, 2) << files;
        EXPECT_NE(run.err.find("--multi"), std::string::npos);
    }
    // A page whose file cannot be loaded shows the series loaded before it.
    const CliRun run = Cli(Render(a + "," + (dir / "gone.stk").string(), (dir / "y.png").string()));
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(PageLines(run.out),
              (std::vector<std::string>{"page: 1", "file: " + a, "barCount: 300", "page: 2",
                                        "file: " + a, "barCount: 300"}));
}

TEST_F(ListsCli, DataListOfALongFileWarnsAndListsTheNewest3499) {
    const std::string path = TenYears(dir, "long.stk", "LONG", 4000);
    const CliRun run = Cli({"datalist", path, "--dir", dir.Path().string()});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u + 3499u);
    EXPECT_EQ(lines[0], "title: LONG");
    EXPECT_EQ(lines[1], "lines: 3499");
    EXPECT_NE(run.err.find("[警告メッセージ(DT001)] ﾃﾞｰﾀ量が多いので ﾃﾞｰﾀの一部を省略します。"),
              std::string::npos);

    const CliRun none = Cli({"datalist", (dir / "gone.stk").string()});
    EXPECT_EQ(none.code, 1);
    EXPECT_NE(none.err.find("ﾃﾞｰﾀﾌｧｲﾙを先に選んでください"), std::string::npos);
}

TEST_F(ListsCli, PortfolioSaveChecksTheRowsAndScanStepsThroughTheList) {
    dir.Write("rows.tsv", "toa\t/d/My Data/a.stk\nhok\t/d/b.stk\n\nnan\t/d/c.stk\n");
    const CliRun saved =
        Cli({"portfolio", "--save", (dir / "rows.tsv").string(), "--dir", dir.Path().string()});
    ASSERT_EQ(saved.code, 0) << saved.err;
    EXPECT_EQ(ReadFile(dir / "UPDATE.usr"),
              "3\nTOA   /d/My%20Data/a.stk \nHOK   /d/b.stk \nNAN   /d/c.stk \n");
    EXPECT_EQ(Lines(saved.out),
              (std::vector<std::string>{"list: UPDATE.usr", "count: 3", "row\tcode\tpath",
                                        "1\tTOA\t/d/My Data/a.stk", "2\tHOK\t/d/b.stk",
                                        "3\tNAN\t/d/c.stk"}));

    dir.Write("bad.tsv", "A\t/a.stk\n9984\n");
    const CliRun refused =
        Cli({"portfolio", "--save", (dir / "bad.tsv").string(), "--dir", dir.Path().string()});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("[警告] 2 行目　9984  ファイル名が未記入です！"), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "UPDATE.usr"),
              "3\nTOA   /d/My%20Data/a.stk \nHOK   /d/b.stk \nNAN   /d/c.stk \n");

    const CliRun picked = Cli({"portfolio", "--pick", "1", "--dir", dir.Path().string()});
    EXPECT_EQ(picked.out, "dataPath: /d/My Data/a.stk\n");

    const CliRun scan = Cli({"scan", "--step", "next", "--step", "next", "--step", "next", "--step",
                             "previous", "--dir", dir.Path().string()});
    ASSERT_EQ(scan.code, 0) << scan.err;
    const std::vector<std::string> want = {"step: start",    "index: 0", "file: /d/My Data/a.stk",
                                           "step: next",     "index: 1", "file: /d/b.stk",
                                           "step: next",     "index: 2", "file: /d/c.stk",
                                           "step: next",     "index: 2", "file: ",
                                           "step: previous", "index: 1", "file: /d/b.stk"};
    EXPECT_EQ(Lines(scan.out), want);
    EXPECT_NE(scan.err.find("[メッセージ] データファイル完了"), std::string::npos);
}

}  // namespace
}  // namespace korvo::lists
