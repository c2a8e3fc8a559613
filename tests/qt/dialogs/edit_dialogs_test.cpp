// The data file editor, the header editor, the comment editor and the record
// correction dialog as the user works them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "data/data.h"
#include "platform/codec.h"
#include "platform/scripted_prompts.h"
#include "qt/dialogs/comment_editor_dialog.h"
#include "qt/dialogs/data_file_editor_dialog.h"
#include "qt/dialogs/dialog_test_support.h"
#include "qt/dialogs/header_editor_dialog.h"
#include "qt/dialogs/record_correction_dialog.h"
#include "support/temp_dir.h"

namespace korvo::qt {
namespace {

using platform::Answer;
using test::Child;
using test::HasLabel;

QLineEdit& Box(QWidget& dialog, const char* id) {
    QLineEdit* box = Child<QLineEdit>(dialog, id);
    if (!box) throw std::runtime_error(id);
    return *box;
}

void Click(QWidget& dialog, const char* id, const char* label = nullptr) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>(id)) {
        if (label && button->text() != QString::fromUtf8(label)) continue;
        button->click();
        return;
    }
    ADD_FAILURE() << "no button " << id;
}

// A start directory with a loaded series of five days.
struct EditorSetUp {
    EditorSetUp()
        : env{prompts, clock, dir.Path(), progress, {}}, context{*series, state, env, effects} {
        series->fileTypeId = 210;
        series->title = "Title";
        series->subtitle = "SUB";
        series->unitLabel = "Yen";
        series->marketCode = "1234";
        series->fileStartYear = 2004;
        series->fileStartMonth = 1;
        series->volumeDivisor = 1;
        for (int i = 0; i < 5; ++i) {
            series->year[i] = 2004;
            series->month[i] = 1;
            series->day[i] = static_cast<std::uint8_t>(5 + i);
            series->open[i] = series->close[i] = 100.0f + i;
            series->high[i] = 110.0f + i;
            series->low[i] = 90.0f + i;
            series->volume[i] = 1000 + i;
        }
        series->barCount = 5;
    }
    korvo::test::TempDir dir;
    platform::ScriptedPrompts prompts;
    platform::FixedClock clock{{2026, 12, 7}};
    platform::NullProgress progress;
    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    data::DataState state;
    data::DataEffects effects;
    data::LoadEnvironment env;
    data::DataContext context;
};

TEST(DataFileEditorQDialog, ShowsTheFieldsAndBarsAndRefusesABadIdBeforeSaving) {
    EditorSetUp s;
    data::DataFileEditor logic(s.context, false);
    ASSERT_EQ(logic.Open(), data::EditorOpening::Show);
    DataFileEditorQDialog dialog(logic);
    EXPECT_EQ(dialog.objectName(), "DIALOG4");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("データファイル編集(Korvo ﾁｬｰﾄ)"));
    EXPECT_TRUE(HasLabel(dialog, "ｸﾞﾗﾌﾀｲﾄﾙ"));
    EXPECT_TRUE(HasLabel(dialog, "210(日) 212(週) 214(月)"));
    EXPECT_TRUE(HasLabel(dialog, "ﾃﾞｰﾀﾎﾞｯｸｽ内      改行: CTL-ﾘﾀｰﾝ         ﾀﾌﾞ: CTL-TAB"));
    EXPECT_EQ(Box(dialog, "801").text(), "210");
    EXPECT_EQ(Box(dialog, "802").text(), "Title");
    EXPECT_EQ(Box(dialog, "811").text(), "1234");
    EXPECT_EQ(Box(dialog, "804").text(), "2004");
    QPlainTextEdit* box = Child<QPlainTextEdit>(dialog, "820");
    ASSERT_NE(box, nullptr);
    // The box shows the editor's lines, newest first, each on a line of its own.
    EXPECT_EQ(box->toPlainText().toStdString() + "",
              QString::fromStdString(logic.Fields().data).remove('\r').toStdString());
    EXPECT_TRUE(box->toPlainText().startsWith("2004\t 1\t 9\t      104"));
    for (const char* id : {"2", "9203", "9204", "2501", "2502", "2503", "2504"})
        EXPECT_NE(Child<QPushButton>(dialog, id), nullptr) << id;
    EXPECT_EQ(dialog.findChildren<QPushButton*>("1").size(), 2);  // OK and 保存
    dialog.show();

    Box(dialog, "801").setText("300");
    Click(dialog, "1", "保存");
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(s.prompts.Messages().size(), 1u);
    EXPECT_EQ(s.prompts.Messages()[0].caption, "エラーメッセージ(G010)");
    EXPECT_FALSE(s.effects.reloadRequested);

    // Ctrl+Return opens a new line in the data box; the save takes the lines with CR LF.
    Box(dialog, "801").setText("210");
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, "2004 1 12 105 115 95 105 1005");
    QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(box->toPlainText().endsWith("1005\n"));
    s.prompts.QueueAnswer(Answer::Ok);
    Click(dialog, "1", "OK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(s.effects.reloadRequested);
    const std::string written = korvo::test::ReadFile(s.dir / "korvo.TMP");
    EXPECT_NE(written.find("      100        1000\r\n2004 1 12 105 115 95 105 1005\r\n"),
              std::string::npos);
}

