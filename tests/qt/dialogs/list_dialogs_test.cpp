// The group file editor, the portfolio picker, the multi-chart selection and
// the data list window as the user works them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "lists/lists.h"
#include "platform/scripted_prompts.h"
#include "qt/data_list_window.h"
#include "qt/dialogs/dialog_test_support.h"
#include "qt/dialogs/group_file_dialog.h"
#include "qt/dialogs/multi_chart_dialog.h"
#include "qt/dialogs/portfolio_picker_dialog.h"
#include "support/temp_dir.h"

namespace korvo::qt {
namespace {

using test::Child;
using test::HasLabel;

QLineEdit& Box(QWidget& dialog, int id) {
    QLineEdit* box = Child<QLineEdit>(dialog, std::to_string(id).c_str());
    if (!box) throw std::runtime_error(std::to_string(id));
    return *box;
}

void Type(QWidget& dialog, int id, const char* text) {
    QLineEdit& box = Box(dialog, id);
    box.clear();
    QTest::keyClicks(&box, QString::fromUtf8(text));
}

void Click(QWidget& dialog, int id) {
    QAbstractButton* button = Child<QAbstractButton>(dialog, std::to_string(id).c_str());
    ASSERT_NE(button, nullptr);
    button->click();
}

TEST(GroupFileQDialog, RowsRadiosAndButtonsCarryTheirIdsAndSwitchingSavesWhatWasTyped) {
    korvo::test::TempDir dir;
    dir.Write("UPDATE2.usr", "1\nB /b.stk\n");
    lists::ListsState lists;
    platform::ScriptedPrompts prompts;
    lists::GroupFileDialog logic(lists, dir.Path(), prompts);
    logic.Open();
    GroupFileQDialog dialog(logic);
    EXPECT_EQ(dialog.objectName(), "FILEUPDATE");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("ｸﾞﾙｰﾌﾟﾃﾞｰﾀﾌｧｲﾙ"));
    EXPECT_TRUE(HasLabel(dialog, "検索銘柄ｺｰﾄﾞ"));
    EXPECT_TRUE(HasLabel(dialog, "収納ﾌｧｲﾙ名"));
    for (int id : {801, 820, 1075, 1094})
        EXPECT_NE(dialog.findChild<QLineEdit*>(QString::number(id)), nullptr) << id;
    EXPECT_EQ(Box(dialog, 801).maxLength(), 63);
    EXPECT_EQ(Child<QPushButton>(dialog, "9220")->text(), QString::fromUtf8("ﾘｽﾄ"));
    EXPECT_EQ(Child<QPushButton>(dialog, "9298")->text(), QString::fromUtf8("更新"));
    EXPECT_EQ(Child<QPushButton>(dialog, "9299")->text(), QString::fromUtf8("ｸﾘｱ"));
    EXPECT_EQ(Child<QRadioButton>(dialog, "121")->text(), QString::fromUtf8("ﾎﾟｰﾄﾌｫﾘｵ 2"));
    EXPECT_TRUE(Child<QRadioButton>(dialog, "120")->isChecked());
    dialog.show();

    Type(dialog, 801, "ibm");
    prompts.QueueFile("/us/i b m.stk");
    Click(dialog, 9201);
    EXPECT_EQ(Box(dialog, 1075).text(), "/us/i b m.stk");
    Click(dialog, 121);
    EXPECT_EQ(korvo::test::ReadFile(dir / "UPDATE.usr"), "1\nIBM   /us/i%20b%20m.stk \n");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "121")->isChecked());
    EXPECT_EQ(Box(dialog, 801).text(), "B");

    // Row 2 with a code only: the save is refused, the first list stays shown.
    Type(dialog, 802, "9984");
    Click(dialog, 122);
    EXPECT_TRUE(Child<QRadioButton>(dialog, "121")->isChecked());
    EXPECT_EQ(Box(dialog, 802).text(), "9984");
    Click(dialog, 1);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompts.Messages().size(), 2u);
    EXPECT_EQ(prompts.Messages()[1].text, "2 行目　9984  ファイル名が未記入です！");
    EXPECT_EQ(korvo::test::ReadFile(dir / "UPDATE2.usr"), "1\nB /b.stk\n");
    Click(dialog, 9299);
    EXPECT_EQ(Box(dialog, 801).text(), "");
    Click(dialog, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(korvo::test::ReadFile(dir / "UPDATE2.usr"), "0\n");
}

