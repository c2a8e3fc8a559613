#include <gtest/gtest.h>

#include "platform/recording_canvas.h"
#include "platform/scripted_prompts.h"

namespace korvo::platform {
namespace {

TEST(CanvasUnits, LogicalTenthsOfMillimetreAt96Dpi) {
    struct Case {
        int logical;
        int pixels;
    };
    // 254 units are one inch = 96 pixels; halves round away from zero.
    const Case cases[] = {{0, 0}, {254, 96}, {-254, -96}, {1000, 378}, {100, 38},
                          {4, 2},  {-4, -2},  {1, 0},     {32000, 12094}};
    for (const Case& c : cases) EXPECT_EQ(LogicalToPixels(c.logical), c.pixels) << c.logical;
    EXPECT_EQ(PixelsToLogical(96), 254);
    EXPECT_EQ(PixelsToLogical(1), 3);
}

TEST(CanvasUnits, ViewportOriginAndUpwardY) {
    RecordingCanvas canvas;
    canvas.SetMapMode(MapMode::LoMetric);
    canvas.SetViewportOrigin({-50, -20});  // scrolled 50 px right and 20 px down
    EXPECT_EQ(canvas.LogicalToDevice(Point{254, -254}), (Point{46, 76}));
    EXPECT_EQ(canvas.LogicalToDevice(Point{0, 0}), (Point{-50, -20}));
    EXPECT_EQ(canvas.DeviceToLogical(Point{46, 76}), (Point{254, -254}));
    // A rectangle given top above bottom (y up) comes out normalised in device space.
    EXPECT_EQ(canvas.LogicalToDevice(Rect{0, 0, 254, -254}), (Rect{-50, -20, 46, 76}));

    canvas.SetMapMode(MapMode::Device);
    EXPECT_EQ(canvas.LogicalToDevice(Point{10, 10}), (Point{-40, -10}));
}

TEST(RecordingCanvas, RecordsDeviceCoordinatesAndStateInForce) {
    RecordingCanvas canvas({640, 480});
    canvas.SetMapMode(MapMode::LoMetric);
    canvas.SelectPen(Pen{PenStyle::Dot, 1, 0x808080});
    canvas.MoveTo({0, 0});
    canvas.LineTo({254, -508});
    canvas.SelectFont(Font{"Aerial", -33, 400, false, false, false, 0, Charset::Default});
    canvas.SetTextColour(0x00FF00);
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    canvas.SetTextAlign(HAlign::Right, VAlign::Top);
    {
        CanvasStateGuard guard(canvas);
        canvas.SetClip(Rect{10, 10, 100, 100});
        canvas.SetTextColour(0x0000FF);
        canvas.TextOut({508, -254}, "1520");
    }
    canvas.TextOut({508, -254}, "Max");

    ASSERT_EQ(canvas.Calls().size(), 3u);
    EXPECT_EQ(FormatCall(canvas.Calls()[0]), "line 0,0 96,192 pen=dot/1/#808080");
    EXPECT_EQ(FormatCall(canvas.Calls()[1]),
              "text 192,96 right/top font=\"Aerial\"/-33lu/400/-/0 colour=#ff0000 \"1520\" "
              "clip=10,10,100,100");
    // The guard restored the colour and removed the clip.
    EXPECT_EQ(FormatCall(canvas.Calls()[2]),
              "text 192,96 right/top font=\"Aerial\"/-33lu/400/-/0 colour=#00ff00 \"Max\"");
    // Colours with a flag byte on top are drawn with their low 24 bits.
    canvas.SetTextColour(0x20202009);
    canvas.TextOut({0, 0}, "t");
    EXPECT_NE(FormatCall(canvas.Calls().back()).find("colour=#092020"), std::string::npos);
}

TEST(RecordingCanvas, EstimatedTextWidthCountsHalfAndFullWidth) {
    EXPECT_EQ(EstimatedTextWidth("abcd", 10), 20);
    EXPECT_EQ(EstimatedTextWidth("株価", 10), 20);
    EXPECT_EQ(EstimatedTextWidth("ﾁｬｰﾄ", 10), 20);  // half-width katakana
    EXPECT_EQ(EstimatedTextWidth("", 10), 0);
}

TEST(ScriptedPrompts, AnswersQuestionsInOrderAndRecordsEverything) {
    ScriptedPrompts prompts;
    prompts.QueueAnswer(Answer::Yes);
    prompts.QueueAnswer(Answer::Retry);  // not offered by the next box: cautious answer instead
    EXPECT_EQ(prompts.ShowMessage("note", "メッセージ", Buttons::Ok, Icon::Information),
              Answer::Ok);  // plain boxes take nothing from the queue
    EXPECT_EQ(prompts.ShowMessage("q1", "c", Buttons::YesNo, Icon::Question), Answer::Yes);
    EXPECT_EQ(prompts.ShowMessage("q2", "c", Buttons::YesNoCancel, Icon::Question),
              Answer::Cancel);
    EXPECT_EQ(prompts.ShowMessage("q3", "c", Buttons::YesNo, Icon::Question), Answer::No);
    EXPECT_EQ(prompts.ShowMessage("q4", "c", Buttons::OkCancel, Icon::Question), Answer::Cancel);
    ASSERT_EQ(prompts.Messages().size(), 5u);
    EXPECT_EQ(prompts.Messages()[0].caption, "メッセージ");
    EXPECT_EQ(prompts.Messages()[0].icon, Icon::Information);
    EXPECT_EQ(prompts.Messages()[2].answer, Answer::Cancel);

    prompts.QueueFile(std::string("/data/a.stk"));
    prompts.QueueFile(std::nullopt);
    FileDialogRequest request{"ファイルオープン", {{"Data Files(*.stk)", "*.stk"}}, "dat", "", "",
                              true, false};
    EXPECT_EQ(prompts.OpenFile(request), std::optional<std::string>("/data/a.stk"));
    EXPECT_EQ(prompts.OpenFile(request), std::nullopt);
    EXPECT_EQ(prompts.SaveFile(request), std::nullopt);  // nothing queued: cancelled
    ASSERT_EQ(prompts.FileRequests().size(), 3u);
    EXPECT_EQ(prompts.FileRequests()[0].filters[0].label, "Data Files(*.stk)");

    CustomColours custom{};
    EXPECT_EQ(prompts.PickColour(0, custom), std::nullopt);
    prompts.QueueColour(0x00FF00);
    EXPECT_EQ(prompts.PickColour(0, custom), std::optional<Colour>(0x00FF00));
}

}  // namespace
}  // namespace korvo::platform
