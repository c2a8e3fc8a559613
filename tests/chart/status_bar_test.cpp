#include "chart/status_bar.h"

#include <gtest/gtest.h>

#include "chart/chart_fixture.h"

namespace korvo::chart::test {
namespace {

using platform::CallKind;

TEST(StatusTexts, FollowTheSeriesTheSizeAndTheSwitches) {
    struct Case {
        const char* name;
        int width;
        float rawMax, rawMin;
        int fileTypeId;
        bool overlap, titleOff, autoFix;
        const char* text1;
        const char* text2;
        const char* title;
        const char* range;
        const char* flag;
    };
    const Case cases[] = {
        {"narrow window", 799, 1520, 1238, 210, false, false, false,
         " /data/test.stk | Max 1520 Min 1238 ", "", "テスト銘柄 [1234](日足)",
         "2004/1/5 - 2004/1/16 | テスト銘柄 ", "No"},
        {"800 pixels show the size", 800, 1520, 1238, 212, false, false, false,
         " /data/test.stk | Max 1520 Min 1238 ", " 100% W X  100% H ", "テスト銘柄 [1234](週足)",
         "2004/1/5 - 2004/1/16 | テスト銘柄 ", "No"},
        {"fractions", 1280, 15.25f, 12, 214, false, false, false,
         " /data/test.stk | Max   15.25 Min   12.00 ", " 100% W X  100% H ",
         "テスト銘柄 [1234](月足)", "2004/1/5 - 2004/1/16 | テスト銘柄 ", "No"},
        {"another file type has no period", 1280, 1520, 1238, 220, false, false, true,
         " /data/test.stk | Max 1520 Min 1238 ", " 100% W X  100% H ", "テスト銘柄 [1234]",
         "2004/1/5 - 2004/1/16 | テスト銘柄@ ", "Auto"},
        {"overlap has no title box", 1280, 1520, 1238, 210, true, false, false,
         " /data/test.stk | Max 1520 Min 1238 ", " 100% W X  100% H ", "",
         "2004/1/5 - 2004/1/16 | テスト銘柄 ", "No"},
        {"title switched off", 1280, 1520, 1238, 210, false, true, false,
         " /data/test.stk | Max 1520 Min 1238 ", " 100% W X  100% H ", "",
         "2004/1/5 - 2004/1/16 | テスト銘柄 ", "No"},
    };
    for (const Case& c : cases) {
        ChartFixture f;
        f.SetDailyBars(2004, 1, 5, 12);
        f.series->fileTypeId = c.fileTypeId;
        f.series->rawMaxHigh = c.rawMax;
        f.series->rawMinLow = c.rawMin;
        f.client = {c.width, 800};
        f.options.overlap = c.overlap;
        f.options.titleOff = c.titleOff;
        f.autoFixOpen = c.autoFix;
        const StatusTexts t = MakeStatusTexts(f.Context());
        EXPECT_EQ(t.text1, c.text1) << c.name;
        EXPECT_EQ(t.text2, c.text2) << c.name;
        EXPECT_EQ(t.title, c.title) << c.name;
        EXPECT_EQ(t.range, c.range) << c.name;
        EXPECT_EQ(t.rangeFlag, c.flag) << c.name;
    }
}

// The recording canvas measures a single-byte character of the 12-pixel
// status font as 6 pixels.
int Width(const std::string& text) {
    return platform::EstimatedTextWidth(text, 12);
}

TEST(StatusLine, StripAndBoxesStandStillInDevicePixels) {
    ChartFixture f;
    f.SetDailyBars(2004, 1, 5, 12);
    f.series->rawMaxHigh = 1100;
    f.series->rawMinLow = 900;
    f.geometry->priceTopDevice = 57;
    // The chart's mapping and scroll position must not move the strip.
    f.canvas.SetMapMode(platform::MapMode::LoMetric);
    f.canvas.SetViewportOrigin({-500, -300});
    UpdateStatusLine(f.Context());
    EXPECT_EQ(f.canvas.GetMapMode(), platform::MapMode::LoMetric);
    EXPECT_EQ(f.canvas.GetViewportOrigin(), (platform::Point{-500, -300}));

    const auto rects = f.canvas.CallsOf(CallKind::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].AsRect(), (platform::Rect{0, 775, 1280, 800}));
    EXPECT_EQ(rects[0].brush, f.objects.paletteBrush[7]);
    EXPECT_EQ(rects[0].pen, f.objects.palettePen[0]);

    const std::string text1 = " /data/test.stk | Max 1100 Min 900 ";
    const auto t1 = f.Texts(text1);
    ASSERT_EQ(t1.size(), 2u);
    EXPECT_EQ(t1[0].points[0], (platform::Point{10, 783}));  // black, one pixel down-right
    EXPECT_EQ(t1[0].textColour, 0x000000u);
    EXPECT_EQ(t1[1].points[0], (platform::Point{9, 782}));
    EXPECT_EQ(t1[1].textColour, 0xFFFFFFu);
    EXPECT_EQ(t1[1].font, f.objects.statusFont);
    EXPECT_EQ(t1[1].mapMode, platform::MapMode::Device);
    // The size box is chained at the right edge of the first.
    const int right1 = 5 + 4 + Width(text1) + 4;
    const auto t2 = f.Texts(" 100% W X  100% H ");
    ASSERT_EQ(t2.size(), 2u);
    EXPECT_EQ(t2[1].points[0], (platform::Point{right1 + 5 + 4, 782}));
    // The title box over the price panel.
    const auto title = f.Texts("テスト銘柄 [1234](日足)");
    ASSERT_EQ(title.size(), 2u);
    EXPECT_EQ(title[1].points[0], (platform::Point{9, 57 + 5 + 5 + 2}));
    // The date range is right-aligned, "No" chained after it.
    const std::string range = "2004/1/5 - 2004/1/16 | テスト銘柄 ";
    const auto r = f.Texts(range);
    ASSERT_EQ(r.size(), 2u);
    const int rangeLeft = 1280 - Width(range) - 40 + 5;
    EXPECT_EQ(r[1].points[0], (platform::Point{rangeLeft + 4, 782}));
    const auto no = f.Texts("No");
    ASSERT_EQ(no.size(), 2u);
    EXPECT_EQ(no[1].points[0], (platform::Point{rangeLeft + 8 + Width(range) + 5 + 4, 782}));
    // Raised edges: white top-left, black bottom-right.
    int white = 0, black = 0;
    for (const auto& line : f.canvas.CallsOf(CallKind::Line)) {
        if (line.pen == f.objects.palettePen[15]) ++white;
        if (line.pen == f.objects.palettePen[0]) ++black;
    }
    EXPECT_EQ(white, 1 + 2 * 5);  // the strip's highlight and two edges per box
    EXPECT_EQ(black, 1 + 2 * 5);

    // A print leaves out the right-hand chain, a narrow window the size.
    ChartFixture p;
    p.SetDailyBars(2004, 1, 5, 12);
    p.printing = true;
    p.client = {640, 480};
    UpdateStatusLine(p.Context());
    EXPECT_TRUE(p.Texts("No").empty());
    EXPECT_FALSE(p.AnyTextContains("% W X"));
    EXPECT_EQ(p.canvas.CallsOf(CallKind::Rectangle)[0].AsRect(),
              (platform::Rect{0, 455, 640, 480}));
}

}  // namespace
}  // namespace korvo::chart::test