TEST(PortfolioPickerQDialog, TheRadioOfEachRowChoosesItsFile) {
    korvo::test::TempDir dir;
    dir.Write("UPDATE.usr", "2\nA /a.stk\nB /b%20b.stk\n");
    platform::ScriptedPrompts prompts;
    int pickedRow = 0;
    lists::PortfolioPicker logic(pickedRow, dir / "UPDATE.usr", prompts);
    logic.Open();
    PortfolioPickerQDialog dialog(logic);
    EXPECT_EQ(dialog.objectName(), "FILEREGIST");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("登録 ﾃﾞｰﾀﾌｧｲﾙ"));
    EXPECT_TRUE(HasLabel(dialog, "銘柄コード"));
    EXPECT_TRUE(HasLabel(dialog, "ﾌｫﾙﾀﾞ+ﾌｧｲﾙ名"));
    for (int id : {120, 128, 130, 140})
        EXPECT_NE(dialog.findChild<QRadioButton*>(QString::number(id)), nullptr) << id;
    EXPECT_EQ(dialog.findChild<QRadioButton*>("129"), nullptr);
    EXPECT_TRUE(Child<QRadioButton>(dialog, "120")->isChecked());
    EXPECT_EQ(Box(dialog, 1076).text(), "/b b.stk");
    dialog.show();

    Click(dialog, 130);
    Click(dialog, 1);
    EXPECT_TRUE(dialog.isVisible());  // row 10 has no file
    Click(dialog, 121);
    Click(dialog, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(logic.ChosenPath(), "/b b.stk");
    EXPECT_EQ(pickedRow, 1);
}

TEST(MultiChartQDialog, ThreeBoxesAndTheOverlapCheckGoToTheSelection) {
    lists::MultiChartSelection selection;
    selection.paths = {"/a.stk", "", ""};
    platform::ScriptedPrompts prompts;
    lists::MultiChartDialog logic(selection, false, prompts);
    MultiChartQDialog dialog(logic);
    EXPECT_EQ(dialog.objectName(), "MULTICHART");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("ﾃﾞｰﾀﾌｧｲﾙ選択・ﾏﾙﾁﾁｬｰﾄ"));
    EXPECT_TRUE(HasLabel(dialog, "ﾁｬｰﾄ・銘柄ﾌｧｲﾙ"));
    EXPECT_EQ(Box(dialog, 801).text(), "/a.stk");
    QCheckBox* overlap = Child<QCheckBox>(dialog, "120");
    ASSERT_NE(overlap, nullptr);
    EXPECT_EQ(overlap->text(), QString::fromUtf8("オーバーラップ（重ね表示）"));
    EXPECT_FALSE(overlap->isChecked());
    dialog.show();

    Type(dialog, 801, "");
    Click(dialog, 1);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "データﾌｧｲﾙを選択してください！");

    Type(dialog, 801, "/x.stk");
    prompts.QueueFile("/z.stk");
    Click(dialog, 9203);
    EXPECT_EQ(Box(dialog, 803).text(), "/z.stk");
    overlap->click();
    Click(dialog, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(logic.Overlap());
    EXPECT_EQ(selection.count, 2);
    EXPECT_EQ(selection.paths, (lists::MultiChartDialog::Paths{"/x.stk", "/z.stk", ""}));
}

TEST(DataListQWindow, ShowsTheTitleAndTheTableAndSaysWhenItCloses) {
    lists::DataListText list{"テスト銘柄", " 2025/12/10\t  100.00\r\n 2025/12/ 9\t   99.00\r\n", 2};
    auto* window = new DataListQWindow(list);
    EXPECT_EQ(window->objectName(), "LISTDLG");
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("データリスト"));
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(Box(*window, 801).text(), QString::fromUtf8("テスト銘柄"));
    auto* table = Child<QPlainTextEdit>(*window, "820");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->toPlainText(), " 2025/12/10\t  100.00\n 2025/12/ 9\t   99.00\n");
    EXPECT_TRUE(table->isReadOnly());
    QSignalSpy closed(window, &DataListQWindow::closed);
    window->show();
    Click(*window, 1);
    EXPECT_EQ(closed.count(), 1);
    QPointer<DataListQWindow> gone(window);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
}

}  // namespace
}  // namespace korvo::qt
