// The annotations drawn over the chart: anchored to the bars whatever month
// the chart starts at, text, line and arrowhead by the record's choices, and
// delete mode, which keeps every annotation it was not told to delete.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "data/calendar.h"

#include "annotate/annotate_fixture.h"
#include "support/szdd_writer.h"

namespace korvo::annotate::test {
namespace {

using platform::Answer;
using platform::CallKind;
using platform::Point;

// Placed at the left edge of the bar of 2004-03-10 (slot 70 counted from
// January, a leap year) at 1000, ending twenty days later at 1050.
AnnotationRecord JanuaryRecord() {
    AnnotationRecord r;
    r.text = "A";
    r.withArrow = true;
    r.startSlot = 69.0f;
    r.startPrice = 1000.0f;
    r.endSlot = 90.0f;
    r.endPrice = 1050.0f;
    r.plotStartYear = 2004;
    r.plotStartMonth = 1;
    r.plotStartDay = 1;
    return r;
}

AnnotationRecord Numbered(AnnotationRecord r, int number, const std::string& text) {
    r.number = number;
    r.text = text;
    return r;
}

TEST(DrawTextAnnotations, ARecordStaysOnItsBarWhateverMonthTheChartStartsAt) {
    // The chart starting in January, February or March (the load of a long
    // file may start later than the record's plot start): the record counted
    // from January is drawn at the same bar each time, moved left by the
    // slots of the months between.
    for (int month : {1, 2, 3}) {
        AnnotateFixture f;
        f.SetDailyBars(2004, month, 1, 150);
        f.NameFile(kAnnotationFile);
        f.Render();
        f.WriteRecords({JanuaryRecord()});
        ASSERT_EQ(f.DrawNow(), 1);
        const int bar = f.BarOn(2004, 3, 10);
        ASSERT_GE(bar, 0);
        const auto lines = f.Lines();
        ASSERT_EQ(lines.size(), 3u) << month;
        const chart::ChartGeometry& g = *f.geometry;
        const int barLeft = static_cast<int>(g.barX[static_cast<std::size_t>(bar)]) - 1;
        EXPECT_EQ(lines[0].points[0], chart::test::DevicePoint(g, barLeft, chart::PriceY(g, 1000)))
            << month;
        // The end one slot further left than its anchor (90 - 1 - 69 slots on).
        EXPECT_EQ(lines[0].points[1],
                  chart::test::DevicePoint(g, barLeft + 20 * g.slotPitch, chart::PriceY(g, 1050)))
            << month;
        // Slots before the plot start: January and February are 60 days of 2004.
        const long long shift = SlotShift(*f.series, JanuaryRecord());
        EXPECT_EQ(shift, month == 1 ? 0 : (month == 2 ? -31 : -60));
    }
}

TEST(DrawTextAnnotations,
     AFullDailyChartKeepsItsAnnotationsOnTheirBarsAndFarPlotStartsStayInRange) {
    // 4096 days from 1990 (the most a chart holds), the load starting in 1990
    // or at a later month; the record was placed with the chart starting in
    // January 1990 on the bar of 15 June 2000.
    AnnotationRecord r = JanuaryRecord();
    r.plotStartYear = 1990;
    r.startSlot = static_cast<float>(data::DayOrdinal(1990, 1, 1, 2000, 6, 15) - 1);
    r.endSlot = r.startSlot + 10.0f;
    for (const auto& [year, month] : {std::pair{1990, 1}, std::pair{1995, 6}, std::pair{2000, 6}}) {
        AnnotateFixture f;
        f.SetDailyBars(year, month, 1, data::kMaxBars);
        f.NameFile(kAnnotationFile);
        f.Render();
        f.WriteRecords({r});
        f.DrawNow();
        const int bar = f.BarOn(2000, 6, 15);
        ASSERT_GE(bar, 0) << year;
        const chart::ChartGeometry& g = *f.geometry;
        const auto lines = f.Lines();
        ASSERT_EQ(lines.size(), 3u) << year;
        const int barLeft = static_cast<int>(g.barX[static_cast<std::size_t>(bar)]) - 1;
        EXPECT_EQ(lines[0].points[0], chart::test::DevicePoint(g, barLeft, chart::PriceY(g, 1000)))
            << year;
    }
    // Plot starts and anchors at the ends of what a record can carry are drawn
    // far off the chart, never overflowing.
    AnnotateFixture f;
    std::vector<AnnotationRecord> far;
    for (int year : {INT_MIN, -1, 0, 9999, INT_MAX}) {
        AnnotationRecord x = JanuaryRecord();
        x.plotStartYear = year;
        x.plotStartMonth = year % 13;
        x.startSlot = year < 0 ? -3.0e38f : 3.0e38f;
        x.startPrice = year < 0 ? -3.0e38f : 3.0e38f;
        far.push_back(x);
    }
    f.WriteRecords(far);
    f.DrawNow();
    EXPECT_EQ(f.Lines().size(), 15u);
    EXPECT_EQ(f.state.annotationCount, 5);
}

TEST(DrawTextAnnotations, WeeklyAndMonthlyChartsMoveByWholeYears) {
    struct Case {
        int fileTypeId;
        int recordYear;
        long long shift;
    };
    // The chart starts in 2004; weekly and monthly slots count from the year alone.
    const Case cases[] = {{212, 2003, -52}, {212, 2005, 52}, {214, 2002, -24}, {214, 2004, 0}};
    for (const Case& c : cases) {
        AnnotateFixture f;
        f.series->fileTypeId = c.fileTypeId;
        AnnotationRecord r = JanuaryRecord();
        r.plotStartYear = c.recordYear;
        r.plotStartMonth = 7;
        EXPECT_EQ(SlotShift(*f.series, r), c.shift) << c.fileTypeId << " " << c.recordYear;
    }
}

TEST(DrawTextAnnotations, DrawsTextLineAndArrowAsTheRecordSays) {
    struct Case {
        const char* what;
        bool withArrow, centred, lineOnly;
        float startPrice, endPrice;
        std::size_t lines;
        bool text;
        platform::HAlign align;
        bool lifted;  // the line comes up from below: the text stands 50 units higher
    };
    const Case cases[] = {
        {"text alone", false, false, false, 1050, 1000, 0, true, platform::HAlign::Left, false},
        {"centred text", false, true, false, 1050, 1000, 0, true, platform::HAlign::Centre, false},
        {"text with arrow", true, false, false, 1050, 1000, 3, true, platform::HAlign::Left, false},
        {"arrow from below", true, false, false, 950, 1050, 3, true, platform::HAlign::Left, true},
        {"line alone", false, false, true, 1000, 1050, 1, false, platform::HAlign::Left, false},
        {"line with arrow", true, false, true, 1000, 1050, 3, false, platform::HAlign::Left, false},
    };
    for (const Case& c : cases) {
        AnnotateFixture f;
        AnnotationRecord r = JanuaryRecord();
        r.text = "\x8d\x82\x92\x6c";  // 高値
        r.withArrow = c.withArrow;
        r.centred = c.centred;
        r.lineOnly = c.lineOnly;
        r.startPrice = c.startPrice;
        r.endPrice = c.endPrice;
        f.WriteRecords({r});
        f.DrawNow();
        const chart::ChartGeometry& g = *f.geometry;
        const PlacedAnnotation p = PlaceAnnotation(r, g, 0);
        const Point end = chart::test::DeviceOfLogical(g, p.end);
        const auto lines = f.Lines();
        ASSERT_EQ(lines.size(), c.lines) << c.what;
        for (const auto& line : lines) {
            EXPECT_EQ(line.pen, f.objects.annotationPen) << c.what;
            EXPECT_EQ(line.points[0], chart::test::DeviceOfLogical(g, p.start)) << c.what;
        }
        if (c.lines > 0) {
            EXPECT_EQ(lines[0].points[1], end) << c.what;
        }
        if (c.lines == 3) {
            // Wings of 20 units (about 7.6 pixels) at 18 degrees each side of the line.
            for (int w = 1; w <= 2; ++w) {
                const double dx = lines[w].points[1].x - lines[w].points[0].x;
                const double dy = lines[w].points[1].y - lines[w].points[0].y;
                EXPECT_NEAR(std::hypot(dx, dy), 7.6, 1.0) << c.what;
            }
        }
        const auto texts = f.canvas.TextCalls("高値");
        ASSERT_EQ(texts.size(), c.text ? 1u : 0u) << c.what;
        if (!c.text) continue;
        EXPECT_EQ(texts[0].hAlign, c.align) << c.what;
        EXPECT_EQ(texts[0].textColour, f.objects.annotationText) << c.what;
        EXPECT_EQ(texts[0].font, f.objects.labelFont) << c.what;
        EXPECT_EQ(texts[0].points[0].x, end.x) << c.what;
        const Point lifted = chart::test::DeviceOfLogical(g, Point{p.end.x, p.end.y + 50});
        EXPECT_EQ(texts[0].points[0].y, c.lifted ? lifted.y : end.y) << c.what;
    }
}

TEST(DrawTextAnnotations, ARefusedFileNameIsToldOnceAndNothingIsDrawn) {
    AnnotateFixture f;
    f.dir.Write("x.chr", FormatAnnotationRecord(JanuaryRecord()));
    f.NameFile("../x.chr");
    EXPECT_EQ(f.DrawNow(), 1);
    EXPECT_EQ(f.DrawNow(), 1);
    EXPECT_TRUE(f.canvas.Calls().empty());
    ASSERT_EQ(f.prompts.Messages().size(), 1u);
    EXPECT_EQ(f.prompts.Messages()[0].caption, kRefusedNameCaption);
    EXPECT_NE(f.prompts.Messages()[0].text.find("[../x.chr]"), std::string::npos);
    f.NameFile("/etc/passwd");
    f.DrawNow();
    EXPECT_EQ(f.prompts.Messages().size(), 2u);
}

TEST(DrawTextAnnotations, NoFileDrawsNothingAndACompressedOneIsExpanded) {
    AnnotateFixture f;
    EXPECT_EQ(f.DrawNow(), 1);
    EXPECT_TRUE(f.canvas.Calls().empty());
    EXPECT_EQ(f.state.annotationCount, 0);
    f.dir.Write(kAnnotationFile,
                korvo::test::SzddCompress(FormatAnnotationRecord(JanuaryRecord()), true));
    f.DrawNow();
    EXPECT_EQ(f.Lines().size(), 3u);
    EXPECT_EQ(f.state.annotationCount, 1);
    EXPECT_FALSE(std::filesystem::exists(f.dir / kWorkCopyName));
}

TEST(DrawTextAnnotations, DeleteModeAsksForEachAndKeepsTheOthersNumberedAgain) {
    AnnotateFixture f;
    f.WriteRecords({Numbered(JanuaryRecord(), 0, "a"), Numbered(JanuaryRecord(), 1, "b"),
                    Numbered(JanuaryRecord(), 2, "c")});
    f.state.deleteMode = true;
    for (Answer a : {Answer::Yes, Answer::No, Answer::Yes})
        f.prompts.QueueAnswer(a);
    int shown = 0;
    DrawContext c = f.Draw();
    c.beforeQuestion = [&] { ++shown; };
    EXPECT_EQ(DrawTextAnnotations(c), 1);
    ASSERT_EQ(f.prompts.Messages().size(), 3u);
    for (const auto& m : f.prompts.Messages()) {
        EXPECT_EQ(m.text, "この挿入語・線を削除しますか?");
        EXPECT_EQ(m.caption, "Question ");
        EXPECT_EQ(m.buttons, platform::Buttons::YesNo);
    }
    EXPECT_EQ(shown, 3);
    EXPECT_TRUE(c.refreshRequested);
    EXPECT_FALSE(f.state.deleteMode);
    EXPECT_EQ(f.File(), FormatAnnotationRecord(Numbered(JanuaryRecord(), 0, "b")));
}

TEST(DrawTextAnnotations, DeleteModeKeepsWhatItDidNotAskAboutAndWhatItCouldNotRead) {
    AnnotateFixture f;
    std::vector<AnnotationRecord> records;
    for (int i = 0; i < 130; ++i)
        records.push_back(Numbered(JanuaryRecord(), i, std::to_string(i)));
    f.WriteRecords(records);
    // Drawing takes the first hundred.
    f.DrawNow();
    EXPECT_EQ(f.canvas.TextCalls("99").size(), 1u);
    EXPECT_TRUE(f.canvas.TextCalls("100").empty());
    EXPECT_EQ(f.state.annotationCount, 100);

    const std::string unreadable = "\n12=broken";
    f.dir.Write(kAnnotationFile, korvo::test::ReadFile(f.dir / kAnnotationFile) + unreadable);
    f.state.deleteMode = true;
    f.prompts.QueueAnswer(Answer::Yes);  // the first goes; the cautious No keeps the rest
    f.DrawNow();
    EXPECT_EQ(f.prompts.Messages().size(), 100u);
    std::string expected;
    for (int i = 1; i < 130; ++i)
        expected += FormatAnnotationRecord(Numbered(JanuaryRecord(), i - 1, std::to_string(i)));
    EXPECT_EQ(f.File(), expected + unreadable);
}

TEST(DrawTextAnnotations, DeleteModeLeavesTheFileAloneWhenNothingGoesOrItCannotBeWritten) {
    AnnotateFixture f;
    // Numbered oddly, as another program might: untouched when nothing is deleted.
    const std::string original = FormatAnnotationRecord(Numbered(JanuaryRecord(), 5, "a")) +
                                 FormatAnnotationRecord(Numbered(JanuaryRecord(), 9, "b"));
    f.dir.Write(kAnnotationFile, original);
    f.state.deleteMode = true;
    f.DrawNow();
    EXPECT_EQ(f.File(), original);

    f.state.deleteMode = true;
    f.prompts.QueueAnswer(Answer::Yes);
    {
        FileSizeLimit limit(16);
        f.DrawNow();
    }
    EXPECT_EQ(f.File(), original);
    EXPECT_EQ(f.prompts.Messages().back().text, "ファイル書き込み禁止です。");
    EXPECT_EQ(f.prompts.Messages().back().caption, kAnnotationFile);
    for (const auto& entry : std::filesystem::directory_iterator(f.dir.Path()))
        EXPECT_EQ(entry.path().filename(), kAnnotationFile);
}

}  // namespace
}  // namespace korvo::annotate::test