TEST(DataFileEditorQDialog, ClipboardButtonsActOnTheLastBoxThatChanged) {
    EditorSetUp s;
    data::DataFileEditor logic(s.context, false);
    ASSERT_EQ(logic.Open(), data::EditorOpening::Show);
    DataFileEditorQDialog dialog(logic);
    dialog.show();
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText("before");
    // Nothing changed yet: the buttons do nothing.
    Click(dialog, "2501");
    EXPECT_EQ(clipboard->text(), "before");

    QLineEdit& code = Box(dialog, "811");
    QTest::keyClicks(&code, "X");
    code.selectAll();
    Click(dialog, "2501");
    EXPECT_EQ(clipboard->text(), "1234X");
    Click(dialog, "2504");  // undo the typing
    EXPECT_EQ(code.text(), "1234");

    // The title changed last: cut acts on it, and paste puts it back.
    QLineEdit& title = Box(dialog, "802");
    QTest::keyClicks(&title, "!");
    title.selectAll();
    Click(dialog, "2502");
    EXPECT_EQ(title.text(), "");
    EXPECT_EQ(clipboard->text(), "Title!");
    Click(dialog, "2503");
    EXPECT_EQ(title.text(), "Title!");

    QPlainTextEdit& box = *Child<QPlainTextEdit>(dialog, "820");
    box.moveCursor(QTextCursor::Start);
    QTest::keyClick(&box, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(box.toPlainText().startsWith("\t2004"));
    box.selectAll();
    Click(dialog, "2501");
    EXPECT_EQ(clipboard->text(), box.toPlainText());

    // "新規作成" empties every box; cancel writes nothing.
    Click(dialog, "9203");
    EXPECT_EQ(Box(dialog, "801").text(), "");
    EXPECT_EQ(box.toPlainText(), "");
    EXPECT_TRUE(logic.NewFileMode());
    Click(dialog, "2");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(logic.NewFileMode());
    EXPECT_FALSE(std::filesystem::exists(s.dir / "korvo.TMP"));
}

TEST(DataFileEditorQDialog, TheDataBoxTakesNoMoreThanItsLimit) {
    EditorSetUp s;
    data::DataFileEditor logic(s.context, false);
    ASSERT_EQ(logic.Open(), data::EditorOpening::Show);
    ASSERT_EQ(logic.TextLimit(), 5u * 192 + 100);
    DataFileEditorQDialog dialog(logic);
    QPlainTextEdit& box = *Child<QPlainTextEdit>(dialog, "820");
    const QString before = box.toPlainText();
    box.moveCursor(QTextCursor::End);
    box.insertPlainText(QString(2000, 'x'));
    EXPECT_EQ(box.toPlainText(), before);
    box.insertPlainText(QString(100, 'y'));
    EXPECT_TRUE(box.toPlainText().endsWith(QString(100, 'y')));
}

TEST(CommentEditorQDialog, StoresTheTypedCommentAsTheHeader) {
    platform::ScriptedPrompts prompts;
    std::string header = "< old >";
    data::CommentEditor logic(header, prompts);
    CommentEditorQDialog dialog(logic);
    EXPECT_EQ(dialog.objectName(), "DIALOGCMNT");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("データファイル編集(comment)"));
    QPlainTextEdit& text = *Child<QPlainTextEdit>(dialog, "801");
    EXPECT_EQ(text.toPlainText(), "< old >");
    dialog.show();
    text.setPlainText(QString::fromUtf8("< 新しい\n注記 >"));
    Click(dialog, "1", "保存");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(header, platform::Utf8ToCp932("< 新しい\n注記 >").value());
}

