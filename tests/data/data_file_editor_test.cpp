// The data file editor: what it lists, the checks of its save, the working
// copy it replaces and the new file it saves. The user's own file never changes
// but through the new-file path.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/printf.h"
#include "data_fixture.h"
#include "platform/codec.h"
#include "support/file_size_limit.h"

namespace korvo::data::testing {
namespace {

namespace fs = std::filesystem;
using korvo::test::ReadFile;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr const char* kHeader = "< my notes @d[SUB1.chr] >";

class DataFileEditorTest : public DataFixture {
  protected:
    // Opens a file of `bars` weekday bars from 5 January 2004, with a header.
    void OpenBars(int bars, const std::string& header = kHeader) {
        user_ = (header.empty() ? "" : header + "\n") +
                Stk(Heading(210, "2004 1 1"), WeekdayLines(2004, 1, 5, bars));
        ASSERT_EQ(OpenAndLoad(user_), bars);
        prompts.Clear();
        effects = DataEffects{};
    }
    // Nothing but the editor's own work file changed: the user's file and the
    // working copy are as they were, and no backup was taken.
    void ExpectNothingWritten(const std::string& workingCopy) {
        EXPECT_EQ(ReadFile(dir / "user.stk"), user_);
        EXPECT_EQ(WorkingCopy(), workingCopy);
        EXPECT_FALSE(fs::exists(dir / "KORVOOLD.DAT"));
        EXPECT_EQ(ReadFile(dir / "KORVO.EDT"), "");
        EXPECT_FALSE(effects.reloadRequested);
    }
    EditorFields ValidNewFile() const {
        EditorFields f;
        f.fileTypeId = "210";
        f.title = "New Co";
        f.subtitle = "NEW";
        f.code = "7203";
        f.startYear = "2026";
        f.startMonth = "12";
        for (const std::string& line : WeekdayLines(2026, 12, 1, 5))
            f.data += line + "\r\n";
        return f;
    }

