#include "view/drawing_objects.h"

#include <gtest/gtest.h>

#include "platform/recording_canvas.h"

namespace korvo::view {
namespace {

using platform::Charset;
using platform::PenStyle;

TEST(DrawingObjects, PensAndBrushesAreMadeInOrderFromTheColours) {
    ColourTable colours;
    DrawingObjects o;
    CreatePensAndBrushes(o, colours);
    ASSERT_TRUE(o.pensCreated);

    ASSERT_EQ(o.penCreationOrder.size(), 54u);
    EXPECT_EQ(o.penCreationOrder[0], "paletteBrush[0]");
    EXPECT_EQ(o.penCreationOrder[15], "paletteBrush[15]");
    EXPECT_EQ(o.penCreationOrder[16], "palettePen[0]");
    EXPECT_EQ(o.penCreationOrder[31], "palettePen[15]");
    const std::vector<std::string_view> rest(o.penCreationOrder.begin() + 32,
                                             o.penCreationOrder.end());
    EXPECT_EQ(rest, (std::vector<std::string_view>{"bollingerPen",     "volumeAveragePen",
                                                   "extraLinePens[0]", "extraLinePens[1]",
                                                   "extraLinePens[2]", "extraLinePens[3]",
                                                   "upBarPen3",        "downBarPen3",
                                                   "upBarPen10",       "downBarPen10",
                                                   "separatorPen",     "annotationPen",
                                                   "framePen",         "linePen",
                                                   "gridPen",          "ma1Pen",
                                                   "ma2Pen",           "annotationDashPen",
                                                   "downBarBrush",     "upBarBrush",
                                                   "priceAreaBrush",   "graphBackgroundBrush"}));

    struct Role {
        const char* name;
        platform::Pen pen;
        PenStyle style;
        int width;
        platform::Colour colour;
    };
    const Role roles[] = {
        {"frame", o.framePen, PenStyle::Solid, 1, 0x808080},
        {"line", o.linePen, PenStyle::Solid, 1, 0xFFFF00},
        {"grid", o.gridPen, PenStyle::Dot, 1, 0x808080},
        {"separator", o.separatorPen, PenStyle::Dot, 1, 0x808080},
        {"up 3", o.upBarPen3, PenStyle::Solid, 3, 0x00FF00},
        {"down 10", o.downBarPen10, PenStyle::Solid, 10, 0x0000FF},
        {"annotation", o.annotationPen, PenStyle::Solid, 1, 0x00FFFF},
        {"annotation dash", o.annotationDashPen, PenStyle::DashDotDot, 1, 0x00FFFF},
        {"ma1", o.ma1Pen, PenStyle::Dash, 1, 0x00FF00},
        {"ma2", o.ma2Pen, PenStyle::DashDot, 1, 0xFF00FF},
        {"bollinger", o.bollingerPen, PenStyle::Solid, 1, 0x00FFFF},
        {"volume average", o.volumeAveragePen, PenStyle::Solid, 1, 0x00FFFF},
        {"palette 4", o.palettePen[4], PenStyle::Solid, 1, 0x0000FF},
    };
    for (const Role& r : roles) {
        EXPECT_EQ(r.pen.style, r.style) << r.name;
        EXPECT_EQ(r.pen.width, r.width) << r.name;
        EXPECT_EQ(r.pen.colour, r.colour) << r.name;
    }
    EXPECT_EQ(o.paletteBrush[7].colour, 0x808080u);
    EXPECT_EQ(o.priceAreaBrush.colour, 0x800000u);
    EXPECT_EQ(o.graphBackgroundBrush.colour, 0x5B005Bu);
    EXPECT_EQ(o.dateText, 0xFFFFFFu);
    EXPECT_EQ(o.scaleText, 0x00FF00u);
    // The title colour carries a flag byte; only its low 24 bits are drawn.
    EXPECT_EQ(o.titleText, 0x202009u);
    EXPECT_EQ(colours.titleText, 0x20202009u);
}

TEST(DrawingObjects, FlagBytesNeverReachTheCanvas) {
    ColourTable colours;
    colours.frame = 0x7F123456;
    colours.priceArea = 0xFF654321;
    DrawingObjects o;
    CreatePensAndBrushes(o, colours);
    platform::RecordingCanvas canvas;
    canvas.SelectPen(o.framePen);
    canvas.SelectBrush(o.priceAreaBrush);
    canvas.SetTextColour(o.titleText);
    canvas.Rectangle({10, 10, 50, 50});
    canvas.TextOut({0, 0}, "x");
    ASSERT_EQ(canvas.Calls().size(), 2u);
    EXPECT_EQ(canvas.Calls()[0].pen.colour, 0x123456u);
    EXPECT_EQ(canvas.Calls()[0].brush.colour, 0x654321u);
    EXPECT_EQ(canvas.Calls()[1].textColour, 0x202009u);
}

TEST(DrawingObjects, DeleteAndRebuild) {
    ColourTable colours;
    DrawingObjects o;
    DeletePensAndBrushes(o);  // nothing made yet: nothing to release
    DeleteFonts(o);
    EXPECT_FALSE(o.pensCreated);
    EXPECT_EQ(o.penGeneration, 0);

    CreatePensAndBrushes(o, colours);
    DeletePensAndBrushes(o);
    EXPECT_FALSE(o.pensCreated);
    EXPECT_EQ(o.linePen, platform::Pen{});

    colours.lines = 0x0000AA;
    RebuildPensAndBrushes(o, colours);
    EXPECT_TRUE(o.pensCreated);
    EXPECT_EQ(o.penGeneration, 2);
    EXPECT_EQ(o.linePen.colour, 0x0000AAu);

    RebuildFonts(o, 1.0f, 0.5f);
    RebuildFonts(o, 1.0f, 1.0f);
    EXPECT_TRUE(o.fontsCreated);
    EXPECT_EQ(o.fontGeneration, 2);
    EXPECT_EQ(o.fontSize, 75);
    DeleteFonts(o);
    EXPECT_FALSE(o.fontsCreated);
}

TEST(DrawingObjects, ChartFontsFollowTheVerticalFactorUpTo75) {
    struct Case {
        float factor;
        int size, label, chart50, scale, japanese30, marker, signal, verticalValue;
    };
    const Case cases[] = {
        {0.5f, 50, 30, 25, 22, 15, 15, 18, 14}, {1.0f, 75, 45, 37, 33, 22, 22, 27, 21},
        {2.0f, 75, 45, 37, 33, 22, 22, 27, 21}, {0.7f, 70, 42, 35, 31, 21, 21, 25, 19},
        {0.25f, 25, 15, 12, 11, 7, 7, 9, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.factor);
        DrawingObjects o;
        CreateFonts(o, 0.2f, c.factor);
        EXPECT_EQ(o.fontSize, c.size);
        EXPECT_EQ(o.labelFont.height, -c.label);
        EXPECT_EQ(o.chart50Font.height, -c.chart50);
        EXPECT_EQ(o.scaleFont.height, -c.scale);
        EXPECT_EQ(o.chartJapanese30Font.height, -c.japanese30);
        EXPECT_EQ(o.markerFont.height, -c.marker);
        EXPECT_EQ(o.signalFont.height, -c.signal);
        EXPECT_EQ(o.verticalValueFont.height, -c.verticalValue);
        // The pixel fonts do not change with the factor.
        EXPECT_EQ(o.verticalSmallFont.height, -9);
        EXPECT_EQ(o.verticalJapaneseFont.height, -11);
        EXPECT_EQ(o.smallFont.height, -9);
        EXPECT_EQ(o.mediumFont.height, -12);
        EXPECT_EQ(o.statusFont.height, -12);
        EXPECT_EQ(o.largeJapaneseFont.height, -14);
    }
}

TEST(DrawingObjects, FontFacesAnglesAndOrder) {
    DrawingObjects o;
    CreateFonts(o, 1.0f, 1.0f);
    EXPECT_EQ(o.fontCreationOrder,
              (std::vector<std::string_view>{
                  "verticalSmallFont", "verticalJapaneseFont", "smallFont", "mediumFont",
                  "statusFont", "largeJapaneseFont", "labelFont", "chart50Font", "scaleFont",
                  "chartJapanese30Font", "markerFont", "signalFont", "verticalValueFont"}));
    EXPECT_EQ(o.scaleFont.face, "Aerial");
    EXPECT_EQ(o.scaleFont.charset, Charset::Default);
    EXPECT_EQ(o.labelFont.face, "ＭＳゴシック");
    EXPECT_EQ(o.labelFont.charset, Charset::ShiftJis);
    EXPECT_EQ(o.statusFont.face, "ＭＳゴシック");
    EXPECT_EQ(o.verticalSmallFont.escapement, 900);
    EXPECT_EQ(o.verticalJapaneseFont.escapement, 900);
    EXPECT_EQ(o.verticalValueFont.escapement, -900);
    EXPECT_EQ(o.markerFont.escapement, 0);
}

TEST(DrawingObjects, FontSizeIsTruncatedInSinglePrecision) {
    EXPECT_EQ(FontSizeFor(0.8f), 75);
    EXPECT_EQ(FontSizeFor(0.745f), 74);
    EXPECT_EQ(FontSizeFor(0.05f), 5);
    EXPECT_EQ(FontSizeFor(0.0f), 0);
    EXPECT_EQ(FontSizeFor(-1.0e30f), 0);
    EXPECT_EQ(FontSizeFor(1.0e30f), 75);
}

}  // namespace
}  // namespace korvo::view