TEST(HeaderEditorQDialog, RefusesAMissingCodeAndCreatesTheFile) {
    EditorSetUp s;
    data::HeaderEditor logic(s.env);
    ASSERT_TRUE(logic.Open());
    HeaderEditorQDialog dialog(logic);
    EXPECT_EQ(dialog.objectName(), "Dialog4A");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("データファイル・ヘッダー"));
    EXPECT_TRUE(HasLabel(dialog, "ﾀｲﾄﾙ"));
    EXPECT_EQ(Box(dialog, "801").text(), "210");
    EXPECT_TRUE(Box(dialog, "801").isReadOnly());
    EXPECT_EQ(Box(dialog, "804").text(), "2026");
    EXPECT_EQ(Box(dialog, "805").text(), "12");
    EXPECT_EQ(Child<QPushButton>(dialog, "2")->text(), QString::fromUtf8("取消"));
    dialog.show();
    Box(dialog, "802").setText("Title");
    Box(dialog, "803").setText("HDR");
    Click(dialog, "1");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(s.prompts.Messages().back().text, "ｼﾝﾎﾞﾙ・ｺｰﾄﾞ を記入してください");

    Box(dialog, "811").setText("h1");
    const std::string target = (s.dir / "HDR01.stk").string();
    s.prompts.QueueAnswer(Answer::Ok);
    s.prompts.QueueAnswer(Answer::Ok);
    s.prompts.QueueFile(target);
    Click(dialog, "1");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(logic.CreatedPath(), target);
    EXPECT_NE(korvo::test::ReadFile(target).find("\nH1\n2026 12  1 \n"), std::string::npos);
}

TEST(RecordCorrectionQDialog, ShowsTheRecordAndStaysOpenUntilItIsRight) {
    platform::ScriptedPrompts prompts;
    data::RecordCorrection logic({2004, 1, 7, 95, 90, 100, 95, 1000}, prompts);
    RecordCorrectionQDialog dialog(logic);
    EXPECT_EQ(dialog.objectName(), "DATACORREC");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("データ修正編集"));
    const char* expected[] = {"2004", "1", "7", "95", "90", "100", "95", "1000"};
    for (int i = 0; i < 8; ++i) {
        const QByteArray id = QByteArray::number(801 + i);
        EXPECT_EQ(Box(dialog, id.constData()).text(), expected[i]) << id.constData();
    }
    EXPECT_EQ(Box(dialog, "805").maxLength(), 31);
    dialog.show();
    Click(dialog, "1");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(prompts.Messages().back().text, "ﾃﾞｰﾀ誤り 高値＜安値");
    Box(dialog, "805").setText("101");
    Click(dialog, "1");
    EXPECT_EQ(prompts.Messages().back().text, "ﾃﾞｰﾀ が 高値・安値外にあります。");
    Box(dialog, "806").setText("90");
    Click(dialog, "1");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(logic.Result());
    EXPECT_EQ(logic.Result()->high, 101.0f);
}

}  // namespace
}  // namespace korvo::qt
