// The price read-out: the price at the cursor's height, the slot and bar
// under it, the texts, and the crosshair and strip it draws while the right
// button is held.
#include "view/readout.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "platform/recording_canvas.h"

namespace korvo::view {
namespace {

using platform::CallKind;
using platform::CanvasCall;
using platform::Point;
using platform::RasterOp;

// A chart at 100 % from 1000 (at layout y 1150) to 2000 (at 150), unscrolled.
std::unique_ptr<chart::ChartGeometry> Geometry() {
    auto g = std::make_unique<chart::ChartGeometry>();
    g->bottomPrice = 1000.0f;
    g->topPrice = 2000.0f;
    g->unitsPerPrice = 1.0f;
    g->chartRegion = platform::Rect{38, -20, 700, 900};
    g->priceTopDevice = 57;
    return g;
}

TEST(ReadOutPrice, FollowsTheCursorTheScrollAndTheHeight) {
    struct Case {
        const char* name;
        int y, scrollY, yPercent;
        float unitsPerPrice;
        const char* text;
    };
    // 96 pixels are 254 logical units; 97 are 257 (rounded).
    const Case cases[] = {
        {"a whole price", 96, 0, 100, 1.0f, "price:     1896"},
        {"the scroll adds to the cursor", 0, 96, 100, 1.0f, "price:     1896"},
        {"at 50 % a unit of height is twice the price", 48, 0, 50, 1.0f, "price:     1896"},
        {"quarters show two decimals", 97, 0, 100, 4.0f, "price:1223.25"},
        {"thirds are cut, not rounded", 96, 0, 100, 3.0f, "price:1298.66"},
        {"below the panel", 960, 0, 100, 1.0f, "price:     -390"},
    };
    for (const Case& c : cases) {
        auto g = Geometry();
        g->scrollY = c.scrollY;
        g->yPercent = c.yPercent;
        g->unitsPerPrice = c.unitsPerPrice;
        EXPECT_EQ(FormatPriceText(PriceAtCursor(*g, c.y)), c.text) << c.name;
    }
}

TEST(ReadOutPrice, WholeLevelsInNineColumnsOthersWithTwoDecimals) {
    struct Case {
        float price;
        const char* text;
    };
    const Case cases[] = {
        {1234.0f, "price:     1234"},     {0.5f, "price:  0.50"},
        {1234.567f, "price:1234.56"},     {99.999f, "price: 99.99"},
        {100.001f, "price:      100"},    {12345.5f, "price:12345.50"},
        {12345678.0f, "price: 12345678"}, {-0.25f, "price: -0.25"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatPriceText(c.price), c.text) << c.price;
}

TEST(ReadOutSlot, CountsSlotsFromTheLeftEdgeOfThePlottingArea) {
    struct Case {
        const char* name;
        int x, scrollX, xPercent;
        std::optional<int> slot;
    };
    const Case cases[] = {
        {"first slot", 38, 0, 100, 1},  // 101 logical units
        {"left of the plotting area", 37, 0, 100, std::nullopt},
        {"eighth slot", 96, 0, 100, 8},  // 254 units: (254 - 100) / 20 + 1
        {"scrolled", 0, 96, 100, 8},
        {"at 50 %", 96, 0, 50, 21},  // (25400 - 5000) / 1000 + 1
        // In the margin before the chart, at any size, the cursor is left of
        // the plotting area: the last slot stays.
        {"margin at 100 %", 60, -50, 100, std::nullopt},
        {"margin at 20 %", 40, -50, 20, std::nullopt},
        {"just inside at 20 %", 60, -50, 20, 2},  // (159 - 132) x 100 - 2000 = 700
    };
    for (const Case& c : cases) {
        auto g = Geometry();
        g->scrollX = c.scrollX;
        g->xPercent = c.xPercent;
        EXPECT_EQ(SlotAtCursor(*g, c.x), c.slot) << c.name;
    }
}

// Three bars: 5 and 6 January 2004 in slots 5 and 6, 8 January in slot 8;
// slot 7 is a holiday.
std::unique_ptr<data::PriceSeries> Series(chart::ChartGeometry& g) {
    auto s = std::make_unique<data::PriceSeries>();
    s->fileTypeId = 210;
    s->title = "テスト銘柄";
    s->marketCode = "1234";
    s->barCount = 3;
    const int days[] = {5, 6, 8};
    for (std::size_t i = 0; i < 3; ++i) {
        s->year[i] = 2004;
        s->month[i] = 1;
        s->day[i] = static_cast<std::uint8_t>(days[i]);
        s->open[i] = 1234.0f + static_cast<float>(i);
        s->high[i] = 1250.5f;
        s->low[i] = 1200.0f;
        s->close[i] = 1240.25f;
        s->volume[i] = 5000 + static_cast<int>(i);
        g.barSlot[i] = static_cast<std::int16_t>(days[i]);
    }
    return s;
}

TEST(ReadOutTexts, TheBarLineTakesTwoDecimalsWhileTheLowIsAtMost10000) {
    auto g = Geometry();
    auto s = Series(*g);
    EXPECT_EQ(FormatBarLine(*s, 0),
              "     2004/ 1/ 5    open1234.00 hi1250.50 low1200.00 close1240.25 vol 5000");
    s->low[1] = 10000.0f;
    s->high[1] = 10200.0f;
    s->open[1] = 10100.0f;
    s->close[1] = 10150.0f;
    EXPECT_EQ(FormatBarLine(*s, 1),
              "     2004/ 1/ 6    open10100.00 hi10200.00 low10000.00 close10150.00 vol 5001");
    s->low[2] = 10050.0f;
    s->high[2] = 10300.0f;
    s->open[2] = 10100.0f;
    s->close[2] = 10250.0f;
    s->month[2] = 12;
    s->day[2] = 31;
    // The volume as the file has it: the loader divided it by 1000 for the scale.
    s->volumeDivisor = 1000;
    s->volume[2] = 123;
    EXPECT_EQ(FormatBarLine(*s, 2),
              "     2004/12/31   open    10100 hi    10300 low    10050 close    10250 vol 123000");
}

TEST(ReadOutTexts, ASlotWithoutABarWritesNothingAndTheMarginKeepsTheLastSlot) {
    auto g = Geometry();
    auto s = Series(*g);
    struct Case {
        const char* name;
        int x;
        int previous;
        int slot;
        int bar;
    };
    // Slot n starts at logical 100 + 20 (n - 1): pixel 76 is 201 units (slot 6),
    // 83 is 220 (slot 7), 91 is 241 (slot 8), 60 is 159 (slot 3).
    const Case cases[] = {
        {"6 January", 76, 0, 6, 1},
        {"a holiday", 83, 0, 7, -1},
        {"8 January", 91, 0, 8, 2},
        {"before the first bar", 60, 0, 3, -1},
        {"left of the area keeps slot 5", 10, 5, 5, 0},
        {"left of the area with nothing before", 10, 0, 0, -1},
    };
    for (const Case& c : cases) {
        const ReadOutTexts t = ComputeReadOut(*s, *g, Point{c.x, 96}, c.previous);
        EXPECT_EQ(t.slot, c.slot) << c.name;
        EXPECT_EQ(t.bar, c.bar) << c.name;
        if (c.bar < 0) {
            EXPECT_EQ(t.barLine, "") << c.name;
            EXPECT_EQ(t.priceText, "") << c.name;
        } else {
            EXPECT_EQ(t.barLine, FormatBarLine(*s, c.bar)) << c.name;
            EXPECT_EQ(t.priceText, "price:     1896") << c.name;
        }
    }
}

// A window that records what the read-out draws on it, across calls.
class RecordingWindow : public ReadOutWindow {
  public:
    platform::Size ClientSize() const override { return client; }
    void DrawOnWindow(const std::function<void(platform::Canvas&)>& draw) override {
        ++draws;
        draw(canvas);
    }
    void SetCrossCursor(bool on) override { cross = on; }
    void CaptureMouse(bool on) override { captured = on; }

    platform::Size client{800, 600};
    platform::RecordingCanvas canvas{platform::Size{800, 600}};
    int draws = 0;
    bool cross = false;
    bool captured = false;
};

std::vector<CanvasCall> Inverted(const platform::RecordingCanvas& canvas) {
    std::vector<CanvasCall> lines;
    for (const CanvasCall& call : canvas.CallsOf(CallKind::Line))
        if (call.rasterOp == RasterOp::Invert) lines.push_back(call);
    return lines;
}

TEST(ReadOutMouse, TheCrosshairComesOffWhereItWentOnAndTheStripShowsTheBar) {
    auto g = Geometry();
    auto s = Series(*g);
    DrawingObjects objects;
    CreatePensAndBrushes(objects, ColourTable{});
    CreateFonts(objects, 1.0f, 1.0f);
    RecordingWindow window;
    ReadOutState state;
    int picked = 0;
    ReadOutContext c{window, state, *s, *g, objects, ReadOutTitle(*s, chart::ChartOptions{}),
                     picked};

    BeginReadOut(c, Point{76, 96});
    EXPECT_TRUE(state.readOutActive);
    EXPECT_TRUE(window.cross);
    EXPECT_TRUE(window.captured);
    EXPECT_EQ(picked, 20040106);
    // The strip: the bar line at its left end with the title box, the price at its right end.
    EXPECT_EQ(window.canvas.TextCalls(FormatBarLine(*s, 1)).size(), 2u);  // shadow and text
    EXPECT_EQ(window.canvas.TextCalls("price:     1896").size(), 2u);
    EXPECT_EQ(window.canvas.TextCalls("テスト銘柄 [1234](日足)").size(), 2u);
    // Then the crosshair: inverting, clipped to the chart above the strip.
    auto lines = Inverted(window.canvas);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points[0], (Point{76, 10}));
    EXPECT_EQ(lines[0].points[1], (Point{76, 610}));
    EXPECT_EQ(lines[1].points[0], (Point{0, 96}));
    EXPECT_EQ(lines[1].points[1], (Point{800, 96}));
    for (const CanvasCall& line : lines)
        EXPECT_EQ(line.clip, (platform::Rect{38, 0, 700, 575}));
    // The inverting lines come after every text, so nothing covers them.
    EXPECT_EQ(window.canvas.Calls().back().rasterOp, RasterOp::Invert);

    // To a holiday: the crosshair moves, the strip stays as it was.
    window.canvas.ClearCalls();
    MoveReadOut(c, Point{83, 120});
    EXPECT_TRUE(window.canvas.CallsOf(CallKind::Text).empty());
    lines = Inverted(window.canvas);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].points[0], (Point{76, 10}));  // off at the old point
    EXPECT_EQ(lines[1].points[0], (Point{0, 96}));
    EXPECT_EQ(lines[2].points[0], (Point{83, 10}));  // on at the new one
    EXPECT_EQ(lines[3].points[0], (Point{0, 120}));
    EXPECT_EQ(picked, 20040106);

