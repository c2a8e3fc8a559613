// A canvas that draws nothing and records every drawing call in device
// coordinates, with the pen, brush, font and colours in force. Tests assert on
// the record; the headless tool prints it as a trace.
#pragma once

#include <string>
#include <vector>

#include "platform/basic_canvas.h"
#include "platform/picture.h"

namespace korvo::platform {

enum class CallKind {
    Line,
    Polyline,
    Rectangle,
    RoundRect,
    Ellipse,
    FillRect,
    Pixel,
    Text,
    WrappedText,
    Picture
};

struct CanvasCall {
    CallKind kind = CallKind::Line;
    std::vector<Point> points;  // device pixels: line ends, polyline points, rectangle corners
    std::string text;           // UTF-8, for the text calls
    Pen pen;
    Brush brush;
    Font font;
    MapMode mapMode = MapMode::Device;  // the font height and pen width are in its units
    Colour textColour = 0;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    RasterOp rasterOp = RasterOp::CopyPen;
    std::optional<Rect> clip;

    // Convenience for rectangle calls.
    Rect AsRect() const;
};

class RecordingCanvas : public BasicCanvas {
public:
    explicit RecordingCanvas(Size deviceSize = {1280, 800}, bool printer = false)
        : size_(deviceSize), printer_(printer) {}

    void LineTo(Point p) override;
    void Polyline(const std::vector<Point>& points) override;
    void Rectangle(Rect r) override;
    void RoundRect(Rect r, int cornerWidth, int cornerHeight) override;
    void Ellipse(Rect r) override;
    void FillRect(Rect r, const Brush& brush) override;
    void SetPixel(Point p, Colour colour) override;
    void TextOut(Point p, std::string_view utf8) override;
    void DrawTextWrapped(Rect r, std::string_view utf8) override;
    Size TextExtent(std::string_view utf8) override;
    // A recording has no pixels: the picture read is the rectangle's size,
    // every pixel 0x808080 (the part of it outside the surface cut off).
    Picture ReadPixels(Rect deviceRect) override;
    void DrawPicture(Point devicePixels, const Picture& picture) override;
    Size DeviceSize() const override { return size_; }
    bool IsPrinter() const override { return printer_; }

    const std::vector<CanvasCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    // Calls of one kind, and text calls whose text equals `text`.
    std::vector<CanvasCall> CallsOf(CallKind kind) const;
    std::vector<CanvasCall> TextCalls(std::string_view text) const;

private:
    CanvasCall Make(CallKind kind) const;

    Size size_;
    bool printer_;
    std::vector<CanvasCall> calls_;
};

// One line per call, stable for comparisons and the headless tool's trace:
//   line 10,20 30,40 pen=solid/1/#ff0000
//   rect 0,0 100,50 pen=null/1/#000000 brush=#800000
//   fill 0,0 100,50 brush=#800000
//   text 100,200 right/top font="Aerial"/-33/400/0/0 colour=#00ff00 "Max 1520"
//   picture 0,0 1280,800
// Coordinates are device pixels; colours #rrggbb; a clip, when set, ends the
// line as clip=l,t,r,b; the inverting raster mode adds rop=invert.
std::string FormatCall(const CanvasCall& call);

// The width a text would take, in units of `height`, for layouts that must not
// depend on installed fonts: half the height for a single-byte character, the
// full height for others.
int EstimatedTextWidth(std::string_view utf8, int height);

}  // namespace korvo::platform
