#include "app/opening_screen.h"

#include <vector>

#include "app/program_identity.h"

namespace korvo::app {

namespace {

using platform::Colour;
using platform::Point;
using platform::Rect;

constexpr Colour kBackground = 0x404000;  // dark teal
constexpr Colour kTitleBox = 0x000080;    // dark red
constexpr Colour kWhite = 0xFFFFFF;       // basic palette entry 15
constexpr Colour kBlack = 0x000000;       // basic palette entry 0
constexpr int kPatternRows = 40;

// One pass of the embossed background text: offset and colour.
struct PatternPass {
    int dx;
    int dy;
    Colour colour;
};
constexpr PatternPass kPatternPasses[] = {
    {-2, -2, 0x545400}, {-1, -1, 0x5A5A00}, {1, 1, 0x808000}, {0, 0, 0x606000}};

// One copy of a shadowed title text: offset and colour, drawn in this order.
struct TextCopy {
    int dx;
    int dy;
    Colour colour;
};

struct TitleText {
    std::string text;
    platform::Font font;
    int y;
    std::vector<TextCopy> copies;
};

platform::Font MakeFont(const char* face, int height, int weight, bool italic,
                        platform::Charset charset = platform::Charset::Default) {
    platform::Font font;
    font.face = face;
    font.height = height;
    font.weight = weight;
    font.italic = italic;
    font.charset = charset;
    return font;
}

Rect Inset(const Rect& r, int by) {
    return Rect{r.left + by, r.top + by, r.right - by, r.bottom - by};
}

// Left and top edges as one stroke from the bottom-left corner.
void LeftTopEdges(platform::Canvas& canvas, const Rect& r) {
    canvas.Polyline({Point{r.left, r.bottom}, Point{r.left, r.top}, Point{r.right, r.top}});
}

// Right and bottom edges as one stroke from the top-right corner.
void RightBottomEdges(platform::Canvas& canvas, const Rect& r) {
    canvas.Polyline({Point{r.right, r.top}, Point{r.right, r.bottom}, Point{r.left, r.bottom}});
}

void DrawPattern(platform::Canvas& canvas, int unitX, int unitY) {
    const std::string line = OpeningPatternLine();
    canvas.SelectFont(MakeFont("ARIAL", -40, 800, true));
    canvas.SetTextAlign(platform::HAlign::Left, platform::VAlign::Top);
    for (int row = 0; row < kPatternRows; ++row) {
        const int x = (20 * row - 410) * unitX;
        const int y = (30 * row + 10) * unitY;
        for (const PatternPass& pass : kPatternPasses) {
            canvas.SetTextColour(pass.colour);
            canvas.TextOut(Point{x + pass.dx, y + pass.dy}, line);
        }
    }
}

void DrawBevel(platform::Canvas& canvas, const Rect& box) {
    canvas.SelectPen(platform::Pen{platform::PenStyle::Solid, 1, kWhite});
    LeftTopEdges(canvas, box);
    LeftTopEdges(canvas, Inset(box, 10));
    canvas.SelectPen(platform::Pen{platform::PenStyle::Solid, 1, kBlack});
    LeftTopEdges(canvas, Inset(box, 9));
    LeftTopEdges(canvas, Inset(box, 8));
    RightBottomEdges(canvas, Inset(box, 9));
    RightBottomEdges(canvas, Inset(box, 10));
}

std::vector<TitleText> TitleTexts(int screenHeight) {
    const std::string product = std::string("Korvo Chart ") + kProgramVersion;
    return {
        {"Orvane",
         MakeFont("MS UI Gothic", 30, 800, false, platform::Charset::ShiftJis),
         screenHeight / 6 + 20,
         {{-1, -1, 0xF7F7F7}, {1, 1, 0x000000}, {0, 0, 0xBCBCBC}}},
        {product,
         MakeFont("ARIAL", 32, 900, true),
         screenHeight / 4 + 20,
         {{-1, -1, 0xFFFFFF}, {1, 1, 0x808075}, {2, 2, 0x808075}, {0, 0, 0x6060C4}}},
        {"  Orvane ",
         MakeFont("Times New Roman", 32, 900, false),
         screenHeight / 3 + 20,
         {{-1, -1, 0xFFFFFF}, {1, 1, 0x404040}, {0, 0, 0xBCBCBC}}},
        {kOpeningNotice,
         MakeFont("ARIAL", 18, 200, true),
         screenHeight * 6 / 10,
         {{-1, -1, 0xFFFFFF}, {1, 1, 0x404040}, {0, 0, 0x000080}}},
    };
}

void DrawTitleTexts(platform::Canvas& canvas, int centreX, int screenHeight) {
    canvas.SetTextAlign(platform::HAlign::Centre, platform::VAlign::Top);
    for (const TitleText& title : TitleTexts(screenHeight)) {
        canvas.SelectFont(title.font);
        for (const TextCopy& copy : title.copies) {
            canvas.SetTextColour(copy.colour);
            canvas.TextOut(Point{centreX + copy.dx, title.y + copy.dy}, title.text);
        }
    }
}

}  // namespace

std::string OpeningPatternLine() {
    std::string name;
    for (const char* c = kMakerName; *c; ++c)
        if (*c != ' ') name += *c;
    return name + name + name;
}

void DrawOpeningScreen(platform::Canvas& canvas, int screenWidth, int screenHeight) {
    // A display that reports no size is taken as the smallest one the layout knows.
    if (screenWidth <= 0 || screenHeight <= 0) {
        screenWidth = 640;
        screenHeight = 480;
    }
    const int unitX = screenWidth / 640;
    const int unitY = screenHeight / 480;
    const int centreX = screenWidth / 2;
    const Rect screen{0, 0, screenWidth, screenHeight};

    platform::CanvasStateGuard guard(canvas);
    canvas.SetMapMode(platform::MapMode::Device);
    canvas.SetViewportOrigin(Point{0, 0});
    canvas.SetRasterOp(platform::RasterOp::CopyPen);

    canvas.SetClip(screen);
    canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
    canvas.FillRect(screen, platform::Brush{kBackground, false});

    canvas.SetClip(
        Rect{20 * unitX, 15 * unitY, screenWidth - 20 * unitX, screenHeight - 110 * unitY});
    DrawPattern(canvas, unitX, unitY);

    canvas.SetClip(screen);
    const Rect box{centreX - screenWidth / 4, screenHeight / 10, centreX + screenWidth / 4,
                   screenHeight * 7 / 10};
    canvas.SelectBrush(platform::Brush{kTitleBox, false});
    canvas.Rectangle(box);  // outlined with the pen in force

    DrawBevel(canvas, box);
    DrawTitleTexts(canvas, centreX, screenHeight);
}

}  // namespace korvo::app
