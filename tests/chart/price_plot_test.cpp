#include "chart/price_plot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_fixture.h"

namespace korvo::chart::test {
namespace {

using platform::CallKind;
using platform::HAlign;
using platform::Rect;

// Bars at 100 % on a canvas in the chart's mapping mode, scrolled to 0.
struct PlotFixture : ChartFixture {
    explicit PlotFixture(int bars = 12) {
        SetDailyBars(2004, 1, 5, bars);
        for (int i = 0; i < bars; ++i)
            geometry->barX[static_cast<std::size_t>(i)] = 101.0f + 20 * i;
        geometry->rightX = 2100;
        series->rawMaxHigh = 99999;  // no extreme marks unless a test asks
        series->rawMinLow = -1;
        canvas.SetMapMode(platform::MapMode::LoMetric);
        canvas.SetViewportOrigin({0, 0});
    }
    void Bar(int i, BarLevels levels) {
        RenderContext c = Context();
        DrawBar(c, i, levels, marks);
    }
    platform::Point Dev(int x, int y) const { return DevicePoint(*geometry, x, y); }
    ExtremeMarks marks;
};

TEST(DrawBar, CandleBodiesAreAtLeastTenScaledUnitsTall) {
    struct Case {
        const char* name;
        int yPercent, openY, closeY;
        int top, bottom;  // logical y of the body's ends
        bool up;
    };
    const Case cases[] = {
        {"doji: 10 units below the open, up colour", 100, 500, 500, -510, -500, true},
        {"falling body of 3: 7 units above the open", 100, 500, 503, -493, -500, false},
        {"rising body of 3: 7 units below the open", 100, 503, 500, -510, -503, true},
        {"tall falling body as it is", 100, 400, 600, -600, -400, false},
        {"tall rising body as it is", 100, 600, 400, -400, -600, true},
        {"doji at 50 %: 5 logical units", 50, 500, 500, -255, -250, true},
    };
    for (const Case& c : cases) {
        PlotFixture f;
        f.geometry->yPercent = c.yPercent;
        f.Bar(0, {c.openY, 300, 700, c.closeY});
        const auto fills = f.canvas.CallsOf(CallKind::FillRect);
        ASSERT_EQ(fills.size(), 1u) << c.name;
        EXPECT_EQ(fills[0].AsRect(), f.canvas.LogicalToDevice(Rect{101, c.top, 119, c.bottom}))
            << c.name;
        EXPECT_EQ(fills[0].brush, c.up ? f.objects.upBarBrush : f.objects.downBarBrush) << c.name;
        // The stem runs from the high to the low through the middle of the bar.
        const auto lines = f.canvas.CallsOf(CallKind::Line);
        ASSERT_EQ(lines.size(), 1u) << c.name;
        EXPECT_EQ(lines[0].points[0],
                  f.canvas.LogicalToDevice(platform::Point{110, -300 * c.yPercent / 100}));
        EXPECT_EQ(lines[0].pen, f.objects.linePen);
    }
}

TEST(DrawBar, StylesAndFileTypes) {
    PlotFixture bar;
    bar.options.barStyle = kStyleBar;
    bar.Bar(0, {400, 300, 700, 600});
    const auto lines = bar.canvas.CallsOf(CallKind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].points[0], bar.Dev(110, 600));
    EXPECT_EQ(lines[1].points[1], bar.Dev(119, 600));
    EXPECT_TRUE(bar.canvas.CallsOf(CallKind::FillRect).empty());

    PlotFixture line;
    line.options.barStyle = kStyleLine;
    line.series->rawMaxHigh = line.series->high[0];
    line.Bar(0, {400, 300, 700, 600});
    EXPECT_TRUE(line.canvas.Calls().empty());

