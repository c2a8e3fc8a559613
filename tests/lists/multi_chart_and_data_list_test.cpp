// The multi-chart selection and the loading of its files, and the data list.
#include <gtest/gtest.h>

#include "chart/price_plot.h"
#include "lists/lists_fixture.h"

namespace korvo::lists::testing {
namespace {

using MultiChart = ListsFixture;
using DataList = ListsFixture;

TEST_F(MultiChart, TheFirstFileIsNeededAndAThirdAloneMovesUp) {
    struct Case {
        MultiChartDialog::Paths typed;
        bool accepted;
        int count;
        MultiChartDialog::Paths kept;
    };
    const Case cases[] = {
        {{"", "/b.stk", "/c.stk"}, false, 1, {"/old1", "/old2", ""}},
        {{"/a.stk", "", ""}, true, 1, {"/a.stk", "", ""}},
        {{"/a.stk", "/b.stk", ""}, true, 2, {"/a.stk", "/b.stk", ""}},
        {{"/a.stk", "", "/c.stk"}, true, 2, {"/a.stk", "/c.stk", ""}},
        {{"/a.stk", "/b.stk", "/c.stk"}, true, 3, {"/a.stk", "/b.stk", "/c.stk"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed[0] + "," + c.typed[1] + "," + c.typed[2]);
        MultiChartSelection selection;
        selection.paths = {"/old1", "/old2", ""};
        prompts.Clear();
        MultiChartDialog dialog(selection, true, prompts);
        EXPECT_EQ(dialog.Files(), selection.paths);
        EXPECT_TRUE(dialog.Overlap());
        for (int k = 0; k < 3; ++k)
            dialog.SetPath(k, c.typed[static_cast<std::size_t>(k)]);
        EXPECT_EQ(dialog.Accept(), c.accepted);
        EXPECT_EQ(selection.count, c.count);
        EXPECT_EQ(selection.paths, c.kept);
        if (!c.accepted) {
            ASSERT_EQ(prompts.Messages().size(), 1u);
            EXPECT_EQ(prompts.Messages()[0].text, "データﾌｧｲﾙを選択してください！");
            EXPECT_EQ(prompts.Messages()[0].caption, "エラー メッセージ");
        }
    }
}

TEST_F(MultiChart, CommandHalvesTheHeightOverlapDrawsLinesAtOneAndAHalfCancelRestores) {
    view::ViewState view;
    view.verticalScale = 0.8f;
    chart::ChartOptions options;
    MultiChartSelection selection;
    BeginMultiChart(selection, view, options);
    EXPECT_FLOAT_EQ(view.verticalScale, 0.5f);
    EXPECT_TRUE(options.multiChart);
    ConfirmMultiChart(false, view, options);
    EXPECT_FLOAT_EQ(view.verticalScale, 0.5f);
    EXPECT_EQ(options.barStyle, chart::kStyleCandlestick);
    EXPECT_TRUE(options.candlestick);

    ConfirmMultiChart(true, view, options);
    EXPECT_TRUE(options.overlap);
    EXPECT_FLOAT_EQ(view.verticalScale, 1.5f);
    EXPECT_EQ(options.barStyle, chart::kStyleLine);
    EXPECT_FALSE(options.candlestick);

    CancelMultiChart(selection, view, options);
    EXPECT_FLOAT_EQ(view.verticalScale, 0.8f);
    EXPECT_FALSE(options.multiChart);
    EXPECT_FALSE(options.overlap);
}

TEST_F(MultiChart, LoadingAPageTakesItsFileAndAFailureKeepsWhatWasLoaded) {
    MultiChartSelection selection;
    selection.paths = {DataFile("a.stk", "AAA", 40), dir.Write("bad.stk", "210\nbroken").string(),
                       DataFile("c.stk", "CCC", 60)};
    selection.count = 3;
    state.plotStartMode = true;
    ASSERT_EQ(LoadListedFile(context, selection, 1), 1);
    EXPECT_EQ(series.title, "AAA");
    EXPECT_EQ(series.barCount, 40);
    EXPECT_EQ(series.dataPath, selection.paths[0]);
    EXPECT_TRUE(effects.closeFirstModeless);
    EXPECT_TRUE(effects.leavePlotStartMode);
    EXPECT_FALSE(state.plotStartMode);

    prompts.Clear();
    EXPECT_EQ(LoadListedFile(context, selection, 2), -1);
    EXPECT_FALSE(prompts.Messages().empty());
    EXPECT_EQ(series.title, "AAA");
    EXPECT_EQ(series.dataPath, selection.paths[0]);

    ASSERT_EQ(LoadListedFile(context, selection, 3), 1);
    EXPECT_EQ(series.title, "CCC");
    EXPECT_EQ(series.barCount, 60);
    // A file that is not there, and page numbers outside 1..3.
    selection.paths[1] = (dir / "gone.stk").string();
    EXPECT_EQ(LoadListedFile(context, selection, 2), -1);
    EXPECT_EQ(LoadListedFile(context, selection, 0), -1);
    EXPECT_EQ(LoadListedFile(context, selection, 4), -1);
    EXPECT_EQ(series.title, "CCC");
}

TEST_F(DataList, LinesNewestFirstWithChangesInTheirTwoFormats) {
    data::PriceSeries& s = series;
    s.title = "テスト銘柄";
    s.barCount = 3;
    const float prices[3][5] = {{100.5f, 110, 90, 105.25f, 1234},
                                {9990, 10010, 9980, 10005, 5678.5f},
                                {12000, 12500, 11800, 12100, 3000000000.0f}};
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        s.year[at] = 2025;
        s.month[at] = 12;
        s.day[at] = static_cast<std::uint8_t>(8 + i);
        s.open[at] = prices[i][0];
        s.high[at] = prices[i][1];
        s.low[at] = prices[i][2];
        s.close[at] = prices[i][3];
        s.rawVolume[at] = prices[i][4];
    }
    const auto list = PrepareDataList(s, prompts);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->title, "テスト銘柄");
    EXPECT_EQ(list->lineCount, 3);
    EXPECT_EQ(list->lines,
              " 2025/12/10\t   12000\t   12500\t   11800\t   12100 (    2095)\t  3000000000 "
              "(2999994368)\r\n"
              " 2025/12/ 9\t  9990.00\t 10010.00\t  9980.00\t 10005.00 ( 9899.75)\t"
              "            5678 (      4444)\r\n"
              " 2025/12/ 8\t   100.50\t   110.00\t    90.00\t   105.25 (    0.00)\t"
              "            1234 (         0)\r\n");
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(DataList, NothingLoadedIsRefusedAndALongSeriesIsCutToTheNewest3499) {
    EXPECT_FALSE(PrepareDataList(series, prompts));
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "ﾃﾞｰﾀﾌｧｲﾙを先に選んでください");
    EXPECT_EQ(prompts.Messages()[0].caption, "ﾒｯｾｰｼﾞ");
    EXPECT_EQ(prompts.Messages()[0].icon, platform::Icon::Stop);

