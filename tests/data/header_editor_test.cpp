// The header editor: a new, empty data file for the imports to fill.
#include <gtest/gtest.h>

#include <filesystem>

#include "data_fixture.h"
#include "platform/codec.h"

namespace korvo::data::testing {
namespace {

namespace fs = std::filesystem;
using korvo::test::ReadFile;
using platform::Answer;

class HeaderEditorTest : public DataFixture {
  protected:
    HeaderFields Valid() const {
        HeaderFields f;
        f.fileTypeId = "210";
        f.title = "Toyota Motor";
        f.subtitle = "TOYOTA";
        f.unit = "Yen";
        f.code = "7203t";
        f.startYear = "2026";
        f.startMonth = "12";
        return f;
    }
    // Answers the two questions with OK and the save dialog with `target`.
    void AnswerAll(const std::optional<std::string>& target) {
        prompts.QueueAnswer(Answer::Ok);
        prompts.QueueAnswer(Answer::Ok);
        prompts.QueueFile(target);
    }
};

TEST_F(HeaderEditorTest, StartsWith210AndThisMonthAndChecksInOrder) {
    HeaderEditor editor(env);
    ASSERT_TRUE(editor.Open());
    EXPECT_EQ(ReadFile(dir / "KORVO.EDT"), "");
    const HeaderFields initial = editor.Initial();
    EXPECT_EQ(initial.fileTypeId, "210");
    EXPECT_EQ(initial.startYear, "2026");
    EXPECT_EQ(initial.startMonth, "12");
    EXPECT_EQ(initial.title, "");

    struct Case {
        const char* what;
        void (*change)(HeaderFields&);
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {"title",
         [](HeaderFields& f) {
             f.title = " ";
             f.subtitle = "";
         },
         "タイトル未記入です！", "メッセージ"},
        {"subtitle",
         [](HeaderFields& f) {
             f.subtitle = "";
             f.startYear = "";
         },
         "ｻﾌﾞﾀｲﾄﾙ(ﾃﾞｰﾀﾌｧｲﾙ名）を記入してください", "エラーメッセージ"},
        {"year",
         [](HeaderFields& f) {
             f.startYear = "";
             f.code = "";
         },
         "開始「年」未記入です！", "メッセージ"},
        {"month", [](HeaderFields& f) { f.startMonth = "\t"; }, "開始「月」未記入です！",
         "メッセージ"},
        {"code", [](HeaderFields& f) { f.code = ""; }, "ｼﾝﾎﾞﾙ・ｺｰﾄﾞ を記入してください",
         "エラーメッセージ"},
        {"long code", [](HeaderFields& f) { f.code = std::string(128, 'c'); },
         "タイトル・コード等の項目が長すぎます！（127文字まで）", "メッセージ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompts.Clear();
        HeaderFields f = Valid();
        c.change(f);
        EXPECT_EQ(editor.Accept(f), HeaderSave::StayOpen);
        ASSERT_EQ(prompts.Messages().size(), 1u);
        EXPECT_EQ(LastMessage().text, c.text);
        EXPECT_EQ(LastMessage().caption, c.caption);
        EXPECT_EQ(ReadFile(dir / "KORVO.EDT"), "");
    }
    prompts.Clear();
    prompts.QueueAnswer(Answer::Cancel);
    EXPECT_EQ(editor.Accept(Valid()), HeaderSave::StayOpen);
    EXPECT_EQ(LastMessage().text, "編集を終了します！");
    EXPECT_EQ(ReadFile(dir / "KORVO.EDT"), "");
}

TEST_F(HeaderEditorTest, WritesTheHeaderOnlyFileWhereTheUserSavesIt) {
    HeaderEditor editor(env);
    ASSERT_TRUE(editor.Open());
    HeaderFields f = Valid();
    f.title = "Toyota Motor>Co";
    f.subtitle = "TOY OTA:1";
    f.unit = "";
    // ッ is 0x83 0x62: its trail byte is a lower-case 'b' that must stay as it is.
    f.code = "abッ";
    const std::string target = (dir / "TOY OTA:101.stk").string();
    AnswerAll(target);
    ASSERT_EQ(editor.Accept(f), HeaderSave::Created);
    EXPECT_EQ(editor.CreatedPath(), target);
    ASSERT_EQ(prompts.FileRequests().size(), 1u);
    EXPECT_EQ(prompts.FileRequests()[0].presetName, "TOY OTA:101.stk");
    EXPECT_EQ(prompts.Messages()[1].text, "作成ファイルを保存します");
    const std::string expected =
        platform::Utf8ToCp932(
            "< Header \n\r\n 'Toyota Motor＞Co'  File created 12/7/2026 \n@d[TOY OTA:11.chr]\n"
            "@s[TOY OTA:11.box]  >\n\n210\n\nToyota_Motor>Co\nTOY_OTA_1\n\n..\nABッ\n2026 12  1 \n")
            .value();
    EXPECT_EQ(ReadFile(target), expected);
    EXPECT_EQ(ReadFile(dir / "KORVO.EDT"), expected);

    // The file reads back as written; with no records yet it is refused as too short.
    dir.Write("korvo.TMP", expected);
    EXPECT_EQ(ReloadWorkingCopy(context), -1);
    EXPECT_EQ(LastMessage().text, "データー量が不足です！（最少５セット以上）");
    EXPECT_EQ(series.barCount, 0);
}

TEST_F(HeaderEditorTest, CancelsAndRefusalsLeaveEveryFileAsItWas) {
    const fs::path existing = dir.Write("OLD01.stk", "the user's data");
    struct Case {
        const char* what;
        std::vector<Answer> answers;
        bool dialogShown;
        std::optional<std::string> target;
        const char* text;
        const char* caption;
    };
    const std::string missing = (dir / "no" / "x.stk").string();
    const Case cases[] = {
        {"second question",
         {Answer::Ok, Answer::Cancel},
         false,
         std::nullopt,
         "作成ファイルを保存します",
         "メッセージ"},
        {"save dialog",
         {Answer::Ok, Answer::Ok},
         true,
         std::nullopt,
         "新ファイルの保存できません",
         "エラーメッセージ(E1580)"},
        {"unwritable",
         {Answer::Ok, Answer::Ok},
         true,
         missing,
         "ファイル書き込み禁止です。",
         missing.c_str()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompts.Clear();
        HeaderEditor editor(env);
        ASSERT_TRUE(editor.Open());
        for (Answer a : c.answers)
            prompts.QueueAnswer(a);
        if (c.dialogShown) prompts.QueueFile(c.target);
        EXPECT_EQ(editor.Accept(Valid()), HeaderSave::Cancelled);
        EXPECT_EQ(LastMessage().text, c.text);
        EXPECT_EQ(LastMessage().caption, c.caption);
        EXPECT_EQ(editor.CreatedPath(), "");
        EXPECT_EQ(ReadFile(existing), "the user's data");
        EXPECT_FALSE(fs::exists(missing));
    }

    // Saving over a file keeps what it held in korvoEDT.org first.
    prompts.Clear();
    std::optional<std::string> created = CreateHeaderFile(env, [&](HeaderEditor& editor) {
        AnswerAll(existing.string());
        return editor.Accept(Valid()) == HeaderSave::Created;
    });
    ASSERT_TRUE(created);
    EXPECT_EQ(*created, existing.string());
    EXPECT_EQ(ReadFile(dir / "korvoEDT.org"), "the user's data");
    EXPECT_EQ(ReadFile(existing), ReadFile(dir / "KORVO.EDT"));

    // Cancelled, or no dialog at all: no file.
    EXPECT_FALSE(CreateHeaderFile(env, [](HeaderEditor&) { return false; }));
    EXPECT_FALSE(CreateHeaderFile(env, nullptr));

    // A start directory where KORVO.EDT cannot be made closes the dialog at once.
    LoadEnvironment nowhere{prompts, clock, dir / "absent", progress, {}};
    prompts.Clear();
    int runs = 0;
    EXPECT_FALSE(CreateHeaderFile(nowhere, [&](HeaderEditor&) { return ++runs > 0; }));
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(LastMessage().text, "ファイル書き込み禁止です。");
    EXPECT_EQ(LastMessage().caption, "KORVO.EDT");
}

}  // namespace
}  // namespace korvo::data::testing
