#include "qt/gui/qt_canvas.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QPen>
#include <vector>

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

TEST(QtCanvas, LinesAreExactlyWhatThePainterDraws) {
    // Solid one-pixel lines along an axis are filled as rectangles; every line,
    // in every direction and length, clipped or not, must match the painter's own.
    struct Line {
        QPoint a, b;
    };
    std::vector<Line> lines;
    for (int len = -25; len <= 25; ++len) {
        lines.push_back({{20 + len + 25, 10}, {20 + len + 25, 10 + len}});
        lines.push_back({{10, 60 + len + 25}, {10 + len, 60 + len + 25}});
    }
    lines.push_back({{5, 5}, {90, 70}});    // diagonal
    lines.push_back({{90, 5}, {95, 118}});  // steep
    const platform::PenStyle styles[] = {platform::PenStyle::Solid, platform::PenStyle::Dot};
    for (const auto style : styles) {
        for (const bool clip : {false, true}) {
            QImage ours = Blank(120, 120);
            QImage theirs = Blank(120, 120);
            {
                QPainter painter(&ours);
                QtCanvas canvas(painter, {120, 120});
                if (clip) canvas.SetClip(Rect{15, 12, 70, 90});
                canvas.SelectPen(platform::Pen{style, 1, 0x00FFFF});
                for (const Line& l : lines) {
                    canvas.MoveTo({l.a.x(), l.a.y()});
                    canvas.LineTo({l.b.x(), l.b.y()});
                }
            }
            {
                QPainter painter(&theirs);
                if (clip) painter.setClipRect(QRect(15, 12, 55, 78));
                QPen pen(QColor(255, 255, 0));
                pen.setCosmetic(true);
                pen.setWidth(1);
                pen.setCapStyle(Qt::FlatCap);
                if (style == platform::PenStyle::Dot) pen.setDashPattern({3, 3});
                painter.setPen(pen);
                for (const Line& l : lines)
                    painter.drawLine(l.a, l.b);
            }
            EXPECT_EQ(ours, theirs) << (style == platform::PenStyle::Dot ? "dotted" : "solid")
                                    << (clip ? " clipped" : "");
        }
    }
}

TEST(QtCanvas, AKeptTextCacheDrawsTheSameTexts) {
    auto draw = [](QtTextCache* cache) {
        QImage image = Blank(240, 120);
        QPainter painter(&image);
        QtCanvas canvas(painter, {240, 120}, false, cache);
        canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
        canvas.SetTextColour(0xFFFFFF);
        const platform::Font fonts[] = {
            {"Aerial", -14, 400, false, false, false, 0, platform::Charset::Default},
            {"ＭＳゴシック", -12, 400, false, false, false, 0, platform::Charset::ShiftJis}};
        int y = 5;
        for (const auto& font : fonts) {
            canvas.SelectFont(font);
            for (const auto align :
                 {platform::HAlign::Left, platform::HAlign::Centre, platform::HAlign::Right}) {
                canvas.SetTextAlign(align, platform::VAlign::Top);
                canvas.TextOut({120, y}, "1520.00 株価");
                y += 18;
            }
        }
        painter.end();
        return image;
    };
    QtTextCache kept;
    const QImage fresh = draw(nullptr);
    EXPECT_EQ(draw(&kept), fresh);
    EXPECT_EQ(draw(&kept), fresh);  // the second paint takes everything from the cache
    EXPECT_GT(CountPixels(fresh, qRgb(255, 255, 255), QRect(0, 0, 240, 120)), 200);
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