    // Files without open levels get the high-low stem only.
    PlotFixture t220;
    t220.series->fileTypeId = 220;
    t220.options.openCloseLabels = true;
    t220.Bar(0, {400, 300, 700, 600});
    EXPECT_EQ(t220.canvas.CallsOf(CallKind::Line).size(), 1u);
    EXPECT_TRUE(t220.canvas.CallsOf(CallKind::FillRect).empty());
    EXPECT_TRUE(t220.canvas.CallsOf(CallKind::Text).empty());
}

TEST(DrawBar, ValueLabelsStandBeyondTheEndsWhenThereIsRoom) {
    PlotFixture f;
    f.options.openCloseLabels = true;
    f.options.highLowLabels = true;
    f.series->open[0] = 1520;
    f.series->close[0] = 1500;
    f.series->high[0] = 1530.5f;
    f.series->low[0] = 1490;
    f.Bar(0, {400, 380, 460, 420});
    struct Label {
        const char* text;
        int x, y;
        HAlign align;
        platform::Colour colour;
    };
    const Label labels[] = {
        {"1530.50", 110, 370, HAlign::Left, f.objects.scaleText},
        {"     1490", 110, 470, HAlign::Right, f.objects.scaleText},
        {"     1520", 99, 395, HAlign::Left, f.objects.dateText},  // upper end of a falling body
        {"     1500", 99, 435, HAlign::Right, f.objects.dateText},
    };
    for (const Label& l : labels) {
        const auto calls = f.Texts(l.text);
        ASSERT_EQ(calls.size(), 1u) << l.text;
        EXPECT_EQ(calls[0].points[0], f.Dev(l.x, l.y)) << l.text;
        EXPECT_EQ(calls[0].hAlign, l.align) << l.text;
        EXPECT_EQ(calls[0].textColour, l.colour) << l.text;
        EXPECT_EQ(calls[0].font.escapement, 900) << l.text;
    }

    // A fraction in either price prints both with decimals.
    PlotFixture frac;
    frac.options.openCloseLabels = true;
    frac.series->open[0] = 15.25f;
    frac.series->close[0] = 16;
    frac.Bar(0, {500, 300, 700, 450});
    EXPECT_EQ(frac.Texts("  16.00").size(), 1u);
    EXPECT_EQ(frac.Texts("  15.25").size(), 1u);

    // No labels for a doji, and none at 75 % or less.
    PlotFixture doji;
    doji.options.openCloseLabels = true;
    doji.series->close[0] = doji.series->open[0];
    doji.Bar(0, {500, 300, 700, 500});
    EXPECT_TRUE(doji.canvas.CallsOf(CallKind::Text).empty());
    PlotFixture narrow;
    narrow.options.openCloseLabels = narrow.options.highLowLabels = true;
    narrow.geometry->xPercent = 75;
    narrow.Bar(0, {400, 300, 700, 600});
    EXPECT_TRUE(narrow.canvas.CallsOf(CallKind::Text).empty());
}

TEST(DrawBar, TheNewestBarAtTheHighestHighCarriesTheMark) {
    struct Case {
        const char* name;
        float high;
        int highY;
        const char* text;
        platform::Point at;
        HAlign align;
    };
    const Case cases[] = {
        {"inside the panel", 1520, 600, " Max 1520(2004/1/6)", {128, 580}, HAlign::Centre},
        {"at the top of the panel", 1520, 150, " Max 1520(2004/1/6)", {128, 153}, HAlign::Left},
        {"with a fraction", 15.25f, 600, " Max  15.25(2004/1/6)", {128, 580}, HAlign::Centre},
    };
    for (const Case& c : cases) {
        PlotFixture f;
        f.series->high[0] = f.series->high[1] = c.high;
        f.series->rawMaxHigh = c.high;
        // Newest first, as the renderer visits them.
        f.Bar(1, {700, c.highY, 900, 700});
        f.Bar(0, {700, c.highY, 900, 700});
        int marks = 0;
        for (const auto& call : f.canvas.CallsOf(CallKind::Text))
            if (call.text.rfind(" Max", 0) == 0) ++marks;
        EXPECT_EQ(marks, 1) << c.name;
        const auto calls = f.Texts(c.text);
        ASSERT_EQ(calls.size(), 1u) << c.name;
        EXPECT_EQ(calls[0].points[0], f.Dev(c.at.x, c.at.y)) << c.name;
        EXPECT_EQ(calls[0].hAlign, c.align) << c.name;
        EXPECT_EQ(calls[0].textColour, 0x0000FFu) << c.name;
        EXPECT_EQ(calls[0].font, f.objects.markerFont) << c.name;
    }
    // The lowest low: below the panel's bottom the mark moves up inside it.
    PlotFixture f;
    f.series->low[2] = 900;
    f.series->rawMinLow = 900;
    f.Bar(2, {700, 300, 1150, 700});
    const auto low = f.Texts(" Min 900(2004/1/7)");
    ASSERT_EQ(low.size(), 1u);
    EXPECT_EQ(low[0].points[0], f.Dev(148, 1120));
    EXPECT_EQ(low[0].hAlign, HAlign::Left);
}

TEST(DrawTradeVolume, AlarmNeedsMoreThanThreeTimesTheFiveBarAverage) {
    struct Case {
        const char* name;
        int index;
        int volume;
        bool alarm;
    };
    const Case cases[] = {
        {"500 against an average of 180", 10, 500, false},
        {"600 against an average of 200", 10, 600, false},
        {"601 against an average of 200", 10, 601, true},
        {"never on the sixth bar", 5, 10000, false},
        {"the seventh bar may", 6, 10000, true},
    };
    for (const Case& c : cases) {
        PlotFixture f(11);
        for (int i = 0; i < 11; ++i)
            f.series->volume[static_cast<std::size_t>(i)] = 100;
        f.series->volume[static_cast<std::size_t>(c.index)] = c.volume;
        f.series->maxVolume = 20000;
        f.series->peakVolume = 20000;
        f.options.volumeAlarm = true;
        RenderContext ctx = f.Context();
        DrawTradeVolume(ctx);
        const auto calls = f.Texts(std::to_string(c.volume));
        ASSERT_EQ(calls.size(), c.alarm ? 1u : 0u) << c.name;
        if (c.alarm) {
            const int x = 101 + 20 * c.index;
            const int y = static_cast<int>(2150.0f - c.volume * (400.0f / 20000));
            EXPECT_EQ(calls[0].points[0], f.Dev(x - 20, y - 55)) << c.name;
            EXPECT_EQ(calls[0].textColour, 0x00FFFFu) << c.name;
            EXPECT_EQ(calls[0].hAlign, HAlign::Centre) << c.name;
        }
        // One bar per volume, all in the rising colour, 5 units plus 2 logical wide.
        const auto fills = f.canvas.CallsOf(CallKind::FillRect);
        ASSERT_EQ(fills.size(), 11u) << c.name;
        EXPECT_EQ(fills[3].AsRect(), f.canvas.LogicalToDevice(Rect{161, -2148, 168, -2150}))
            << c.name;
        EXPECT_EQ(fills[3].brush, f.objects.upBarBrush);
    }
    // Switched off, nothing is said.
    PlotFixture f(11);
    f.series->volume[10] = 100000;
    f.series->maxVolume = f.series->peakVolume = 100000;
    RenderContext ctx = f.Context();
    DrawTradeVolume(ctx);
    EXPECT_TRUE(f.Texts("100000").empty());
}

TEST(DrawTradeVolume, EveryBarAtTheLargestVolumeIsMarked) {
    PlotFixture f(6);
    for (int i = 0; i < 6; ++i)
        f.series->volume[static_cast<std::size_t>(i)] = 10 + i;
    f.series->volume[1] = f.series->volume[4] = 50;
    f.series->maxVolume = f.series->peakVolume = 50;
    f.options.openCloseLabels = true;
    RenderContext ctx = f.Context();
    DrawTradeVolume(ctx);
    EXPECT_EQ(f.Texts(" Max 50(2004/1/6)").size(), 1u);
    EXPECT_EQ(f.Texts(" Max 50(2004/1/9)").size(), 1u);
    // The value labels read upwards above each bar.
    const auto label = f.Texts("12");
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].points[0], f.Dev(141 - 5, 2150 - 96 - 10));
}

