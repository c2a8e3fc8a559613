// Storing a placed annotation: its anchors on the chart as drawn, read back
// at another zoom onto the same bars; numbering, the phrase list, and every
// failure leaving the user's files as they were.
#include <gtest/gtest.h>

#include <cmath>

#include "annotate/annotate_fixture.h"
#include "platform/codec.h"

namespace korvo::annotate::test {
namespace {

using platform::Point;

std::string Cp932(const char* utf8) {
    return *platform::Utf8ToCp932(utf8);
}

// A text with an arrow from the middle of bar 40 at 1000 to the middle of bar 60 at 1050.
void PlaceTextWithArrow(AnnotateFixture& f) {
    f.state.annotationText = "高値";
    f.state.withArrow = true;
    f.state.startPoint = f.ClientPoint(40, 1000.0f, 10);
    f.state.endPoint = f.ClientPoint(60, 1050.0f, 10);
}

TEST(SaveTextAnnotation, AnchorsComeBackOntoTheSameBarsAtAnotherZoom) {
    AnnotateFixture f;
    PlaceTextWithArrow(f);
    SaveContext save = f.Save();
    ASSERT_EQ(SaveTextAnnotation(save), 1);
    EXPECT_EQ(f.state.annotationCount, 1);
    const ParsedAnnotations parsed = ParseAnnotations(f.File());
    ASSERT_EQ(parsed.records.size(), 1u);
    const AnnotationRecord& r = parsed.records[0];
    const chart::ChartGeometry& g = *f.geometry;
    // Slots counted from the plot start: a bar's middle lies half a slot on
    // from its slot's left edge.
    EXPECT_NEAR(r.startSlot, g.barSlot[40] - 1 + 0.5, 0.15);
    EXPECT_NEAR(r.endSlot, g.barSlot[60] - 1 + 0.5, 0.15);
    EXPECT_NEAR(r.startPrice, 1000.0f, 1.0f);
    EXPECT_NEAR(r.endPrice, 1050.0f, 1.0f);
    EXPECT_EQ(r.startPrice * 100.0f, std::trunc(r.startPrice * 100.0f));
    EXPECT_EQ(r.text, Cp932("高値"));
    EXPECT_TRUE(r.withArrow);
    EXPECT_EQ(r.colour, f.colours.annotation);
    EXPECT_EQ(r.chartState, (std::array<std::int32_t, 2>{5, 6}));
    EXPECT_EQ(r.font, f.state.annotationFont);
    EXPECT_EQ(r.points[0], 0);
    EXPECT_EQ(r.points[1], f.state.startPoint.x + g.scrollX);  // at 100 % the pixels as placed
    EXPECT_EQ(r.points[3], f.state.startPoint.y + g.scrollY);
    EXPECT_EQ(r.points[5] % 100, 0);
    EXPECT_EQ((std::array<int, 3>{r.plotStartYear, r.plotStartMonth, r.plotStartDay}),
              (std::array<int, 3>{2004, 1, 1}));
    // Placing moves nothing of the chart.
    EXPECT_EQ(f.series->plotStartYear, 2004);
    EXPECT_EQ(f.series->plotStartMonth, 1);

    for (const auto& [h, v] : {std::pair{0.5f, 2.0f}, std::pair{2.5f, 0.8f}}) {
        f.Render(h, v);
        f.DrawNow();
        const auto lines = f.Lines();
        ASSERT_EQ(lines.size(), 3u);
        const Point start = f.ClientPoint(40, 1000.0f, 10);
        // The end is drawn a slot to the left of where it was let go.
        const Point end = f.ClientPoint(60, 1050.0f, 10 - f.geometry->slotPitch);
        EXPECT_NEAR(lines[0].points[0].x, start.x, 2) << h;
        EXPECT_NEAR(lines[0].points[0].y, start.y, 2) << v;
        EXPECT_NEAR(lines[0].points[1].x, end.x, 2) << h;
        EXPECT_NEAR(lines[0].points[1].y, end.y, 2) << v;
        EXPECT_EQ(f.canvas.TextCalls("高値").size(), 1u);
    }
}

TEST(SaveTextAnnotation, NumbersAfterTheRecordsThereAndKeepsWhatItCannotRead) {
    AnnotateFixture f;
    PlaceTextWithArrow(f);
    SaveContext save = f.Save();
    ASSERT_EQ(SaveTextAnnotation(save), 1);
    ASSERT_EQ(SaveTextAnnotation(save), 2);
    const std::string two = f.File();
    EXPECT_EQ(ParseAnnotations(two).records[1].number, 1);
    // The count of the state is not trusted: the file says how many there are.
    f.state.annotationCount = 0;
    const std::string unreadable = "\n7=damaged";
    f.dir.Write(kAnnotationFile, two + unreadable);
    ASSERT_EQ(SaveTextAnnotation(save), 3);
    const std::string three = f.File();
    // The new record goes before the part that cannot be read, which stays.
    EXPECT_EQ(three.substr(0, two.size()), two);
    EXPECT_EQ(three.substr(three.size() - unreadable.size()), unreadable);
    const ParsedAnnotations parsed = ParseAnnotations(three);
    ASSERT_EQ(parsed.records.size(), 3u);
    EXPECT_EQ(parsed.records[2].number, 2);
}

TEST(SaveTextAnnotation, KeepsThePhraseUnlessItBeginsWithFourBlanks) {
    struct Case {
        const char* text;
        bool savePhrase;
        const char* list;  // finsert.chr afterwards (UTF-8), nullptr: none
        bool stillToSave;
    };
    const Case cases[] = {
        {"高値更新", true, "\n高値更新", false},
        {"高値更新", false, nullptr, false},
        {"    底値", true, nullptr, true},
        {"   三つの空白", true, "\n   三つの空白", false},
    };
    for (const Case& c : cases) {
        AnnotateFixture f;
        PlaceTextWithArrow(f);
        f.state.annotationText = c.text;
        f.state.savePhrase = c.savePhrase;
        SaveContext save = f.Save();
        EXPECT_EQ(SaveTextAnnotation(save), 1) << c.text;
        const auto list = f.dir / kPhraseListName;
        EXPECT_EQ(std::filesystem::exists(list), c.list != nullptr) << c.text;
        if (c.list) {
            EXPECT_EQ(korvo::test::ReadFile(list), Cp932(c.list)) << c.text;
        }
        EXPECT_EQ(f.state.savePhrase, c.stillToSave) << c.text;
    }
    // An existing list is added to.
    AnnotateFixture f;
    PlaceTextWithArrow(f);
    f.dir.Write(kPhraseListName, Cp932("押し目\t戻り"));
    f.state.savePhrase = true;
    SaveContext save = f.Save();
    SaveTextAnnotation(save);
    EXPECT_EQ(korvo::test::ReadFile(f.dir / kPhraseListName), Cp932("押し目\t戻り\n高値"));
}

TEST(SaveTextAnnotation, APhraseListThatCannotBeWrittenDoesNotCostTheAnnotation) {
    AnnotateFixture f;
    PlaceTextWithArrow(f);
    std::filesystem::create_directory(f.dir / kPhraseListName);
    f.state.savePhrase = true;
    SaveContext save = f.Save();
    EXPECT_EQ(SaveTextAnnotation(save), 1);
    ASSERT_EQ(f.prompts.Messages().size(), 1u);
    EXPECT_EQ(f.prompts.Messages()[0].text, "ファイル書き込み禁止です。");
    EXPECT_EQ(f.prompts.Messages()[0].caption, "finsert.chr");
    EXPECT_EQ(ParseAnnotations(f.File()).records.size(), 1u);
}

TEST(SaveTextAnnotation, StoresNothingWithoutAZoomAFileOrAnAcceptedName) {
    AnnotateFixture f;
    PlaceTextWithArrow(f);
    const std::string before = FormatAnnotationRecord(AnnotationRecord{});
    f.dir.Write(kAnnotationFile, before);
    SaveContext save = f.Save();

    f.geometry->xPercent = 0;
    EXPECT_EQ(SaveTextAnnotation(save), kSaveNoZoom);
    f.Render();
    f.geometry->unitsPerPrice = 0.0f;
    EXPECT_EQ(SaveTextAnnotation(save), kSaveNoZoom);
    f.Render();
    {
        FileSizeLimit limit(16);
        EXPECT_EQ(SaveTextAnnotation(save), kSaveNotWritten);
    }
    EXPECT_EQ(f.prompts.Messages().back().text, "ファイル書き込み禁止です。");
    EXPECT_EQ(f.prompts.Messages().back().caption, kAnnotationFile);
    f.NameFile("../TEST1.chr");
    EXPECT_EQ(SaveTextAnnotation(save), kSaveNotWritten);
    EXPECT_EQ(f.prompts.Messages().back().caption, kRefusedNameCaption);
    EXPECT_EQ(f.File(), before);
    EXPECT_EQ(f.state.annotationCount, 0);
}

TEST(StoredText, IsCutToWholeCharactersOf127Bytes) {
    EXPECT_EQ(StoredText(std::string(200, 'a'))->size(), 127u);
    std::string japanese;
    for (int i = 0; i < 70; ++i)
        japanese += "株";
    EXPECT_EQ(*StoredText(japanese), Cp932(japanese.substr(0, 63 * 3).c_str()));
    EXPECT_EQ(*StoredText("    "), "    ");
    EXPECT_FALSE(StoredText("😀").has_value());
}

}  // namespace
}  // namespace korvo::annotate::test
