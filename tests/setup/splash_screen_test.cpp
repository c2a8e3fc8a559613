#include "setup/splash_screen.h"

#include <gtest/gtest.h>

#include "platform/recording_canvas.h"
#include "setup/setup_texts.h"

namespace korvo::setup {
namespace {

constexpr std::size_t kPatternTexts = 40 * 3;

// A text as the trace writes it: backslashes and line ends escaped.
std::string AsTraced(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\\n") : c == '\\' ? std::string("\\\\") : std::string(1, c);
    return out;
}

std::vector<std::string> Trace(int width, int height) {
    platform::RecordingCanvas canvas({width > 0 ? width : 640, height > 0 ? height : 480});
    DrawSplash(canvas, width, height);
    std::vector<std::string> lines;
    for (const platform::CanvasCall& call : canvas.Calls())
        lines.push_back(FormatCall(call));
    return lines;
}

TEST(Splash, FieldTitlesAndInstructionBoxAt1280x1024) {
    const std::vector<std::string> trace = Trace(1280, 1024);
    ASSERT_EQ(trace.size(), 1 + kPatternTexts + 8 + 2 + 1 + 1 + 3);
    EXPECT_EQ(trace[0], "fill 70,20 1210,944 brush=#74006e");
    const std::string roman = " centre/top font=\"ROMAN\"/34px/900/-/0 colour=";
    const std::string arial = " centre/top font=\"Arial\"/28px/900/i/0 colour=";
    const std::string impact = " centre/top font=\"Impact\"/36px/800/-/0 colour=";
    const std::string gothic = " font=\"ＭＳ Ｐゴシック\"/14px/800/-/0 colour=";
    const std::string series = " \"Personal Investor Series\"";
    const std::string product = " \" Korvo  Chart  8.05  \"";
    const std::string maker = " \"Korvo Software Works\"";
    const std::vector<std::string> expected = {
        "text 644,204" + roman + "#ffffff \"Orvane\"",
        "text 647,207" + roman + "#404040 \"Orvane\"",
        "text 645,205" + roman + "#ffd300 \"Orvane\"",
        "text 640,85" + arial + "#ffffff" + series,
        "text 643,88" + arial + "#404040" + series,
        "text 641,86" + arial + "#ff4040" + series,
        "text 643,375" + impact + "#ffffff" + product,
        "text 644,376" + impact + "#c600ba" + product,
        "roundrect 390,432 890,884 20,20 pen=solid/1/#000000 brush=#00007f",
        "roundrect 400,442 880,874 10,10 pen=solid/2/#8080ff brush=hollow",
        "wraptext 440,512 840,874 left/top" + gothic + "#7fff40 \"" + AsTraced(kSplashText) + "\"",
        "text 640,462 centre/top" + gothic + "#7fff40 \"＜Korvo チャートのインストール＞\"",
        "text 642,912 centre/top" + gothic + "#000000" + maker,
        "text 643,913 centre/top" + gothic + "#000000" + maker,
        "text 644,914 centre/top" + gothic + "#40ff7f" + maker,
    };
    EXPECT_EQ(std::vector<std::string>(trace.begin() + 1 + kPatternTexts, trace.end()), expected);
}

TEST(Splash, PatternRowsScaleWithTheScreenAndAZeroSizeCountsAs640x480) {
    const std::string font = " left/top font=\"Impact\"/60px/800/i/0 colour=";
    const std::string line = " \"" + SplashPatternLine() + "\"";
    struct Case {
        int width;
        int height;
        std::string fill;
        std::vector<std::string> firstRow;
        std::string lastText;
    };
    const Case cases[] = {
        {1280,
         1024,
         "fill 70,20 1210,944 brush=#74006e",
         {"text -821,-3" + font + "#400404" + line, "text -819,-1" + font + "#c2040e" + line,
          "text -820,-2" + font + "#800812" + line},
         "text 740,3118" + font + "#800812" + line},
        {1024,
         768,
         "fill 70,20 954,688 brush=#74006e",
         {"text -411,-2" + font + "#400404" + line, "text -409,0" + font + "#c2040e" + line,
          "text -410,-1" + font + "#800812" + line},
         "text 370,1559" + font + "#800812" + line},
        {0,
         0,
         "fill 70,20 570,400 brush=#74006e",
         {"text -411,-2" + font + "#400404" + line, "text -409,0" + font + "#c2040e" + line,
          "text -410,-1" + font + "#800812" + line},
         "text 370,1559" + font + "#800812" + line},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const std::vector<std::string> trace = Trace(c.width, c.height);
        ASSERT_GT(trace.size(), 1 + kPatternTexts);
        EXPECT_EQ(trace[0], c.fill);
        EXPECT_EQ(std::vector<std::string>(trace.begin() + 1, trace.begin() + 4), c.firstRow);
        EXPECT_EQ(trace[kPatternTexts], c.lastText);
    }
    EXPECT_NE(SplashPatternLine().find(kMakerName), std::string::npos);
}

}  // namespace
}  // namespace korvo::setup
