// The record correction dialog: its preset texts and its checks in order.
#include <gtest/gtest.h>

#include "data/record_correction.h"
#include "platform/scripted_prompts.h"

namespace korvo::data {
namespace {

using Fields = RecordCorrection::Fields;

TEST(RecordCorrection, ShowsTheRecordAsReadAndAcceptsOneEqualPrice) {
    platform::ScriptedPrompts prompts;
    RecordCorrection dialog({2004, 1, 7, 95.25f, 90, 100, 95, 1000}, prompts);
    EXPECT_EQ(dialog.Initial(), (Fields{"2004", "1", "7", "95.25", "90", "100", "95", "1000"}));
    const auto r = dialog.Accept({"04", " 1", "7 ", "1234.5", "1234.5", "1234.5", "1234.5", "0"});
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, (RecordValues{2004, 1, 7, 1234.5f, 1234.5f, 1234.5f, 1234.5f, 0}));
    EXPECT_EQ(dialog.Result(), r);
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST(RecordCorrection, RefusesTheFirstBadFieldWithItsMessage) {
    const Fields good{"2004", "1", "7", "100", "110", "90", "105", "1000"};
    struct Case {
        Fields fields;
        const char* text;
    };
    auto with = [&](std::size_t i, const char* text) {
        Fields f = good;
        f[i] = text;
        return f;
    };
    auto with2 = [&](std::size_t i, const char* a, std::size_t j, const char* b) {
        Fields f = with(i, a);
        f[j] = b;
        return f;
    };
    const Case cases[] = {
        {with(0, "2050"), "設定年要修正！"},
        {with(0, "-1"), "設定年要修正！"},
        {with(0, "x"), "設定年要修正！"},
        {with2(0, "", 1, "13"), "設定年要修正！"},
        {with(1, "0"), "設定月は 1 から 12 まで！"},
        {with2(1, "13", 2, "0"), "設定月は 1 から 12 まで！"},
        {with(2, "32"), "設定日は 1 から 31 まで！"},
        {with(2, ""), "設定日は 1 から 31 まで！"},
        {with2(3, "0", 4, "0"), "始値エラー"},
        {with(3, "abc"), "始値エラー"},
        {with(4, "-110"), "高値エラー"},
        {with(4, "1e39"), "高値エラー"},
        {with(5, "0.0"), "安値エラー"},
        {with(6, "nan"), "終値エラー"},
        {with(7, "-1"), "出来高エラー"},
        {with(7, ""), "出来高エラー"},
        {with2(4, "80", 7, "-5"), "出来高エラー"},
        {with(4, "80"), "ﾃﾞｰﾀ誤り 高値＜安値"},
        {with(6, "111"), "ﾃﾞｰﾀ が 高値・安値外にあります。"},
        {with(3, "89.99"), "ﾃﾞｰﾀ が 高値・安値外にあります。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        platform::ScriptedPrompts prompts;
        RecordCorrection dialog({}, prompts);
        EXPECT_FALSE(dialog.Accept(c.fields));
        EXPECT_FALSE(dialog.Result());
        ASSERT_EQ(prompts.Messages().size(), 1u);
        EXPECT_EQ(prompts.Messages()[0].text, c.text);
        EXPECT_EQ(prompts.Messages()[0].caption, "エラーメッセージ");
        EXPECT_EQ(prompts.Messages()[0].icon, platform::Icon::Stop);
    }
}

TEST(RecordCorrection, TakesTheExtremesAFieldAccepts) {
    struct Case {
        Fields fields;
        RecordValues expected;
    };
    const Case cases[] = {
        {{"99", "12", "31", "0.01", "0.01", "0.01", "0.01", "2147483647"},
         {1999, 12, 31, 0.01f, 0.01f, 0.01f, 0.01f, 2147483647}},
        {{"49", "2", "31", "1", "3.4e38", "1", "2", "98765432101234"},
         {2049, 2, 31, 1, 3.4e38f, 1, 2, 98765432101234}},
    };
    for (const Case& c : cases) {
        platform::ScriptedPrompts prompts;
        RecordCorrection dialog({}, prompts);
        const auto r = dialog.Accept(c.fields);
        ASSERT_TRUE(r) << (prompts.Messages().empty() ? "" : prompts.Messages()[0].text);
        EXPECT_EQ(*r, c.expected);
    }
}

}  // namespace
}  // namespace korvo::data
