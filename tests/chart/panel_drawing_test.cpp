#include "chart/panel_drawing.h"

#include <gtest/gtest.h>

#include "platform/recording_canvas.h"

namespace korvo::chart {
namespace {

using platform::CallKind;
using platform::HAlign;
using platform::Point;

struct PanelFixture {
    PanelFixture() {
        view::CreatePensAndBrushes(objects, colours);
        view::CreateFonts(objects, 1.0f, 1.0f);
        canvas.SetMapMode(platform::MapMode::LoMetric);
    }
    Point Dev(int x, int y) const { return canvas.LogicalToDevice(Point{x, y}); }
    std::vector<platform::CanvasCall> Texts() const { return canvas.CallsOf(CallKind::Text); }

    view::ColourTable colours;
    view::DrawingObjects objects;
    platform::RecordingCanvas canvas;
};

TEST(DrawScaleValue, FormatsAndRepeatsAlongTheChart) {
    struct Case {
        float value;
        bool decimals;
        const char* suffix;
        bool overlap;
        const char* text;
    };
    const Case cases[] = {
        {123.4f, false, nullptr, false, "      124"},  // above 100: rounded up first
        {123.4f, true, nullptr, false, " 124.00"},
        {99.5f, true, nullptr, false, "  99.50"},
        {99.5f, false, nullptr, false, "      100"},
        {1500, false, "( 50.0%)", false, "     1500( 50.0%)"},
        {1500, true, "(100%)", false, "1500.00(100%)"},
        {1500, false, "( 0.0%)", true, "( 0.0%)"},
    };
    for (const Case& c : cases) {
        PanelFixture f;
        if (c.suffix) {
            DrawScaleValue(f.canvas, f.objects.scaleFont, 0x00FF00, c.value, 80, 3500, -300,
                           kAlignRight, c.decimals, c.suffix, c.overlap);
        } else {
            DrawScaleValue(f.canvas, f.objects.scaleFont, 0x00FF00, c.value, 80, 3500, -300,
                           kAlignRight, c.decimals);
        }
        const auto texts = f.Texts();
        ASSERT_EQ(texts.size(), 5u) << c.text;
        const int xs[] = {80, 1080, 2080, 3080, 3500};
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(texts[i].text, c.text);
            EXPECT_EQ(texts[i].points[0], f.Dev(xs[i], -300)) << c.text;
            EXPECT_EQ(texts[i].hAlign, i < 4 ? HAlign::Right : HAlign::Left) << c.text;
            EXPECT_EQ(texts[i].textColour, 0x00FF00u);
            EXPECT_EQ(texts[i].font, f.objects.scaleFont);
        }
    }
    // The repetition stops after 999 copies however wide the chart.
    PanelFixture wide;
    DrawScaleCount(wide.canvas, wide.objects.scaleFont, 0, 2300, 0, 5000000, 0, kAlignCentre);
    const auto texts = wide.Texts();
    ASSERT_EQ(texts.size(), 1u + 999u + 1u);
    EXPECT_EQ(texts[0].text, "2300");
    EXPECT_EQ(texts[0].hAlign, HAlign::Centre);
    EXPECT_EQ(texts[999].points[0], wide.Dev(999000, 0));
    EXPECT_EQ(texts[1000].points[0], wide.Dev(5000000, 0));
}

TEST(DrawPanelTitle, MoreCopiesAsTheChartWidensAndAShadowOnScreen) {
    struct Case {
        float factor;
        bool printing;
        std::size_t texts;
    };
    for (const Case c :
         {Case{0.2f, false, 4}, Case{0.3f, false, 6}, Case{0.6f, false, 10}, Case{0.6f, true, 5}}) {
        PanelFixture f;
        DrawPanelTitle(f.canvas, f.objects, "RSI(14)", 100, -1200, 4100, c.factor, c.printing);
        const auto texts = f.Texts();
        ASSERT_EQ(texts.size(), c.texts) << c.factor;
        EXPECT_EQ(texts[0].points[0], f.Dev(4050, -1196));
        EXPECT_EQ(texts[0].hAlign, HAlign::Right);
        EXPECT_EQ(texts[1].points[0], f.Dev(120, -1196));
        EXPECT_EQ(texts[0].textColour, 0x000000u);
        EXPECT_EQ(texts[0].font, f.objects.labelFont);
        if (c.texts == 10) {
            EXPECT_EQ(texts[2].points[0], f.Dev(2100, -1196));
            EXPECT_EQ(texts[3].points[0], f.Dev(1050, -1196));
            EXPECT_EQ(texts[4].points[0], f.Dev(3150, -1196));
            EXPECT_EQ(texts[5].points[0], f.Dev(4047, -1199));
            EXPECT_EQ(texts[5].textColour, 0xFFFFFFu);
        }
    }
}

TEST(DrawPanelFrame, DoubleRuleSeparatorAndGridByMode) {
    struct Case {
        int mode;
        std::vector<int> gridY;  // layout y of the grid lines
    };
    const Case cases[] = {{1, {1650 - 100}},
                          {3, {1450}},
                          {4, {1350, 1450, 1550}},
                          {5, {1330, 1410, 1490, 1570}},
                          {0, {}}};
    for (const Case& c : cases) {
        PanelFixture f;
        DrawPanelFrame(f.canvas, f.objects, 100, 4100, 100, 1650, 50, 100, 400, c.mode);
        const auto lines = f.canvas.CallsOf(CallKind::Line);
        ASSERT_EQ(lines.size(), 3 + c.gridY.size()) << c.mode;
        EXPECT_EQ(lines[0].points[0], f.Dev(50, -1650));
        EXPECT_EQ(lines[0].points[1], f.Dev(2050, -1650));
        EXPECT_EQ(lines[0].pen, f.objects.palettePen[7]);
        EXPECT_EQ(lines[1].points[0], f.Dev(50, -1652));
        EXPECT_EQ(lines[1].pen, f.objects.palettePen[15]);
        EXPECT_EQ(lines[2].points[0], f.Dev(50, -1250));
        EXPECT_EQ(lines[2].pen, f.objects.separatorPen);
        for (std::size_t i = 0; i < c.gridY.size(); ++i) {
            EXPECT_EQ(lines[3 + i].points[0], f.Dev(50, -c.gridY[i])) << c.mode;
            EXPECT_EQ(lines[3 + i].pen, f.objects.palettePen[7]);
        }
    }
}

TEST(IndicatorPanel, ValuesLinesAndEndLabels) {
    EXPECT_EQ(PanelValueY(1650, kPanelPlotHeight, 0.5f), 1450);
    EXPECT_EQ(PanelValueY(1650, kPanelPlotHeightRsi, 1.0f), 1240);
    EXPECT_EQ(PanelValueY(1650, kPanelPlotHeight, 0.0f), 1650);

    PanelFixture f;
    auto g = std::make_unique<ChartGeometry>();
    g->xPercent = 50;
    for (int i = 0; i < 5; ++i)
        g->barX[static_cast<std::size_t>(i)] = 101.0f + 20 * i;
    const int y[] = {0, 0, 1500, 1400, 1300};
    DrawIndicatorLine(f.canvas, *g, f.objects.palettePen[4], y, 2, 5);
    const auto lines = f.canvas.CallsOf(CallKind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].points.size(), 3u);
    // The first valued bar at its left edge, the others at their centres.
    EXPECT_EQ(lines[0].points[0], f.Dev(141 * 50 / 100, -1500));
    EXPECT_EQ(lines[0].points[1], f.Dev(171 * 50 / 100, -1400));
    EXPECT_EQ(lines[0].points[2], f.Dev(191 * 50 / 100, -1300));
    EXPECT_EQ(lines[0].pen, f.objects.palettePen[4]);
    // One point is no line.
    f.canvas.ClearCalls();
    DrawIndicatorLine(f.canvas, *g, f.objects.palettePen[4], y, 4, 5);
    EXPECT_TRUE(f.canvas.Calls().empty());

    DrawLineEndLabel(f.canvas, f.objects, 0x0000FF, " OBV", 181.7f, -1300, 50, 80, 40);
    const auto label = f.canvas.TextCalls(" OBV");
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].points[0], f.Dev(40 + (181 + 10) * 50 / 100, -1300 * 80 / 100));
    EXPECT_EQ(label[0].hAlign, HAlign::Left);
    EXPECT_EQ(label[0].textColour, 0x0000FFu);
}

}  // namespace
}  // namespace korvo::chart
