#include "setup/splash_screen.h"

#include "setup/setup_texts.h"

namespace korvo::setup {

namespace {

using platform::Colour;
using platform::Point;
using platform::Rgb;

constexpr int kPatternRows = 40;
constexpr int kPatternRepeats = 5;

struct TextCopy {
    int dx;
    int dy;
    Colour colour;
};

platform::Font MakeFont(const char* face, int height, int weight, bool italic = false,
                        platform::Charset charset = platform::Charset::Default) {
    platform::Font font;
    font.face = face;
    font.height = height;
    font.weight = weight;
    font.italic = italic;
    font.charset = charset;
    return font;
}

// One text written several times, each copy offset and in its own colour.
void WriteCopies(platform::Canvas& canvas, Point at, const std::string& text,
                 std::initializer_list<TextCopy> copies) {
    for (const TextCopy& copy : copies) {
        canvas.SetTextColour(copy.colour);
        canvas.TextOut(Point{at.x + copy.dx, at.y + copy.dy}, text);
    }
}

void DrawPattern(platform::Canvas& canvas, int width, int height) {
    canvas.SelectFont(MakeFont("Impact", 60, 800, true));
    canvas.SetTextAlign(platform::HAlign::Left, platform::VAlign::Top);
    const std::string line = SplashPatternLine();
    for (int k = 0; k < kPatternRows; ++k) {
        const Point at{(20 * k - 410) * (width / 640), (40 * k - 1) * (height / 480)};
        WriteCopies(canvas, at, line,
                    {{-1, -1, Rgb(64, 4, 4)}, {1, 1, Rgb(194, 4, 14)}, {0, 0, Rgb(128, 8, 18)}});
    }
}

void DrawTitles(platform::Canvas& canvas, int cx, int cy, int height) {
    canvas.SetTextAlign(platform::HAlign::Centre, platform::VAlign::Top);
    canvas.SelectFont(MakeFont("ROMAN", 34, 900, false, platform::Charset::ShiftJis));
    WriteCopies(canvas, Point{cx, height / 5}, kFamilyName,
                {{4, 0, Rgb(255, 255, 255)}, {7, 3, Rgb(64, 64, 64)}, {5, 1, Rgb(255, 211, 0)}});
    canvas.SelectFont(MakeFont("Arial", 28, 900, true));
    WriteCopies(canvas, Point{cx, height / 12}, kSeriesCaption,
                {{0, 0, Rgb(255, 255, 255)}, {3, 3, Rgb(64, 64, 64)}, {1, 1, Rgb(255, 64, 64)}});
    canvas.SelectFont(MakeFont("Impact", 36, 800));
    WriteCopies(canvas, Point{cx, cy}, kProductLine,
                {{3, -137, Rgb(255, 255, 255)}, {4, -136, Rgb(198, 0, 186)}});
}

void DrawInstructionBox(platform::Canvas& canvas, int cx, int cy, int height) {
    canvas.SelectPen(platform::Pen{});
    canvas.SelectBrush(platform::Brush{Rgb(0, 0, 127), false});
    canvas.RoundRect(platform::Rect{cx - 250, cy - 80, cx + 250, height - 140}, 20, 20);
    canvas.SelectPen(platform::Pen{platform::PenStyle::Solid, 2, Rgb(128, 128, 255)});
    canvas.SelectBrush(platform::Brush{0, true});
    canvas.RoundRect(platform::Rect{cx - 240, cy - 70, cx + 240, height - 150}, 10, 10);

    canvas.SelectFont(MakeFont("ＭＳ Ｐゴシック", 14, 800));
    canvas.SetTextColour(Rgb(127, 255, 64));
    canvas.SetTextAlign(platform::HAlign::Left, platform::VAlign::Top);
    canvas.DrawTextWrapped(platform::Rect{cx - 200, cy, cx + 200, height - 150}, kSplashText);
    canvas.SetTextAlign(platform::HAlign::Centre, platform::VAlign::Top);
    canvas.TextOut(Point{cx, cy - 50}, kSplashHeading);
    WriteCopies(canvas, Point{cx, height}, kMakerName,
                {{2, -112, Rgb(0, 0, 0)}, {3, -111, Rgb(0, 0, 0)}, {4, -110, Rgb(64, 255, 127)}});
}

}  // namespace

std::string SplashPatternLine() {
    std::string line;
    for (int i = 0; i < kPatternRepeats; ++i)
        line += std::string(kMakerName) + "  ";
    return line;
}

void DrawSplash(platform::Canvas& canvas, int screenWidth, int screenHeight) {
    const int width = screenWidth == 0 || screenHeight == 0 ? 640 : screenWidth;
    const int height = screenWidth == 0 || screenHeight == 0 ? 480 : screenHeight;
    const int cx = width / 2;
    const int cy = height / 2;

    platform::CanvasStateGuard guard(canvas);
    canvas.SetMapMode(platform::MapMode::Device);
    canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
    canvas.FillRect(platform::Rect{70, 20, width - 70, height - 80},
                    platform::Brush{Rgb(116, 0, 110), false});
    DrawPattern(canvas, width, height);
    DrawTitles(canvas, cx, cy, height);
    DrawInstructionBox(canvas, cx, cy, height);
}

}  // namespace korvo::setup
