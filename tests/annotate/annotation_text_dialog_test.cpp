// DIALOG51's logic: the phrases it offers, what OK refuses and what it stores.
#include <gtest/gtest.h>

#include "annotate/annotation_file.h"
#include "annotate/annotation_text_dialog.h"
#include "annotate/phrase_list.h"
#include "platform/codec.h"
#include "platform/scripted_prompts.h"
#include "support/temp_dir.h"

namespace korvo::annotate {
namespace {

std::string Cp932(const std::string& utf8) {
    return *platform::Utf8ToCp932(utf8);
}

TEST(AnnotationTextDialog, OffersThePhrasesOfTheFirst5000BytesAndTheLastText) {
    korvo::test::TempDir dir;
    // Pieces between tabs, carriage returns and newlines; empty ones left out.
    // The list runs past 5000 bytes with a double-byte character cut by the limit.
    std::string list = Cp932("\n高値\t安値\r\n\n窓埋め\t");
    list += std::string(5000 - list.size() - 1, 'x');
    list += Cp932("株です");
    dir.Write(kPhraseListName, list);
    AnnotationState state;
    state.annotationText = "前回の語句";
    state.withArrow = true;
    platform::ScriptedPrompts prompts;
    AnnotationTextDialog dialog(state, dir.Path(), prompts);
    ASSERT_EQ(dialog.Phrases().size(), 4u);
    EXPECT_EQ(dialog.Phrases()[0], "高値");
    EXPECT_EQ(dialog.Phrases()[1], "安値");
    EXPECT_EQ(dialog.Phrases()[2], "窓埋め");
    EXPECT_EQ(dialog.Phrases()[3],
              std::string(5000 - Cp932("\n高値\t安値\r\n\n窓埋め\t").size() - 1, 'x'));
    EXPECT_EQ(dialog.InitialText(), "前回の語句");
    EXPECT_TRUE(dialog.InitiallyChecked(AnnotationTextDialog::kArrowControl));
    EXPECT_FALSE(dialog.InitiallyChecked(AnnotationTextDialog::kLineOnlyControl));

    korvo::test::TempDir empty;
    EXPECT_TRUE(AnnotationTextDialog(state, empty.Path(), prompts).Phrases().empty());
}

TEST(AnnotationTextDialog, RefusesAnEmptyTextUnlessALineIsDrawnAndStoresTheChoices) {
    struct Case {
        const char* text;
        bool lineOnly;
        bool accepted;
        const char* message;  // nullptr: none
    };
    const Case cases[] = {
        {"", false, false, AnnotationTextDialog::kNoTextText},
        {"\t\r\n", false, false, AnnotationTextDialog::kNoTextText},
        {"", true, true, nullptr},
        {"\t", true, true, nullptr},
        {" ", false, true, nullptr},  // a blank is text
        {"    ", false, true, nullptr},
        {"高値", false, true, nullptr},
        {"高値😀", false, false, AnnotationTextDialog::kBadCharacterText},
    };
    for (const Case& c : cases) {
        korvo::test::TempDir dir;
        AnnotationState state;
        state.annotationText = "before";
        platform::ScriptedPrompts prompts;
        AnnotationTextDialog dialog(state, dir.Path(), prompts);
        AnnotationTextDialog::Choices choices{c.text, true, true, c.lineOnly, true};
        EXPECT_EQ(dialog.Accept(choices), c.accepted) << c.text;
        ASSERT_EQ(prompts.Messages().size(), c.message ? 1u : 0u) << c.text;
        if (c.message) {
            EXPECT_EQ(prompts.Messages()[0].text, c.message);
            EXPECT_EQ(prompts.Messages()[0].caption, "メッセージ");
            EXPECT_EQ(state.annotationText, "before");
            EXPECT_FALSE(state.withArrow);
            continue;
        }
        EXPECT_EQ(state.annotationText, c.text);
        EXPECT_TRUE(state.withArrow && state.centred && state.savePhrase);
        EXPECT_EQ(state.lineOnly, c.lineOnly);
    }
    // A long text is cut to 127 bytes.
    korvo::test::TempDir dir;
    AnnotationState state;
    platform::ScriptedPrompts prompts;
    AnnotationTextDialog dialog(state, dir.Path(), prompts);
    EXPECT_TRUE(dialog.Accept({std::string(300, 'a'), false, false, false, false}));
    EXPECT_EQ(state.annotationText, std::string(127, 'a'));
}

TEST(PhraseList, NeverSavesATextThatBeginsWithFourBlanks) {
    EXPECT_FALSE(IsSavablePhrase("    "));
    EXPECT_FALSE(IsSavablePhrase("     底値"));
    EXPECT_TRUE(IsSavablePhrase("   底値"));
    EXPECT_TRUE(IsSavablePhrase(""));
    EXPECT_TRUE(IsSavablePhrase("\t   "));
}

}  // namespace
}  // namespace korvo::annotate
