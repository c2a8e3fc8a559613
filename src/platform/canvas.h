// A device context of our own: the one way anything in the program draws.
//
// The model is deliberately close to what the chart code needs: selected pen,
// brush and font, a text colour and alignment, a background mode, a clip
// rectangle, a raster mode, and two mapping modes (device pixels, and 0.1 mm
// logical units with y pointing up). Implementations: RecordingCanvas (core,
// for tests and traces) and QtCanvas (screen, image, printer).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo::platform {

struct Picture;

// 0x00BBGGRR, as the chart code and the stored files keep colours.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
// Colours may carry a flag byte on top; only the low 24 bits are ever drawn.
constexpr Colour DrawnColour(Colour c) { return c & 0x00FFFFFFu; }

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as for the rectangles of the original
// device-context model: Rect{0,0,10,10} covers pixels 0..9.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    Rect Normalised() const;
    Rect Intersected(const Rect& other) const;
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;  // in the units of the mapping mode in force when drawn; 0 and 1 = one pixel
    Colour colour = 0;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Colour colour = 0;
    bool hollow = false;  // a hollow brush fills nothing
    friend bool operator==(const Brush&, const Brush&) = default;
};

enum class Charset { Default, ShiftJis };

struct Font {
    std::string face;  // the face name as the drawing code asks for it; mapped to installed fonts
    // Negative: character height (em), positive: cell height; in the units of the
    // mapping mode in force when text is written.
    int height = -12;
    int weight = 400;  // 100..900
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int escapement = 0;  // tenths of a degree, counter-clockwise: 900 reads bottom to top
    Charset charset = Charset::Default;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class MapMode {
    Device,     // one unit = one pixel, y down
    LoMetric,   // one unit = 0.1 mm at 96 dpi, y up
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Baseline, Bottom };

enum class RasterOp {
    CopyPen,  // normal drawing
    Invert,   // every pixel touched is inverted; drawing twice restores the picture
};

enum class BackgroundMode { Transparent, Opaque };

// Fixed conversion between 0.1 mm and pixels: 96 dots per 254 tenths of a millimetre.
constexpr int kDotsPerInch = 96;
constexpr int kLogicalPerInch = 254;

// Logical (0.1 mm) length to device pixels, rounded to nearest, halves away from zero.
int LogicalToPixels(int logical);
// Device pixels to logical units, rounded the same way.
int PixelsToLogical(int pixels);

class Canvas {
public:
    virtual ~Canvas() = default;

    // --- state ---
    virtual void SetMapMode(MapMode mode) = 0;
    virtual MapMode GetMapMode() const = 0;
    // Device position of the logical origin, in pixels.
    virtual void SetViewportOrigin(Point devicePixels) = 0;
    virtual Point GetViewportOrigin() const = 0;

    virtual void SelectPen(const Pen& pen) = 0;
    virtual void SelectBrush(const Brush& brush) = 0;
    virtual void SelectFont(const Font& font) = 0;
    virtual const Pen& CurrentPen() const = 0;
    virtual const Brush& CurrentBrush() const = 0;
    virtual const Font& CurrentFont() const = 0;

    virtual void SetTextColour(Colour colour) = 0;
    virtual void SetBackgroundColour(Colour colour) = 0;
    virtual void SetBackgroundMode(BackgroundMode mode) = 0;
    virtual void SetTextAlign(HAlign h, VAlign v) = 0;
    virtual void SetRasterOp(RasterOp op) = 0;

    // Clip rectangle in device pixels; nullopt removes the clip.
    virtual void SetClip(std::optional<Rect> deviceRect) = 0;
    virtual std::optional<Rect> GetClip() const = 0;

    // Save and restore every piece of state above (a stack).
    virtual void Save() = 0;
    virtual void Restore() = 0;

    // --- drawing, coordinates in the current mapping mode ---
    virtual void MoveTo(Point p) = 0;
    virtual void LineTo(Point p) = 0;  // draws up to, not including, p; p becomes the position
    virtual void Polyline(const std::vector<Point>& points) = 0;
    // Outline with the pen, inside filled with the brush.
    virtual void Rectangle(Rect r) = 0;
    virtual void RoundRect(Rect r, int cornerWidth, int cornerHeight) = 0;
    virtual void Ellipse(Rect r) = 0;
    // Fill with a brush, no outline; does not change the selected brush.
    virtual void FillRect(Rect r, const Brush& brush) = 0;
    virtual void SetPixel(Point p, Colour colour) = 0;
    virtual void TextOut(Point p, std::string_view utf8) = 0;
    // Word-wrapped text inside a rectangle, from its top-left corner.
    virtual void DrawTextWrapped(Rect r, std::string_view utf8) = 0;

    // --- queries ---
    // Extent of a single-line text in the current font, in the units of the mapping mode.
    virtual Size TextExtent(std::string_view utf8) = 0;
    // The drawing surface's size in pixels.
    virtual Size DeviceSize() const = 0;
    virtual bool IsPrinter() const = 0;

    // --- pixel blocks (the screen snapshot) ---
    // The pixels of a device rectangle as the surface holds them now; an empty
    // picture where the surface cannot be read back.
    virtual Picture ReadPixels(Rect deviceRect);
    // Puts a picture's pixels unchanged at a device point, whatever the
    // mapping mode and raster mode; the clip in force applies.
    virtual void DrawPicture(Point devicePixels, const Picture& picture);

    // Conversions under the current mapping mode and viewport origin.
    Point LogicalToDevice(Point logical) const;
    Point DeviceToLogical(Point device) const;
    Rect LogicalToDevice(Rect logical) const;
};

// Restores the canvas state on every path out of a scope.
class CanvasStateGuard {
public:
    explicit CanvasStateGuard(Canvas& canvas) : canvas_(canvas) { canvas_.Save(); }
    ~CanvasStateGuard() { canvas_.Restore(); }
    CanvasStateGuard(const CanvasStateGuard&) = delete;
    CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

private:
    Canvas& canvas_;
};

}  // namespace korvo::platform
