// Weekly and monthly series derived from the daily working copy.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "data_fixture.h"
#include "platform/files.h"
#include "platform/recording_canvas.h"

namespace korvo::data::testing {
namespace {

using korvo::test::ReadFile;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

class DerivePeriod : public DataFixture {
  protected:
    bool Exists(const std::string& name) const { return std::filesystem::exists(dir / name); }

    // The record lines of a derived file (those that start with a year).
    static std::vector<std::string> Records(const std::string& file) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < file.size()) {
            std::size_t end = file.find('\n', start);
            if (end == std::string::npos) end = file.size();
            const std::string line = file.substr(start, end - start);
            if (line.size() > 10 && line[0] >= '1' && line[0] <= '2' && line[4] == ' ')
                lines.push_back(line);
            start = end + 1;
        }
        return lines;
    }
};

const char kDailyHeader[] = "<daily @d[D1.chr] @s[D1.box]>\n";

TEST_F(DerivePeriod, AWeekOfDaysBecomesOneRecord) {
    const std::string daily =
        kDailyHeader +
        Stk(Heading(), {Line(2004, 1, 5, "10 12 9 11 100"), Line(2004, 1, 6, "11 15 10 14 200"),
                        Line(2004, 1, 7, "14 14 8 9 300"), Line(2004, 1, 8, "9 10 9 10 400"),
                        Line(2004, 1, 9, "10 11 9.5 10.5 500")});
    WriteWorkingCopy(daily);
    prompts.QueueAnswer(Answer::No);  // build and show only
    EXPECT_EQ(MakeWeeklyFile(context), 1);
    EXPECT_EQ(
        WorkingCopy(),
        "< Header \n\r\n 'Title'  Weekly data file created 2026/12/7 \n@d[wD1.chr]\n@s[wD1.box]"
        "  >\n\n\n212\nTitle\nSUB\nYen\n1234\n2004\t1\t1\n"
        "2004  1  9\t   10.00\t   15.00\t    8.00\t   10.50\t1500\n");
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "週足 ﾃﾞｰﾀﾌｧｲﾙ を保存しますか？");
    EXPECT_EQ(prompts.Messages()[0].caption, "ﾃﾞｰﾀﾌｧｲﾙ保存");
    EXPECT_EQ(prompts.Messages()[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(prompts.Messages()[0].icon, Icon::Question);
    EXPECT_FALSE(Exists("weekdat.TMP"));
    EXPECT_FALSE(Exists("korvo_wk.org"));
    EXPECT_TRUE(series.dataPath.empty());
}

TEST_F(DerivePeriod, MonthlyRecordsAndTheirHeader) {
    WriteWorkingCopy(
        Stk(Heading(), {Line(2004, 1, 29, "10 12 9 11 100"), Line(2004, 1, 30, "11 13 10 12 200"),
                        Line(2004, 2, 16, "20.25 21.5 19.75 20.5 777"),
                        Line(2004, 3, 1, "30 31 29 30 1"), Line(2004, 3, 2, "30 35 28 33 2")}));
    prompts.QueueAnswer(Answer::No);
    EXPECT_EQ(MakeMonthlyFile(context), 1);
    // A daily file without directives gives a derived file without them.
    EXPECT_EQ(
        WorkingCopy(),
        "< Header \n\r\n 'Title'  Monthly data file created 2026/12/7   >\n\n\n214\nTitle\nSUB\n"
        "Yen\n1234\n2004\t1\t1\n"
        "2004  1 30\t   10.00\t   13.00\t    9.00\t   12.00\t300\n"
        "2004  2 16\t   20.25\t   21.50\t   19.75\t   20.50\t777\n"
        "2004  3  2\t   30.00\t   35.00\t   28.00\t   33.00\t3\n");
    EXPECT_EQ(prompts.Messages()[0].text, "月足ﾃﾞｰﾀﾌｧｲﾙを保存しますか？");
    EXPECT_FALSE(Exists("monthdat.TMP"));
}

TEST_F(DerivePeriod, GroupingAtYearEndsAndAcrossYears) {
    struct Case {
        const char* name;
        bool weekly;
        std::vector<std::string> daily;
        std::vector<std::string> dates;  // of the derived records
    };
    const Case cases[] = {
        // Monday 29 December 2003 to Friday 2 January 2004 is one calendar week, split at
        // New Year.
        {"New Year splits a week",
         true,
         {Line(2003, 12, 29), Line(2003, 12, 30), Line(2003, 12, 31), Line(2004, 1, 2)},
         {"2003 12 31", "2004  1  2"}},
        // 1 January 2004 was a Thursday: Friday 2 and Saturday 3 are week 0, Sunday 4 starts
        // week 1.
        {"first week of 2004",
         true,
         {Line(2004, 1, 2), Line(2004, 1, 3), Line(2004, 1, 4), Line(2004, 1, 5)},
         {"2004  1  3", "2004  1  5"}},
        // Week 1 of 2004 and week 1 of 2005 with nothing between stay two weeks.
        {"same week number a year apart",
         true,
         {Line(2004, 1, 5), Line(2005, 1, 4)},
         {"2004  1  5", "2005  1  4"}},
        {"same month a year apart",
         false,
         {Line(2004, 3, 15), Line(2005, 3, 15), Line(2005, 3, 16)},
         {"2004  3 15", "2005  3 16"}},
        {"a month across the year",
         false,
         {Line(2003, 12, 30), Line(2004, 1, 5), Line(2004, 1, 30), Line(2004, 2, 2)},
         {"2003 12 30", "2004  1 30", "2004  2  2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.Clear();
        WriteWorkingCopy(Stk(Heading(), c.daily));
        prompts.QueueAnswer(Answer::No);
        ASSERT_EQ(c.weekly ? MakeWeeklyFile(context) : MakeMonthlyFile(context), 1);
        const auto records = Records(WorkingCopy());
        ASSERT_EQ(records.size(), c.dates.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            EXPECT_EQ(records[i].substr(0, 10), c.dates[i]);
    }
}

TEST_F(DerivePeriod, VolumeSumsAreExact) {
    WriteWorkingCopy(Stk(Heading(), {Line(2004, 1, 5, "10 12 9 11 3000000000"),
                                     Line(2004, 1, 6, "10 12 9 11 4000000000"),
                                     Line(2004, 1, 7, "10 12 9 11 123.9")}));
    for (const bool weekly : {true, false}) {
        prompts.QueueAnswer(Answer::No);
        ASSERT_EQ(weekly ? MakeWeeklyFile(context) : MakeMonthlyFile(context), 1);
        const auto records = Records(WorkingCopy());
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].substr(records[0].rfind('\t') + 1), "7000000123");
        WriteWorkingCopy(Stk(Heading(), {Line(2004, 1, 5, "10 12 9 11 3000000000"),
                                         Line(2004, 1, 6, "10 12 9 11 4000000000"),
                                         Line(2004, 1, 7, "10 12 9 11 123.9")}));
    }
}

TEST_F(DerivePeriod, AsAnswerToTheFirstQuestion) {
    const std::string daily = Stk(Heading(), {Line(2004, 1, 5), Line(2004, 1, 6)});
    struct Case {
        bool weekly;
        int code;
    };
    for (const Case c : {Case{true, -81}, Case{false, -82}}) {
        WriteWorkingCopy(daily);
        prompts.QueueAnswer(Answer::Cancel);
        EXPECT_EQ(c.weekly ? MakeWeeklyFile(context) : MakeMonthlyFile(context), c.code);
        EXPECT_EQ(WorkingCopy(), daily);
        EXPECT_TRUE(prompts.FileRequests().empty());
    }
    EXPECT_FALSE(Exists("weekdat.TMP"));
    EXPECT_FALSE(Exists("monthdat.TMP"));
}

TEST_F(DerivePeriod, SavingANewFileBacksUpWhatItOverwrites) {
    const std::string daily = Stk(Heading(210, "2004 1 1", "Ace_Co"), WeekdayLines(2004, 1, 5, 10));
    const std::string target = (dir / "saved.stk").string();
    for (const bool weekly : {true, false}) {
        SCOPED_TRACE(weekly);
        prompts.Clear();
        platform::RemoveFileQuietly(dir / "korvo_wk.org");
        dir.Write("saved.stk", "an older file");
        WriteWorkingCopy(daily);
        prompts.QueueAnswer(Answer::Yes);
        prompts.QueueAnswer(Answer::No);  // a new file, not appended
        prompts.QueueFile(target);
        EXPECT_EQ(weekly ? MakeWeeklyFile(context) : MakeMonthlyFile(context), 1);
        ASSERT_EQ(prompts.Messages().size(), 2u);
        EXPECT_EQ(prompts.Messages()[1].text, "既存の ﾃﾞｰﾀﾌｧｲﾙ に追加保存しますか？");
        EXPECT_EQ(prompts.Messages()[1].caption, "ﾃﾞｰﾀﾌｧｲﾙ保存");
        EXPECT_EQ(prompts.Messages()[1].buttons, Buttons::YesNo);
        const auto& request = prompts.FileRequests().at(0);
        EXPECT_EQ(request.title, "ファイルの保管");
        EXPECT_EQ(request.presetName, weekly ? "wAce_Co1.stk" : "mAce_Co1.stk");
        EXPECT_EQ(request.filters,
                  (std::vector<platform::FileFilter>{{"Data Files(*.stk)", "*.stk"}}));
        EXPECT_TRUE(request.promptOverwrite);
        EXPECT_EQ(ReadFile(target), WorkingCopy());
        EXPECT_EQ(Records(WorkingCopy()).size(), weekly ? 2u : 1u);
        EXPECT_EQ(series.dataPath, target);
        // Only the weekly derivation keeps the file it overwrites.
        EXPECT_EQ(Exists("korvo_wk.org"), weekly);
        if (weekly) {
            EXPECT_EQ(ReadFile(dir / "korvo_wk.org"), "an older file");
        }
    }
}

TEST_F(DerivePeriod, SaveDialogCancelled) {
    const std::string daily = Stk(Heading(), WeekdayLines(2004, 1, 5, 10));
    WriteWorkingCopy(daily);
    prompts.QueueAnswer(Answer::Yes);
    prompts.QueueAnswer(Answer::No);
    prompts.QueueFile(std::nullopt);
    EXPECT_EQ(MakeWeeklyFile(context), -1);
    EXPECT_EQ(LastMessage().text, "ファイルの保存できません");
    EXPECT_EQ(LastMessage().caption, "エラーメッセージ(F002)");
    EXPECT_EQ(LastMessage().icon, Icon::Stop);
    EXPECT_EQ(WorkingCopy(), daily);
}

TEST_F(DerivePeriod, AppendingKeepsTheLaterRecordOfAWeek) {
    // An earlier weekly file, its last line without a line break.
    const std::string old =
        "< Header >\n\n\n212\nTitle\nSUB\nYen\n1234\n2004\t1\t1\n"
        "2004  1  9\t   10.00\t   11.00\t    9.00\t   10.00\t100\n"
        "2004  1 16\t   10.00\t   11.00\t    9.00\t   10.00\t200\n"
        "2004  1 23\t   10.00\t   11.00\t    9.00\t   10.00\t300";
    dir.Write("weekly.stk", old);
    // Daily data of the week of 23 January again, and two more weeks.
    WriteWorkingCopy(Stk(Heading(), WeekdayLines(2004, 1, 19, 15)));
    prompts.QueueAnswer(Answer::Yes);
    prompts.QueueAnswer(Answer::Yes);
    prompts.QueueFile(UserPath("weekly.stk"));
    ASSERT_EQ(MakeWeeklyFile(context), 1);
    EXPECT_EQ(prompts.FileRequests().at(0).filters,
              (std::vector<platform::FileFilter>{{"Data Files(*.stk)", "*.stk"}}));
    EXPECT_EQ(ReadFile(dir / "korvo_wk.org"), old);
    const std::string appended = ReadFile(dir / "weekly.stk");
    EXPECT_EQ(appended.substr(0, old.size() + 1), old + "\n");
    EXPECT_EQ(Records(appended).size(), 6u);
    EXPECT_EQ(series.dataPath, UserPath("weekly.stk"));
    EXPECT_EQ(WorkingCopy(), appended);

    ASSERT_EQ(ReloadWorkingCopy(context), 5);
    const int days[] = {9, 16, 23, 30, 6};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(series.day[i], days[i]);
    EXPECT_EQ(series.volume[2], 10000 + 10001 + 10002 + 10003 + 10004);  // the appended week
    EXPECT_EQ(series.volume[1], 200);
}

TEST_F(DerivePeriod, FilesThatCannotBeRead) {
    prompts.QueueAnswer(Answer::Yes);
    prompts.QueueAnswer(Answer::Yes);
    prompts.QueueFile(std::nullopt);  // no file chosen to append to
    EXPECT_EQ(MakeWeeklyFile(context), -3);
    EXPECT_FALSE(Exists("korvo_wk.org"));

    prompts.Clear();
    prompts.QueueAnswer(Answer::No);
    EXPECT_EQ(MakeWeeklyFile(context), -3);  // no korvo.TMP
    ASSERT_EQ(prompts.Messages().size(), 2u);
    EXPECT_EQ(LastMessage().text, "ファイル書き込み禁止です。");
    EXPECT_EQ(LastMessage().caption, "korvo.TMP");

    prompts.Clear();
    prompts.QueueAnswer(Answer::No);
    EXPECT_EQ(MakeMonthlyFile(context), -3);
    EXPECT_EQ(prompts.Messages().size(), 1u);  // the monthly derivation says nothing more

    prompts.Clear();
    WriteWorkingCopy(Stk(Heading(209), {Line(2004, 1, 5)}));
    prompts.QueueAnswer(Answer::No);
    EXPECT_EQ(MakeWeeklyFile(context), -1);
    WriteWorkingCopy(Stk(Heading(), {Line(2004, 1, 5), Line(2004, 13, 5)}));
    prompts.QueueAnswer(Answer::No);
    EXPECT_EQ(MakeWeeklyFile(context), -1);
    // A title token longer than a data file allows is refused, naming the file.
    WriteWorkingCopy(Stk(Heading(210, "2004 1 1", std::string(128, 'T')), {Line(2004, 1, 5)}));
    prompts.QueueAnswer(Answer::No);
    EXPECT_EQ(MakeMonthlyFile(context), -1);
    EXPECT_EQ(
        LastMessage().text,
        "ﾃﾞｰﾀ ﾌｫｰﾑ エラー\nタイトル・コード等の項目が長すぎます！（127文字まで）\n\nkorvo.TMP");
    EXPECT_FALSE(Exists("weekdat.TMP"));
}

TEST_F(DerivePeriod, AFailedWriteLeavesEveryFile) {
    const std::string daily = Stk(Heading(), WeekdayLines(2004, 1, 5, 400));
    WriteWorkingCopy(daily);
    dir.Write("saved.stk", "an older file");
    prompts.QueueAnswer(Answer::Yes);
    prompts.QueueAnswer(Answer::No);
    prompts.QueueFile(UserPath("saved.stk"));
    {
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limit = previous;
        limit.rlim_cur = 2048;
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(MakeWeeklyFile(context), -3);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    EXPECT_EQ(LastMessage().text, "ファイル書き込み禁止です。");
    EXPECT_EQ(LastMessage().caption, "weekdat.TMP");
    EXPECT_EQ(WorkingCopy(), daily);
    EXPECT_EQ(ReadFile(dir / "saved.stk"), "an older file");
    EXPECT_FALSE(Exists("weekdat.TMP"));
}

TEST_F(DerivePeriod, ATitleWithAClosingMarkStillGivesAReadableFile) {
    WriteWorkingCopy(Stk(Heading(210, "2004 1 1", "A>B"), WeekdayLines(2004, 1, 5, 30)));
    prompts.QueueAnswer(Answer::No);
    ASSERT_EQ(MakeWeeklyFile(context), 1);
    EXPECT_NE(WorkingCopy().find("'A\x81\x84"
                                 "B'"),
              std::string::npos);
    ASSERT_EQ(ReloadWorkingCopy(context), 6);
    EXPECT_EQ(series.title, "A>B");
}

TEST_F(DerivePeriod, ProgressIsReportedEveryThousandRecords) {
    WriteWorkingCopy(Stk(Heading(), WeekdayLines(2000, 1, 3, 1100)));
    prompts.QueueAnswer(Answer::No);
    ASSERT_EQ(MakeWeeklyFile(context), 1);
    ASSERT_EQ(progress.calls.size(), 201u);
    EXPECT_EQ(progress.calls[0], std::make_pair(0, 100));
    EXPECT_EQ(progress.calls[99], std::make_pair(0, 100));
    EXPECT_EQ(progress.calls[100], std::make_pair(10, 100));
    EXPECT_EQ(progress.calls[200], std::make_pair(99, 100));
}

TEST(ProgressBar, DrawsAtTheBottomOfTheWindow) {
    const platform::Rect client{0, 0, 1280, 800};
    const ProgressBarShape start = ProgressBarLayout(client, 0, 100);
    EXPECT_TRUE(start.drawEmptyFrame);
    EXPECT_EQ(start.frame, (platform::Rect{320, 780, 420, 795}));
    EXPECT_TRUE(start.filled.IsEmpty());
    const ProgressBarShape part = ProgressBarLayout(client, 137, 100);
    EXPECT_FALSE(part.drawEmptyFrame);
    EXPECT_EQ(part.filled, (platform::Rect{320, 782, 357, 795}));

    platform::RecordingCanvas canvas;
    DrawProgressBar(canvas, client, 0, 100);
    DrawProgressBar(canvas, client, 37, 100);
    DrawProgressBar(canvas, client, 5, 0);  // no maximum, nothing drawn
    ASSERT_EQ(canvas.Calls().size(), 2u);
    EXPECT_EQ(canvas.Calls()[0].kind, platform::CallKind::Rectangle);
    EXPECT_EQ(canvas.Calls()[0].AsRect(), (platform::Rect{320, 780, 420, 795}));
    EXPECT_EQ(canvas.Calls()[1].kind, platform::CallKind::FillRect);
    EXPECT_EQ(canvas.Calls()[1].AsRect(), (platform::Rect{320, 782, 357, 795}));
}

class PeriodCommands : public DataFixture {};

TEST_F(PeriodCommands, WeeklyThenBackToDaily) {
    const std::string daily = Stk(Heading(), WeekdayLines(2004, 1, 5, 60));
    ASSERT_EQ(OpenAndLoad(daily), 60);
    effects = DataEffects{};
    float horizontal = 0.5f, vertical = 0.8f;
    prompts.QueueAnswer(Answer::No);
    ASSERT_EQ(RunWeeklyCommand(context, horizontal, vertical), 1);
    EXPECT_TRUE(effects.closeFirstModeless);
    EXPECT_EQ(effects.backToDailyEnabled, true);
    EXPECT_TRUE(effects.reloadRequested);
    EXPECT_TRUE(effects.redraw);
    EXPECT_EQ(horizontal, 2.0f);
    EXPECT_EQ(state.savedHorizontalScale, 0.5f);
    EXPECT_EQ(state.savedVerticalScale, 0.8f);
    EXPECT_EQ(series.fileTypeId, 212);
    EXPECT_TRUE(state.weeklyDerived);
    EXPECT_EQ(series.previousDataPath, UserPath());

    effects = DataEffects{};
    ASSERT_EQ(ReloadWorkingCopy(context), 12);
    EXPECT_TRUE(effects.resetHorizontalZoom);
    EXPECT_EQ(effects.periodCommandsEnabled, false);
    EXPECT_FALSE(effects.backToDailyEnabled.has_value());  // stays enabled
    horizontal = 1.0f;

    // A weekly series is not derived again.
    prompts.Clear();
    EXPECT_EQ(RunWeeklyCommand(context, horizontal, vertical), 0);
    EXPECT_EQ(RunMonthlyCommand(context, horizontal, vertical), 0);
    EXPECT_TRUE(prompts.Messages().empty());

    effects = DataEffects{};
    EXPECT_EQ(RunBackToDaily(context, horizontal, vertical), 1);
    EXPECT_EQ(horizontal, 0.5f);
    EXPECT_EQ(vertical, 0.8f);
    EXPECT_FALSE(state.weeklyDerived);
    EXPECT_EQ(series.dataPath, UserPath());
    EXPECT_EQ(WorkingCopy(), daily);
    EXPECT_EQ(effects.backToDailyEnabled, false);
    EXPECT_TRUE(effects.reloadRequested);
    ASSERT_EQ(ReloadWorkingCopy(context), 60);
    EXPECT_EQ(series.fileTypeId, 210);
}

TEST_F(PeriodCommands, FailuresAreReported) {
    series.fileTypeId = 210;  // a daily series whose working copy is gone
    float horizontal = 1.0f, vertical = 1.0f;
    prompts.QueueAnswer(Answer::No);
    EXPECT_EQ(RunWeeklyCommand(context, horizontal, vertical), -3);
    EXPECT_EQ(LastMessage().text, "ﾃﾞｰﾀﾌｧｲﾙ 作成不良");
    EXPECT_EQ(LastMessage().caption, "エラーメッセージ");
    prompts.Clear();
    prompts.QueueAnswer(Answer::No);
    EXPECT_EQ(RunMonthlyCommand(context, horizontal, vertical), -3);
    EXPECT_EQ(LastMessage().text, "ﾃﾞｰﾀﾌｧｲﾙ作成不良");
    EXPECT_EQ(LastMessage().caption, "エラーメッセージ(F003)");
    prompts.Clear();
    prompts.QueueAnswer(Answer::Cancel);
    EXPECT_EQ(RunMonthlyCommand(context, horizontal, vertical), -82);
    EXPECT_EQ(prompts.Messages().size(), 1u);  // the question only
    EXPECT_EQ(series.fileTypeId, 210);
    EXPECT_EQ(horizontal, 1.0f);
}

TEST_F(PeriodCommands, BackToDailyMovesAnOldPlotStart) {
    dir.Write("daily.stk", "daily");
    struct Case {
        int plotStart, lastYear, expected;
    };
    const Case cases[] = {
        {1990, 2004, 1994}, {1993, 2004, 1994}, {1994, 2004, 1994}, {2000, 2004, 2000}};
    for (const Case& c : cases) {
        series.previousDataPath = UserPath("daily.stk");
        series.barCount = 3;
        series.year[2] = static_cast<std::int16_t>(c.lastYear);
        series.plotStartYear = c.plotStart;
        state.monthlyDerived = true;
        float horizontal = 1.0f, vertical = 1.0f;
        EXPECT_EQ(RunBackToDaily(context, horizontal, vertical), 1);
        EXPECT_EQ(series.plotStartYear, c.expected) << c.plotStart;
        EXPECT_FALSE(state.monthlyDerived);
    }
    // Nothing to return to: only the command is greyed.
    series.previousDataPath.clear();
    series.dataPath = "current";
    effects = DataEffects{};
    float horizontal = 1.0f, vertical = 1.0f;
    EXPECT_EQ(RunBackToDaily(context, horizontal, vertical), 0);
    EXPECT_EQ(effects.backToDailyEnabled, false);
    EXPECT_FALSE(effects.reloadRequested);
    EXPECT_EQ(series.dataPath, "current");
}

}  // namespace
}  // namespace korvo::data::testing
