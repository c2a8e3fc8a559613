// The three indicator parameter dialogs as the user works them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "platform/scripted_prompts.h"
#include "qt/dialogs/dialog_test_support.h"
#include "qt/dialogs/momentum_param_dialog.h"
#include "qt/dialogs/parameter_table_dialog.h"
#include "qt/dialogs/rci_param_dialog.h"

namespace korvo::qt {
namespace {

using test::Child;
using test::HasLabel;

QString Text(QWidget& dialog, const char* id) {
    return Child<QLineEdit>(dialog, id)->text();
}

TEST(MomentumParamQDialog, ShowsThePeriodsRefusesZeroAndStoresOnOk) {
    indicators::IndicatorParams params;
    params.maWeekly1 = 11;
    platform::ScriptedPrompts prompts;
    indicators::MomentumParamDialog logic(params, prompts);
    MomentumParamQDialog dialog(logic);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("移動平均・ﾊﾟﾗﾒｰﾀ設定"));
    EXPECT_TRUE(HasLabel(dialog, "Days 1"));
    EXPECT_TRUE(HasLabel(dialog, "Months 2"));
    EXPECT_EQ(Text(dialog, "801"), "25");
    EXPECT_EQ(Text(dialog, "803"), "11");
    EXPECT_EQ(Text(dialog, "806"), "6");

    Child<QLineEdit>(dialog, "802")->setText("0");
    Child<QPushButton>(dialog, "1")->click();
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "ﾊﾟﾗﾒｰﾀ 設定エラー");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);  // still open, nothing decided
    EXPECT_EQ(params.maDaily2, 50);

    // The standard values refill the fields and stay even after Cancel.
    Child<QPushButton>(dialog, "standard")->click();
    EXPECT_EQ(Text(dialog, "802"), "50");
    EXPECT_EQ(Text(dialog, "803"), "13");
    EXPECT_EQ(params.maWeekly1, 13);
    Child<QLineEdit>(dialog, "801")->setText("20");
    Child<QPushButton>(dialog, "1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(params.maDaily1, 20);
}

TEST(ParameterTableQDialog, TwentyOneFieldsStandardAndCancel) {
    indicators::IndicatorParams params;
    params.table.rsiPeriod = 7;
    std::int32_t watch = 44;
    indicators::ParameterTableDialog logic(params, watch);
    ParameterTableQDialog dialog(logic);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("ﾊﾟﾗﾒｰﾀ 表"));
    EXPECT_TRUE(HasLabel(dialog, "チャート パラメータ表"));
    EXPECT_TRUE(HasLabel(dialog, "ﾃﾞｨﾚｸｼｮﾅﾙ Mov"));
    EXPECT_EQ(dialog.findChildren<QLineEdit*>().size(), 21);
    EXPECT_EQ(Text(dialog, "808"), "7");
    EXPECT_EQ(Text(dialog, "821"), "44");
    // Cancel reads nothing.
    Child<QLineEdit>(dialog, "808")->setText("99");
    Child<QPushButton>(dialog, "2")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(params.table.rsiPeriod, 7);

    indicators::ParameterTableDialog logicAgain(params, watch);
    ParameterTableQDialog again(logicAgain);
    Child<QPushButton>(again, "standard")->click();
    EXPECT_EQ(Text(again, "808"), "14");
    EXPECT_EQ(watch, 30);
    Child<QLineEdit>(again, "818")->setText("40");
    Child<QPushButton>(again, "1")->click();
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_EQ(params.table.envelopePeriod, 40);
    EXPECT_EQ(params.table.rsiPeriod, 14);
}

TEST(RciParamQDialog, PeriodSpinDataSetAndRefusal) {
    indicators::IndicatorParams params;
    params.rciSeries = indicators::kRciOpen;
    platform::ScriptedPrompts prompts;
    indicators::RciParamDialog logic(params, prompts);
    RciParamQDialog dialog(logic);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("       RCI ﾁｬｰﾄﾊﾟﾗﾒｰﾀ"));
    EXPECT_EQ(Text(dialog, "801"), "15");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "123")->isChecked());
    Child<QRadioButton>(dialog, "121")->click();
    EXPECT_EQ(params.rciSeries, indicators::kRciHigh);
    Child<QToolButton>(dialog, "801up")->click();
    EXPECT_EQ(Text(dialog, "801"), "16");
    Child<QLineEdit>(dialog, "801")->setText("0");
    Child<QPushButton>(dialog, "1")->click();
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].caption, "警告メッセージ ");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    Child<QLineEdit>(dialog, "801")->setText("9");
    Child<QPushButton>(dialog, "1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(params.table.rciPeriod, 9);
}

}  // namespace
}  // namespace korvo::qt
