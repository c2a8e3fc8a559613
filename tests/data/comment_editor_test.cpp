// The comment editor and the texts the editors write into a heading.
#include <gtest/gtest.h>

#include "data/comment_editor.h"
#include "data/heading_text.h"
#include "platform/codec.h"
#include "platform/scripted_prompts.h"

namespace korvo::data {
namespace {

std::string Sjis(const char* utf8) {
    return platform::Utf8ToCp932(utf8).value();
}

TEST(CommentEditor, ShowsTheHeaderAndStoresAtMost1427BytesOfWhatIsTyped) {
    platform::ScriptedPrompts prompts;
    std::string header = Sjis("< 注記 @d[A1.chr] >");
    CommentEditor editor(header, prompts);
    EXPECT_EQ(editor.Initial(), "< 注記 @d[A1.chr] >");

    editor.Accept("< 新しい注記 >");
    EXPECT_EQ(header, Sjis("< 新しい注記 >"));
    EXPECT_TRUE(prompts.Messages().empty());

    // 1426 bytes and a double-byte character: it would straddle the limit, so it goes.
    editor.Accept(std::string(1426, 'a') + "注");
    EXPECT_EQ(header, std::string(1426, 'a'));
    editor.Accept(std::string(1425, 'a') + "注b");
    EXPECT_EQ(header, std::string(1425, 'a') + Sjis("注"));

    // An empty comment is stored all the same, after the message.
    editor.Accept("");
    EXPECT_EQ(header, "");
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "ｺﾒﾝﾄ 未記入です！");
    EXPECT_EQ(prompts.Messages()[0].caption, "メッセージ");
}

TEST(HeadingText, TokensStayWholeAndDoubleByteCharactersAreLeftAlone) {
    struct Case {
        std::string cp932;
        bool colons;
        std::string token;
    };
    const Case cases[] = {
        {"My Title", false, "My_Title"},
        {"a\tb\r\nc", false, "a_b__c"},
        {"A:B C", true, "A_B_C"},
        {"A:B", false, "A:B"},
        {"", false, ".."},
        // 0x81 0x40 is the full-width blank: one character, not a blank byte.
        {Sjis("全　角"), false, Sjis("全　角")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HeadingToken(c.cp932, c.colons, ".."), c.token) << c.cp932;

    EXPECT_EQ(UpperCaseCp932(Sjis("ab7ッz")), Sjis("AB7ッZ"));
    EXPECT_EQ(CommentSafe("a>b"), Sjis("a＞b"));
    EXPECT_EQ(DirectiveSafe("a]b>"), Sjis("a］b＞"));
    // ゾ is 0x83 0x5D: its trail byte is a ']' that is not one.
    EXPECT_EQ(DirectiveSafe(Sjis("ゾ")), Sjis("ゾ"));
    EXPECT_EQ(Cp932ForFile("ab😀c"), "ab?c");
    EXPECT_EQ(Cp932ForFile("日本"), Sjis("日本"));
    EXPECT_EQ(BoxInt("  12x"), 12);
    EXPECT_EQ(BoxInt("x"), 0);
    EXPECT_TRUE(IsBlank(" \t"));
    EXPECT_TRUE(TokenFits(std::string(127, 'a')));
    EXPECT_FALSE(TokenFits(std::string(123, 'a'), 5));
}

}  // namespace
}  // namespace korvo::data
