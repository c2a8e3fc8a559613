// The trident chart: the eight orderings, the blocks, labels and list, and bs.trd.
#include <gtest/gtest.h>

#include "altcharts/alt_chart_fixture.h"
#include "altcharts/trident_chart.h"

namespace korvo::altcharts {
namespace {

using indicators::SignalFile;
using platform::CallKind;
using platform::Point;
using platform::Rect;
using test::AltChartFixture;
using test::Header;

// Closes from 95 to 105 (40 pixels a unit) that run through patterns 4, 5,
// 7, 3, 4, 6 and 5, with closes in between that start nothing.
const std::vector<float> kBreaks = {101, 102, 100, 99, 103, 105, 100, 98, 96, 101, 95, 99};

TridentChart Compute(const std::vector<float>& closes) {
    const float top = *std::max_element(closes.begin(), closes.end());
    const float bottom = *std::min_element(closes.begin(), closes.end());
    return ComputeTridentChart(closes, top, bottom, test::kClient);
}

std::vector<int> Patterns(const TridentChart& chart) {
    std::vector<int> patterns;
    for (const TridentBlock& b : chart.blocks)
        if (!b.opening) patterns.push_back(b.pattern);
    return patterns;
}

TEST(TridentChart, BreaksWriteTheirSignalsByteForByte) {
    AltChartFixture f;
    f.SetCloses(kBreaks);
    ASSERT_EQ(DrawTridentChart(f.Target(), f.modes).result, kAltChartDrawn);
    EXPECT_EQ(Patterns(Compute(kBreaks)), (std::vector<int>{4, 5, 7, 3, 4, 6, 5}));
    // Pattern 4 sells at the bar before with the last block's end, before any
    // buy; pattern 7 buys nothing while holding; pattern 3 sells while holding.
    EXPECT_EQ(f.File(SignalFile::Trident), Header(" テスト銘柄―新値３本足(Trident)") +
                                               "\n 0 2024 1 2 101.00 0 0"
                                               "\n 7 2024 1 4 100.00  2 0"
                                               "\n 6 2024 1 6 103.00 4 0"
                                               "\n 7 2024 1 9 98.00 7 1"
                                               "\n 6 2024 1 13 99.00 11 0"
                                               "\n 9 2024 1 13 99.00 11 1");
    EXPECT_TRUE(f.written.IsWritten(SignalFile::Trident));
}

TEST(TridentChart, BlocksStandSevenPixelsApartBelowTheLowestRisingEnd) {
    AltChartFixture f;
    f.SetCloses(kBreaks);
    const AltChartOutcome out = DrawTridentChart(f.Target(), f.modes);
    // The lowest rising end (99) measured at 330: the base line at 470, and
    // y(p) = 4270 - 40 p in the drawing.
    const TridentChart chart = Compute(kBreaks);
    EXPECT_EQ(chart.baseLine, 470);
    EXPECT_EQ(chart.priceBase, 4270);
    const auto fills = f.canvas.CallsOf(CallKind::FillRect);
    ASSERT_EQ(fills.size(), 10u);  // the frame, two opening blocks, seven blocks
    const Rect expected[] = {{57, 190, 64, 230},  {64, 190, 71, 270},   {71, 270, 78, 310},
                             {78, 150, 85, 310},  {85, 70, 92, 150},    {92, 70, 99, 350},
                             {99, 350, 106, 430}, {106, 430, 113, 470}, {113, 310, 120, 470}};
    const bool rising[] = {true, false, false, true, true, false, false, false, true};
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(fills[i + 1].AsRect(), expected[i]) << i;
        EXPECT_EQ(fills[i + 1].brush, rising[i] ? f.objects.upBarBrush : f.objects.downBarBrush)
            << i;
        EXPECT_EQ(fills[i + 1].clip, (Rect{37, 37, 543, 593}));
    }
    EXPECT_EQ(out.pagesAcross, 2);  // 127 / 740 + 2
    EXPECT_EQ(out.pagesDown, 1);
    EXPECT_EQ(f.canvas.TextCalls("Trident-新値３本足").size(), 1u);
}

TEST(TridentChart, LabelsOnOddOrEvenBlocksAndTheListInWhite) {
    struct Case {
        int mode;
        std::vector<std::pair<std::string, Point>> labels;
    };
    const Case cases[] = {
        {1, {{" 1/6 ", {76, 148}}, {" 1/9 ", {90, 352}}, {" 1/12 ", {104, 472}}}},
        {2,
         {{" 1/5 ", {69, 312}},
          {" 1/7 ", {83, 68}},
          {" 1/10 ", {97, 432}},
          {" 1/13 ", {111, 308}}}},
        {3, {{" 103 ", {76, 148}}, {" 98 ", {90, 352}}, {" 95 ", {104, 472}}}},
        {4, {{" 99 ", {69, 312}}, {" 105 ", {83, 68}}, {" 96 ", {97, 432}}, {" 99 ", {111, 308}}}},
    };
    for (const Case& c : cases) {
        AltChartFixture f;
        f.SetCloses(kBreaks);
        f.modes.tridentLabelMode = c.mode;
        DrawTridentChart(f.Target(), f.modes);
        std::vector<platform::CanvasCall> labels;
        for (const auto& call : f.Texts())
            if (call.font == f.objects.verticalSmallFont) labels.push_back(call);
        ASSERT_EQ(labels.size(), c.labels.size()) << c.mode;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(labels[i].text, c.labels[i].first) << c.mode;
            EXPECT_EQ(labels[i].points[0], c.labels[i].second) << c.mode << " " << i;
            EXPECT_EQ(labels[i].textColour, platform::Rgb(64, 255, 64));
        }
    }
    AltChartFixture f;
    f.SetCloses(kBreaks);
    DrawTridentChart(f.Target(), f.modes);
    // A sell first: it takes the lower place of the first column.
    struct Entry {
        const char* text;
        Point at;
    };
    const Entry entries[] = {{"     100( 1/ 4)", {60, 520}},
                             {"     103( 1/ 6)", {120, 510}},
                             {"      98( 1/ 9)", {120, 520}},
                             {"      99( 1/13)", {180, 510}}};
    for (const Entry& e : entries) {
        const auto calls = f.canvas.TextCalls(e.text);
        ASSERT_EQ(calls.size(), 1u) << e.text;
        EXPECT_EQ(calls[0].points[0], e.at) << e.text;
        EXPECT_EQ(calls[0].textColour, platform::Rgb(255, 255, 255));
        EXPECT_EQ(calls[0].font, f.objects.smallFont);
    }
}

