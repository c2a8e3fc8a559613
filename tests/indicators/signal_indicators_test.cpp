// Stochastics and MACD: their lines and the signal files they write.
#include <gtest/gtest.h>

#include "indicators/indicator_fixture.h"
#include "indicators/macd.h"
#include "indicators/stochastics.h"
#include "platform/codec.h"
#include "support/temp_dir.h"

namespace korvo::indicators {
namespace {

using test::IndicatorFixture;
using test::Ramp;

constexpr int kBottom = 1650;

std::string Cp932(const char* utf8) {
    return platform::Utf8ToCp932(utf8).value();
}

TEST(Stochastics, FastCrossingsWrittenByteForByte) {
    // Unit steps: %K says whether the last change rose, %D counts the rises
    // among the last three changes.
    IndicatorFixture f;
    f.SetCloses({100, 101, 102, 103, 104, 105, 106, 105, 104, 105, 106, 105, 106});
    korvo::test::TempDir dir;
    SignalWritten written;
    ASSERT_EQ(DrawStochastics(f.Target(), 2, kStochasticsFast, {dir.Path(), written}),
              kSignalFileDone);
    const Stochastics s = ComputeStochastics(*f.series, *f.geometry, 2, kStochasticsFast);
    EXPECT_EQ(s.d.YAt(9), 1516);   // one rise in three
    EXPECT_EQ(s.d.YAt(11), 1383);  // two
    EXPECT_EQ(s.k.YAt(9), kBottom);
    EXPECT_EQ(s.k.YAt(10), kBottom - 400);
    const std::string expected = Cp932(" テスト銘柄―ｽﾄｷｬｽ(F)") +
                                 "\n 0 2024 1 2 100.00 0 0"
                                 "\n 6 2024 1 11 281.00 9 0"
                                 "\n 7 2024 1 12 301.00 10 1"
                                 "\n 6 2024 1 14 341.00 12 0"
                                 "\n 9 2024 1 14 341.00 12 1";
    EXPECT_EQ(korvo::test::ReadFile(dir / "bs.sto"), expected);
    EXPECT_TRUE(written.IsWritten(SignalFile::Stochastics));
    EXPECT_FALSE(written.IsWritten(SignalFile::Macd));
    // Fast draws %K in red and %D in yellow with their labels.
    EXPECT_EQ(f.canvas.TextCalls(" %K ").size(), 1u);
    EXPECT_EQ(f.canvas.TextCalls(" %D ").size(), 1u);
    EXPECT_TRUE(f.canvas.TextCalls(" SD ").empty());
}

TEST(Stochastics, SlowOnTwentyBarsStartsAtTwelveSixteenAndSeventeen) {
    IndicatorFixture f;
    std::vector<float> closes = Ramp(10, 200, -10);  // down to 110
    for (float c : Ramp(10, 120, 10))
        closes.push_back(c);  // back up to 210
    f.SetCloses(closes);
    const Stochastics s = ComputeStochastics(*f.series, *f.geometry, 10, kStochasticsSlow);
    EXPECT_EQ(s.k.firstBar, 10);
    EXPECT_EQ(s.d.firstBar, 12);
    EXPECT_EQ(s.sd.firstBar, 16);
    for (int i = 16; i < 20; ++i)
        EXPECT_EQ(s.sd.YAt(i), (s.d.YAt(i - 3) + s.d.YAt(i - 2) + s.d.YAt(i - 1)) / 3);
    // The lagging SD already stands below %D at bar 16, but signals start at 17.
    ASSERT_GT(s.sd.YAt(16), s.d.YAt(16));
    ASSERT_GT(s.sd.YAt(17), s.d.YAt(17));
    korvo::test::TempDir dir;
    SignalWritten written;
    ASSERT_EQ(DrawStochastics(f.Target(false), 10, kStochasticsSlow, {dir.Path(), written}),
              kSignalFileDone);
    const auto records = ReadSignalFile(dir.Path(), SignalFile::Stochastics);
    ASSERT_TRUE(records.has_value());
    ASSERT_GE(records->size(), 3u);
    EXPECT_EQ((*records)[0].kind, kRecordStart);
    EXPECT_EQ((*records)[1].kind, kRecordBuy);
    EXPECT_EQ((*records)[1].index, 17);
    EXPECT_FLOAT_EQ((*records)[1].price, 101.0f + 20 * 17);
    EXPECT_EQ(records->back().kind, kRecordEnd);
    EXPECT_EQ(records->back().index, 19);
    // A null canvas draws nothing.
    EXPECT_TRUE(f.canvas.Calls().empty());
    const std::string text = korvo::test::ReadFile(dir / "bs.sto");
    EXPECT_EQ(text.substr(0, Cp932(" テスト銘柄―ｽﾄｷｬｽ(S)").size()), Cp932(" テスト銘柄―ｽﾄｷｬｽ(S)"));
}

TEST(Stochastics, TooFewBarsWritesNothingAndAMissingFolderIsMinusForty) {
    IndicatorFixture f;
    f.SetCloses(Ramp(9, 100, 1));
    korvo::test::TempDir dir;
    SignalWritten written;
    EXPECT_EQ(DrawStochastics(f.Target(), 10, kStochasticsSlow, {dir.Path(), written}),
              kTooFewBars);
    EXPECT_FALSE(std::filesystem::exists(dir / "bs.sto"));
    EXPECT_FALSE(written.IsWritten(SignalFile::Stochastics));
    f.SetCloses(Ramp(30, 100, 1));
    EXPECT_EQ(DrawStochastics(f.Target(), 10, kStochasticsSlow, {dir / "missing", written}),
              kSignalFileFailed);
    EXPECT_FALSE(written.IsWritten(SignalFile::Stochastics));
    EXPECT_TRUE(f.canvas.Calls().empty());
    // Exactly as many bars as the period: the header with records 0 and 9 only.
    f.SetCloses(Ramp(10, 100, 1));
    ASSERT_EQ(DrawStochastics(f.Target(false), 10, kStochasticsFast, {dir.Path(), written}),
              kSignalFileDone);
    EXPECT_EQ(korvo::test::ReadFile(dir / "bs.sto"),
              Cp932(" テスト銘柄―ｽﾄｷｬｽ(F)") + "\n 0 2024 1 2 100.00 0 0\n 9 2024 1 11 281.00 9 0");
}

TEST(Macd, ExactlyTwentySixBarsHasNoSignalsInItsFile) {
    IndicatorFixture f;
    f.SetCloses(Ramp(26, 100, 1.5f));
    korvo::test::TempDir dir;
    SignalWritten written;
    ASSERT_EQ(DrawMacd(f.Target(), 12, 26, 9, {dir.Path(), written}), kSignalFileDone);
    EXPECT_EQ(korvo::test::ReadFile(dir / "bs.mac"),
              Cp932(" テスト銘柄―MACD(S)") + "\n 0 2024 1 2 100.00 0 0\n 9 2024 1 27 601.00 25 0");
    EXPECT_TRUE(written.IsWritten(SignalFile::Macd));
    const Macd m = ComputeMacd(*f.series, *f.geometry, 12, 26, 9);
    // The value of bar i needs the 26 bars before it: the first is bar 26.
    EXPECT_EQ(m.macd.Count(), 0);
    EXPECT_EQ(m.signal.Count(), 0);
    EXPECT_EQ(m.range, 0.0f);
    f.SetCloses(Ramp(27, 100, 1.5f));
    const Macd one = ComputeMacd(*f.series, *f.geometry, 12, 26, 9);
    EXPECT_EQ(one.macd.Count(), 1);
    EXPECT_EQ(one.macd.firstBar, 26);
    // A lone positive MACD sets the range: it stands at the top of the panel.
    EXPECT_NEAR(one.macd.YAt(26), kBottom - 400, 1);
    EXPECT_EQ(one.signal.Count(), 0);
    // Below either period: nothing at all.
    f.SetCloses(Ramp(25, 100, 1.5f));
    EXPECT_EQ(DrawMacd(f.Target(), 12, 26, 9, {dir / "other", written}), kTooFewBars);
}

TEST(Macd, ExponentialAveragesAndTheCrossingRule) {
    IndicatorFixture f;
    f.SetCloses({10, 10, 10, 13});
    const Macd small = ComputeMacd(*f.series, *f.geometry, 2, 3, 1);
    // emaShort = 10 + 3 * 2 / 3 = 12, emaLong = 10 + 3 * 2 / 4 = 11.5.
    ASSERT_TRUE(small.macd.Has(3));
    EXPECT_FLOAT_EQ(small.macd.ValueAt(3), 0.5f);
    EXPECT_FLOAT_EQ(small.range, 1.0f);

    std::vector<float> closes;
    for (int i = 0; i < 120; ++i)
        closes.push_back(1000.0f +
                         80.0f * static_cast<float>(((i / 15) % 2 == 0) ? i % 15 : 15 - i % 15));
    f.SetCloses(closes);
    korvo::test::TempDir dir;
    SignalWritten written;
    ASSERT_EQ(DrawMacd(f.Target(), 12, 26, 9, {dir.Path(), written}), kSignalFileDone);
    const Macd m = ComputeMacd(*f.series, *f.geometry, 12, 26, 9);
    EXPECT_EQ(m.signal.firstBar, 35);
    for (int i = 35; i < 120; ++i) {
        float sum = 0;
        for (int j = i - 9; j < i; ++j)
            sum += static_cast<float>(m.macd.YAt(j));
        EXPECT_FLOAT_EQ(m.signal.ValueAt(i), sum / 9.0f);
    }
    const auto records = ReadSignalFile(dir.Path(), SignalFile::Macd);
    ASSERT_TRUE(records.has_value());
    int buys = 0;
    bool open = false;
    for (std::size_t r = 1; r + 1 < records->size(); ++r) {
        const SignalRecord& rec = (*records)[r];
        ASSERT_GE(rec.index, 35);
        if (rec.kind == kRecordBuy) {
            ++buys;
            EXPECT_FALSE(open);
            EXPECT_LT(m.macd.YAt(rec.index), m.signal.YAt(rec.index));
            EXPECT_EQ(rec.state, 0);
            open = true;
        } else {
            ASSERT_EQ(rec.kind, kRecordSell);
            EXPECT_TRUE(open);
            EXPECT_LE(m.signal.YAt(rec.index), m.macd.YAt(rec.index));
            EXPECT_EQ(rec.state, 1);
            open = false;
        }
        EXPECT_FLOAT_EQ(rec.price, 101.0f + 20.0f * static_cast<float>(rec.index));
    }
    EXPECT_GE(buys, 2);
    EXPECT_EQ(records->back().state, open ? 1 : 0);
    EXPECT_EQ(MacdTitle(210, 12, 26), "M.A.C.D. 12 - 26(day)");
    EXPECT_EQ(MacdTitle(212, 12, 26), "M.A.C.D. 12 - 26(week)");
    EXPECT_EQ(MacdTitle(224, 5, 8), "M.A.C.D. 5 - 8(month)");
    EXPECT_EQ(f.canvas.TextCalls(" MACD").size(), 1u);
    EXPECT_EQ(f.canvas.TextCalls(" Signal").size(), 1u);
}

}  // namespace
}  // namespace korvo::indicators
