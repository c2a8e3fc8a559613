#include "indicators/signal_files.h"

#include <gtest/gtest.h>

#include "platform/codec.h"
#include "support/temp_dir.h"

namespace korvo::indicators {
namespace {

std::string Cp932(const char* utf8) {
    return platform::Utf8ToCp932(utf8).value();
}

TEST(SignalFiles, HeadersInShiftJis) {
    const struct {
        const char* format;
        const char* utf8;
    } cases[] = {
        {kStepHeader, " 銘柄―かぎ足(StepChart)"},      {kBrickHeader, " 銘柄―練り足(Brick)"},
        {kTridentHeader, " 銘柄―新値３本足(Trident)"}, {kPointFigureHeader, "\n銘柄-ﾎﾟｲﾝﾄ & ﾌｨｷﾞｱ"},
        {kSarHeader, " 銘柄―ﾊﾟﾗﾎﾞﾘｯｸ(SAR)"},           {kMacdHeader, " 銘柄―MACD(S)"},
        {kStochasticsFastHeader, " 銘柄―ｽﾄｷｬｽ(F)"},    {kStochasticsSlowHeader, " 銘柄―ｽﾄｷｬｽ(S)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SignalHeader(c.format, "銘柄"), Cp932(c.utf8)) << c.utf8;
    EXPECT_EQ(SignalHeader(kShinoharaHeader, "銘柄", "篠原レシオ (26)"),
              Cp932(" 銘柄―篠原レシオ (26)"));
    // The dash is the double-byte 0x815C and the katakana stay single-byte.
    EXPECT_EQ(SignalHeader(kMacdHeader, "A"), std::string(" A\x81\x5C"
                                                          "MACD(S)"));
    EXPECT_EQ(SignalHeader(kStochasticsSlowHeader, "A"),
              std::string(" A\x81\x5C\xBD\xC4\xB7\xAC\xBD(S)"));
    // A title CP932 cannot hold still gives a header.
    EXPECT_EQ(SignalHeader(kMacdHeader, "A😀B"), std::string(" A?B\x81\x5C"
                                                            "MACD(S)"));
}

TEST(SignalFiles, IndicatorRecordFormats) {
    EXPECT_EQ(IndicatorStartRecord(2024, 1, 4, 1554.0f, 0), "\n 0 2024 1 4 1554.00 0 0");
    EXPECT_EQ(IndicatorRecord(kRecordBuy, 2024, 3, 15, 1301.0f, 53, 0),
              "\n 6 2024 3 15 1301.00 53 0");
    EXPECT_EQ(IndicatorRecord(kRecordSell, 2024, 12, 1, 5.5f, 7, 1), "\n 7 2024 12 1 5.50 7 1");
    EXPECT_EQ(IndicatorRecord(kRecordEnd, 1999, 1, 31, 12345.678f, 4095, 1),
              "\n 9 1999 1 31 12345.68 4095 1");
}

TEST(SignalFiles, ReadingRecordsBack) {
    const std::string indicator =
        Cp932(" 銘柄―MACD(S)") + "\n 0 2024 1 4 1554.00 0 0\n 9 2024 5 31 2101.00 100 0";
    const auto records = ReadSignalRecords(indicator);
    ASSERT_EQ(records.size(), 2u);  // only records 0 and 9 after the header
    EXPECT_EQ(records[0], (SignalRecord{0, 2024, 1, 4, 1554.0f, 0, 0}));
    EXPECT_EQ(records[1], (SignalRecord{9, 2024, 5, 31, 2101.0f, 100, 0}));

    // Point & figure: a blank first line, the title, no record 0, and the
    // literal 0.0 in place of index and state.
    const std::string pf = Cp932("\n銘柄-ﾎﾟｲﾝﾄ & ﾌｨｷﾞｱ") +
                           "\n 7 2024 2 1    1500.00 0.0\n 6 2024 3 1    1400.50 0.0"
                           "\n 9 2024 5 31    1600.00 0.0";
    const auto pfRecords = ReadSignalRecords(pf);
    ASSERT_EQ(pfRecords.size(), 3u);
    EXPECT_EQ(pfRecords[0], (SignalRecord{7, 2024, 2, 1, 1500.0f, 0, 0}));
    EXPECT_EQ(pfRecords[1].price, 1400.5f);
    EXPECT_EQ(pfRecords[2].kind, kRecordEnd);

    // The trident's sell with two blanks before the index reads the same.
    const auto trident = ReadSignalRecords(" T\n 7 2024 2 1 1500.00  12 1");
    ASSERT_EQ(trident.size(), 1u);
    EXPECT_EQ(trident[0].index, 12);
    EXPECT_EQ(trident[0].state, 1);

    // A header longer than 128 characters: the rest of its line is no record.
    const std::string longHeader = " " + std::string(200, 'x') + "\n 6 2024 1 5 10.00 3 0";
    ASSERT_EQ(ReadSignalRecords(longHeader).size(), 1u);
    EXPECT_TRUE(ReadSignalRecords("").empty());
    EXPECT_TRUE(ReadSignalRecords("header only").empty());
    EXPECT_FALSE(ParseSignalRecord("6 2024 1").has_value());
}

TEST(SignalFiles, WritingMarksAndDeletingClears) {
    korvo::test::TempDir dir;
    SignalWritten written;
    // A file of an earlier run that this run never wrote.
    dir.Write("bs.stp", "old");
    ASSERT_TRUE(WriteSignalFile(dir.Path(), SignalFile::Macd, " h\n 0 1 1 1 1.00 0 0", written));
    ASSERT_TRUE(WriteSignalFile(dir.Path(), SignalFile::Stochastics, " h", written));
    EXPECT_TRUE(written[5]);
    EXPECT_TRUE(written[6]);
    EXPECT_EQ(korvo::test::ReadFile(dir / "bs.mac"), " h\n 0 1 1 1 1.00 0 0");
    // Rewriting replaces the file.
    ASSERT_TRUE(WriteSignalFile(dir.Path(), SignalFile::Macd, " new", written));
    EXPECT_EQ(korvo::test::ReadFile(dir / "bs.mac"), " new");
    // The same bytes again (or left by an earlier run): the file stays and is
    // counted as this run's, so it goes at exit like any written one.
    dir.Write("bs.pf", "\nT-same");
    const auto before = std::filesystem::last_write_time(dir / "bs.pf");
    ASSERT_TRUE(WriteSignalFile(dir.Path(), SignalFile::PointFigure, "\nT-same", written));
    EXPECT_TRUE(written.IsWritten(SignalFile::PointFigure));
    EXPECT_EQ(std::filesystem::last_write_time(dir / "bs.pf"), before);
    // A folder that does not exist: nothing marked.
    EXPECT_FALSE(WriteSignalFile(dir / "missing", SignalFile::Sar, " h", written));
    EXPECT_FALSE(written.IsWritten(SignalFile::Sar));

    DeleteSignalFiles(dir.Path(), written);
    EXPECT_FALSE(std::filesystem::exists(dir / "bs.mac"));
    EXPECT_FALSE(std::filesystem::exists(dir / "bs.sto"));
    EXPECT_FALSE(std::filesystem::exists(dir / "bs.pf"));
    EXPECT_TRUE(std::filesystem::exists(dir / "bs.stp"));
    for (std::size_t i = 0; i < written.size(); ++i)
        EXPECT_FALSE(written[i]) << i;
    // A second deletion does nothing, even to a file written since by someone else.
    dir.Write("bs.mac", "again");
    DeleteSignalFiles(dir.Path(), written);
    EXPECT_TRUE(std::filesystem::exists(dir / "bs.mac"));
    EXPECT_FALSE(ReadSignalFile(dir.Path(), SignalFile::Trident).has_value());
}

}  // namespace
}  // namespace korvo::indicators
