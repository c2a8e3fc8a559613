// The custom size, display start and scale dialogs as the user works them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "platform/scripted_prompts.h"
#include "qt/dialogs/custom_size_dialog.h"
#include "qt/dialogs/dialog_test_support.h"
#include "qt/dialogs/display_start_dialog.h"
#include "qt/dialogs/scale_dialog.h"

namespace korvo::qt {
namespace {

using test::Child;
using test::HasLabel;

QLineEdit& Box(QWidget& dialog, const char* id) {
    QLineEdit* box = Child<QLineEdit>(dialog, id);
    if (!box) throw std::runtime_error(id);
    return *box;
}

void Click(QWidget& dialog, const char* id) {
    QAbstractButton* button = Child<QAbstractButton>(dialog, id);
    ASSERT_NE(button, nullptr);
    button->click();
}

TEST(CustomSizeQDialog, ShowsTheSizeInPercentRefuses301AndTakes300) {
    view::ViewState v;
    v.horizontalScale = 0.5f;
    v.verticalScale = 0.8f;
    platform::ScriptedPrompts prompts;
    view::CustomSizeDialog logic(v, prompts);
    CustomSizeQDialog dialog(logic);
    EXPECT_EQ(dialog.objectName(), "Dialog6");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("拡大縮小サイズ設定"));
    EXPECT_TRUE(HasLabel(dialog, "横幅"));
    EXPECT_TRUE(HasLabel(dialog, "縦長"));
    EXPECT_EQ(Box(dialog, "601").text(), "50");
    EXPECT_EQ(Box(dialog, "602").text(), "80");
    dialog.show();

    Box(dialog, "601").setText("301");
    Click(dialog, "1");
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "Max size upto 300 percent");
    EXPECT_FLOAT_EQ(v.horizontalScale, 0.5f);

    Box(dialog, "601").setText("300");
    Box(dialog, "602").setText("300");
    Click(dialog, "1");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(v.horizontalScale, 3.0f);
    EXPECT_FLOAT_EQ(v.verticalScale, 3.0f);
    EXPECT_TRUE(v.scrollBarsShown);

    // Cancel stores nothing.
    view::ViewState w;
    view::CustomSizeDialog other(w, prompts);
    CustomSizeQDialog cancelled(other);
    cancelled.show();
    Box(cancelled, "601").setText("120");
    Click(cancelled, "2");
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_FLOAT_EQ(w.horizontalScale, 0.2f);
}

TEST(DisplayStartQDialog, KeepsTheTenYearRuleAndStoresTheStart) {
    auto series = std::make_unique<data::PriceSeries>();
    series->fileTypeId = 210;
    series->barCount = 2;
    series->year[0] = 1990;
    series->year[1] = 2004;
    series->plotStartYear = 1998;
    series->plotStartMonth = 3;
    view::ViewState v;
    platform::ScriptedPrompts prompts;
    view::DisplayStartDialog logic(*series, v, prompts);
    DisplayStartQDialog dialog(logic);
    EXPECT_EQ(dialog.objectName(), "Dialog11");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("表示開始日設定"));
    EXPECT_TRUE(HasLabel(dialog, "チャート表示 年(西暦下２桁)"));
    EXPECT_TRUE(HasLabel(dialog, "チャート開始 月"));
    EXPECT_EQ(Box(dialog, "1101").text(), "98");
    EXPECT_EQ(Box(dialog, "1102").text(), "3");
    dialog.show();

    Box(dialog, "1101").setText("93");
    Click(dialog, "1");
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_NE(prompts.Messages()[0].text.find("最終のデータは　2004　年　です。"),
              std::string::npos);

    Box(dialog, "1101").setText("95");
    Box(dialog, "1102").setText("10");
    Click(dialog, "1");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(series->plotStartYear, 1995);
    EXPECT_EQ(series->plotStartMonth, 10);
    EXPECT_TRUE(v.displayStartChanged);
}

struct ScaleSetUp {
    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    std::unique_ptr<chart::ChartGeometry> geometry = std::make_unique<chart::ChartGeometry>();
    view::ViewState view;
    platform::ScriptedPrompts prompts;
    ScaleSetUp() {
        geometry->topPrice = 3000.0f;
        geometry->bottomPrice = 1000.0f;
        view.manualTopPrice = 2600.0f;
        view.manualBottomPrice = 1200.0f;
        view.manualVolumeMax = 50000;
    }
};

TEST(ScaleQDialog, ManualFillsTheLastEntriesAndOkChecksThem) {
    ScaleSetUp s;
    view::ScaleDialog logic(s.view, *s.series, *s.geometry, s.prompts);
    ScaleQDialog dialog(logic);
    EXPECT_EQ(dialog.objectName(), "AUTOSCALE");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("自動－手動 目盛設定"));
    EXPECT_EQ(Child<QRadioButton>(dialog, "9311")->text(), QString::fromUtf8("自動設定"));
    EXPECT_EQ(Child<QRadioButton>(dialog, "9312")->text(), QString::fromUtf8("手動設定"));
    EXPECT_TRUE(Child<QRadioButton>(dialog, "9311")->isChecked());
    EXPECT_TRUE(HasLabel(dialog, "Price Max"));
    EXPECT_TRUE(HasLabel(dialog, "Price Min"));
    EXPECT_TRUE(HasLabel(dialog, "Volume Max"));
    EXPECT_EQ(Box(dialog, "9313").text(), "   3000.00");
    EXPECT_EQ(Box(dialog, "9314").text(), "   1000.00");
    EXPECT_EQ(Box(dialog, "9315").text(), "50000");
    dialog.show();

    Click(dialog, "9312");
    EXPECT_TRUE(s.view.manualScale);
    EXPECT_EQ(Box(dialog, "9313").text(), "2600");
    EXPECT_EQ(Box(dialog, "9314").text(), "1200");
    Box(dialog, "9313").setText("1100");
    Click(dialog, "1");
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(s.prompts.Messages().size(), 1u);
    EXPECT_EQ(s.prompts.Messages()[0].text, "ﾊﾟﾗﾒﾀｰ設定ｴﾗｰ、再設定してください。");
    Box(dialog, "9313").setText("1200");
    Click(dialog, "1");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), view::kScaleClosed);
    EXPECT_FLOAT_EQ(s.view.manualTopPrice, 1200.0f);
    EXPECT_FLOAT_EQ(s.series->maxHigh, 1200.0f);
}

TEST(ScaleQDialog, AutomaticClosesAtOnceAndEscapeChangesNothing) {
    ScaleSetUp s;
    s.view.manualScale = true;
    view::ScaleDialog logic(s.view, *s.series, *s.geometry, s.prompts);
    ScaleQDialog dialog(logic);
    EXPECT_TRUE(Child<QRadioButton>(dialog, "9312")->isChecked());
    dialog.show();
    Click(dialog, "9311");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), view::kScaleChoseAutomatic);
    EXPECT_FALSE(s.view.manualScale);

    // Manual chosen, then Escape: the mode goes back, the dialog says "no change".
    ScaleSetUp t;
    view::ScaleDialog other(t.view, *t.series, *t.geometry, t.prompts);
    ScaleQDialog escaped(other);
    escaped.show();
    Click(escaped, "9312");
    EXPECT_TRUE(t.view.manualScale);
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_EQ(escaped.result(), view::kScaleClosed);
    EXPECT_FALSE(t.view.manualScale);
}

}  // namespace
}  // namespace korvo::qt