    std::string user_;
};

// The records of a data file's text.
int Records(const std::string& text) {
    StkReader in(text);
    std::string header;
    CopyHeaderBlockText(in, header);
    std::string_view t[8];
    int count = in.NextTokens(t, 8) == 8 ? 0 : -1;
    while (in.NextTokens(t, 8) == 8)
        ++count;
    return count;
}

int Lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(DataFileEditorTest, ListsUpTo260BarsAndOffersTheTextEditorFrom261) {
    struct Case {
        int bars;
        Answer answer;
        EditorOpening opening;
    };
    const Case cases[] = {{260, Answer::Cancel, EditorOpening::Show},
                          {261, Answer::Ok, EditorOpening::WordPad},
                          {261, Answer::Cancel, EditorOpening::Closed}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bars);
        OpenBars(c.bars);
        if (c.bars == 261) prompts.QueueAnswer(c.answer);
        DataFileEditor editor(context, false);
        EXPECT_EQ(editor.Open(), c.opening);
        EXPECT_TRUE(fs::exists(dir / "KORVO.EDT"));
        if (c.opening == EditorOpening::Show) {
            EXPECT_TRUE(prompts.Messages().empty());
            EXPECT_EQ(Lines(editor.Fields().data), 260);
            EXPECT_EQ(editor.Fields().data, EditorText(series));
            // The box's limit leaves room for every bar.
            EXPECT_EQ(editor.TextLimit(), 260u * 192 + 100);
        } else {
            ASSERT_EQ(prompts.Messages().size(), 1u);
            EXPECT_EQ(LastMessage().text,
                      "データサイズが大きいのでワードパッドを起動します。\n\nまたは、"
                      "「キャンセル」をクリックして\nグラフの表示期間を 1 年以内に縮小して"
                      "ください。");
            EXPECT_EQ(LastMessage().caption, "メッセージ(DT003)");
            EXPECT_EQ(LastMessage().buttons, Buttons::OkCancel);
        }
    }
}

TEST_F(DataFileEditorTest, FieldsComeFromTheSeriesTheImportDefaultsOrToday) {
    const std::string title = platform::Utf8ToCp932("サンプル電機_(架空)").value();
    ASSERT_EQ(OpenAndLoad("<c>\n214\n" + title + "\nSUB\nYen\n1234\n2004 1 1\n" +
                          Stk("", {Line(2004, 1, 30), Line(2004, 2, 27), Line(2004, 3, 31),
                                   Line(2004, 4, 30), Line(2004, 5, 31)})),
              5);
    DataFileEditor editor(context, false);
    ASSERT_EQ(editor.Open(), EditorOpening::Show);
    EditorFields expected{"214", "サンプル電機 (架空)", "SUB", "Yen", "1234", "2004",
                          "1",   EditorText(series)};
    EXPECT_EQ(editor.Fields(), expected);
    EXPECT_EQ(editor.HeaderText(), "<c>");

    // A new file: ID 210, the title and code the import found, this month.
    state.importDefaults = {"トヨタ自動車", "7203"};
    DataFileEditor fresh(context, true);
    ASSERT_EQ(fresh.Open(), EditorOpening::Show);
    EXPECT_EQ(fresh.Fields(),
              (EditorFields{"210", "トヨタ自動車", "", "", "7203", "2026", "12", ""}));
    EXPECT_TRUE(fresh.NewFileMode());
    EXPECT_EQ(fresh.TextLimit(), 65636u);
    // The series itself keeps its type until a new file is loaded.
    EXPECT_EQ(series.fileTypeId, 214);

    // A series of an unknown type starts with nothing but 210.
    series.fileTypeId = 0;
    DataFileEditor unknown(context, false);
    ASSERT_EQ(unknown.Open(), EditorOpening::Show);
    EXPECT_EQ(unknown.Fields(), (EditorFields{"210", "", "", "", "", "", "", ""}));

    // "新規作成" clears every field.
    editor.StartNewFile();
    EXPECT_EQ(editor.Fields(), EditorFields{});
    EXPECT_TRUE(editor.NewFileMode());
}

TEST_F(DataFileEditorTest, TheSaveChecksInOrderAndARefusalWritesNothing) {
    OpenBars(20);
    const std::string copy = WorkingCopy();
    DataFileEditor editor(context, false);
    ASSERT_EQ(editor.Open(), EditorOpening::Show);
    const EditorFields good = editor.Fields();
    struct Case {
        const char* what;
        EditorFields fields;
        const char* text;
        const char* caption;
    };
    auto with = [&](auto change) {
        EditorFields f = good;
        change(f);
        return f;
    };
    const std::string longTitle(128, 'x');
    const Case cases[] = {
        {"ID 209", with([](EditorFields& f) { f.fileTypeId = "209"; }),
         "ID=209  ID が違います！\n正しいID を記入してください", "エラーメッセージ(G010)"},
        // 230 would write a file no load accepts.
        {"ID 230", with([](EditorFields& f) { f.fileTypeId = "230"; }),
         "ID=230  ID が違います！\n正しいID を記入してください", "エラーメッセージ(G010)"},
        {"ID text", with([](EditorFields& f) { f.fileTypeId = "abc"; }),
         "ID=0  ID が違います！\n正しいID を記入してください", "エラーメッセージ(G010)"},
        {"ID before title", with([](EditorFields& f) {
             f.fileTypeId = "";
             f.title = "";
         }),
         "ID=0  ID が違います！\n正しいID を記入してください", "エラーメッセージ(G010)"},
        {"title", with([](EditorFields& f) { f.title = "  "; }), "タイトル未記入です！",
         "メッセージ"},
        {"title before year", with([](EditorFields& f) {
             f.title = "";
             f.startYear = "";
         }),
         "タイトル未記入です！", "メッセージ"},
        {"year", with([](EditorFields& f) { f.startYear = ""; }), "開始「年」未記入です！",
         "メッセージ"},
        {"month", with([](EditorFields& f) { f.startMonth = ""; }), "開始「月」未記入です！",
         "メッセージ"},
        {"long title", with([&](EditorFields& f) { f.title = longTitle; }),
         "タイトル・コード等の項目が長すぎます！（127文字まで）", "メッセージ"},
        // The subtitle also names the annotation file: five bytes fewer.
        {"long subtitle", with([&](EditorFields& f) { f.subtitle = std::string(123, 's'); }),
         "タイトル・コード等の項目が長すぎます！（127文字まで）", "メッセージ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompts.Clear();
        // A refusal comes before the question; were it asked, it would be cancelled.
        EXPECT_EQ(editor.Save(c.fields), EditorSave::StayOpen);
        ASSERT_EQ(prompts.Messages().size(), 1u);
        EXPECT_EQ(LastMessage().text, c.text);
        EXPECT_EQ(LastMessage().caption, c.caption);
        ExpectNothingWritten(copy);
    }
    // The question answered with Cancel returns to the dialog.
    prompts.Clear();
    prompts.QueueAnswer(Answer::Cancel);
    EXPECT_EQ(editor.Save(good), EditorSave::StayOpen);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(LastMessage().text, "編集を終了します！");
    EXPECT_EQ(LastMessage().buttons, Buttons::OkCancel);
    ExpectNothingWritten(copy);
}

TEST_F(DataFileEditorTest, SavingTheSeriesReplacesOnlyTheWorkingCopyAndTheReloadShowsTheEdit) {
    OpenBars(200);
    const std::string before = WorkingCopy();
    DataFileEditor editor(context, false);
    ASSERT_EQ(editor.Open(), EditorOpening::Show);
    EditorFields f = editor.Fields();
    // The newest bar gets a new close; the title a blank.
    const std::string newest = EditorLine(series, 199);
    f.data.replace(0, newest.size(),
                   Printf("%d %d %d\t1100\t1200\t1000\t1150.5\t777\r\n", series.year[199],
                          series.month[199], series.day[199]));
    f.title = "Edited Title";
    prompts.QueueAnswer(Answer::Ok);
    ASSERT_EQ(editor.Save(f), EditorSave::Saved);
    EXPECT_TRUE(effects.reloadRequested);
    EXPECT_EQ(ReadFile(dir / "KORVOOLD.DAT"), before);
    const std::string edited = ReadFile(dir / "KORVO.EDT");
    EXPECT_EQ(WorkingCopy(), edited);
    EXPECT_EQ(
        edited.rfind(
            std::string(kHeader) + "\n\r210\n\nEdited_Title\nSUB\n\nYen\n1234\n2004 1  1 \n", 0),
        0u);
    EXPECT_EQ(ReadFile(dir / "user.stk"), user_);

    ASSERT_EQ(ReloadWorkingCopy(context), 200);
    EXPECT_EQ(series.title, "Edited Title");
    EXPECT_EQ(series.close[199], 1150.5f);
    EXPECT_EQ(series.volume[199], 777);
    EXPECT_EQ(series.year[199], 2004);
    EXPECT_EQ(series.month[199], 10);
    EXPECT_EQ(ReadFile(dir / "user.stk"), user_);
}

TEST_F(DataFileEditorTest,
       VolumesShownInThousandsAreListedInUnitsAndLinesLeftAsTheyWereLoseNothing) {
    user_ =
        Stk(Heading(),
            {Line(2004, 1, 5, "100 110 90 105 1234567"), Line(2004, 1, 6, "100 110 90 105 2000500"),
             Line(2004, 1, 7, "100.125 110 90 105 999"), Line(2004, 1, 8), Line(2004, 1, 9)});
    ASSERT_EQ(OpenAndLoad(user_), 5);
    ASSERT_EQ(series.volumeDivisor, 1000);
    DataFileEditor editor(context, false);
    ASSERT_EQ(editor.Open(), EditorOpening::Show);
    EditorFields f = editor.Fields();
    // Multiplied back by 1000: the last three digits are zeros.
    EXPECT_NE(f.data.find("      105     1234000\r\n"), std::string::npos);
    EXPECT_NE(f.data.find("      105     2000000\r\n"), std::string::npos);
    EXPECT_NE(f.data.find("100.12\t110.00\t 90.00\t105.00           0\r\n"), std::string::npos);
    EXPECT_NE(f.data.find("        1000\r\n"), std::string::npos);

    // The 6 January line is changed; the others are saved as the file had them.
    const std::string listed = EditorLine(series, 1);
    f.data.replace(f.data.find(listed), listed.size(), "2004 1 6 100 110 90 106 2000999\r\n");
    prompts.QueueAnswer(Answer::Ok);
    ASSERT_EQ(editor.Save(f), EditorSave::Saved);
    ASSERT_EQ(ReloadWorkingCopy(context), 5);
    EXPECT_EQ(series.rawVolume[0], 1234567.0f);
    EXPECT_EQ(series.rawVolume[1], 2000999.0f);
    EXPECT_EQ(series.close[1], 106.0f);
    EXPECT_EQ(series.rawVolume[2], 999.0f);
    EXPECT_EQ(series.open[2], 100.125f);
    EXPECT_EQ(ReadFile(dir / "user.stk"), user_);
}

TEST_F(DataFileEditorTest, AFileWithoutHeaderGetsANewBlockNamedAfterItsSubtitle) {
    OpenBars(10, "");
    const std::string copy = WorkingCopy();
    DataFileEditor editor(context, false);
    ASSERT_EQ(editor.Open(), EditorOpening::Show);
    EditorFields f = editor.Fields();
    f.subtitle = "";
    prompts.QueueAnswer(Answer::Ok);
    EXPECT_EQ(editor.Save(f), EditorSave::StayOpen);
    EXPECT_EQ(LastMessage().text, "銘柄略名または、シンボル名を記入してください");
    EXPECT_EQ(LastMessage().caption, "エラーメッセージ");
    EXPECT_EQ(WorkingCopy(), copy);

    // '>' and ']' would end the block or a name early: written full-width there,
    // as they are in the subtitle item.
    f.subtitle = "My Sub>x]";
    f.title = "A>B";
    f.code = "abc";
    prompts.QueueAnswer(Answer::Ok);
    ASSERT_EQ(editor.Save(f), EditorSave::Saved);
    const std::string expected =
        platform::Utf8ToCp932(
            "< Header 「Korvo ﾁｬｰﾄ」 ﾃﾞｰﾀﾌｧｲﾙ\n\r\n 'A＞B'  File created 12/7/2026 \n"
            " Korvo ﾁｬｰﾄ  (Korvo Software Works)\n"
            "\n@d[My Sub＞x］1.chr]\n@s[My Sub＞x］1.box] \n\r... User comments ...  >\n\r\n\r"
            "210\n\nA>B\nMy_Sub>x]\n\nYen\nABC\n2004 1  1 \n")
            .value();
    EXPECT_EQ(WorkingCopy().substr(0, expected.size()), expected);
    ASSERT_EQ(ReloadWorkingCopy(context), 10);
    EXPECT_EQ(series.chrFileName, platform::Utf8ToCp932("My Sub＞x］1.chr").value());
    EXPECT_EQ(series.subtitle, "My Sub>x]");
    EXPECT_EQ(series.marketCode, "ABC");
    EXPECT_EQ(ReadFile(dir / "user.stk"), user_);
}

TEST_F(DataFileEditorTest, ACommentWithoutItsClosingMarkMakesTheSavedCopyFailWithTheHeaderMessage) {
    OpenBars(10);
    const std::string before = WorkingCopy();
    DataFileEditor editor(context, false);
    ASSERT_EQ(editor.Open(), EditorOpening::Show);
    CommentEditor comment = editor.Comment();
    EXPECT_EQ(comment.Initial(), kHeader);
    comment.Accept("< notes without the closing mark");
    prompts.QueueAnswer(Answer::Ok);
    ASSERT_EQ(editor.Save(editor.Fields()), EditorSave::Saved);
    prompts.Clear();
    EXPECT_LT(ReloadWorkingCopy(context), 0);
    ASSERT_FALSE(prompts.Messages().empty());
    EXPECT_EQ(prompts.Messages()[0].text,
              "ﾃﾞｰﾀ ﾌｫｰﾑ エラー\nコメントが長すぎるか '>' マークがありません！");
    // What was shown before the edit is kept beside it, and the user's file is as it was.
    EXPECT_EQ(ReadFile(dir / "KORVOOLD.DAT"), before);
    EXPECT_EQ(ReadFile(dir / "user.stk"), user_);
    EXPECT_EQ(series.barCount, 10);
}

TEST_F(DataFileEditorTest, RecordsTheBoxDidNotListAreKept) {
    // Twenty years of days, of which the chart shows the last months only.
    user_ = Stk(Heading(210, "1990 1 1"), WeekdayLines(1990, 1, 1, 5300));
    series.plotStartYear = 2010;
    series.plotStartMonth = 3;
    const int shown = OpenAndLoad(user_);
    ASSERT_GT(shown, 4);
    ASSERT_LT(shown, 261);
    DataFileEditor editor(context, false);
    ASSERT_EQ(editor.Open(), EditorOpening::Show);
    EditorFields f = editor.Fields();
    f.data = f.data.substr(f.data.find('\n') + 1);  // the newest bar is deleted
    prompts.QueueAnswer(Answer::Ok);
    ASSERT_EQ(editor.Save(f), EditorSave::Saved);
    series.plotStartYear = 1990;
    series.plotStartMonth = 1;
    ASSERT_EQ(ReloadWorkingCopy(context), 4096);
    EXPECT_EQ(series.year[0], 1990);
    EXPECT_EQ(series.volume[0], 10000);
    // A record past what a load takes is kept too; only the deleted one is gone
    // (each record's volume is 10000 + its index).
    const std::string copy = WorkingCopy();
    EXPECT_NE(copy.find(" 14500"), std::string::npos);
    EXPECT_NE(copy.find(" 15298"), std::string::npos);
    EXPECT_EQ(copy.find(" 15299"), std::string::npos);
    EXPECT_EQ(Records(copy), 5299);
}

TEST_F(DataFileEditorTest, TheNewFilePathSavesWhereTheUserChoosesAndShowsThatFile) {
    OpenBars(10);
    const std::string copy = WorkingCopy();
    const EditorFields f = ValidNewFile();
    struct Case {
        const char* what;
        std::vector<Answer> answers;
        std::optional<std::string> target;
        const char* lastText;
        const char* lastCaption;
    };
    const std::string missingDir = (dir / "missing" / "x.stk").string();
    const Case refusals[] = {
        {"second question",
         {Answer::Ok, Answer::Cancel},
         std::nullopt,
         "新規作成ファイルを保存します",
         "メッセージ"},
        {"save dialog",
         {Answer::Ok, Answer::Ok},
         std::nullopt,
         "新ファイルの保存できません",
         "エラーメッセージ(E15500)"},
        {"unwritable",
         {Answer::Ok, Answer::Ok},
         missingDir,
         "ファイル書き込み禁止です。",
         missingDir.c_str()},
    };
    for (const Case& c : refusals) {
        SCOPED_TRACE(c.what);
        prompts.Clear();
        DataFileEditor editor(context, true);
        ASSERT_EQ(editor.Open(), EditorOpening::Show);
        for (Answer a : c.answers)
            prompts.QueueAnswer(a);
        if (c.answers.size() == 2 && c.answers[1] == Answer::Ok) prompts.QueueFile(c.target);
        EXPECT_EQ(editor.Save(f), EditorSave::Closed);
        EXPECT_FALSE(editor.NewFileMode());
        EXPECT_EQ(LastMessage().text, c.lastText);
        EXPECT_EQ(LastMessage().caption, c.lastCaption);
        EXPECT_EQ(WorkingCopy(), copy);
        EXPECT_EQ(ReadFile(dir / "user.stk"), user_);
        EXPECT_FALSE(effects.reloadRequested);
    }

    // Saved over an existing file, which is kept first.
    const fs::path target = dir.Write("NEW01.stk", "what was there");
    prompts.Clear();
    DataFileEditor editor(context, true);
    ASSERT_EQ(editor.Open(), EditorOpening::Show);
    prompts.QueueAnswer(Answer::Ok);
    prompts.QueueAnswer(Answer::Ok);
    prompts.QueueFile(target.string());
    ASSERT_EQ(editor.Save(f), EditorSave::Saved);
    ASSERT_EQ(prompts.FileRequests().size(), 1u);
    const platform::FileDialogRequest& request = prompts.FileRequests()[0];
    EXPECT_EQ(request.presetName, "NEW01.stk");
    EXPECT_EQ(request.filters, (std::vector<platform::FileFilter>{{"Data Files(*.stk)", "*.stk"}}));
    EXPECT_TRUE(request.promptOverwrite);
    EXPECT_EQ(ReadFile(dir / "korvoEDT.org"), "what was there");
    EXPECT_EQ(ReadFile(target), ReadFile(dir / "KORVO.EDT"));
    EXPECT_EQ(WorkingCopy(), ReadFile(target));
    EXPECT_EQ(ReadFile(dir / "user.stk"), user_);
    EXPECT_TRUE(effects.reloadRequested);
    EXPECT_TRUE(effects.showChart);
    EXPECT_EQ(series.dataPath, target.string());
    EXPECT_EQ(series.previousDataPath, UserPath());
    ASSERT_EQ(ReloadWorkingCopy(context), 5);
    EXPECT_EQ(series.title, "New Co");
    EXPECT_EQ(series.year[0], 2026);
}

TEST_F(DataFileEditorTest, AFailedWriteLeavesTheWorkingCopyWhole) {
    OpenBars(100);
    const std::string copy = WorkingCopy();
    DataFileEditor editor(context, false);
    ASSERT_EQ(editor.Open(), EditorOpening::Show);
    EditorFields f = editor.Fields();
    f.data += f.data;  // the edit is larger than the disk allows
    prompts.QueueAnswer(Answer::Ok);
    {
        korvo::test::FileSizeLimit limit(copy.size() + 100);
        EXPECT_EQ(editor.Save(f), EditorSave::StayOpen);
    }
    EXPECT_EQ(LastMessage().text, "ファイル書き込み禁止です。");
    EXPECT_EQ(LastMessage().caption, "KORVO.EDT");
    EXPECT_EQ(WorkingCopy(), copy);
    EXPECT_EQ(ReadFile(dir / "user.stk"), user_);
    EXPECT_FALSE(effects.reloadRequested);
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace korvo::data::testing