    // Left of the plotting area: the last slot (7, a holiday) stays, nothing written.
    window.canvas.ClearCalls();
    MoveReadOut(c, Point{5, 130});
    EXPECT_EQ(state.readOutSlot, 7);
    EXPECT_TRUE(window.canvas.CallsOf(CallKind::Text).empty());

    // Released: the crosshair comes off at the last point, cursor and mouse go back.
    window.canvas.ClearCalls();
    EXPECT_TRUE(EndReadOut(c, Point{5, 130}));
    EXPECT_FALSE(state.readOutActive);
    EXPECT_FALSE(window.cross);
    EXPECT_FALSE(window.captured);
    lines = Inverted(window.canvas);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points[0], (Point{5, 10}));
    EXPECT_EQ(lines[1].points[0], (Point{0, 130}));
    EXPECT_EQ(window.canvas.Calls().size(), 2u);

    // Not reading: moving and releasing draw nothing.
    window.canvas.ClearCalls();
    MoveReadOut(c, Point{50, 50});
    EXPECT_FALSE(EndReadOut(c, Point{50, 50}));
    EXPECT_TRUE(window.canvas.Calls().empty());
}

TEST(ReadOutMouse, EveryInvertedPixelIsInvertedAgain) {
    // Press, a wander over bars and holidays, release: every line drawn
    // inverting is drawn an even number of times, so the picture is restored.
    auto g = Geometry();
    auto s = Series(*g);
    DrawingObjects objects;
    CreatePensAndBrushes(objects, ColourTable{});
    CreateFonts(objects, 1.0f, 1.0f);
    RecordingWindow window;
    ReadOutState state;
    int picked = 0;
    ReadOutContext c{window, state, *s, *g, objects, "", picked};
    BeginReadOut(c, Point{60, 40});
    for (const Point p : {Point{76, 50}, Point{83, 70}, Point{91, 90}, Point{91, 90}, Point{3, 3}})
        MoveReadOut(c, p);
    EndReadOut(c, Point{3, 3});
    std::map<std::string, int> counts;
    for (const CanvasCall& line : Inverted(window.canvas))
        ++counts[platform::FormatCall(line)];
    ASSERT_FALSE(counts.empty());
    for (const auto& [line, count] : counts)
        EXPECT_EQ(count % 2, 0) << line;
    EXPECT_EQ(picked, 20040108);
}

TEST(ReadOutTitle, FollowsTheTitleSwitches) {
    data::PriceSeries s;
    s.title = "銘柄";
    s.marketCode = "T";
    chart::ChartOptions o;
    s.fileTypeId = 212;
    EXPECT_EQ(ReadOutTitle(s, o), "銘柄 [T](週足)");
    s.fileTypeId = 214;
    EXPECT_EQ(ReadOutTitle(s, o), "銘柄 [T](月足)");
    s.fileTypeId = 220;
    EXPECT_EQ(ReadOutTitle(s, o), "銘柄 [T]");
    o.titleOff = true;
    EXPECT_EQ(ReadOutTitle(s, o), "");
    o.titleOff = false;
    o.overlap = true;
    EXPECT_EQ(ReadOutTitle(s, o), "");
}

}  // namespace
}  // namespace korvo::view
