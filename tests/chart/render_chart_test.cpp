#include <gtest/gtest.h>

#include <algorithm>

#include "chart/chart_fixture.h"
#include "data/calendar.h"

namespace korvo::chart::test {
namespace {

using platform::CallKind;

void NextDay(int& year, int& month, int& day) {
    if (++day > AxisMonthLength(year, month)) {
        day = 1;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
}

TEST(RenderChart, NoDataAsksForAFileAndDrawsNothing) {
    ChartFixture f;
    const RenderOutcome out = f.Render();
    EXPECT_EQ(out.result, kRenderNoData);
    EXPECT_TRUE(out.sendCommand15);
    ASSERT_EQ(f.prompts.Messages().size(), 1u);
    EXPECT_EQ(f.prompts.Messages()[0].text, "ﾃﾞｰﾀﾌｧｲﾙを選んでください");
    EXPECT_EQ(f.prompts.Messages()[0].caption, "ﾒｯｾｰｼﾞ");
    EXPECT_EQ(f.prompts.Messages()[0].icon, platform::Icon::Stop);
    EXPECT_TRUE(f.canvas.Calls().empty());
}

TEST(RenderChart, PlotStartBeforeTheDataStartsOnFirstJanuaryOfTheFirstYear) {
    ChartFixture f;
    f.SetDailyBars(2004, 3, 1, 30);
    f.series->plotStartYear = 2002;
    f.series->plotStartMonth = 5;
    ASSERT_EQ(f.Render().result, kRenderDrawn);
    ASSERT_EQ(f.prompts.Messages().size(), 1u);
    EXPECT_EQ(f.prompts.Messages()[0].text,
              "2003 年以前のデータはありません！\n\n 2004 年からプロットします。");
    EXPECT_EQ(f.prompts.Messages()[0].caption, "メッセージ");
    EXPECT_EQ(f.series->plotStartYear, 2004);
    EXPECT_EQ(f.series->plotStartMonth, 1);
    // 1 March 2004 is day 31 + 29 + 1 of the leap year.
    EXPECT_EQ(f.geometry->barSlot[0], 61);
    EXPECT_EQ(f.geometry->barX[0], 60 * 20 + 101);
    // The start is settled: a second paint says nothing more.
    f.Render();
    EXPECT_EQ(f.prompts.Messages().size(), 1u);

    // In the plot-start mode the start is the user's pick and stays.
    ChartFixture g;
    g.SetDailyBars(2004, 3, 1, 30);
    g.series->plotStartYear = 2002;
    g.plotStartMode = true;
    g.Render();
    EXPECT_TRUE(g.prompts.Messages().empty());
    EXPECT_EQ(g.series->plotStartYear, 2002);
}

TEST(RenderChart, APlotStartAgesAwayStillDraws) {
    ChartFixture f;
    f.SetDailyBars(2004, 3, 1, 30);
    f.plotStartMode = true;  // taken as it is, no message
    f.series->plotStartYear = -1000000;
    ASSERT_EQ(f.Render().result, kRenderDrawn);
    EXPECT_EQ(f.geometry->slotCount, kMaxDailySlots);
    EXPECT_EQ(f.geometry->barSlot[0], 32767);
    EXPECT_EQ(f.geometry->barX[0], static_cast<float>((kLayoutLimit / 20 - 1) * 20 + 101));
}

TEST(RenderChart, DisplayStartAfterTheDataAsksForTheStartDate) {
    ChartFixture f;
    f.SetDailyBars(2004, 3, 1, 30);
    f.series->plotStartYear = 2005;
    f.series->plotStartMonth = 1;
    EXPECT_EQ(f.Render().result, kRenderAskDisplayStart);
    EXPECT_TRUE(f.prompts.Messages().empty());
    EXPECT_TRUE(f.canvas.Calls().empty());
}

TEST(RenderChart, SixteenYearsOfDailyBarsAreNarrowedToTheLogicalRange) {
    ChartFixture f;
    std::vector<Bar> bars;
    int y = 1990, m = 1, d = 1;
    for (int i = 0; i < kMaxBars; ++i) {
        bars.push_back(Bar{y, m, d, 1000, 1100, 900, 1050, 1000});
        NextDay(y, m, d);
        if (i % 2) NextDay(y, m, d);
    }
    f.SetBars(bars);
    ASSERT_GE(f.series->year[kMaxBars - 1], 2006);
    ASSERT_EQ(f.Render().result, kRenderDrawn);
    const ChartGeometry& g = *f.geometry;
    EXPECT_EQ(g.slotCount, 4096);
    EXPECT_EQ(g.rightX, 82020);
    EXPECT_EQ(g.xPercent, 39);
    EXPECT_EQ(g.leftLogical, 39);
    EXPECT_EQ(g.rightLogical, 820 * 39);
    // In the status strip, white over a black shadow.
    EXPECT_EQ(f.Texts(kWidthReducedMessage).size(), 2u);
    EXPECT_EQ(f.Texts("Daily chart |  1.00W X  1.00H").size(), 2u);

    // A print says nothing about it.
    f.canvas.ClearCalls();
    f.printing = true;
    f.Render();
    EXPECT_TRUE(f.Texts(kWidthReducedMessage).empty());
    EXPECT_EQ(f.geometry->xPercent, 39);
}

TEST(RenderChart, PriceRangeIsRoundedOutwardsByTheLastRuleThatApplies) {
    struct Case {
        float minLow, maxHigh;
        bool manual;
        int result;
        float bottom, top, unitsPerPrice;
    };
    const Case cases[] = {
        {9.5f, 12.3f, false, kRenderDrawn, 9, 13, 250},
        {1500, 1520, false, kRenderDrawn, 1000, 2000, 1},
        {1238, 2155, false, kRenderDrawn, 1000, 3000, 0.5f},
        {55, 61.5f, false, kRenderDrawn, 50, 70, 50},
        {100, 100, false, kRenderEmptyPriceRange, 100, 100, 0},
        {1500, 1520, true, kRenderDrawn, 1500, 1520, 50},
        {1500, 1500, true, kRenderEmptyPriceRange, 1500, 1500, 0},
        // A hairline manual range throws every bar far off the panel.
        {1500, 1500.001f, true, kRenderDrawn, 1500, 1500.001f, 1000 / (1500.001f - 1500)},
    };
    for (const Case& c : cases) {
        ChartFixture f;
        f.SetDailyBars(2025, 1, 6, 20);
        f.series->minLow = c.minLow;
        f.series->maxHigh = c.maxHigh;
        f.view.manualScale = c.manual;
        const int result = f.Render().result;
        EXPECT_EQ(result, c.result) << c.minLow << ".." << c.maxHigh;
        EXPECT_EQ(f.geometry->bottomPrice, c.bottom) << c.minLow << ".." << c.maxHigh;
        EXPECT_EQ(f.geometry->topPrice, c.top) << c.minLow << ".." << c.maxHigh;
        if (result == kRenderDrawn) {
            EXPECT_FLOAT_EQ(f.geometry->unitsPerPrice, c.unitsPerPrice);
        } else {
            // Nothing of the chart is drawn.
            EXPECT_TRUE(f.canvas.CallsOf(CallKind::Rectangle).empty());
            EXPECT_TRUE(f.canvas.CallsOf(CallKind::FillRect).empty());
        }
    }
}

TEST(RenderChart, BarGeometryFollowsTheCalendarAndThePriceMapping) {
    ChartFixture f;
    f.SetDailyBars(2025, 1, 6, 20);  // 900..1100 rounds to itself: 5 units per yen
    ASSERT_EQ(f.Render().result, kRenderDrawn);
    const ChartGeometry& g = *f.geometry;
    ASSERT_FLOAT_EQ(g.unitsPerPrice, 5.0f);
    EXPECT_EQ(g.barSlot[0], 6);
    EXPECT_EQ(g.barX[0], 5 * 20 + 101);
    EXPECT_EQ(g.barSlot[19], 25);
    EXPECT_EQ(g.barMidY[19], (150 + 1150) / 2);
    EXPECT_EQ(g.barCloseY[19], 1150 - 150 * 5);
    EXPECT_EQ(PriceY(g, 1000.0f), 650);
    // Weekly and monthly files stand on their week and month slots.
    ChartFixture w;
    w.SetBars({{2004, 1, 9, 10, 12, 9, 11, 5}, {2004, 1, 16, 10, 12, 9, 11, 5}}, 212);
    ASSERT_EQ(w.Render().result, kRenderDrawn);
    EXPECT_EQ(w.geometry->barSlot[1], data::WeekOrdinal(2004, 2004, 1, 16));
    EXPECT_EQ(w.geometry->slotCount, std::min(data::WeekOrdinal(2004, 2026, 1, 10) + 52, 1130));
    ChartFixture mo;
    mo.SetBars({{2004, 1, 30, 10, 12, 9, 11, 5}, {2004, 2, 27, 10, 12, 9, 11, 5}}, 214);
    ASSERT_EQ(mo.Render().result, kRenderDrawn);
    EXPECT_EQ(mo.geometry->barSlot[1], 2);
    EXPECT_EQ(mo.geometry->barX[1], 20 + 101);
    EXPECT_EQ(mo.geometry->slotCount, std::min((2026 - 2004) * 12 + 1 + 60, 620));
}

TEST(RenderChart, RegionsFollowThePanelsAtTheScrollPosition) {
    ChartFixture f;
    f.SetDailyBars(2025, 1, 6, 20);
    f.view.savedScrollX = 20;
    f.view.savedScrollY = 5;
    ASSERT_EQ(f.Render().result, kRenderDrawn);
    const ChartGeometry& g = *f.geometry;
    EXPECT_EQ(g.scrollX, 20);
    EXPECT_EQ(g.scrollY, 5);
    EXPECT_EQ(g.priceTopDevice, DevicePoint(g, 0, 150).y);
    EXPECT_EQ(g.priceRegion.top, g.priceTopDevice);
    EXPECT_EQ(g.priceRegion.left, DeviceOfLogical(g, {g.leftLogical, 0}).x);
    EXPECT_EQ(g.priceRegion.bottom, DevicePoint(g, 0, 1150).y);
    // The lower region is cut at the bottom of the client area.
    EXPECT_EQ(g.lowerRegion.top, DevicePoint(g, 0, 1150).y);
    ASSERT_GT(DevicePoint(g, 0, 2150).y, 800);
    EXPECT_EQ(g.lowerRegion.bottom, 800);
    EXPECT_EQ(g.chartRegion.bottom, DevicePoint(g, 0, 2150).y);
    EXPECT_EQ(g.pagesDown, 1);
    // The bars are clipped to the price panel.
    const auto rects = f.canvas.CallsOf(CallKind::FillRect);
    const auto body = std::find_if(rects.begin(), rects.end(), [&](const platform::CanvasCall& c) {
        return c.brush == f.objects.upBarBrush;
    });
    ASSERT_NE(body, rects.end());
    EXPECT_EQ(body->clip, g.priceRegion);
}

TEST(RenderChart, NewDataScrollsTheNewestBarToEightyPercent) {
    struct Case {
        bool zoomWindow, keepOnce;
        int expected;
    };
    // 100 daily slots: the data end at 100 * 20 + 100 = 2100 units = 794 px.
    const Case cases[] = {{false, false, 794 - 1024}, {true, false, 55}, {false, true, 55}};
    for (const Case& c : cases) {
        ChartFixture f;
        f.SetDailyBars(2025, 1, 1, 100);
        f.view.savedScrollX = 55;
        f.view.newDataFlag = true;
        f.view.keepPositionOnce = c.keepOnce;
        RenderContext ctx = f.Context();
        ctx.zoomWindowOpen = c.zoomWindow;
        const RenderOutcome out = RenderChart(ctx);
        ASSERT_EQ(out.result, kRenderDrawn);
        EXPECT_EQ(f.geometry->scrollX, c.expected);
        EXPECT_EQ(f.view.savedScrollX, c.expected);
        EXPECT_EQ(out.scrollBars.horizontalPos, c.expected);
        EXPECT_FALSE(f.view.newDataFlag);
        EXPECT_FALSE(f.view.keepPositionOnce);
    }
    // Without the flags the saved position is kept.
    ChartFixture f;
    f.SetDailyBars(2025, 1, 1, 100);
    f.view.savedScrollX = 120;
    f.Render();
    EXPECT_EQ(f.geometry->scrollX, 120);
}

TEST(RenderChart, ScaleValuesAndTheVolumeScale) {
    ChartFixture f;
    std::vector<Bar> bars;
    for (int i = 0; i < 10; ++i)
        bars.push_back(Bar{2025, 1, 6 + i, 1000, 1100, 900, 1050, 100});
    bars[4].volume = 2345;
    f.SetBars(bars);
    f.options.tradeVolume = true;
    ASSERT_EQ(f.Render().result, kRenderDrawn);
    const ChartGeometry& g = *f.geometry;
    // Two significant digits of 2345 on the scale; 80 logical units is where it starts.
    const auto lower = f.Texts("1150");
    const auto upper = f.Texts("2300");
    ASSERT_FALSE(lower.empty());
    ASSERT_FALSE(upper.empty());
    EXPECT_EQ(lower[0].points[0], DeviceOfLogical(g, {80, LogicalY(2150 - 200, 100)}));
    EXPECT_EQ(lower[0].hAlign, platform::HAlign::Right);
    EXPECT_EQ(upper[0].points[0], DeviceOfLogical(g, {80, LogicalY(2150 - 400, 100)}));
    // ... while the bars are scaled by 2345 itself: the largest reaches the panel top.
    const auto rects = f.canvas.CallsOf(CallKind::FillRect);
    const int barLeft = DeviceOfLogical(g, {LogicalX(static_cast<int>(g.barX[4]), 100), 0}).x;
    const auto peak = std::find_if(rects.begin(), rects.end(), [&](const platform::CanvasCall& c) {
        return c.brush == f.objects.upBarBrush && c.AsRect().left == barLeft &&
               c.AsRect().bottom == DevicePoint(g, 0, 2150).y;
    });
    ASSERT_NE(peak, rects.end());
    EXPECT_EQ(peak->AsRect().top, DevicePoint(g, 0, 1750).y);
    // Price scale: 900..1100 with decimals (bottom at most 1000).
    EXPECT_FALSE(f.Texts("1100.00").empty());
    EXPECT_FALSE(f.Texts("1000.00").empty());
    EXPECT_FALSE(f.Texts(" 900.00").empty());

    struct Scale {
        int maxVolume, lower, upper;
    };
    for (const Scale& s : {Scale{2345, 1150, 2300}, Scale{999, 495, 990}, Scale{100, 50, 100},
                           Scale{99, 49, 99}, Scale{1, 0, 1}}) {
        const VolumeScaleValues v = VolumeScaleFor(s.maxVolume);
        EXPECT_EQ(v.lower, s.lower) << s.maxVolume;
        EXPECT_EQ(v.upper, s.upper) << s.maxVolume;
    }
}

TEST(RenderChart, PsychologicalLineAndOverlapPutPercentagesOnThePriceScale) {
    ChartFixture f;
    f.SetDailyBars(2025, 1, 6, 20);
    f.options.psychologicalLine = true;
    f.Render();
    EXPECT_FALSE(f.Texts(" 900.00( 0.0%)").empty());
    EXPECT_FALSE(f.Texts("1100.00(100%)").empty());
    EXPECT_FALSE(f.Texts("1000.00( 50.0%)").empty());
    EXPECT_FALSE(f.Texts(" 950.00( 25.0%)").empty());
    EXPECT_FALSE(f.Texts("1050.00( 75.0%)").empty());
}

TEST(RenderChart, LayersAreCalledInTheirFixedOrderWhenSwitchedOn) {
    struct Case {
        const char* name;
        void (*setUp)(ChartFixture&);
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"everything over a single chart",
         [](ChartFixture& f) {
             ChartOptions& o = f.options;
             o.volumeRatio = o.volumeAverage = o.ichimokuSpans = o.shinoharaCr = true;
             o.envelope = o.psychologicalLine = true;
             o.movingAverage1 = o.movingAverage2 = o.movingAverage3 = true;
             o.barStyle = kStyleLine;
             o.subPanelIndicator = kPanelBollinger;
             f.series->hasChrFile = true;
         },
         {"volumeRatio@0", "volumeAverage@0", "ichimoku@0", "shinoharaCr@0", "bollinger@0",
          "envelope@0", "psychological@0", "closeLine@0", "ma1@0", "ma2@0", "ma3@0",
          "annotations@0"}},
        {"on-balance volume and SAR",
         [](ChartFixture& f) {
             f.options.subPanelIndicator = kPanelOnBalanceVolume;
             f.options.parabolicSar = true;
         },
         {"obv@0", "sar@0"}},
        {"Bollinger gives way to the SAR",
         [](ChartFixture& f) {
             f.options.subPanelIndicator = kPanelBollinger;
             f.options.parabolicSar = true;
         },
         {"sar@0"}},
        {"too little volume",
         [](ChartFixture& f) {
             f.series->maxVolume = 9;
             f.options.volumeRatio = f.options.volumeAverage = true;
             f.options.subPanelIndicator = kPanelOnBalanceVolume;
         },
         {}},
        {"a code out of range becomes deviation",
         [](ChartFixture& f) { f.options.subPanelIndicator = 250; },
         {"panel2@0"}},
        {"annotations switched off",
         [](ChartFixture& f) {
             f.options.annotationsOff = true;
             f.series->hasChrFile = true;
             f.options.subPanelIndicator = kPanelMacd;
         },
         {"panel5@0"}},
    };
    for (const Case& c : cases) {
        ChartFixture f;
        f.SetDailyBars(2025, 1, 6, 20);
        c.setUp(f);
        ASSERT_EQ(f.Render().result, kRenderDrawn) << c.name;
        EXPECT_EQ(f.layers.calls, c.expected) << c.name;
    }
    // The out-of-range code is stored back as deviation.
    ChartFixture f;
    f.SetDailyBars(2025, 1, 6, 20);
    f.options.subPanelIndicator = -1;
    f.Render();
    EXPECT_EQ(f.options.subPanelIndicator, kPanelDeviation);
}

TEST(RenderChart, AnnotationsBelowOneEndTheRenderBeforeTheStatusLine) {
    ChartFixture f;
    f.SetDailyBars(2025, 1, 6, 20);
    f.series->hasChrFile = true;
    f.layers.annotationResult = 0;
    EXPECT_EQ(f.Render().result, 0);
    EXPECT_FALSE(f.AnyTextContains("/data/test.stk"));
    f.canvas.ClearCalls();
    f.layers.annotationResult = 1;
    EXPECT_EQ(f.Render().result, kRenderDrawn);
    EXPECT_TRUE(f.AnyTextContains("/data/test.stk"));
}

TEST(RenderChart, MultiChartDrawsEachPageBelowTheOtherWithoutVolume) {
    ChartFixture f;
    f.SetDailyBars(2025, 1, 6, 20);
    f.options.multiChart = true;
    f.options.volumeRatio = true;
    f.options.subPanelIndicator = kPanelMacd;
    f.options.parabolicSar = true;
    std::vector<int> loads;
    std::vector<int> tops;
    f.multi.fileCount = 2;
    f.multi.loadPage = [&](int page) {
        tops.push_back(f.geometry->chartTop);
        loads.push_back(page);
        return 20;
    };
    const RenderOutcome out = f.Render(1.0f, 0.5f);
    EXPECT_EQ(out.result, kRenderDrawn);
    EXPECT_EQ(out.pagesDrawn, 3);
    EXPECT_EQ(loads, (std::vector<int>{1, 2}));
    EXPECT_EQ(tops, (std::vector<int>{-1150, 0}));
    EXPECT_EQ(f.geometry->chartTop, 1150);
    EXPECT_EQ(f.layers.calls, (std::vector<std::string>{"sar@0", "sar@1", "sar@2"}));
    EXPECT_TRUE(f.Texts("Volume").empty());
    // The extreme marks go on the first page only.
    int maxMarks = 0;
    for (const auto& c : f.canvas.CallsOf(CallKind::Text))
        if (c.text.rfind(" Max ", 0) == 0) ++maxMarks;
    EXPECT_EQ(maxMarks, 1);
}

TEST(RenderChart, MultiChartOfMixedPeriodsStopsAndLeavesTheMode) {
    ChartFixture f;
    f.SetDailyBars(2025, 1, 6, 20);
    f.options.multiChart = true;
    f.options.overlap = true;
    f.multi.fileCount = 3;
    f.multi.loadPage = [&](int page) {
        if (page == 2) {
            f.series->fileTypeId = 212;
            f.series->title = "週足銘柄";
        }
        return 20;
    };
    const RenderOutcome out = f.Render();
    EXPECT_EQ(out.result, kRenderMixedPeriods);
    EXPECT_TRUE(out.restoreMainMenu);
    EXPECT_FALSE(f.options.multiChart);
    EXPECT_FALSE(f.options.overlap);
    ASSERT_EQ(f.prompts.Messages().size(), 1u);
    EXPECT_EQ(f.prompts.Messages()[0].text, "[ 週足銘柄 ] グラフのﾀｲﾌﾟ(日、週、月足）が違います！");
    EXPECT_EQ(f.prompts.Messages()[0].caption, "警告メッセージ(ID002)");
    EXPECT_EQ(f.prompts.Messages()[0].icon, platform::Icon::Exclamation);
}

TEST(RenderChart, OverlapWritesEachTitleAtTheEndOfItsLineAndNoAverages) {
    ChartFixture f;
    f.SetDailyBars(2025, 1, 6, 20);
    f.options.multiChart = true;
    f.options.overlap = true;
    f.options.barStyle = kStyleLine;
    f.options.movingAverage1 = true;
    f.multi.fileCount = 1;
    f.multi.loadPage = [](int) { return 20; };
    ASSERT_EQ(f.Render(1.0f, 1.5f).result, kRenderDrawn);
    EXPECT_EQ(f.layers.calls, (std::vector<std::string>{"closeLine@0", "closeLine@1"}));
    const ChartGeometry& g = *f.geometry;
    const auto titles = f.Texts("テスト銘柄");
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[1].textColour, 0xFFFFFFu);
    const int x = (static_cast<int>(g.barX[19]) + 20 + 10) * g.xPercent / 100;
    const int y = -(g.barCloseY[19] - 10) * g.yPercent / 100;
    EXPECT_EQ(titles[1].points[0], DeviceOfLogical(g, {x, y}));
    // Only the percentages stand on the price scale.
    EXPECT_FALSE(f.Texts("(100%)").empty());
    EXPECT_TRUE(f.Texts("1100.00").empty());
}

}  // namespace
}  // namespace korvo::chart::test