    // About sixteen years of weekdays, loaded as the program loads them.
    const std::string path = DataFile("long.stk", "LONG", 4096, 2010, 1, 4);
    ASSERT_TRUE(data::OpenDataFile(context, path));
    ASSERT_EQ(data::ReloadWorkingCopy(context), 4096);
    for (int bars : {3500, 3501, 4096}) {
        SCOPED_TRACE(bars);
        series.barCount = bars;
        prompts.Clear();
        const auto list = PrepareDataList(series, prompts);
        ASSERT_TRUE(list);
        const bool cut = bars > 3500;
        EXPECT_EQ(list->lineCount, cut ? 3499 : 3500);
        EXPECT_EQ(std::count(list->lines.begin(), list->lines.end(), '\n'), list->lineCount);
        EXPECT_EQ(list->lines.substr(0, DataListLine(series, bars - 1).size()),
                  DataListLine(series, bars - 1));
        const std::string oldest = DataListLine(series, bars - list->lineCount);
        EXPECT_EQ(list->lines.substr(list->lines.size() - oldest.size()), oldest);
        if (cut) {
            ASSERT_EQ(prompts.Messages().size(), 1u);
            EXPECT_EQ(prompts.Messages()[0].text, "ﾃﾞｰﾀ量が多いので ﾃﾞｰﾀの一部を省略します。");
            EXPECT_EQ(prompts.Messages()[0].caption, "警告メッセージ(DT001)");
        } else {
            EXPECT_TRUE(prompts.Messages().empty());
        }
    }
}

}  // namespace
}  // namespace korvo::lists::testing
