#include "platform/codec.h"

#include <gtest/gtest.h>

namespace korvo::platform {
namespace {

TEST(Codec, RoundTripsJapaneseAndHalfWidthKana) {
    const std::string samples[] = {
        "Orvane(Korvo ﾁｬｰﾄ)",
        "データー量が不足です！（最少５セット以上）",
        "ﾃﾞｰﾀ ﾌｧｲﾙ エラーです！No.%d",
        "\xE3\x80\x80全角スペース",  // U+3000, 0x81 0x40 in CP932
        "",
    };
    for (const std::string& utf8 : samples) {
        const auto cp932 = Utf8ToCp932(utf8);
        ASSERT_TRUE(cp932.has_value()) << utf8;
        const auto back = Cp932ToUtf8(*cp932);
        ASSERT_TRUE(back.has_value()) << utf8;
        EXPECT_EQ(*back, utf8);
    }
    // Known bytes: the full-width space and a half-width katakana.
    EXPECT_EQ(*Utf8ToCp932("\xE3\x80\x80"), "\x81\x40");
    EXPECT_EQ(*Utf8ToCp932("ﾁ"), "\xC1");
}

TEST(Codec, RefusesWhatDoesNotDecode) {
    EXPECT_FALSE(Cp932ToUtf8("abc\x81").has_value());       // lead byte at the end
    EXPECT_FALSE(Cp932ToUtf8("\x81\x20xyz").has_value());   // lead byte with a bad trail
    EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x98\x80").has_value());  // no CP932 form
    EXPECT_FALSE(Utf8ToCp932("\xC3").has_value());          // broken UTF-8
    // The lossy form keeps everything around the damage visible.
    EXPECT_EQ(Cp932ToUtf8Lossy("ab\x81\x20" "cd"), "ab\xEF\xBF\xBD" "cd");
    EXPECT_EQ(Cp932ToUtf8Lossy("ok\x81"), "ok\xEF\xBF\xBD");
}

TEST(Codec, ScanningStepsOverDoubleByteCharacters) {
    // 0x81 0x40 (full-width space) and 0x83 0x5F (ダ) hide '@' and '_' as trail bytes;
    // 0x95 0x5C (表) hides a backslash.
    const std::string text = "\x81\x40\x83\x5F\x95\x5C" "a@b_c\\";
    EXPECT_EQ(FindSingleByte(text, '@'), 7u);
    EXPECT_EQ(FindSingleByte(text, '_'), 9u);
    EXPECT_EQ(FindSingleByte(text, '\\'), 11u);
    EXPECT_EQ(FindSingleByte(text, '@', 8), std::string_view::npos);
    EXPECT_EQ(FindSingleByte("\x81\x40\x81\x40", '@'), std::string_view::npos);
    // A lead byte at the very end is a character of its own.
    EXPECT_EQ(CharLengthAt("a\x81", 1), 1u);
    EXPECT_EQ(CharLengthAt("\x81\x40", 0), 2u);
    EXPECT_EQ(CharLengthAt("\xA0\x40", 0), 1u);  // 0xA0 is not a lead byte
}

}  // namespace
}  // namespace korvo::platform
