// Reading the pieces of a data file: tokens and numbers, the header block,
// the title texts, and the recent-files list.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/data.h"
#include "platform/scripted_prompts.h"
#include "support/temp_dir.h"

namespace korvo::data {
namespace {

using korvo::test::ReadFile;
using korvo::test::TempDir;
using korvo::test::TestData;

const char kFormError[] = "ﾃﾞｰﾀ ﾌｫｰﾑ エラー\nコメントが長すぎるか '>' マークがありません！";

TEST(StkReader, TokensIgnoreLineBreaks) {
    StkReader in(" 210\r\n\tTitle  SUB\n\n\v2004 \f");
    std::string_view t[6];
    EXPECT_EQ(in.NextTokens(t, 6), 4);
    EXPECT_EQ(t[0], "210");
    EXPECT_EQ(t[1], "Title");
    EXPECT_EQ(t[3], "2004");
    EXPECT_FALSE(in.NextToken());
}

TEST(StkReader, NumbersAreReadAsTheCLibraryReadsThem) {
    EXPECT_EQ(WholeInt("2004"), 2004);
    EXPECT_EQ(WholeInt("+7"), 7);
    EXPECT_EQ(WholeInt("-3"), -3);
    EXPECT_FALSE(WholeInt("12x"));
    EXPECT_FALSE(WholeInt("x12"));
    EXPECT_FALSE(WholeInt("-"));
    EXPECT_FALSE(WholeInt(""));
    EXPECT_EQ(WholeInt("99999999999999999999"), std::numeric_limits<int>::max());

    EXPECT_EQ(LeadingInt("12x"), 12);
    EXPECT_EQ(LeadingInt("x"), 0);
    EXPECT_EQ(LeadingInt(""), 0);
    EXPECT_EQ(LeadingInt("-5"), -5);

    struct FloatCase {
        const char* text;
        float value;
    };
    const FloatCase floats[] = {
        {"1520", 1520.0f},
        {"1520.5", 1520.5f},
        {"0.1", 0.1f},
        {"-2.25", -2.25f},
        {"+3", 3.0f},
        {".5", 0.5f},
        {"5.", 5.0f},
        {"1e3", 1000.0f},
        {"12abc", 12.0f},
        {"abc", 0.0f},
        {"0x1A", 0.0f},
        {"nan", 0.0f},
        {"1e-60", 0.0f},
        {"0.00000000000000000000000000000000000000000000000001", 0.0f},
        {"16777217", 16777216.0f},  // rounded to nearest as a float
    };
    for (const auto& c : floats)
        EXPECT_EQ(LeadingFloat(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(LeadingFloat("1e60")));
    EXPECT_TRUE(std::isinf(LeadingFloat("99999999999999999999999999999999999999999")));
}

TEST(StkReader, VolumesKeepSixtyFourBitsExactly) {
    struct Case {
        const char* text;
        long long whole;
        float raw;
    };
    const Case cases[] = {
        {"555400", 555400, 555400.0f},
        {"11000000000", 11000000000LL, 11000000000.0f},  // index volumes beyond 2^31
        {"2147483649", 2147483649LL, 2147483649.0f},
        {"1234567891", 1234567891LL, 1234567891.0f},  // exact here, rounded in the float
        {"1500.9", 1500, 1500.9f},
        {"-20.7", -20, -20.7f},
        {"1e10", 10000000000LL, 1e10f},
        {"x", 0, 0.0f},
        {"99999999999999999999999", 9200000000000000000LL, 99999999999999999999999.0f},
    };
    for (const auto& c : cases) {
        const VolumeValue v = LeadingVolume(c.text);
        EXPECT_EQ(v.whole, c.whole) << c.text;
        EXPECT_EQ(v.raw, c.raw) << c.text;
    }
}

TEST(StkReader, AppendIntPadsLikePrintf) {
    std::string out;
    AppendInt(out, 2004, 4);
    AppendInt(out, 1, 2);
    AppendInt(out, -3, 4);
    AppendInt(out, 123456, 2);
    AppendInt(out, 0);
    EXPECT_EQ(out, "2004 1  -31234560");
}

std::string HeaderOfLength(std::size_t afterOpening) {
    // '<', then comment bytes, then '>' as the last of `afterOpening` bytes.
    return "<" + std::string(afterOpening - 1, 'c') + ">\n210\n";
}

TEST(HeaderBlock, LengthLimit) {
    struct Case {
        std::size_t length;
        int result;
    };
    const Case cases[] = {{1, 0}, {1479, 0}, {1480, 0}, {1481, -21}, {3000, -21}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text = HeaderOfLength(c.length);
        platform::ScriptedPrompts prompts;
        StkReader in(text);
        HeaderDirectives d;
        EXPECT_EQ(ReadHeaderBlock(in, d, prompts), c.result);
        StkReader copyIn(text);
        std::string header = "old";
        const int copied = CopyHeaderBlockText(copyIn, header);
        EXPECT_EQ(copied, c.result == 0 ? 1 : -21);
        if (c.result == 0) {
            EXPECT_EQ(in.Position(), c.length + 1);
            EXPECT_EQ(copyIn.Position(), c.length + 1);
            EXPECT_EQ(header, text.substr(0, c.length + 1));
            EXPECT_TRUE(prompts.Messages().empty());
        } else {
            EXPECT_EQ(in.Position(), 0u);
            EXPECT_EQ(copyIn.Position(), 0u);
            ASSERT_EQ(prompts.Messages().size(), 1u);
            EXPECT_EQ(prompts.Messages()[0].text, kFormError);
            EXPECT_EQ(prompts.Messages()[0].caption, "エラーメッセージ");
            EXPECT_EQ(prompts.Messages()[0].icon, platform::Icon::Stop);
        }
    }
}

TEST(HeaderBlock, Directives) {
    struct Case {
        const char* name;
        std::string text;
        int result;
        const char* chr;  // nullptr: no directive
        const char* box;
        std::size_t after;  // reader position after the call
    };
    const std::string longName(127, 'n');
    const Case cases[] = {
        {"none", "210\nT\n", 0, nullptr, nullptr, 0},
        {"empty file", "", 0, nullptr, nullptr, 0},
        {"both", "< c @d[A1.chr] @S[A1.box] >210", 0, "A1.chr", "A1.box", 27},
        {"upper d, text before [", "<@Dfile [X.chr]>", 0, "X.chr", nullptr, 16},
        {"other letters ignored", "<@x[Y] @ [Z]>", 0, nullptr, nullptr, 13},
        {"later one wins", "<@d[A]@d[B]>", 0, "B", nullptr, 12},
        {"'>' before '[' closes", "<@d no bracket> [late]", 0, nullptr, nullptr, 15},
        {"name of 127", "<@d[" + longName + "]>", 0, longName.c_str(), nullptr, 133},
        {"name of 128", "<@d[" + longName + "n]>", -21, nullptr, nullptr, 0},
        {"name not closed", "<@d[abc", -21, nullptr, nullptr, 0},
        {"no '>'", "< comment only\n210\n", -21, nullptr, nullptr, 0},
        {"'[' beyond 128 characters", "<@d" + std::string(128, '.') + "[late]>", 0, nullptr,
         nullptr, 138},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::ScriptedPrompts prompts;
        StkReader in(c.text);
        HeaderDirectives d;
        d.hasChrFile = d.hasBoxFile = true;  // left over from an earlier file
        EXPECT_EQ(ReadHeaderBlock(in, d, prompts), c.result);
        if (c.result == 0) {
            EXPECT_EQ(d.hasChrFile, c.chr != nullptr);
            if (c.chr) {
                EXPECT_EQ(d.chrFileName, c.chr);
            }
            EXPECT_EQ(d.hasBoxFile, c.box != nullptr);
            if (c.box) {
                EXPECT_EQ(d.boxFileName, c.box);
            }
        }
        EXPECT_EQ(in.Position(), c.after);
        EXPECT_EQ(prompts.Messages().size(), c.result == 0 ? 0u : 1u);
    }
}

TEST(HeaderBlock, DirectivesDoNotCountTowardTheLength) {
    // 1480 bytes of comment and '>' plus a directive: accepted by the parser,
    // while the verbatim copy counts every byte.
    const std::string text = "<@d[A.chr]" + std::string(1477, 'c') + ">210";
    platform::ScriptedPrompts prompts;
    StkReader in(text);
    HeaderDirectives d;
    EXPECT_EQ(ReadHeaderBlock(in, d, prompts), 0);
    EXPECT_EQ(d.chrFileName, "A.chr");
    std::string header;
    StkReader copyIn(text);
    EXPECT_EQ(CopyHeaderBlockText(copyIn, header), -21);
}

TEST(HeaderBlock, TrailBytesAreNeverDelimiters) {
    const auto bytes = ReadFile(TestData("sjis_header.stk"));
    ASSERT_FALSE(bytes.empty());
    // The comment's full-width blank is 0x81 0x40 and is followed by "data [wrong.chr]":
    // read byte by byte that would be the directive @d[wrong.chr].
    ASSERT_EQ(bytes.substr(0, 8),
              "<\x81\x40"
              "data ");
    platform::ScriptedPrompts prompts;
    StkReader in(bytes);
    HeaderDirectives d;
    ASSERT_EQ(ReadHeaderBlock(in, d, prompts), 0);
    EXPECT_TRUE(d.hasChrFile);
    EXPECT_EQ(d.chrFileName,
              "\x83\x5f\x83\x5d"
              "1.chr");  // ダゾ: trail bytes '_' and ']'
    EXPECT_TRUE(d.hasBoxFile);
    EXPECT_EQ(d.boxFileName,
              "\x83\x5b"
              "1.box");  // ゼ: trail byte '['
    EXPECT_EQ(in.NextToken(), "210");

    std::string header;
    StkReader copyIn(bytes);
    EXPECT_EQ(CopyHeaderBlockText(copyIn, header), 1);
    EXPECT_EQ(header.back(), '>');
    EXPECT_EQ(copyIn.NextToken(), "210");
}

TEST(HeaderBlock, CopyWritesTheBlockAndALineBreak) {
    platform::ScriptedPrompts prompts;
    StkReader with("<a @d[x]>\n\n210");
    std::string out = "start:";
    EXPECT_EQ(CopyHeaderBlock(with, out, prompts), 0);
    EXPECT_EQ(out, "start:<a @d[x]>\n");
    EXPECT_EQ(with.NextToken(), "210");

    StkReader without("210 T");
    out.clear();
    EXPECT_EQ(CopyHeaderBlock(without, out, prompts), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(without.NextToken(), "210");

    const std::string tooLong = HeaderOfLength(1481);
    StkReader longIn(tooLong);
    EXPECT_EQ(CopyHeaderBlock(longIn, out, prompts), -21);
    EXPECT_EQ(out, "");
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, kFormError);
}

TEST(DataText, UnderscoresBecomeBlanksButNotTrailBytes) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"Sony_Corp_", "Sony Corp "},
        {"\x83\x5f"
         "_\x83\x5f",
         "\x83\x5f \x83\x5f"},  // ダ_ダ: the trail byte 0x5F stays
        {"", ""},
        {std::string(130, '_'), std::string(127, ' ')},
        // 126 bytes then a double-byte character: it does not fit and is not cut in half.
        {std::string(126, 'a') + "\x83\x5f", std::string(126, 'a')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlanksFromUnderscores(c.in), c.out) << c.in;
    EXPECT_EQ(DisplayToken("\x83\x5f\x83\x43\x83\x84_\x8b\x40\x8a\x42"), "ダイヤ 機械");
}

TEST(DataText, DigitsAndFractions) {
    EXPECT_EQ(IsAllDigits("2004"), 1);
    EXPECT_EQ(IsAllDigits(""), 1);
    EXPECT_LT(IsAllDigits("a004"), 0);
    EXPECT_LT(IsAllDigits("200a"), 0);
    EXPECT_LT(IsAllDigits("-1"), 0);
    EXPECT_NE(IsAllDigits("20 4"), 1);
    EXPECT_EQ(IsAllDigits(std::string(64, '1')), 1);
    EXPECT_EQ(IsAllDigits(std::string(65, '1')), -2);

    struct Case {
        float price;
        bool fraction;
    };
    const Case cases[] = {{1520.0f, false}, {1520.5f, true}, {0.29f, true},
                          {2.0f, false},    {0.0f, false},   {-3.25f, true},
                          {-4.0f, false},   {1.1f, true},    {123456.0f, false}};
    for (const Case& c : cases)
        EXPECT_EQ(PriceHasFraction(c.price), c.fraction) << c.price;
    EXPECT_FALSE(PriceHasFraction(std::numeric_limits<float>::infinity()));
    EXPECT_FALSE(PriceHasFraction(3e30f));
}

TEST(DataText, ErrorCodesBeepTwiceAndShowTheirText) {
    platform::ScriptedPrompts prompts;
    ShowErrorCode(prompts, -20);
    ShowErrorCode(prompts, -40);
    EXPECT_EQ(prompts.Beeps(), 4);
    ASSERT_EQ(prompts.Messages().size(), 2u);
    EXPECT_EQ(prompts.Messages()[0].text, "プログラムを稼働するだけのメモリーが足りません！");
    EXPECT_EQ(prompts.Messages()[1].text, "ﾃﾞｰﾀ ﾌｧｲﾙ エラーです！No.-40");
    for (const auto& m : prompts.Messages()) {
        EXPECT_EQ(m.caption, "エラーメッセージ");
        EXPECT_EQ(m.icon, platform::Icon::Stop);
    }
}

TEST(RecentFiles, NewestFirstWithoutDuplicates) {
    TempDir dir;
    const auto list = dir / "filename.chr";
    EXPECT_EQ(AddRecentDataFile("/data/a.stk", list), 1);
    EXPECT_EQ(ReadFile(list), "/data/a.stk ");
    EXPECT_EQ(AddRecentDataFile("/data/b.stk", list), 1);
    EXPECT_EQ(ReadFile(list), "/data/b.stk \n/data/a.stk ");
    EXPECT_EQ(AddRecentDataFile("/data/a.stk", list), 0);
    EXPECT_EQ(ReadFile(list), "/data/b.stk \n/data/a.stk ");

    // Entries of one character are dropped; blanks and '%' in a path survive.
    dir.Write("filename.chr", "x\n/old.stk\n");
    EXPECT_EQ(AddRecentDataFile("/my data/100%.stk", list), 1);
    EXPECT_EQ(ReadFile(list), "/my%20data/100%25.stk \n/old.stk ");
    EXPECT_EQ(ReadRecentDataFiles(list),
              (std::vector<std::string>{"/my data/100%.stk", "/old.stk"}));
    EXPECT_EQ(AddRecentDataFile("/my data/100%.stk", list), 0);
}

TEST(RecentFiles, ReadsAtMostAHundredEntries) {
    TempDir dir;
    std::string text;
    for (int i = 0; i < 150; ++i)
        text += "/f" + std::to_string(i) + ".stk ";
    dir.Write("filename.chr", text);
    EXPECT_EQ(ReadRecentDataFiles(dir / "filename.chr").size(), 100u);
    // Beyond the first hundred a path is not found, so it is added again.
    EXPECT_EQ(AddRecentDataFile("/f120.stk", dir / "filename.chr"), 1);
    const auto entries = ReadRecentDataFiles(dir / "filename.chr");
    EXPECT_EQ(entries.front(), "/f120.stk");
    EXPECT_EQ(entries.back(), "/f98.stk");
    EXPECT_EQ(ReadRecentDataFiles(dir / "missing.chr").size(), 0u);
}

}  // namespace
}  // namespace korvo::data