TEST(TridentChart, EightStrictOrderingsAndTheirSignals) {
    struct Case {
        std::vector<float> closes;  // a, b, c, new
        int pattern;
        bool rising;
        int signal;  // 0 none, 6 buy, 7 sell
        int bar;
        float price;
    };
    const Case cases[] = {
        {{100, 101, 102, 103}, 1, true, 0, 0, 0},   {{101, 102, 100, 103}, 2, true, 0, 0, 0},
        {{100, 101, 102, 99}, 3, false, 0, 0, 0},  // no sell without a buy before it
        {{101, 102, 100, 99}, 4, false, 7, 2, 100}, {{102, 101, 100, 103}, 5, true, 6, 3, 103},
        {{102, 101, 100, 99}, 6, false, 0, 0, 0},   {{101, 100, 102, 103}, 7, true, 6, 2, 102},
        {{101, 100, 102, 99}, 8, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const TridentChart chart = Compute(c.closes);
        EXPECT_EQ(Patterns(chart), std::vector<int>{c.pattern});
        ASSERT_EQ(chart.blocks.size(), 3u);
        EXPECT_EQ(chart.blocks[2].rising, c.rising) << c.pattern;
        // The two opening blocks each take the colour of their own direction.
        EXPECT_EQ(chart.blocks[0].rising, c.closes[1] > c.closes[0]) << c.pattern;
        EXPECT_EQ(chart.blocks[1].rising, c.closes[2] > c.closes[1]) << c.pattern;
        ASSERT_EQ(chart.tradeSignals.size(), c.signal == 0 ? 0u : 1u) << c.pattern;
        if (c.signal == 0) continue;
        EXPECT_EQ(chart.tradeSignals[0].buy, c.signal == 6);
        EXPECT_EQ(chart.tradeSignals[0].bar, c.bar);
        EXPECT_EQ(chart.tradeSignals[0].price, c.price);
        EXPECT_EQ(chart.tradeSignals[0].state, 0);
    }
}

TEST(TridentChart, UnorderedStartsAndTiesNeverStartABlock) {
    struct Case {
        std::vector<float> closes;
        std::vector<int> patterns;
        int firstBar;  // the bar the first block ends at, -1 for none
    };
    const Case cases[] = {
        // a < c < b: whatever the fourth close, nothing; the lines move on by one.
        {{100, 102, 101, 99}, {}, -1},
        {{100, 102, 101, 103}, {}, -1},
        {{100, 102, 101, 101.5f}, {}, -1},
        {{100, 102, 101, 103, 104}, {7}, 4},
        {{102, 100, 101, 103}, {}, -1},               // b < c < a
        {{100, 101, 102, 102}, {}, -1},               // equal to the last end
        {{100, 101, 102, 100}, {}, -1},               // equal to the oldest
        {{100, 101, 101, 103}, {}, -1},               // two equal ends
        {{100, 101, 102, 103, 103, 104}, {1, 1}, 3},  // a tie after a block changes nothing
    };
    for (const Case& c : cases) {
        const TridentChart chart = Compute(c.closes);
        EXPECT_EQ(Patterns(chart), c.patterns) << c.closes[3];
        if (c.firstBar >= 0) {
            ASSERT_GE(chart.blocks.size(), 3u);
            EXPECT_EQ(chart.blocks[2].bar, c.firstBar);
            EXPECT_EQ(chart.blocks[0].from, c.closes[static_cast<std::size_t>(c.firstBar - 3)]);
        }
    }
}

TEST(TridentChart, ChartThatEndsAtItsLowsIsNeverMovedAboveThePlot) {
    // Every rise happens near the ceiling: 140 below the lowest rising end
    // would lift the chart's top out of the plot; it stays where it was measured.
    const std::vector<float> closes = {150, 160, 170, 180, 140, 130, 120, 110, 100};
    const TridentChart chart = Compute(closes);
    EXPECT_EQ(chart.baseLine, test::kClient.height - 110 - 50);
    const int ceiling = chart.priceBase - static_cast<int>(180.0f * chart.scale);
    EXPECT_EQ(ceiling, 40);
}

TEST(TridentChart, FlatSeriesAndNullCanvas) {
    AltChartFixture flat;
    flat.SetCloses({7, 7, 7, 7});
    EXPECT_EQ(DrawTridentChart(flat.Target(), flat.modes).result, kAltChartFlat);
    EXPECT_EQ(flat.File(SignalFile::Trident), Header(" テスト銘柄―新値３本足(Trident)"));
    EXPECT_TRUE(flat.canvas.Calls().empty());

    AltChartFixture quiet;
    quiet.SetCloses(kBreaks);
    EXPECT_EQ(DrawTridentChart(quiet.Target(false), quiet.modes).result, kAltChartDrawn);
    AltChartFixture drawn;
    drawn.SetCloses(kBreaks);
    DrawTridentChart(drawn.Target(), drawn.modes);
    EXPECT_EQ(quiet.File(SignalFile::Trident), drawn.File(SignalFile::Trident));
    EXPECT_TRUE(quiet.canvas.Calls().empty());

    // Too few closes for any block: the records 0 and 9 alone.
    AltChartFixture few;
    few.SetCloses({100, 101, 102});
    EXPECT_EQ(DrawTridentChart(few.Target(), few.modes).result, kAltChartDrawn);
    EXPECT_EQ(few.File(SignalFile::Trident), Header(" テスト銘柄―新値３本足(Trident)") +
                                                 "\n 0 2024 1 2 100.00 0 0"
                                                 "\n 9 2024 1 4 102.00 2 0");
}

TEST(TridentChart, TitleMarksPricesAboveOneHundredThousand) {
    EXPECT_EQ(TridentChartTitle(100000.0f), "Trident-新値３本足");
    EXPECT_EQ(TridentChartTitle(100001.0f), "Trident-新値３本足 ( x1000)");
}

}  // namespace
}  // namespace korvo::altcharts