TEST(DrawVolumeHistogram, SumsVolumeByCloseIntoFortyBands) {
    struct Case {
        int fileTypeId;
        int longest;  // layout units of the largest band
    };
    for (const Case& c : {Case{210, 900}, Case{212, 450}, Case{214, 450}, Case{222, 900}}) {
        PlotFixture f(4);
        f.series->fileTypeId = c.fileTypeId;
        f.series->maxHigh = 1200;
        f.series->minLow = 800;
        const float closes[] = {1100, 1100, 1000, 1200};
        const int volumes[] = {100, 200, 100, 5000};
        for (std::size_t i = 0; i < 4; ++i) {
            f.series->close[i] = closes[i];
            f.series->volume[i] = volumes[i];
        }
        RenderContext ctx = f.Context();
        EXPECT_EQ(DrawVolumeHistogram(ctx), 0);
        const auto rects = f.canvas.CallsOf(CallKind::Rectangle);
        ASSERT_EQ(rects.size(), 40u);
        // 1100 falls in band 9 (1090..1100 would not take it), 1000 in band 19;
        // a close at the very top (1200) falls in no band.
        const int right = 2100 - 10;
        EXPECT_EQ(rects[9].AsRect(),
                  f.canvas.LogicalToDevice(Rect{right - c.longest, -375, right, -400}));
        EXPECT_EQ(rects[19].AsRect(),
                  f.canvas.LogicalToDevice(Rect{right - c.longest / 3, -625, right, -650}));
        EXPECT_EQ(rects[0].AsRect().Width(), 0);
        EXPECT_EQ(rects[9].brush, f.objects.paletteBrush[4]);
        // Only bands of at least 90 % of the largest are numbered.
        const auto labels = f.Texts("300  ");
        ASSERT_EQ(labels.size(), 1u);
        EXPECT_EQ(labels[0].points[0], f.Dev(right - c.longest, 375));
        EXPECT_EQ(labels[0].hAlign, HAlign::Right);
        EXPECT_TRUE(f.Texts("100  ").empty());
    }
}

