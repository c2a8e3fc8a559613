// The annotation file's record: written field by field as the format has it,
// read back whole, and a damaged or cut record stops the reading without
// taking anything that follows for a record.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "annotate/annotation_record.h"

namespace korvo::annotate {
namespace {

// A record with a different value in every field.
AnnotationRecord EveryField() {
    AnnotationRecord r;
    r.font.faceName = "\x82\x6c\x82\x72\x83\x53\x83\x56\x83\x62\x83\x4e";  // ＭＳゴシック
    r.font.height = -45;
    r.font.weight = 700;
    r.font.italic = 1;
    r.font.underline = 1;
    r.font.strikeOut = 1;
    r.font.charset = 128;
    r.text = "\x8d\x82\x92\x6c 1520";  // 高値 1520
    r.number = 7;
    r.points = {0, 312, 480, 225, 140, 300, 200, 300, 300};
    r.colour = 0x00FFFF;
    r.escapement = 900;
    r.chartState = {3, -4};
    r.centred = true;
    r.withArrow = true;
    r.lineOnly = false;
    r.startSlot = 123.25f;
    r.startPrice = 1520.5f;
    r.endSlot = 140.75f;
    r.endPrice = 1480.25f;
    r.plotStartYear = 2004;
    r.plotStartMonth = 3;
    r.plotStartDay = 1;
    return r;
}

TEST(AnnotationRecord, IsWrittenExactlyAsTheFileFormatHasIt) {
    const std::string expected =
        "\n12=\x82\x6c\x82\x72\x83\x53\x83\x56\x83\x62\x83\x4e \n9=\x8d\x82\x92\x6c 1520"
        "\n7 \n"
        " 0 312 480 225 140 300 200 300 300 "
        " 65535 900 -45 700 1 1 1 128 "
        " 3 -4 1 1 0 \n"
        " 123.250000 1520.500000 140.750000 1480.250000 \n"
        " 2004 3 1 \n";
    EXPECT_EQ(FormatAnnotationRecord(EveryField()), expected);
}

TEST(AnnotationRecord, EveryFieldComesBackFromTheFile) {
    AnnotationRecord extremes = EveryField();
    extremes.text = "    ";  // four blanks are text
    extremes.number = INT_MAX;
    extremes.points = {0, INT_MAX, INT_MIN, 1, -1, 0, 2147483600, -2147483600, 100};
    extremes.colour = 0xFFFFFFFF;  // written as a signed value, read back whole
    extremes.chartState = {INT_MIN, INT_MAX};
    extremes.centred = false;
    extremes.withArrow = false;
    extremes.lineOnly = true;
    extremes.startSlot = -0.5f;
    extremes.endSlot = 4095.0f;
    extremes.plotStartYear = INT_MAX;
    AnnotationRecord rawText = EveryField();
    // The text is taken by its byte count: blanks, tabs and newlines inside it
    // and a trail byte 0x5C are text, not separators.
    rawText.text = " a\tb\n \x83\x5C ";
    rawText.font.faceName = std::string(128, 'F');
    AnnotationRecord empty = EveryField();
    empty.text.clear();

    const std::vector<AnnotationRecord> records = {EveryField(), extremes, rawText, empty};
    std::string file;
    for (const AnnotationRecord& r : records)
        file += FormatAnnotationRecord(r);
    const ParsedAnnotations parsed = ParseAnnotations(file);
    ASSERT_EQ(parsed.records.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(parsed.records[i], records[i]) << i;
    EXPECT_EQ(parsed.consumed, file.size());
    EXPECT_FALSE(parsed.damagedTail);
}

TEST(AnnotationRecord, ACutRecordIsNeverTakenAndTheRecordsBeforeItStay) {
    const std::string first = FormatAnnotationRecord(EveryField());
    const std::string second = FormatAnnotationRecord(EveryField());
    // Cut anywhere before the last digit of the second record: the first is
    // read, the rest is left for what it is.
    const std::size_t lastDigit = second.size() - 2;
    for (std::size_t cut = 1; cut < lastDigit; ++cut) {
        const std::string file = first + second.substr(0, cut);
        const ParsedAnnotations parsed = ParseAnnotations(file);
        ASSERT_EQ(parsed.records.size(), 1u) << cut;
        EXPECT_EQ(parsed.records[0], EveryField());
        const bool onlyBlanks = second.substr(0, cut).find_first_not_of(" \n") == std::string::npos;
        EXPECT_EQ(parsed.damagedTail, !onlyBlanks) << cut;
        if (!onlyBlanks) {
            EXPECT_EQ(parsed.consumed, first.size()) << cut;
        }
    }
    EXPECT_EQ(ParseAnnotations(first + second.substr(0, lastDigit)).records.size(), 2u);
}

TEST(AnnotationRecord, DamagedFieldsStopTheReading) {
    const std::string good = FormatAnnotationRecord(EveryField());
    struct Case {
        const char* what;
        std::string from;
        std::string to;
    };
    const std::vector<Case> cases = {
        {"text longer than 128 bytes", "9=\x8d\x82", "129=\x8d\x82"},
        {"negative byte count", "\n12=", "\n-1="},
        {"no = after the count", "\n12=", "\n12:"},
        {"a number that is no number", "\n7 \n", "\nseven \n"},
        {"a value beyond 32 bits", " 0 312 ", " 0 4294967296 "},
        {"an anchor that is not a number", " 123.250000 ", " nan "},
        {"an anchor that is infinite", " 123.250000 ", " inf "},
    };
    for (const Case& c : cases) {
        std::string damaged = good;
        const std::size_t at = damaged.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.what;
        damaged.replace(at, c.from.size(), c.to);
        const ParsedAnnotations parsed = ParseAnnotations(good + damaged + good);
        EXPECT_EQ(parsed.records.size(), 1u) << c.what;
        EXPECT_TRUE(parsed.damagedTail) << c.what;
        EXPECT_EQ(parsed.consumed, good.size()) << c.what;
    }
}

TEST(AnnotationRecord, TheReadingStopsAtTheLimit) {
    std::string file;
    for (int i = 0; i < 150; ++i) {
        AnnotationRecord r = EveryField();
        r.number = i;
        file += FormatAnnotationRecord(r);
    }
    const ParsedAnnotations limited = ParseAnnotations(file, kMaxDrawnAnnotations);
    ASSERT_EQ(limited.records.size(), 100u);
    EXPECT_EQ(limited.records[99].number, 99);
    EXPECT_FALSE(limited.damagedTail);
    EXPECT_EQ(ParseAnnotations(file).records.size(), 150u);
    EXPECT_TRUE(ParseAnnotations("").records.empty());
    EXPECT_TRUE(ParseAnnotations(" \n\n ").records.empty());
    EXPECT_FALSE(ParseAnnotations(" \n\n ").damagedTail);
}

}  // namespace
}  // namespace korvo::annotate
