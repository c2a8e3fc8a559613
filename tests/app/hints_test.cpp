#include "app/hints.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "platform/codec.h"
#include "platform/recording_canvas.h"

namespace korvo::app {
namespace {

HintBook BuiltIn() {
    std::optional<HintBook> book = LoadHints();
    EXPECT_TRUE(book.has_value());
    return book.value_or(HintBook{});
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST(Hints, TheTwentyEightTopicsHaveTheirTitlesAndFitTheWindow) {
    const HintBook book = BuiltIn();
    const char* titles[] = {
        "各種チャートの表示切替",
        "グラフ上の個別ローソク足（４値）の読取り",
        "モニター上のグラフの価格を調べる",
        "グラフ上の全ローソク足のデータ値表示",
        "出来高急増、ＶＯＬアラーム",
        "グラフ表示開始日の設定",
        "プロット開始日の設定（最近の値動きの拡大）",
        "グラフタイトルの表示 ＯＦＦ",
        "グラフの拡大縮少",
        "カスタムサイズ",
        "手動スケーリング",
        "カラー設定",
        "カラー標準設定",
        "グラフパラメータ",
        "各種グラフ・チャートのパラメータ変更",
        "移動平均線のパラメータ変更",
        "データ（４値・出来高）一覧",
        "長期データーに毎日のデータを追加",
        "マルチ（多重）グラフ",
        "日足データから週足、月足",
        "文字、ラインの書き込み",
        "複数のチャートによる総合的な判断",
        "データファイル（カスタマイズ）",
        "ヘルプ（取扱い説明）",
        "プログラムの中止、終了",
        "ファイル ○○○○ に書込みできません！",
        "「表示」メニューの「ガイド・オフ」",
        "データファイルスキャンモードで隠れた「▼」「▲」メニューを",
    };
    std::set<std::string> bodies;
    for (int topic = 1; topic <= kHintTopicCount; ++topic) {
        const std::string& text = book.Text(topic);
        EXPECT_EQ(book.Title(topic), titles[topic - 1]) << topic;
        // Title, a blank line, then one to three paragraphs.
        const std::string title = titles[topic - 1];
        ASSERT_EQ(text.substr(0, title.size() + 2), title + "\n\n") << topic;
        const std::string body = text.substr(title.size() + 2);
        const std::size_t breaks = std::count(body.begin(), body.end(), '\n');
        EXPECT_LE(breaks, 4u) << topic;  // three paragraphs are two blank lines apart
        EXPECT_EQ(body.find("\n\n\n"), std::string::npos) << topic;
        EXPECT_GT(body.size(), 60u) << topic << ": guidance, not a stub";
        bodies.insert(body);
        // Under 400 bytes in Shift-JIS, even counted with the window's CR LF line ends.
        const std::optional<std::string> sjis = platform::Utf8ToCp932(Replace(text, "\n", "\r\n"));
        ASSERT_TRUE(sjis.has_value()) << topic;
        EXPECT_LT(sjis->size(), kHintTextLimit) << topic;
    }
    EXPECT_EQ(bodies.size(), 28u) << "every topic has its own guidance";
    EXPECT_EQ(book.Text(0), book.Text(1));
    EXPECT_EQ(book.Text(29), book.Text(0));
    EXPECT_EQ(book.Text(-1), book.Text(0));
}

TEST(Hints, PagingRunsRoundTopicsOneToTwentyEight) {
    const HintBook book = BuiltIn();
    const struct {
        int start;
        bool next;
        int expected;
    } steps[] = {
        {0, false, 28},  // the first press after program start, backwards
        {0, true, 1},
        {1, false, 28},
        {28, true, 1},
        {27, true, 28},
        {2, false, 1},
        {17, true, 18},
        {17, false, 16},
        {99, true, 1},  // a value that cannot be stored counts as
                        // the start value
        {-4, false, 28},
    };
    for (const auto& s : steps) {
        int hintTopic = s.start;
        HintPager pager(book, hintTopic);
        pager.Open();
        if (s.next)
            pager.Next();
        else
            pager.Previous();
        EXPECT_EQ(hintTopic, s.expected) << s.start << (s.next ? " next" : " previous");
        EXPECT_EQ(pager.ShownTopic(), s.expected);
        EXPECT_EQ(pager.Text(), book.Text(s.expected));
    }

    // Twenty-eight presses forward from 1 visit every topic once and come back to 1;
    // the same backwards.
    for (bool forward : {true, false}) {
        int hintTopic = 1;
        HintPager pager(book, hintTopic);
        std::set<int> seen;
        for (int press = 0; press < 28; ++press) {
            forward ? pager.Next() : pager.Previous();
            seen.insert(hintTopic);
        }
        EXPECT_EQ(hintTopic, 1) << forward;
        EXPECT_EQ(seen.size(), 28u);
        EXPECT_EQ(*seen.begin(), 1);
        EXPECT_EQ(*seen.rbegin(), 28);
    }
}

TEST(Hints, OpeningShowsTopicSeventeenAndKeepsTheTopicLastChosen) {
    const HintBook book = BuiltIn();
    int hintTopic = 0;
    {
        HintPager first(book, hintTopic);
        first.Open();
        EXPECT_EQ(first.ShownTopic(), 17);
        EXPECT_EQ(first.Text(), book.Text(17));
        EXPECT_EQ(hintTopic, 0);
        first.Next();
        first.Next();
        first.Next();
        EXPECT_EQ(hintTopic, 3);
    }
    // The window is closed and opened again: topic 17 again, and paging goes
    // on from the topic chosen before.
    HintPager second(book, hintTopic);
    second.Open();
    EXPECT_EQ(second.ShownTopic(), 17);
    EXPECT_EQ(hintTopic, 3);
    second.Next();
    EXPECT_EQ(second.ShownTopic(), 4);
}

TEST(Hints, BrokenHintTextsAreRefused) {
    std::string all;
    for (int topic = 1; topic <= kHintTopicCount; ++topic)
        all += "@@ " + std::to_string(topic) + "\nタイトル" + std::to_string(topic) +
               "\n\n説明です。\n";
    ASSERT_TRUE(ParseHints(all).book.has_value()) << ParseHints(all).error;

    const std::string tooLong = "@@ 5\nタイトル5\n\n" + std::string(390, 'x') + "\n";
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {Replace(all, "@@ 7\n", "@@ 6\n"), "topic 6 appears twice"},
        {Replace(all, "@@ 28\nタイトル28\n\n説明です。\n", ""), "topic 28: is missing"},
        {Replace(all, "@@ 3\n", "@@ 29\n"), "a topic number must be 1 to 28"},
        {Replace(all, "@@ 3\n", "@@ 3a\n"), "a topic number must be 1 to 28"},
        {Replace(all, "@@ 3\n", "@@ 0\n"), "a topic number must be 1 to 28"},
        {Replace(all, "タイトル4\n\n", "タイトル4\n"), "topic 4: needs a title"},
        {Replace(all, "タイトル4\n\n説明です。\n", "タイトル4\n\n"), "topic 4: needs a title"},
        {Replace(all, "@@ 5\nタイトル5\n\n説明です。\n", tooLong), "topic 5: is 401 bytes"},
        {Replace(all, "タイトル9\n\n説明です。", "タイトル9\n\n説明です。😀"),
         "topic 9: holds characters that Shift-JIS cannot carry"},
        {"前置き\n" + all, "line 1: text before the first topic"},
    };
    for (const auto& c : cases) {
        const HintParseResult result = ParseHints(c.text);
        EXPECT_FALSE(result.book.has_value()) << c.error;
        EXPECT_NE(result.error.find(c.error), std::string::npos)
            << "expected " << c.error << ", got " << result.error;
    }
}

TEST(Hints, HintTextIsWrappedIntoItsBoxInDarkRedAndTheCanvasIsLeftAsFound) {
    platform::RecordingCanvas canvas({400, 250});
    const platform::Font before{"Aerial", -20,   700, true,
                                false,    false, 0,   platform::Charset::Default};
    canvas.SelectFont(before);
    canvas.SetTextColour(0x00FF00);
    canvas.SetBackgroundMode(platform::BackgroundMode::Opaque);

    DrawHint(canvas, "タイトル\n\n本文");

    ASSERT_EQ(canvas.Calls().size(), 1u);
    const platform::CanvasCall& call = canvas.Calls()[0];
    EXPECT_EQ(call.kind, platform::CallKind::WrappedText);
    EXPECT_EQ(call.AsRect(), (platform::Rect{15, 15, 340, 200}));
    EXPECT_EQ(call.text, "タイトル\n\n本文");
    EXPECT_EQ(call.font.face, "MS UI Gothic");
    EXPECT_EQ(call.font.height, 12);
    EXPECT_EQ(call.font.weight, 400);
    EXPECT_FALSE(call.font.italic);
    EXPECT_EQ(call.font.charset, platform::Charset::ShiftJis);
    EXPECT_EQ(call.textColour, 0x0000B2u);
    EXPECT_EQ(call.backgroundMode, platform::BackgroundMode::Transparent);
    EXPECT_EQ(call.mapMode, platform::MapMode::Device);

    EXPECT_EQ(canvas.CurrentFont(), before);
    DrawHint(canvas, "x");
    EXPECT_EQ(canvas.Calls()[1].textColour, 0x0000B2u);
    canvas.TextOut({0, 0}, "after");
    EXPECT_EQ(canvas.Calls()[2].textColour, 0x00FF00u);
    EXPECT_EQ(canvas.Calls()[2].backgroundMode, platform::BackgroundMode::Opaque);
}

}  // namespace
}  // namespace korvo::app
