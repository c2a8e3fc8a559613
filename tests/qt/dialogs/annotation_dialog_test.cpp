// DIALOG51 as the user works it: its controls by id, the phrases under the
// text box, the line-only box emptying the text, and OK refused on no text.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "annotate/annotation_file.h"
#include "platform/scripted_prompts.h"
#include "qt/dialogs/annotation_text_dialog.h"
#include "qt/dialogs/dialog_test_support.h"
#include "support/temp_dir.h"

namespace korvo::qt {
namespace {

using test::Child;
using test::HasLabel;

TEST(AnnotationTextQDialog, OffersThePhrasesEmptiesTheTextForALineAndRefusesNoText) {
    korvo::test::TempDir dir;
    dir.Write(annotate::kPhraseListName, "\n\x8d\x82\x92\x6c\t\x88\xc0\x92\x6c");  // 高値, 安値
    annotate::AnnotationState state;
    state.annotationText = "前回";
    state.centred = true;
    platform::ScriptedPrompts prompts;
    annotate::AnnotationTextDialog logic(state, dir.Path(), prompts);
    AnnotationTextQDialog dialog(logic);
    EXPECT_EQ(dialog.objectName(), "DIALOG51");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("文字書き込み"));
    EXPECT_TRUE(HasLabel(dialog, "表示語句 (max. 80 letters)"));
    EXPECT_TRUE(HasLabel(dialog, "（メモ）新規書込みは、ﾄﾞﾛｯﾌﾟﾀﾞｳﾝﾒﾆｭｰを消してから記入"));
    QComboBox* text = Child<QComboBox>(dialog, "7451");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->currentText(), QString::fromUtf8("前回"));
    ASSERT_EQ(text->count(), 2);
    EXPECT_EQ(text->itemText(1), QString::fromUtf8("安値"));
    const struct {
        const char* id;
        const char* label;
        bool checked;
    } boxes[] = {{"271", "矢印付き", false},
                 {"272", "ｾﾝﾀﾘﾝｸﾞ", true},
                 {"274", "ライン・線書込み", false},
                 {"273", "語句保存", false}};
    for (const auto& b : boxes) {
        QCheckBox* box = Child<QCheckBox>(dialog, b.id);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QString::fromUtf8(b.label));
        EXPECT_EQ(box->isChecked(), b.checked) << b.id;
    }
    dialog.show();

    // A line alone: the text goes; OK without a text is then refused until
    // the line box is checked.
    QCheckBox* line = Child<QCheckBox>(dialog, "274");
    line->click();
    EXPECT_TRUE(text->currentText().isEmpty());
    line->setChecked(false);
    Child<QPushButton>(dialog, "1")->click();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "表示語句を入力してください。");
    line->setChecked(true);
    Child<QPushButton>(dialog, "1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(state.lineOnly);
    EXPECT_TRUE(state.annotationText.empty());
}

}  // namespace
}  // namespace korvo::qt
