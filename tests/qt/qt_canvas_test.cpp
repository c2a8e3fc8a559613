#include "qt/gui/qt_canvas.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>

#include "platform/recording_canvas.h"

namespace korvo::qt {
namespace {

using platform::Colour;
using platform::Point;
using platform::Rect;

QImage Blank(int w, int h, QColor fill = Qt::black) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

int CountPixels(const QImage& image, QRgb colour, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
    return n;
}

TEST(QtCanvas, FontFacesOfTheDesignResolveToInstalledFonts) {
    const QStringList families = QFontDatabase::families();
    for (const char* face : {"ＭＳゴシック", "MS UI Gothic", "Aerial", "ARIAL", "Times New Roman",
                             "Impact", "ROMAN"}) {
        const QString family = ResolveFontFamily(face);
        EXPECT_TRUE(families.contains(family)) << face << " -> " << family.toStdString();
    }
}

TEST(QtCanvas, JapaneseTextLandsWhereItIsWritten) {
    QImage image = Blank(300, 100);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, {300, 100});
        canvas.SelectFont(platform::Font{"ＭＳゴシック", -24, 400, false, false, false, 0,
                                         platform::Charset::ShiftJis});
        canvas.SetTextColour(platform::Rgb(255, 255, 0));
        canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
        canvas.TextOut({150, 30}, "株価チャート");
    }
    const QRgb yellow = qRgb(255, 255, 0);
    // Ink right of the anchor, between the top given and one character height below it.
    EXPECT_GT(CountPixels(image, yellow, QRect(150, 30, 150, 30)), 60);
    // Nothing above the anchor, nothing left of it.
    EXPECT_EQ(CountPixels(image, yellow, QRect(0, 0, 300, 29)), 0);
    EXPECT_EQ(CountPixels(image, yellow, QRect(0, 0, 149, 100)), 0);
}

TEST(QtCanvas, AlignmentAndRotationPlaceTextAroundTheAnchor) {
    const QRgb white = qRgb(255, 255, 255);
    auto draw = [&](platform::HAlign h, int escapement) {
        QImage image = Blank(200, 200);
        QPainter painter(&image);
        QtCanvas canvas(painter, {200, 200});
        canvas.SelectFont(platform::Font{"Aerial", -16, 400, false, false, false, escapement,
                                         platform::Charset::Default});
        canvas.SetTextColour(0xFFFFFF);
        canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
        canvas.SetTextAlign(h, platform::VAlign::Top);
        canvas.TextOut({100, 100}, "12345");
        painter.end();
        return image;
    };
    const QImage right = draw(platform::HAlign::Right, 0);
    EXPECT_GT(CountPixels(right, white, QRect(0, 100, 100, 20)), 20);
    EXPECT_EQ(CountPixels(right, white, QRect(101, 0, 99, 200)), 0);
    // Escapement 900 reads bottom to top: the text runs upwards from the anchor.
    const QImage up = draw(platform::HAlign::Left, 900);
    EXPECT_GT(CountPixels(up, white, QRect(100, 30, 20, 70)), 20);
    EXPECT_EQ(CountPixels(up, white, QRect(0, 101, 200, 99)), 0);
    // -900 reads top to bottom: the text runs downwards, to the left of the anchor.
    const QImage down = draw(platform::HAlign::Left, -900);
    EXPECT_GT(CountPixels(down, white, QRect(80, 100, 21, 70)), 20);
    EXPECT_EQ(CountPixels(down, white, QRect(0, 0, 200, 99)), 0);
}

