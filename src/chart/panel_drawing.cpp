#include "chart/panel_drawing.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace korvo::chart {

using platform::Canvas;
using platform::Colour;
using platform::Font;
using platform::HAlign;
using platform::Point;
using platform::VAlign;

HAlign AlignmentOf(int alignment) {
    if (alignment == kAlignRight) return HAlign::Right;
    if (alignment == kAlignCentre) return HAlign::Centre;
    return HAlign::Left;
}

namespace {

void RepeatAlong(Canvas& canvas, const Font& font, Colour colour, std::string_view text, int firstX,
                 int lastX, int y, int alignment) {
    canvas.SelectFont(font);
    canvas.SetTextColour(colour);
    canvas.SetTextAlign(AlignmentOf(alignment), VAlign::Top);
    canvas.TextOut({firstX, y}, text);
    for (int k = 1; k <= kScaleRepeatMax; ++k) {
        const long long x =
            static_cast<long long>(firstX) + static_cast<long long>(k) * kScaleRepeatStep;
        if (x > lastX) break;
        canvas.TextOut({static_cast<int>(x), y}, text);
    }
    canvas.SetTextAlign(HAlign::Left, VAlign::Top);
    canvas.TextOut({lastX, y}, text);
}

double ScaleNumber(float value) {
    const double v = value;
    return v > 100.0 ? std::ceil(v) : v;
}

}  // namespace

int FormatScaleValue(char* out, int size, float value, bool decimals) {
    return std::snprintf(out, static_cast<std::size_t>(size), decimals ? "%7.2f" : "%9.0f",
                         ScaleNumber(value));
}

void DrawScaleValue(Canvas& canvas, const Font& font, Colour colour, float value, int firstX,
                    int lastX, int y, int alignment, bool decimals) {
    char text[64];
    FormatScaleValue(text, sizeof text, value, decimals);
    RepeatAlong(canvas, font, colour, text, firstX, lastX, y, alignment);
}

void DrawScaleValue(Canvas& canvas, const Font& font, Colour colour, float value, int firstX,
                    int lastX, int y, int alignment, bool decimals, std::string_view suffix,
                    bool overlap) {
    char text[96];
    if (overlap) {
        std::snprintf(text, sizeof text, "%.*s", static_cast<int>(suffix.size()), suffix.data());
    } else {
        std::snprintf(text, sizeof text, decimals ? "%7.2f%.*s" : "%9.0f%.*s", ScaleNumber(value),
                      static_cast<int>(suffix.size()), suffix.data());
    }
    RepeatAlong(canvas, font, colour, text, firstX, lastX, y, alignment);
}

void DrawScaleCount(Canvas& canvas, const Font& font, Colour colour, int value, int firstX,
                    int lastX, int y, int alignment) {
    char text[32];
    std::snprintf(text, sizeof text, "%d", value);
    RepeatAlong(canvas, font, colour, text, firstX, lastX, y, alignment);
}

void DrawPanelTitle(Canvas& canvas, const view::DrawingObjects& objects, std::string_view text,
                    int leftLogical, int y, int rightLogical, float horizontalFactor,
                    bool printing) {
    canvas.SelectFont(objects.labelFont);
    const int ty = y + 4;
    const long long sum = static_cast<long long>(leftLogical) + rightLogical;
    auto writeAll = [&](int dx, int dy) {
        canvas.SetTextAlign(HAlign::Right, VAlign::Top);
        canvas.TextOut({rightLogical - 50 + dx, ty + dy}, text);
        canvas.SetTextAlign(HAlign::Left, VAlign::Top);
        canvas.TextOut({leftLogical + 20 + dx, ty + dy}, text);
        canvas.SetTextAlign(HAlign::Centre, VAlign::Top);
        if (horizontalFactor > 0.2f)
            canvas.TextOut({static_cast<int>(sum / 2) + dx, ty + dy}, text);
        if (horizontalFactor > 0.5f) {
            canvas.TextOut({static_cast<int>(sum / 4) + dx, ty + dy}, text);
            canvas.TextOut({static_cast<int>(sum * 3 / 4) + dx, ty + dy}, text);
        }
    };
    canvas.SetTextColour(objects.paletteBrush[0].colour);
    writeAll(0, 0);
    if (!printing) {
        // The white copy up and to the left makes a shadowed caption.
        canvas.SetTextColour(objects.paletteBrush[15].colour);
        writeAll(-3, -3);
    }
}

void DrawPanelFrame(Canvas& canvas, const view::DrawingObjects& objects, int leftX, int rightX,
                    int referenceLevel, int bottom, int xPercent, int yPercent, int height,
                    int gridMode) {
    const int x0 = LogicalX(leftX, xPercent);
    const int x1 = LogicalX(rightX, xPercent);
    auto across = [&](int layoutY) {
        const int y = LogicalY(layoutY, yPercent);
        canvas.MoveTo({x0, y});
        canvas.LineTo({x1, y});
    };
    const int bottomY = LogicalY(bottom, yPercent);
    canvas.SelectPen(objects.palettePen[7]);
    canvas.MoveTo({x0, bottomY});
    canvas.LineTo({x1, bottomY});
    canvas.SelectPen(objects.palettePen[15]);
    canvas.MoveTo({x0, bottomY - 2});
    canvas.LineTo({x1, bottomY - 2});
    canvas.SelectPen(objects.separatorPen);
    across(bottom - height);
    canvas.SelectPen(objects.palettePen[7]);
    switch (gridMode) {
        case kGridReference:
            across(bottom - referenceLevel);
            break;
        case kGridMiddle:
            across(bottom - height / 2);
            break;
        case kGridQuarters:
            across(bottom - height * 3 / 4);
            across(bottom - height / 2);
            across(bottom - height / 4);
            break;
        case kGridFifths:
            across(bottom - height * 4 / 5);
            across(bottom - height * 3 / 5);
            across(bottom - height * 2 / 5);
            across(bottom - height / 5);
            break;
        default:
            break;
    }
}

void DrawLineEndLabel(Canvas& canvas, const view::DrawingObjects& objects, Colour colour,
                      std::string_view text, float x, int y, int xPercent, int yPercent,
                      int offset) {
    canvas.SelectFont(objects.labelFont);
    canvas.SetTextColour(colour);
    canvas.SetTextAlign(HAlign::Left, VAlign::Top);
    // y comes in the canvas's orientation: the negated layout y.
    canvas.TextOut({offset + LogicalX(TruncToInt(x) + 10, xPercent), LogicalY(-y, yPercent)}, text);
}

int PanelValueY(int indicatorBottom, float height, float fraction) {
    return ClampLayout(static_cast<float>(indicatorBottom) - height * fraction);
}

void DrawIndicatorLine(Canvas& canvas, const ChartGeometry& geometry, const platform::Pen& pen,
                       const int* layoutY, int firstBar, int barCount) {
    if (firstBar < 0 || barCount - firstBar < 2) return;
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(barCount - firstBar));
    for (int i = firstBar; i < barCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int x = TruncToInt(geometry.barX[at]) + (i == firstBar ? 0 : geometry.slotPitch / 2);
        points.push_back(LogicalPoint(x, layoutY[i], geometry));
    }
    canvas.SelectPen(pen);
    canvas.Polyline(points);
}

}  // namespace korvo::chart
