// Opening a data file: copy to the working copy, normalise, scan, load.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <map>

#include "data_fixture.h"

namespace korvo::data::testing {
namespace {

using korvo::test::ReadFile;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

class LoadPipeline : public DataFixture {
  protected:
    // Starts a case afresh in the same start directory.
    void Reset() {
        series = PriceSeries{};
        state = DataState{};
        effects = DataEffects{};
        prompts.Clear();
        env.correctRecord = nullptr;
    }
};

// "2004/1/5" of a record line and of a bar.
std::string DateOf(const std::string& line) {
    StkReader in(line);
    std::string_view t[3];
    in.NextTokens(t, 3);
    return std::string(t[0]) + "/" + std::string(t[1]) + "/" + std::string(t[2]);
}

std::string BarDate(const PriceSeries& s, int i) {
    return std::to_string(s.year[i]) + "/" + std::to_string(s.month[i]) + "/" +
           std::to_string(s.day[i]);
}

// Five valid days, 5..9 January 2004.
std::vector<std::string> FiveDays() {
    return {Line(2004, 1, 5), Line(2004, 1, 6), Line(2004, 1, 7), Line(2004, 1, 8),
            Line(2004, 1, 9)};
}

TEST_F(LoadPipeline, DuplicatesKeepTheLaterRecordAndRecordsComeInDateOrder) {
    const std::string user = "<comment>\n\n" + Heading() +
                             " 2004 1 7 3 4 2 3 30\n"
                             " 2004 1 5 1 2 0.5 1.5 10\n"
                             "2004 1 6 5 6 4 5 20\n"
                             " 2004 1 5 7.00 8 6 7 40\n"
                             " 2004 1 8 1 2 0.5 1 50\n"
                             " 2004 1 9 1 2 0.5 1 60\n";
    ASSERT_EQ(OpenAndLoad(user), 5);
    EXPECT_EQ(WorkingCopy(),
              "<comment>\n"
              "\n210\nTitle\nSUB\nYen\n1234\n2004\t1\t1\n"
              " \n 2004  1  5 7.00 8 6 7 40"
              " \n 2004  1  6 5 6 4 5 20"
              " \n 2004  1  7 3 4 2 3 30"
              " \n 2004  1  8 1 2 0.5 1 50"
              "\n 2004  1  9 1 2 0.5 1 60");
    EXPECT_EQ(series.headerText, "<comment>");
    const int days[] = {5, 6, 7, 8, 9};
    const float closes[] = {7, 5, 3, 1, 1};
    const int volumes[] = {40, 20, 30, 50, 60};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(series.day[i], days[i]);
        EXPECT_EQ(series.close[i], closes[i]);
        EXPECT_EQ(series.volume[i], volumes[i]);
    }
    EXPECT_TRUE(prompts.Messages().empty());
    // Opening again finds the copy already in order and leaves it byte for byte.
    const std::string before = WorkingCopy();
    ASSERT_EQ(ReloadWorkingCopy(context), 5);
    EXPECT_EQ(WorkingCopy(), before);
}

TEST_F(LoadPipeline, HeaderFieldsAndShiftJisTexts) {
    const std::string user = ReadFile(korvo::test::TestData("sjis_header.stk"));
    ASSERT_EQ(OpenAndLoad(user), 6);
    EXPECT_EQ(series.fileTypeId, 210);
    EXPECT_EQ(series.title, "ダイヤ 機械");
    EXPECT_EQ(series.subtitle, "ダイヤ");
    EXPECT_EQ(series.unitLabel, "円");
    EXPECT_EQ(series.marketCode, "7011");
    EXPECT_TRUE(series.hasChrFile);
    EXPECT_EQ(series.chrFileName,
              "\x83\x5f\x83\x5d"
              "1.chr");
    EXPECT_EQ(series.boxFileName,
              "\x83\x5b"
              "1.box");
    EXPECT_EQ(series.fileStartYear, 2004);
    EXPECT_EQ(series.fileStartMonth, 1);
    EXPECT_EQ(series.plotStartYear, 2004);  // unset, so the file's start
    EXPECT_EQ(series.plotStartMonth, 1);
    EXPECT_EQ(series.rawMaxHigh, 1580.0f);
    EXPECT_EQ(series.rawMinLow, 1490.0f);
    EXPECT_EQ(series.day[5], 13);
    // The header block is copied verbatim into the working copy.
    EXPECT_EQ(WorkingCopy().substr(0, series.headerText.size()), series.headerText);
    EXPECT_EQ(user.substr(0, series.headerText.size()), series.headerText);
}

TEST_F(LoadPipeline, TwoDigitYearsAreWidened) {
    const std::string user =
        Stk(Heading(210, "98 1 1"),
            {Line(99, 1, 5), Line(100, 1, 5), Line(0, 1, 6), Line(49, 1, 5), Line(98, 12, 30)});
    ASSERT_EQ(OpenAndLoad(user), 5);
    EXPECT_EQ(series.fileStartYear, 1998);
    const int years[] = {1998, 1999, 2000, 2000, 2049};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(series.year[i], years[i]) << i;
    EXPECT_EQ(series.day[3], 6);
}

TEST_F(LoadPipeline, HeaderLengthLimit) {
    const std::string accepted = "<" + std::string(1479, 'c') + ">\n" + Stk(Heading(), FiveDays());
    EXPECT_EQ(OpenAndLoad(accepted), 5);
    EXPECT_EQ(series.headerText.size(), 1481u);

    Reset();
    const std::string refused = "<" + std::string(1480, 'c') + ">\n" + Stk(Heading(), FiveDays());
    EXPECT_EQ(OpenAndLoad(refused), -21);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(LastMessage().text,
              "ﾃﾞｰﾀ ﾌｫｰﾑ エラー\nコメントが長すぎるか '>' マークがありません！");
    EXPECT_EQ(series.barCount, 0);
}

TEST_F(LoadPipeline, OverlongTitleTokensAreRefusedNamingTheFile) {
    const std::string ok = Stk(Heading(210, "2004 1 1", std::string(127, 'T')), FiveDays());
    EXPECT_EQ(OpenAndLoad(ok), 5);
    EXPECT_EQ(series.title.size(), 127u);

    Reset();
    const std::string tooLong = Stk(Heading(210, "2004 1 1", std::string(128, 'T')), FiveDays());
    EXPECT_EQ(OpenAndLoad(tooLong), -21);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(
        LastMessage().text,
        "ﾃﾞｰﾀ ﾌｫｰﾑ エラー\nタイトル・コード等の項目が長すぎます！（127文字まで）\n\n" + UserPath());
    EXPECT_EQ(LastMessage().caption, "エラーメッセージ");
    EXPECT_EQ(LastMessage().icon, Icon::Stop);
    EXPECT_EQ(series.barCount, 0);
}

TEST_F(LoadPipeline, TooFewRecordsOrNoneAfterTheStart) {
    std::vector<std::string> four = FiveDays();
    four.pop_back();
    EXPECT_EQ(OpenAndLoad(Stk(Heading(), four)), -1);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(LastMessage().text, "データー量が不足です！（最少５セット以上）");
    EXPECT_EQ(LastMessage().caption, "警告メッセージ");

    // A good load, then five records that all lie before the plot start month.
    Reset();
    ASSERT_EQ(OpenAndLoad(Stk(Heading(), WeekdayLines(2004, 1, 5, 30))), 30);
    const float firstClose = series.close[0];
    series.plotStartYear = 2005;
    series.plotStartMonth = 1;
    prompts.Clear();
    EXPECT_EQ(OpenAndLoad(Stk(Heading(210, "2004 1 1", "Other"), FiveDays()), "other.stk"), -1);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(LastMessage().text,
              "開始日以降のﾃﾞｰﾀが見つかりません！\n\nﾃﾞｰﾀ ﾀｲﾄﾙ    Other  \n開始設定日  2005 年  1 "
              "月 １日\n\nﾃﾞｰﾀﾌｧｲﾙ あるいは「開始日」再設定してください。");
    EXPECT_EQ(LastMessage().caption, "エラーメッセージ");
    // The series shown before is left whole.
    EXPECT_EQ(series.barCount, 30);
    EXPECT_EQ(series.title, "Title");
    EXPECT_EQ(series.close[0], firstClose);
}

TEST_F(LoadPipeline, CapacityCountsOnlyBarsFromThePlotStart) {
    // A file longer than the series loads its first 4096 bars from the plot start.
    const auto lines = WeekdayLines(1990, 1, 1, 10000);
    const std::string user = Stk(Heading(210, "1990 1 1"), lines);
    ASSERT_EQ(OpenAndLoad(user), 4096);
    EXPECT_EQ(BarDate(series, 0), "1990/1/1");
    EXPECT_EQ(BarDate(series, 4095), DateOf(lines[4095]));

    // With the plot start late in the file, its newest records are the ones shown.
    Reset();
    series.plotStartYear = 2020;
    series.plotStartMonth = 1;
    ASSERT_EQ(OpenAndLoad(user), 2173);  // the weekdays from 2020-01-01 to the file's end
    EXPECT_EQ(BarDate(series, 0), "2020/1/1");
    EXPECT_EQ(BarDate(series, series.barCount - 1), DateOf(lines.back()));
}

TEST_F(LoadPipeline, TheWorkingCopyKeepsAtMostTenThousandRecords) {
    const auto lines = WeekdayLines(1990, 1, 1, 10200);
    series.plotStartYear = 2028;
    series.plotStartMonth = 1;
    ASSERT_EQ(OpenAndLoad(Stk(Heading(210, "1990 1 1"), lines)), 85);
    const std::string copy = WorkingCopy();
    EXPECT_EQ(std::count(copy.begin(), copy.end(), '\n'), 7 + 10000);  // heading lines, records
    EXPECT_EQ(BarDate(series, series.barCount - 1), DateOf(lines[9999]));
}

TEST_F(LoadPipeline, VolumeScaling) {
    struct Case {
        const char* largest;
        int divisor, maxVolume, peakVolume, scaledLargest;
        float raw;
    };
    const Case cases[] = {
        {"1000000", 1, 1000000, 1000000, 1000000, 1000000.0f},
        {"1000001", 1000, 1100, 1000, 1000, 1000001.0f},
        {"2147483648", 1000, 2147500, 2147483, 2147483, 2147483648.0f},
        // Index volumes: 1.1e10 a day does not overflow anything.
        {"11000000000", 1000, 11000000, 11000000, 11000000, 11000000000.0f},
        {"987654321012", 1000, 987654400, 987654321, 987654321, 987654321012.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.largest);
        Reset();
        const std::string user =
            Stk(Heading(),
                {Line(2004, 1, 5, "100 110 90 105 500"), Line(2004, 1, 6, "100 110 90 105 1999"),
                 Line(2004, 1, 7, std::string("100 110 90 105 ") + c.largest),
                 Line(2004, 1, 8, "100 110 90 105 20"), Line(2004, 1, 9, "100 110 90 105 7")});
        ASSERT_EQ(OpenAndLoad(user), 5);
        EXPECT_EQ(series.volumeDivisor, c.divisor);
        EXPECT_EQ(series.maxVolume, c.maxVolume);
        EXPECT_EQ(series.peakVolume, c.peakVolume);
        EXPECT_EQ(series.volume[2], c.scaledLargest);
        EXPECT_EQ(series.volume[1], 1999 / c.divisor);
        EXPECT_EQ(series.rawVolume[2], c.raw);
        EXPECT_EQ(series.rawVolume[1], 1999.0f);
    }
}

TEST_F(LoadPipeline, ExtremesAreRoundedOutwardAboveTwo) {
    struct Case {
        const char* name;
        std::vector<std::string> values;
        float maxHigh, minLow, rawMaxHigh, rawMinLow;
    };
    const Case cases[] = {
        {"top of 2.0 stays", {"1.6 2.0 1.5 1.8 1", "1.7 1.9 1.55 1.8 1"}, 2.0f, 1.5f, 2.0f, 1.5f},
        {"2.01 rounds", {"1.6 2.01 1.5 1.8 1", "1.7 1.9 1.55 1.8 1"}, 3.0f, 1.0f, 2.01f, 1.5f},
        {"prices",
         {"1500 1520.5 1210.25 1300 1", "1300 1400 1250 1300 1"},
         1521.0f,
         1210.0f,
         1520.5f,
         1210.25f},
        {"negative prices load as they are",
         {"-1 3.5 -2.5 0 1", "0.5 1 -1 0 1"},
         4.0f,
         -3.0f,
         3.5f,
         -2.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        std::vector<std::string> lines;
        for (int i = 0; i < 5; ++i)
            lines.push_back(Line(2004, 1, 5 + i, c.values[i % 2]));
        ASSERT_EQ(OpenAndLoad(Stk(Heading(), lines)), 5);
        EXPECT_EQ(series.maxHigh, c.maxHigh);
        EXPECT_EQ(series.minLow, c.minLow);
        EXPECT_EQ(series.rawMaxHigh, c.rawMaxHigh);
        EXPECT_EQ(series.rawMinLow, c.rawMinLow);
        EXPECT_EQ(series.loadMaxHigh, c.maxHigh);
        EXPECT_EQ(series.loadMinLow, c.minLow);
    }
}

std::string ZeroOpenFile() {
    return Stk(Heading(),
               {Line(2004, 1, 5), Line(2004, 1, 6, "0 110 90 105 1000"), Line(2004, 1, 7),
                Line(2004, 1, 8, "0.0 120 95 101.5 2000"), Line(2004, 1, 9)});
}

const char kZeroOpenTail[] = " \n\n 始値[0.0] すべて自動修正(    0.00->  105.00 )しますか ？";

TEST_F(LoadPipeline, ZeroOpenYesFixesThisAndEveryLaterOne) {
    prompts.QueueAnswer(Answer::Yes);
    ASSERT_EQ(OpenAndLoad(ZeroOpenFile()), 5);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    const auto& m = prompts.Messages()[0];
    EXPECT_EQ(m.text,
              "入力ﾃﾞｰﾀ エラーです！\n\n  " + UserPath() +
                  "\n\n2 行目、2004年 1月 6日 [    0.00 ?]   110.00    90.00   105.00 1000" +
                  kZeroOpenTail);
    EXPECT_EQ(m.caption, "ﾃﾞｰﾀ エラー！");
    EXPECT_EQ(m.buttons, Buttons::YesNo);
    EXPECT_EQ(m.icon, Icon::Exclamation);
    EXPECT_TRUE(state.autoFixOpen);
    EXPECT_EQ(series.open[1], 105.0f);
    EXPECT_EQ(series.open[3], 101.5f);

    // Kept for the run: the next load replaces zero opens without asking.
    prompts.Clear();
    ASSERT_EQ(ReloadWorkingCopy(context), 5);
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_EQ(series.open[3], 101.5f);
}

TEST_F(LoadPipeline, ZeroOpenNoKeepsTheZeroAndOffersTheCorrection) {
    prompts.QueueAnswer(Answer::No);  // zero open of 6 January
    prompts.QueueAnswer(Answer::No);  // correction offer: skip this and later ones
    prompts.QueueAnswer(Answer::No);  // zero open of 8 January
    ASSERT_EQ(OpenAndLoad(ZeroOpenFile()), 5);
    EXPECT_FALSE(state.autoFixOpen);
    EXPECT_TRUE(state.skipCorrections);
    EXPECT_EQ(series.open[1], 0.0f);
    EXPECT_EQ(series.open[3], 0.0f);
    ASSERT_EQ(prompts.Messages().size(), 3u);
    EXPECT_EQ(prompts.Messages()[1].text,
              " ﾃﾞｰﾀ ﾌｧｲﾙ  ｢Title」 \n\n 2004 年 1 月 6 日\n\n       0.00(始)     110.00(H)      "
              "90.00(L)     105.00(終)           1000(Vol)\n\n データを編集しますか？\n\n編集"
              "するときは[Y]を押してください。\n\nスキップ(無視)するときは[N]を押してください。");
    EXPECT_EQ(prompts.Messages()[1].caption, " 入力データエラー(ER00704)");
    EXPECT_EQ(prompts.Messages()[1].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(prompts.Messages()[2].text,
              "入力ﾃﾞｰﾀ エラーです！\n\n  " + UserPath() +
                  "\n\n4 行目、2004年 1月 8日 [    0.00 ?]   120.00    95.00   101.50 2000 \n\n "
                  "始値[0.0] すべて自動修正(    0.00->  101.50 )しますか ？");
}

TEST_F(LoadPipeline, RecordChecksWithDetailMessages) {
    struct Case {
        const char* name;
        int id;
        const char* values;  // open high low close volume of 7 January
        std::vector<int> codes;
    };
    const Case cases[] = {
        {"valid", 210, "100 110 90 95 1000", {}},
        {"open above the day's range", 210, "120 110 90 100 1000", {-203}},
        {"22x files do not check the open", 220, "120 110 90 100 1000", {}},
        {"high below low", 210, "95 90 100 95 1000", {-203, -201, -202}},
        {"close above the high", 220, "100 110 90 115 1000", {-202}},
        {"close below the low", 210, "100 110 90 80 1000", {-202}},
    };
    const std::map<int, std::string> texts = {
        {-201, " データに誤りがあります！高値＜低値"},
        {-202, "データ終値に誤りがあります！"},
        {-203, "データ始値に誤りがあります！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        state.detailedMessages = true;
        for (std::size_t i = 0; i < c.codes.size(); ++i)
            prompts.QueueAnswer(Answer::Ok);
        if (!c.codes.empty()) prompts.QueueAnswer(Answer::No);  // the offer: keep as read
        const std::string user =
            Stk(Heading(c.id), {Line(2004, 1, 5), Line(2004, 1, 6), Line(2004, 1, 7, c.values),
                                Line(2004, 1, 8), Line(2004, 1, 9)});
        ASSERT_EQ(OpenAndLoad(user), 5);
        EXPECT_FALSE(state.detailedMessages);  // switched off by the load
        const auto& messages = prompts.Messages();
        ASSERT_EQ(messages.size(), c.codes.empty() ? 0u : c.codes.size() + 1);
        for (std::size_t i = 0; i < c.codes.size(); ++i) {
            EXPECT_EQ(messages[i].text.substr(0, texts.at(c.codes[i]).size()),
                      texts.at(c.codes[i]));
            EXPECT_EQ(messages[i].caption, "ﾃﾞｰﾀ ﾌｧｲﾙ エラー(E7618)！");
            EXPECT_EQ(messages[i].buttons, Buttons::OkCancel);
            EXPECT_EQ(messages[i].icon, Icon::Exclamation);
        }
        EXPECT_EQ(prompts.Beeps(), static_cast<int>(c.codes.size()));
        if (!c.codes.empty()) {
            EXPECT_EQ(messages.back().caption, " 入力データエラー(ER00704)");
        }
        EXPECT_EQ(state.skipCorrections, !c.codes.empty());
    }
    // The whole detail text of one case.
    Reset();
    state.detailedMessages = true;
    OpenAndLoad(
        Stk(Heading(), {Line(2004, 1, 5), Line(2004, 1, 6), Line(2004, 1, 7, "120 110 90 100 1000"),
                        Line(2004, 1, 8), Line(2004, 1, 9)}));
    ASSERT_GE(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text,
              "データ始値に誤りがあります！\n\nﾃﾞｰﾀ  [ Title ] \n\n3 行目、2004年 1月 7日\n\n   "
              "120.00(始)    110.00(H)     90.00(L)    100.00(終) 1000 (Vol)");
}

TEST_F(LoadPipeline, CancelEndsTheLoadWithTheCheckOrMinusOne) {
    const std::string faulty =
        Stk(Heading(), {Line(2004, 1, 5), Line(2004, 1, 6), Line(2004, 1, 7, "95 90 100 95 1000"),
                        Line(2004, 1, 8), Line(2004, 1, 9)});
    struct Case {
        const char* name;
        bool detailed;
        std::vector<Answer> answers;
        int result;
    };
    const Case cases[] = {
        {"first detail cancelled", true, {Answer::Cancel}, -203},
        {"second detail cancelled", true, {Answer::Ok, Answer::Cancel}, -201},
        {"correction offer cancelled", false, {Answer::Cancel}, -1},
        {"unanswered offer is cancelled", false, {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        state.detailedMessages = c.detailed;
        for (const Answer a : c.answers)
            prompts.QueueAnswer(a);
        EXPECT_EQ(OpenAndLoad(faulty), c.result);
        EXPECT_EQ(series.barCount, 0);
        EXPECT_FALSE(state.detailedMessages);
        EXPECT_FALSE(state.skipCorrections);
    }
}

TEST_F(LoadPipeline, ChecksTheLoaderMakesOnItsOwn) {
    // The scan refuses these files; the loader alone still refuses them safely.
    struct Case {
        const char* name;
        std::string record;
        int result;
        const char* firstText;
    };
    const Case cases[] = {
        {"day 32", Line(2004, 1, 32), -207, "データの日(1-31)に誤りがあります！"},
        {"month 13", Line(2004, 13, 5), -206, nullptr},
        {"month 0", Line(2004, 0, 5), -206, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        state.detailedMessages = true;
        if (c.firstText) prompts.QueueAnswer(Answer::Cancel);
        WriteWorkingCopy(Stk(Heading(), {Line(2004, 1, 5), c.record, Line(2004, 1, 9)}));
        EXPECT_EQ(LoadPriceSeries(context, "korvo.TMP"), c.result);
        if (c.firstText) {
            ASSERT_EQ(prompts.Messages().size(), 1u);
            EXPECT_EQ(prompts.Messages()[0].text.substr(0, std::string(c.firstText).size()),
                      c.firstText);
        } else {
            EXPECT_TRUE(prompts.Messages().empty());
        }
    }
    // Start dates out of range, each with its own plain message.
    struct StartCase {
        const char* start;
        const char* text;
    };
    const StartCase starts[] = {
        {"2051 1 1", "データーファイルの日付設定(年）エラー"},
        {"2004 13 1", "データーファイルの日付設定(月）エラー"},
        {"2004 1 0", "データーファイルの日付設定(日）エラー"},
    };
    for (const StartCase& s : starts) {
        Reset();
        WriteWorkingCopy(Stk(Heading(210, s.start), FiveDays()));
        EXPECT_EQ(LoadPriceSeries(context, "korvo.TMP"), -1) << s.start;
        ASSERT_EQ(prompts.Messages().size(), 1u);
        EXPECT_EQ(LastMessage().text, s.text);
        EXPECT_EQ(LastMessage().caption, "エラーメッセージ");
        EXPECT_EQ(LastMessage().icon, Icon::None);
    }
    Reset();
    EXPECT_EQ(LoadPriceSeries(context, "missing.stk"), -3);
}

TEST_F(LoadPipeline, TheCorrectionDialogReplacesTheRecord) {
    const std::string faulty =
        Stk(Heading(), {Line(2004, 1, 5), Line(2004, 1, 6), Line(2004, 1, 7, "95 90 100 95 1000"),
                        Line(2004, 1, 8), Line(2004, 1, 9)});
    std::vector<RecordValues> shown;
    env.correctRecord = [&](const RecordValues& r) -> std::optional<RecordValues> {
        shown.push_back(r);
        return RecordValues{2004, 1, 7, 95, 500, 80, 96, 3000};
    };
    prompts.QueueAnswer(Answer::Yes);
    ASSERT_EQ(OpenAndLoad(faulty), 5);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (RecordValues{2004, 1, 7, 95, 90, 100, 95, 1000}));
    EXPECT_EQ(series.high[2], 500.0f);
    EXPECT_EQ(series.low[2], 80.0f);
    EXPECT_EQ(series.volume[2], 3000);
    EXPECT_EQ(series.rawVolume[2], 3000.0f);
    EXPECT_EQ(series.rawMaxHigh, 500.0f);
    EXPECT_EQ(series.rawMinLow, 80.0f);
    EXPECT_FALSE(state.skipCorrections);

    // Dismissed, or no dialog yet: "Yes" keeps the record as read.
    for (const bool withDialog : {true, false}) {
        Reset();
        if (withDialog) env.correctRecord = [](const RecordValues&) { return std::nullopt; };
        prompts.QueueAnswer(Answer::Yes);
        ASSERT_EQ(OpenAndLoad(faulty), 5);
        EXPECT_EQ(series.high[2], 90.0f);
        EXPECT_EQ(series.low[2], 100.0f);
    }
}

TEST_F(LoadPipeline, ScanRefusals) {
    struct Case {
        const char* name;
        std::string file;
        int result;
        std::string text;
        const char* caption;
    };
    const std::string path = UserPath();
    const Case cases[] = {
        {"type 209", Stk(Heading(209), FiveDays()), -1, "データタイプ(ID=209)が違います！",
         "エラーメッセージ"},
        {"type 230", Stk(Heading(230), FiveDays()), -1, "データタイプ(ID=230)が違います！",
         "エラーメッセージ"},
        {"type not a number", "21O\n" + Stk(Heading().substr(4), FiveDays()), -1,
         "データタイプ(ID=21)が違います！", "エラーメッセージ"},
        {"start year with a letter first", Stk(Heading(210, "a004 1 1"), FiveDays()), -91,
         "(Title) データーファイル の開始日設定（６行目） のエラーです！\n設定日(半角数字)が正し"
         "いか確認してください。",
         "エラーメッセージ(E10120)"},
        {"start month with a letter last", Stk(Heading(210, "2004 1a 1"), FiveDays()), -91,
         "(Title) データーファイル の開始日設定（６行目） のエラーです！\n設定日(半角数字)が正し"
         "いか確認してください。",
         "エラーメッセージ(E10120)"},
        {"start day 32", Stk(Heading(210, "2004 1 32"), FiveDays()), -91,
         "(Title) データーファイル の開始日設定（６行目） のエラーです！\n設定日(半角数字)が正し"
         "いか確認してください。",
         "エラーメッセージ(E10120)"},
        {"record month 13",
         Stk(Heading(), {Line(2004, 1, 5), Line(2004, 1, 6), Line(2004, 13, 5), Line(2004, 1, 7),
                         Line(2004, 1, 8), Line(2004, 1, 9)}),
         -91,
         "ﾃﾞｰﾀ ﾌｧｲﾙ のデータエラーです！\n\nﾃﾞｰﾀ 5 行目　2004 年　13　月 5　日 \n\nﾃﾞｰﾀﾌｧｲﾙ " +
             path + " のデータを確認してください。",
         "エラーメッセージ(E9417)"},
        {"record year out of range",
         Stk(Heading(), {Line(2004, 1, 5), Line(1800, 1, 6), Line(2004, 1, 7), Line(2004, 1, 8),
                         Line(2004, 1, 9), Line(2004, 1, 12)}),
         -91,
         "ﾃﾞｰﾀ ﾌｧｲﾙ のデータエラーです！\n\nﾃﾞｰﾀ 0 行目　-3 年　1　月 6　日 \n\nﾃﾞｰﾀﾌｧｲﾙ " + path +
             " のデータを確認してください。",
         "エラーメッセージ(E9417)"},
        {"record date not a number",
         Stk(Heading(), {Line(2004, 1, 5), " 2004 1x 6 100 110 90 105 1000", Line(2004, 1, 7),
                         Line(2004, 1, 8), Line(2004, 1, 9), Line(2004, 1, 12)}),
         -91,
         "ﾃﾞｰﾀ ﾌｧｲﾙ のデータエラーです！\n\nﾃﾞｰﾀ 0 行目　-3 年　1　月 6　日 \n\nﾃﾞｰﾀﾌｧｲﾙ " + path +
             " のデータを確認してください。",
         "エラーメッセージ(E9417)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        EXPECT_EQ(OpenAndLoad(c.file), c.result);
        ASSERT_EQ(prompts.Messages().size(), 1u);
        EXPECT_EQ(LastMessage().text, c.text);
        EXPECT_EQ(LastMessage().caption, c.caption);
        EXPECT_EQ(LastMessage().icon, Icon::Stop);
        EXPECT_EQ(series.barCount, 0);
        if (c.result == -1) {
            EXPECT_EQ(effects.periodCommandsEnabled, false);
        }
    }
    Reset();
    EXPECT_EQ(ScanDataFile(context, "missing.stk"), -3);
    EXPECT_EQ(LastMessage().text, "データファイルを選んでください! ");
    EXPECT_EQ(LastMessage().caption, "警告メッセージ(W8770)");
}

TEST_F(LoadPipeline, SymbolCheckOfTheQuoteImport) {
    const std::string user = Stk(Heading(), FiveDays());  // code 1234
    const std::string warning =
        "警告 ! ｼﾝﾎﾞﾙ・ｺｰﾄﾞが異なるファイルに書込みをしようとしています。\n\n データファイルの　"
        "ｼﾝﾎﾞﾙ・ｺｰﾄﾞ　\t1234 \n  検索銘柄 ｼﾝﾎﾞﾙ・ｺｰﾄﾞ　\t5678";
    struct Case {
        const char* name;
        std::string symbol;
        bool guideOff;
        std::optional<Answer> answer;  // nullopt: no warning expected
        int result;
        std::string symbolAfter;
    };
    const Case cases[] = {
        {"cancel", "5678", false, Answer::Cancel, -1002, "1111"},
        {"ok", "5678", false, Answer::Ok, 5, "5678"},
        {"guide off", "5678", true, std::nullopt, 5, "5678"},
        {"same code", "1234", false, std::nullopt, 5, "1234"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        state.symbolCheck = {true, c.symbol, "1111"};
        state.guideOff = c.guideOff;
        if (c.answer) prompts.QueueAnswer(*c.answer);
        EXPECT_EQ(OpenAndLoad(user), c.result);
        EXPECT_FALSE(state.symbolCheck.requested);
        EXPECT_EQ(state.symbolCheck.symbol, c.symbolAfter);
        if (c.answer) {
            ASSERT_EQ(prompts.Messages().size(), 1u);
            EXPECT_EQ(LastMessage().text, warning);
            EXPECT_EQ(LastMessage().caption, "警告メッセージ(W7642)");
            EXPECT_EQ(LastMessage().buttons, Buttons::OkCancel);
            EXPECT_EQ(LastMessage().icon, Icon::Exclamation);
        } else {
            EXPECT_TRUE(prompts.Messages().empty());
        }
    }
}

TEST_F(LoadPipeline, PlotStartPickedWithTheCursor) {
    const std::string user = Stk(Heading(), FiveDays());
    state.plotStartMode = true;
    state.pointedDateKey = 20040107;
    ASSERT_EQ(OpenAndLoad(user), 3);
    EXPECT_EQ(series.day[0], 7);
    EXPECT_TRUE(state.plotStartMode);

    const int refused[] = {0, 20031231, 20261208};  // none, before the start month, after today
    for (const int key : refused) {
        SCOPED_TRACE(key);
        Reset();
        state.plotStartMode = true;
        state.pointedDateKey = key;
        EXPECT_EQ(OpenAndLoad(user), -1);
        ASSERT_EQ(prompts.Messages().size(), 1u);
        EXPECT_EQ(LastMessage().text,
                  "ﾌﾟﾛｯﾄ開始日のｶｰｿﾙﾎﾟｲﾝﾃｨﾝｸﾞ不良です。もう一度、設定しなおしてください。");
        EXPECT_EQ(LastMessage().caption, "メッセージ");
        EXPECT_FALSE(state.plotStartMode);
        EXPECT_TRUE(effects.leavePlotStartMode);
    }
    // Today itself is allowed.
    Reset();
    state.plotStartMode = true;
    state.pointedDateKey = 20261207;
    EXPECT_EQ(OpenAndLoad(Stk(Heading(), WeekdayLines(2026, 11, 30, 10))), 5);
}

TEST_F(LoadPipeline, MenuStateAfterALoad) {
    struct Case {
        int id;
        bool derived;
        std::optional<bool> period, backToDaily;
        bool zoomReset;
    };
    const Case cases[] = {
        {210, false, true, std::nullopt, false}, {220, false, true, std::nullopt, false},
        {212, false, false, false, true},        {214, false, false, false, true},
        {222, false, false, false, false},       {212, true, false, std::nullopt, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Reset();
        state.weeklyDerived = true;  // a file chosen by the user is no derived period
        dir.Write("user.stk", Stk(Heading(c.id), FiveDays()));
        ASSERT_TRUE(OpenDataFile(context, UserPath()));
        EXPECT_FALSE(state.weeklyDerived);
        state.weeklyDerived = c.derived;  // as the Weekly command leaves it
        ASSERT_EQ(ReloadWorkingCopy(context), 5);
        EXPECT_EQ(effects.periodCommandsEnabled, c.period);
        EXPECT_EQ(effects.backToDailyEnabled, c.backToDaily);
        EXPECT_EQ(effects.resetHorizontalZoom, c.zoomReset);
        EXPECT_EQ(series.fileTypeId, c.id);
    }
}

TEST_F(LoadPipeline, OpenCommand) {
    dir.Write("a.stk", Stk(Heading(), FiveDays()));
    state.skipCorrections = true;
    prompts.QueueFile(UserPath("a.stk"));
    EXPECT_EQ(RunOpenCommand(context), 1);
    const auto& request = prompts.FileRequests().at(0);
    EXPECT_EQ(request.title, "ファイルオープン");
    EXPECT_EQ(request.filters, (std::vector<platform::FileFilter>{{"Data Files(*.stk)", "*.stk"},
                                                                  {"All Files(*.*)", "*.*"}}));
    EXPECT_EQ(request.defaultExtension, "dat");
    EXPECT_TRUE(request.mustExist);
    EXPECT_FALSE(state.skipCorrections);
    EXPECT_EQ(series.dataPath, UserPath("a.stk"));
    EXPECT_EQ(ReadFile(dir / "filename.chr"), UserPath("a.stk") + " ");
    EXPECT_EQ(WorkingCopy(), ReadFile(dir / "a.stk"));
    EXPECT_TRUE(effects.reloadRequested);
    EXPECT_TRUE(effects.showChart);
    EXPECT_TRUE(effects.leaveMultiChart);

    Reset();
    series.dataPath = UserPath("a.stk");
    prompts.QueueFile(std::nullopt);
    EXPECT_EQ(RunOpenCommand(context), 0);
    EXPECT_FALSE(effects.reloadRequested);

    // A file that cannot be copied changes nothing but the message.
    Reset();
    series.dataPath = UserPath("a.stk");
    series.previousDataPath = "/before";
    prompts.QueueFile(UserPath("gone.stk"));
    EXPECT_EQ(RunOpenCommand(context), -1);
    EXPECT_EQ(LastMessage().text, "データファイルを再設定してください。");
    EXPECT_EQ(LastMessage().caption, "警告メッセージ");
    EXPECT_EQ(LastMessage().icon, Icon::Exclamation);
    EXPECT_EQ(series.dataPath, UserPath("a.stk"));
    EXPECT_EQ(series.previousDataPath, "/before");
    EXPECT_FALSE(effects.reloadRequested);
    EXPECT_EQ(WorkingCopy(), ReadFile(dir / "a.stk"));
}

// Lets writes fail past a size, as on a full disk, for the length of a scope.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(LoadPipeline, AFailedRewriteLeavesTheWorkingCopy) {
    auto lines = WeekdayLines(2004, 1, 5, 300);
    std::swap(lines[0], lines[299]);  // out of order, so the copy must be rewritten
    const std::string unsorted = Stk(Heading(), lines);
    ASSERT_GT(unsorted.size(), 8192u);
    WriteWorkingCopy(unsorted);
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(NormaliseDataFile(env, "korvo.TMP", kMaxRecords), -40);
        EXPECT_EQ(ReloadWorkingCopy(context), -40);
    }
    EXPECT_EQ(WorkingCopy(), unsorted);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1);  // no half-written file left beside it
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(LastMessage().text, "ﾃﾞｰﾀ ﾌｧｲﾙ エラーです！No.-40");
    EXPECT_EQ(series.barCount, 0);
}

TEST_F(LoadPipeline, NormaliserCases) {
    // Directly: missing file, no capacity, capacity smaller than the file.
    EXPECT_EQ(NormaliseDataFile(env, "nothing.stk", 100), -30);
    EXPECT_EQ(LastMessage().text, "データファイルが見つかりません！!");
    EXPECT_EQ(LastMessage().caption, "nothing.stk");
    EXPECT_EQ(LastMessage().icon, Icon::Stop);
    EXPECT_EQ(NormaliseDataFile(env, "nothing.stk", 0), -1);
    EXPECT_EQ(LastMessage().text, "エラー！メモリー容量不足！");
    EXPECT_EQ(LastMessage().caption, "エラーメッセージ(M0016)");

    WriteWorkingCopy(Stk(Heading(), {Line(2004, 1, 9), Line(2004, 1, 8), Line(2004, 1, 7)}));
    EXPECT_EQ(NormaliseDataFile(env, "korvo.TMP", 2), 2);
    EXPECT_EQ(WorkingCopy(),
              "\n210\nTitle\nSUB\nYen\n1234\n2004\t1\t1\n"
              " \n 2004  1  8 100 110 90 105 1000\n 2004  1  9 100 110 90 105 1000");
    // Without records nothing follows the start date; a trailing line break adds none.
    WriteWorkingCopy(Heading() + "\n\n");
    std::string header = "stale";
    EXPECT_EQ(NormaliseDataFile(env, "korvo.TMP", 10, &header), 0);
    EXPECT_EQ(WorkingCopy(), "\n210\nTitle\nSUB\nYen\n1234\n2004\t1\t1\n");
    EXPECT_EQ(header, "");
    // An incomplete last record is not a record.
    WriteWorkingCopy(Stk(Heading(), {Line(2004, 1, 5), " 2004 1 6 100 110"}));
    EXPECT_EQ(NormaliseDataFile(env, "korvo.TMP", 10), 1);
}

}  // namespace
}  // namespace korvo::data::testing