TEST(QtCanvas, InvertingTwiceLeavesNoTrace) {
    QImage image = Blank(120, 120, QColor(0x12, 0x34, 0x56));
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, {120, 120});
        canvas.FillRect(Rect{10, 10, 60, 60}, platform::Brush{0x00FF00, false});
    }
    const QImage before = image.copy();
    auto crosshair = [&] {
        QPainter painter(&image);
        QtCanvas canvas(painter, {120, 120});
        canvas.SetRasterOp(platform::RasterOp::Invert);
        canvas.SetClip(Rect{0, 0, 100, 100});
        canvas.MoveTo({50, 0});
        canvas.LineTo({50, 120});
        canvas.MoveTo({0, 50});
        canvas.LineTo({120, 50});
    };
    crosshair();
    const QImage once = image.copy();
    crosshair();
    EXPECT_NE(once, before);
    // Inverted where drawn, untouched outside the clip.
    EXPECT_EQ(once.pixel(50, 20) & 0xFFFFFF, 0xFF00FFu);  // inverse of green
    EXPECT_EQ(once.pixel(50, 110), before.pixel(50, 110));
    EXPECT_EQ(image, before);
}

TEST(QtCanvas, LoMetricDrawingMatchesTheRecordedDevicePixels) {
    // Draw the same things on a recording canvas and on an image: the image has
    // ink exactly at the recorded line ends and rectangle corners.
    auto drawing = [](platform::Canvas& c) {
        c.SetMapMode(platform::MapMode::LoMetric);
        c.SetViewportOrigin({-5, 3});
        c.SelectPen(platform::Pen{platform::PenStyle::Solid, 1, 0x0000FF});
        c.MoveTo({100, -100});
        c.LineTo({100, -600});
        c.SelectBrush(platform::Brush{0x00FF00, false});
        c.SelectPen(platform::Pen{platform::PenStyle::Null, 1, 0});
        c.Rectangle(Rect{200, -100, 400, -300});
    };
    platform::RecordingCanvas recording({200, 300});
    drawing(recording);
    QImage image = Blank(200, 300);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, {200, 300});
        drawing(canvas);
    }
    const auto& line = recording.Calls()[0];
    const Point a = line.points[0];
    EXPECT_EQ(image.pixel(a.x, a.y) & 0xFFFFFF, 0xFF0000u);  // red (0x0000FF is red)
    const Point b = line.points[1];
    EXPECT_EQ(image.pixel(b.x, b.y - 1) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(b.x, b.y) & 0xFFFFFF, 0x000000u);  // the end point is not drawn
    const Rect r = recording.Calls()[1].AsRect();
    EXPECT_EQ(image.pixel(r.left, r.top) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(image.pixel(r.right - 1, r.bottom - 1) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(image.pixel(r.right, r.bottom) & 0xFFFFFF, 0x000000u);
}

TEST(QtCanvas, SkippingWhatLiesOutsideTheClipChangesNoPixel) {
    // Many primitives, most far outside the clip; the picture equals one drawn
    // with a clip that takes in everything and then cropped.
    auto drawing = [](platform::Canvas& c) {
        c.SetMapMode(platform::MapMode::LoMetric);
        c.SelectPen(platform::Pen{platform::PenStyle::Solid, 1, 0xFFFFFF});
        c.SelectBrush(platform::Brush{0x00FF00, false});
        for (int i = 0; i < 400; ++i) {
            const int x = i * 40;
            c.Rectangle(Rect{x, -100, x + 18, -300 - (i % 7) * 10});
            c.MoveTo({x + 9, -50});
            c.LineTo({x + 9, -350});
        }
    };
    QImage clipped = Blank(300, 200);
    long long skipped = 0;
    {
        QPainter painter(&clipped);
        QtCanvas canvas(painter, {300, 200});
        canvas.SetClip(Rect{20, 20, 280, 180});
        drawing(canvas);
        skipped = canvas.SkippedCount();
    }
    EXPECT_GT(skipped, 600);
    QImage reference = Blank(7000, 200);
    {
        QPainter painter(&reference);
        QtCanvas canvas(painter, {7000, 200});
        drawing(canvas);
    }
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) {
            const bool inside = x >= 20 && x < 280 && y >= 20 && y < 180;
            const QRgb expected = inside ? reference.pixel(x, y) : qRgb(0, 0, 0);
            ASSERT_EQ(clipped.pixel(x, y), expected) << x << "," << y;
        }
}

}  // namespace
}  // namespace korvo::qt
