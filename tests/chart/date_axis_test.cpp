#include "chart/date_axis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "chart/chart_fixture.h"

namespace korvo::chart::test {
namespace {

using platform::CallKind;
using platform::CanvasCall;

struct AxisFixture {
    AxisFixture(int xPercent, int slotCount, int startYear, int startMonth) {
        view::CreatePensAndBrushes(objects, colours);
        view::CreateFonts(objects, 1.0f, 1.0f);
        geometry->xPercent = xPercent;
        geometry->slotCount = slotCount;
        canvas.SetMapMode(platform::MapMode::LoMetric);
        year = startYear;
        month = startMonth;
    }
    DateAxisInput Input() { return DateAxisInput{canvas, *geometry, objects, year, month}; }
    std::vector<CanvasCall> Lines() const { return canvas.CallsOf(CallKind::Line); }
    std::vector<CanvasCall> TextsIn(const platform::Font& font) const {
        std::vector<CanvasCall> out;
        for (const auto& c : canvas.CallsOf(CallKind::Text))
            if (c.font == font) out.push_back(c);
        return out;
    }
    // Device x of a layout x.
    int X(int layoutX) const { return DevicePoint(*geometry, layoutX, 0).x; }

    view::ColourTable colours;
    view::DrawingObjects objects;
    std::unique_ptr<ChartGeometry> geometry = std::make_unique<ChartGeometry>();
    platform::RecordingCanvas canvas;
    int year, month;
};

TEST(DailyDateAxis, AtTenPercentOnlyTheYearsAreMarked) {
    // Two years from January 2004: 366 + 365 slots.
    AxisFixture f(10, 731, 2004, 1);
    DrawDailyDateAxis(f.Input());
    // Boundaries only before January, each doubled one logical unit to the right.
    const auto lines = f.Lines();
    ASSERT_EQ(lines.size(), 4u);
    // 30 December 2004 is slot 364 (0-based): the line stands at slot 366's left edge.
    const int x = LogicalX(100 + 366 * 20, 10);
    EXPECT_EQ(lines[0].points[0].x, platform::LogicalToPixels(x));
    EXPECT_EQ(lines[1].points[0].x, platform::LogicalToPixels(x + 1));
    EXPECT_EQ(lines[0].points[0].y, DevicePoint(*f.geometry, 0, 150).y);
    EXPECT_EQ(lines[0].points[1].y, DevicePoint(*f.geometry, 0, 2150).y);
    EXPECT_EQ(lines[0].pen, f.objects.separatorPen);
    // Month labels are blanks, the new year is "2005/1"; no day numbers.
    EXPECT_EQ(f.canvas.TextCalls(" ").size(), 22u);
    EXPECT_EQ(f.canvas.TextCalls("2005/1").size(), 1u);
    EXPECT_EQ(f.canvas.TextCalls("2006/1").size(), 1u);
    EXPECT_TRUE(f.TextsIn(f.objects.markerFont).empty());
    // Small sizes show the month number mid-month and the year in January.
    EXPECT_FALSE(f.canvas.TextCalls("2004").empty());
    EXPECT_EQ(f.canvas.TextCalls("7").size(), 2u);
}

TEST(DailyDateAxis, MonthLengthsFollowEveryFourthYear) {
    struct Case {
        int year;
        int februarySlots;
    };
    for (const Case c : {Case{2004, 29}, Case{2005, 28}, Case{2000, 29}, Case{1900, 29}}) {
        AxisFixture f(100, 40, c.year, 2);
        DrawDailyDateAxis(f.Input());
        const auto lines = f.Lines();
        ASSERT_EQ(lines.size(), 1u) << c.year;
        // The boundary stands at the left edge of 1 March.
        EXPECT_EQ(lines[0].points[0].x, f.X(100 + c.februarySlots * 20)) << c.year;
        const auto label = f.canvas.TextCalls("3/1");
        ASSERT_EQ(label.size(), 1u) << c.year;
        EXPECT_EQ(label[0].points[0].x, f.X(100 + (c.februarySlots - 1) * 20 + 20)) << c.year;
        EXPECT_EQ(label[0].hAlign, platform::HAlign::Centre);
        // Day numbers every five days at 100 %, right-aligned on their slot.
        const auto days = f.TextsIn(f.objects.markerFont);
        std::set<std::string> numbers;
        for (const auto& d : days)
            numbers.insert(d.text);
        EXPECT_EQ(numbers, (std::set<std::string>{"1", "5", "10", "15", "20", "25"})) << c.year;
        const auto ten = f.canvas.TextCalls("10");
        ASSERT_FALSE(ten.empty());
        EXPECT_EQ(ten[0].points[0].x, f.X(100 + 9 * 20 + 20 - 20));
        EXPECT_EQ(ten[0].points[0].y, DevicePoint(*f.geometry, 0, 110).y);
    }
}

TEST(DailyDateAxis, LabelsChangeWithTheHorizontalSize) {
    struct Case {
        int xPercent;
        const char* aprilLabel;  // at the end of March
        std::vector<std::string> marchDays;
        const char* caption;  // mid-March
    };
    const Case cases[] = {
        {14, " ", {}, "3"},
        {20, "4", {"1", "10", "20", "30"}, "3"},
        {30, "4/1", {"1", "10", "20", "30"}, " 2004/3 "},
        {150, "4/1", {}, " 2004/3 "},
    };
    for (const Case& c : cases) {
        AxisFixture f(c.xPercent, 31, 2004, 3);
        DrawDailyDateAxis(f.Input());
        EXPECT_EQ(f.canvas.TextCalls(c.aprilLabel).size(), 1u) << c.xPercent;
        std::vector<std::string> days;
        for (const auto& d : f.TextsIn(f.objects.markerFont))
            days.push_back(d.text);
        if (c.xPercent >= 150)
            EXPECT_EQ(days.size(), 31u);
        else
            EXPECT_EQ(days, c.marchDays) << c.xPercent;
        EXPECT_FALSE(f.canvas.TextCalls(c.caption).empty()) << c.xPercent;
        // Below 20 % a boundary is drawn only before January.
        EXPECT_EQ(f.Lines().size(), c.xPercent >= 20 ? 1u : 0u) << c.xPercent;
    }
    // The year/month caption is shadowed in white unless printing.
    AxisFixture f(100, 31, 2004, 3);
    DrawDailyDateAxis(f.Input());
    const auto caption = f.canvas.TextCalls(" 2004/3 ");
    ASSERT_EQ(caption.size(), 2u);
    EXPECT_EQ(caption[0].textColour, 0x000000u);
    EXPECT_EQ(caption[1].textColour, 0xFFFFFFu);
    AxisFixture printed(100, 31, 2004, 3);
    DateAxisInput in = printed.Input();
    in.printing = true;
    DrawDailyDateAxis(in);
    EXPECT_EQ(printed.canvas.TextCalls(" 2004/3 ").size(), 1u);
}

TEST(WeeklyDateAxis, AtFullSizeEveryEvenWeekAndAllTwelveMonths) {
    AxisFixture f(100, 110, 2004, 1);
    DrawWeeklyDateAxis(f.Input());
    std::vector<std::string> weeks;
    for (const auto& t : f.TextsIn(f.objects.labelFont))
        if (t.text.find("月") == std::string::npos) weeks.push_back(t.text);
    ASSERT_GE(weeks.size(), 26u);
    for (int w = 0; w < 26; ++w)
        EXPECT_EQ(weeks[static_cast<std::size_t>(w)], std::to_string(2 * w + 2));
    for (int m = 1; m <= 12; ++m) {
        const std::string name = std::to_string(m) + "月";
        EXPECT_FALSE(f.canvas.TextCalls(name).empty()) << name;
    }
    // The year in mid-year, then the next.
    EXPECT_EQ(f.canvas.TextCalls("2004").size(), 1u);
    EXPECT_EQ(f.canvas.TextCalls("2005").size(), 1u);
    // 1 January 2004 was a Thursday: the first week starts on Saturday the 3rd,
    // so week 26 is the 26th slot and its line stands at the left edge of slot 25.
    const auto lines = f.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].points[0].x, f.X(100 + 25 * 20));
    EXPECT_EQ(lines[1].points[0].x, f.X(100 + 52 * 20));
    const auto jan = f.canvas.TextCalls("1月");
    ASSERT_FALSE(jan.empty());
    EXPECT_EQ(jan[0].points[0].x, f.X(100 + 4 * 20 - 30));
}

