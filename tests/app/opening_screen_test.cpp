#include "app/opening_screen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_canvas.h"

namespace korvo::app {
namespace {

using platform::CallKind;
using platform::CanvasCall;
using platform::RecordingCanvas;

constexpr int kPatternTexts = 40 * 4;

std::vector<std::string> Trace(int width, int height) {
    RecordingCanvas canvas({width > 0 ? width : 640, height > 0 ? height : 480});
    DrawOpeningScreen(canvas, width, height);
    std::vector<std::string> lines;
    for (const CanvasCall& call : canvas.Calls())
        lines.push_back(platform::FormatCall(call));
    return lines;
}

// The calls after the background pattern: the title box, its bevel and the texts.
std::vector<std::string> AfterPattern(const std::vector<std::string>& trace) {
    if (trace.size() < 1 + kPatternTexts) return {};
    return std::vector<std::string>(trace.begin() + 1 + kPatternTexts, trace.end());
}

TEST(OpeningScreen, PictureAt1024x768) {
    const std::vector<std::string> trace = Trace(1024, 768);
    ASSERT_EQ(trace.size(), 1u + kPatternTexts + 1 + 6 + 13);
    EXPECT_EQ(trace[0], "fill 0,0 1024,768 brush=#004040 clip=0,0,1024,768");

    const std::string clip = " clip=0,0,1024,768";
    const std::vector<std::string> expected = {
        "rect 256,76 768,537 pen=solid/1/#000000 brush=#800000" + clip,
        "polyline 256,537 256,76 768,76 pen=solid/1/#ffffff" + clip,
        "polyline 266,527 266,86 758,86 pen=solid/1/#ffffff" + clip,
        "polyline 265,528 265,85 759,85 pen=solid/1/#000000" + clip,
        "polyline 264,529 264,84 760,84 pen=solid/1/#000000" + clip,
        "polyline 759,85 759,528 265,528 pen=solid/1/#000000" + clip,
        "polyline 758,86 758,527 266,527 pen=solid/1/#000000" + clip,
        "text 511,147 centre/top font=\"MS UI Gothic\"/30px/800/-/0 colour=#f7f7f7 \"Orvane\"" +
            clip,
        "text 513,149 centre/top font=\"MS UI Gothic\"/30px/800/-/0 colour=#000000 \"Orvane\"" +
            clip,
        "text 512,148 centre/top font=\"MS UI Gothic\"/30px/800/-/0 colour=#bcbcbc \"Orvane\"" +
            clip,
        "text 511,211 centre/top font=\"ARIAL\"/32px/900/i/0 colour=#ffffff \"Korvo Chart 8.05\"" +
            clip,
        "text 513,213 centre/top font=\"ARIAL\"/32px/900/i/0 colour=#758080 \"Korvo Chart 8.05\"" +
            clip,
        "text 514,214 centre/top font=\"ARIAL\"/32px/900/i/0 colour=#758080 \"Korvo Chart 8.05\"" +
            clip,
        "text 512,212 centre/top font=\"ARIAL\"/32px/900/i/0 colour=#c46060 \"Korvo Chart 8.05\"" +
            clip,
        "text 511,275 centre/top font=\"Times New Roman\"/32px/900/-/0 colour=#ffffff \"  Orvane "
        "\"" +
            clip,
        "text 513,277 centre/top font=\"Times New Roman\"/32px/900/-/0 colour=#404040 \"  Orvane "
        "\"" +
            clip,
        "text 512,276 centre/top font=\"Times New Roman\"/32px/900/-/0 colour=#bcbcbc \"  Orvane "
        "\"" +
            clip,
        "text 511,459 centre/top font=\"ARIAL\"/18px/200/i/0 colour=#ffffff "
        "\"Copyright (C) Korvo Software Works\"" +
            clip,
        "text 513,461 centre/top font=\"ARIAL\"/18px/200/i/0 colour=#404040 "
        "\"Copyright (C) Korvo Software Works\"" +
            clip,
        "text 512,460 centre/top font=\"ARIAL\"/18px/200/i/0 colour=#800000 "
        "\"Copyright (C) Korvo Software Works\"" +
            clip,
    };
    EXPECT_EQ(AfterPattern(trace), expected);
}

TEST(OpeningScreen, PictureAt640x480) {
    const std::vector<std::string> trace = Trace(640, 480);
    ASSERT_EQ(trace.size(), 1u + kPatternTexts + 1 + 6 + 13);
    EXPECT_EQ(trace[0], "fill 0,0 640,480 brush=#004040 clip=0,0,640,480");
    const std::vector<std::string> rest = AfterPattern(trace);
    const std::string clip = " clip=0,0,640,480";
    const std::vector<std::string> boxAndBevel = {
        "rect 160,48 480,336 pen=solid/1/#000000 brush=#800000" + clip,
        "polyline 160,336 160,48 480,48 pen=solid/1/#ffffff" + clip,
        "polyline 170,326 170,58 470,58 pen=solid/1/#ffffff" + clip,
        "polyline 169,327 169,57 471,57 pen=solid/1/#000000" + clip,
        "polyline 168,328 168,56 472,56 pen=solid/1/#000000" + clip,
        "polyline 471,57 471,327 169,327 pen=solid/1/#000000" + clip,
        "polyline 470,58 470,326 170,326 pen=solid/1/#000000" + clip,
    };
    ASSERT_EQ(rest.size(), 20u);
    EXPECT_EQ(std::vector<std::string>(rest.begin(), rest.begin() + 7), boxAndBevel);
    // The face copy of each text, centred on x 320 at its own height.
    EXPECT_EQ(rest[9].substr(0, 18), "text 320,100 centr");
    EXPECT_EQ(rest[13].substr(0, 18), "text 320,140 centr");
    EXPECT_EQ(rest[16].substr(0, 18), "text 320,180 centr");
    EXPECT_EQ(rest[19].substr(0, 18), "text 320,288 centr");
}

TEST(OpeningScreen, PatternRowsStartLeftOfTheWindowAndScaleWithTheDisplay) {
    const std::string line = "KorvoSoftwareWorksKorvoSoftwareWorksKorvoSoftwareWorks";
    EXPECT_EQ(OpeningPatternLine(), line);
    const std::string font = " left/top font=\"ARIAL\"/-40px/800/i/0";
    const struct {
        int width;
        int height;
        std::string clip;
        std::vector<std::string> firstRow;  // the four passes of row 0
        std::string lastText;               // row 39, final pass
    } cases[] = {
        {1024,
         768,
         " clip=20,15,1004,658",
         {"text -412,8", "text -411,9", "text -409,11", "text -410,10"},
         "text 370,1180"},
        {640,
         480,
         " clip=20,15,620,370",
         {"text -412,8", "text -411,9", "text -409,11", "text -410,10"},
         "text 370,1180"},
        // Two units across and down: the offsets of the passes stay one and two pixels.
        {1280,
         960,
         " clip=40,30,1240,740",
         {"text -822,18", "text -821,19", "text -819,21", "text -820,20"},
         "text 740,2360"},
        {1920,
         1080,
         " clip=60,30,1860,860",
         {"text -1232,18", "text -1231,19", "text -1229,21", "text -1230,20"},
         "text 1110,2360"},
    };
    const char* colours[] = {"#005454", "#005a5a", "#008080", "#006060"};
    for (const auto& c : cases) {
        const std::vector<std::string> trace = Trace(c.width, c.height);
        ASSERT_GT(trace.size(), static_cast<std::size_t>(kPatternTexts)) << c.width;
        for (int pass = 0; pass < 4; ++pass) {
            EXPECT_EQ(trace[1 + pass], c.firstRow[pass] + font + " colour=" + colours[pass] +
                                           " \"" + line + "\"" + c.clip)
                << c.width << "x" << c.height << " pass " << pass;
        }
        // Every row is issued, those below the clip too; each in the pattern's clip.
        for (int i = 0; i < kPatternTexts; ++i) {
            const std::string& call = trace[1 + i];
            EXPECT_EQ(call.substr(call.size() - c.clip.size()), c.clip) << i;
            EXPECT_NE(call.find(colours[i % 4]), std::string::npos) << i;
        }
        EXPECT_EQ(trace[kPatternTexts].substr(0, c.lastText.size() + 1), c.lastText + " ")
            << c.width;
    }
}

TEST(OpeningScreen, ADisplayWithoutASizeIsDrawnAs640x480) {
    const std::vector<std::string> expected = Trace(640, 480);
    EXPECT_EQ(Trace(0, 0), expected);
    EXPECT_EQ(Trace(0, 768), expected);
    EXPECT_EQ(Trace(1024, 0), expected);
}

TEST(OpeningScreen, TheCanvasStateIsRestoredAfterThePicture) {
    RecordingCanvas canvas({1024, 768});
    canvas.SetTextAlign(platform::HAlign::Right, platform::VAlign::Baseline);
    canvas.SetBackgroundMode(platform::BackgroundMode::Opaque);
    canvas.SetTextColour(0x123456);
    const platform::Pen pen{platform::PenStyle::Dot, 1, 0x0000FF};
    canvas.SelectPen(pen);
    DrawOpeningScreen(canvas, 1024, 768);
    // The box is outlined with the pen that was in force when the picture began.
    const std::vector<CanvasCall> rects = canvas.CallsOf(CallKind::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].pen, pen);

    canvas.ClearCalls();
    canvas.TextOut({5, 5}, "after");
    const CanvasCall& after = canvas.Calls().at(0);
    EXPECT_EQ(after.hAlign, platform::HAlign::Right);
    EXPECT_EQ(after.vAlign, platform::VAlign::Baseline);
    EXPECT_EQ(after.backgroundMode, platform::BackgroundMode::Opaque);
    EXPECT_EQ(after.textColour, 0x123456u);
    EXPECT_FALSE(after.clip.has_value());
    EXPECT_EQ(canvas.CurrentPen(), pen);
}

}  // namespace
}  // namespace korvo::app