TEST(DrawVolumeHistogram, TheBandGuessAgreesWithAScanOfAllBands) {
    // The first band whose [top - (k + 1) * band, top - k * band) holds the close.
    auto scan = [](float top, float band, float close) {
        for (int k = 0; k < kHistogramBands; ++k) {
            const float upper = top - static_cast<float>(k) * band;
            const float lower = top - static_cast<float>(k + 1) * band;
            if (lower <= close && close < upper) return k;
        }
        return -1;
    };
    const float ranges[][2] = {{800, 1200},  {9.5f, 12.3f},   {0.01f, 0.37f}, {1000, 3016},
                               {4.0f, 4.0f}, {99999, 100001}, {15.25f, 16},   {1, 1000000}};
    for (const auto& r : ranges) {
        const float top = r[1];
        const float band = (r[1] - r[0]) / 40.0f;
        for (int step = -20; step <= 820; ++step) {
            const float close = r[0] + (r[1] - r[0]) * static_cast<float>(step) / 800.0f;
            ASSERT_EQ(HistogramBand(top, band, close), scan(top, band, close))
                << top << " " << band << " " << close;
        }
        // Every bound itself, where rounding decides.
        for (int k = 0; k <= 40; ++k) {
            const float bound = top - static_cast<float>(k) * band;
            for (const float close :
                 {bound, std::nextafter(bound, -1e9f), std::nextafter(bound, 1e9f)}) {
                ASSERT_EQ(HistogramBand(top, band, close), scan(top, band, close))
                    << top << " " << band << " " << close;
            }
        }
    }
}

TEST(DrawVolumeHistogram, NothingToDrawWhenEveryCloseIsAtTheTop) {
    PlotFixture f(5);
    for (std::size_t i = 0; i < 5; ++i)
        f.series->close[i] = 1100;
    f.series->maxHigh = 1100;
    f.series->minLow = 900;
    RenderContext ctx = f.Context();
    EXPECT_EQ(DrawVolumeHistogram(ctx), 0);
    EXPECT_TRUE(f.canvas.Calls().empty());
    // A single price level: no band has any height.
    f.series->minLow = 1100;
    EXPECT_EQ(DrawVolumeHistogram(ctx), 0);
    EXPECT_TRUE(f.canvas.Calls().empty());

    PlotFixture one(1);
    RenderContext oneCtx = one.Context();
    EXPECT_EQ(DrawVolumeHistogram(oneCtx), -1);
    EXPECT_TRUE(one.canvas.Calls().empty());
}

}  // namespace
}  // namespace korvo::chart::test