TEST(WeeklyDateAxis, SmallerSizesThinOutTheNumbersAndMonths) {
    AxisFixture f(50, 60, 2004, 1);
    DrawWeeklyDateAxis(f.Input());
    EXPECT_FALSE(f.canvas.TextCalls("10").empty());
    EXPECT_TRUE(f.canvas.TextCalls("12").empty());
    EXPECT_FALSE(f.canvas.TextCalls("2月").empty());
    EXPECT_TRUE(f.canvas.TextCalls("1月").empty());
    AxisFixture tiny(20, 60, 2004, 1);
    DrawWeeklyDateAxis(tiny.Input());
    EXPECT_TRUE(tiny.TextsIn(tiny.objects.labelFont).empty());
    EXPECT_EQ(tiny.canvas.TextCalls("2004").size(), 1u);
}

TEST(MonthlyDateAxis, MonthsYearsAndLines) {
    struct Case {
        int xPercent;
        std::vector<std::string> months;  // of the first year
        std::size_t lines;                // over two years
    };
    const Case cases[] = {{100, {"2", "4", "6", "8", "10", "12"}, 4}, {90, {"2", "6", "10"}, 2}};
    for (const Case& c : cases) {
        AxisFixture f(c.xPercent, 24, 2004, 1);
        DrawMonthlyDateAxis(f.Input());
        std::vector<std::string> months;
        for (const auto& t : f.canvas.CallsOf(CallKind::Text))
            if (t.text.size() <= 2 && months.size() < c.months.size()) months.push_back(t.text);
        EXPECT_EQ(months, c.months) << c.xPercent;
        EXPECT_EQ(f.Lines().size(), c.lines) << c.xPercent;
        const auto y2004 = f.canvas.TextCalls("2004");
        ASSERT_EQ(y2004.size(), 1u);
        EXPECT_EQ(y2004[0].points[0].x, f.X(100 + 6 * 20 - 40));
        EXPECT_EQ(f.canvas.TextCalls("2005").size(), 1u);
    }
}

TEST(DateAxis, MultiChartLinesStopAtThePricePanel) {
    AxisFixture f(100, 40, 2004, 2);
    DateAxisInput in = f.Input();
    in.multiChart = true;
    DrawDailyDateAxis(in);
    ASSERT_EQ(f.Lines().size(), 1u);
    EXPECT_EQ(f.Lines()[0].points[1].y, DevicePoint(*f.geometry, 0, 1150).y);
}

}  // namespace
}  // namespace korvo::chart::test
