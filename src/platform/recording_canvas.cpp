#include "platform/recording_canvas.h"

#include <cstdio>
#include <cstdlib>

#include "platform/picture.h"

namespace korvo::platform {

Rect CanvasCall::AsRect() const {
    if (points.size() < 2) return {};
    return Rect{points[0].x, points[0].y, points[1].x, points[1].y};
}

CanvasCall RecordingCanvas::Make(CallKind kind) const {
    CanvasCall call;
    call.kind = kind;
    call.pen = state_.pen;
    call.brush = state_.brush;
    call.font = state_.font;
    call.mapMode = state_.mapMode;
    call.textColour = state_.textColour;
    call.backgroundMode = state_.backgroundMode;
    call.hAlign = state_.hAlign;
    call.vAlign = state_.vAlign;
    call.rasterOp = state_.rasterOp;
    call.clip = state_.clip;
    return call;
}

void RecordingCanvas::LineTo(Point p) {
    CanvasCall call = Make(CallKind::Line);
    call.points = {LogicalToDevice(state_.position), LogicalToDevice(p)};
    calls_.push_back(std::move(call));
    state_.position = p;
}

void RecordingCanvas::Polyline(const std::vector<Point>& points) {
    CanvasCall call = Make(CallKind::Polyline);
    call.points.reserve(points.size());
    for (const Point& p : points) call.points.push_back(LogicalToDevice(p));
    calls_.push_back(std::move(call));
}

void RecordingCanvas::Rectangle(Rect r) {
    CanvasCall call = Make(CallKind::Rectangle);
    const Rect d = LogicalToDevice(r);
    call.points = {{d.left, d.top}, {d.right, d.bottom}};
    calls_.push_back(std::move(call));
}

void RecordingCanvas::RoundRect(Rect r, int cornerWidth, int cornerHeight) {
    CanvasCall call = Make(CallKind::RoundRect);
    const Rect d = LogicalToDevice(r);
    call.points = {{d.left, d.top}, {d.right, d.bottom}, {cornerWidth, cornerHeight}};
    calls_.push_back(std::move(call));
}

void RecordingCanvas::Ellipse(Rect r) {
    CanvasCall call = Make(CallKind::Ellipse);
    const Rect d = LogicalToDevice(r);
    call.points = {{d.left, d.top}, {d.right, d.bottom}};
    calls_.push_back(std::move(call));
}

void RecordingCanvas::FillRect(Rect r, const Brush& brush) {
    CanvasCall call = Make(CallKind::FillRect);
    call.brush = brush;
    const Rect d = LogicalToDevice(r);
    call.points = {{d.left, d.top}, {d.right, d.bottom}};
    calls_.push_back(std::move(call));
}

void RecordingCanvas::SetPixel(Point p, Colour colour) {
    CanvasCall call = Make(CallKind::Pixel);
    call.points = {LogicalToDevice(p)};
    call.textColour = colour;
    calls_.push_back(std::move(call));
}

void RecordingCanvas::TextOut(Point p, std::string_view utf8) {
    CanvasCall call = Make(CallKind::Text);
    call.points = {LogicalToDevice(p)};
    call.text = std::string(utf8);
    calls_.push_back(std::move(call));
}

void RecordingCanvas::DrawTextWrapped(Rect r, std::string_view utf8) {
    CanvasCall call = Make(CallKind::WrappedText);
    const Rect d = LogicalToDevice(r);
    call.points = {{d.left, d.top}, {d.right, d.bottom}};
    call.text = std::string(utf8);
    calls_.push_back(std::move(call));
}

Picture RecordingCanvas::ReadPixels(Rect deviceRect) {
    const Rect r = deviceRect.Intersected(Rect{0, 0, size_.width, size_.height});
    Picture picture;
    if (r.IsEmpty()) return picture;
    picture.size = Size{r.Width(), r.Height()};
    picture.pixels.assign(
        static_cast<std::size_t>(r.Width()) * static_cast<std::size_t>(r.Height()), 0x808080u);
    return picture;
}

void RecordingCanvas::DrawPicture(Point devicePixels, const Picture& picture) {
    CanvasCall call = Make(CallKind::Picture);
    call.points = {devicePixels,
                   {devicePixels.x + picture.size.width, devicePixels.y + picture.size.height}};
    calls_.push_back(std::move(call));
}

int EstimatedTextWidth(std::string_view utf8, int height) {
    const int h = std::abs(height);
    int halves = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::size_t len = 1;
        if (c >= 0xF0) len = 4;
        else if (c >= 0xE0) len = 3;
        else if (c >= 0xC0) len = 2;
        // Half-width katakana (U+FF61..U+FF9F) take half a cell, as in the fonts.
        const bool halfWidthKana = len == 3 && c == 0xEF && i + 1 < utf8.size() &&
                                   (static_cast<unsigned char>(utf8[i + 1]) == 0xBD ||
                                    static_cast<unsigned char>(utf8[i + 1]) == 0xBE);
        halves += (len == 1 || halfWidthKana) ? 1 : 2;
        i += len;
    }
    return halves * h / 2;
}

Size RecordingCanvas::TextExtent(std::string_view utf8) {
    const int h = std::abs(state_.font.height);
    return Size{EstimatedTextWidth(utf8, h), h};
}

std::vector<CanvasCall> RecordingCanvas::CallsOf(CallKind kind) const {
    std::vector<CanvasCall> out;
    for (const auto& c : calls_)
        if (c.kind == kind) out.push_back(c);
    return out;
}

std::vector<CanvasCall> RecordingCanvas::TextCalls(std::string_view text) const {
    std::vector<CanvasCall> out;
    for (const auto& c : calls_)
        if ((c.kind == CallKind::Text || c.kind == CallKind::WrappedText) && c.text == text)
            out.push_back(c);
    return out;
}

namespace {

std::string Hex(Colour c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
    return buf;
}

const char* StyleName(PenStyle s) {
    switch (s) {
        case PenStyle::Solid: return "solid";
        case PenStyle::Dash: return "dash";
        case PenStyle::Dot: return "dot";
        case PenStyle::DashDot: return "dashdot";
        case PenStyle::DashDotDot: return "dashdotdot";
        case PenStyle::Null: return "null";
    }
    return "?";
}

std::string PenText(const Pen& p) {
    return std::string("pen=") + StyleName(p.style) + "/" + std::to_string(p.width) + "/" +
           Hex(DrawnColour(p.colour));
}

std::string BrushText(const Brush& b) {
    return "brush=" + (b.hollow ? std::string("hollow") : Hex(DrawnColour(b.colour)));
}

std::string PointsText(const std::vector<Point>& points, std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < count && i < points.size(); ++i) {
        if (i) s += ' ';
        s += std::to_string(points[i].x) + "," + std::to_string(points[i].y);
    }
    return s;
}

const char* AlignText(HAlign h) {
    switch (h) {
        case HAlign::Left: return "left";
        case HAlign::Centre: return "centre";
        case HAlign::Right: return "right";
    }
    return "?";
}

const char* AlignText(VAlign v) {
    switch (v) {
        case VAlign::Top: return "top";
        case VAlign::Baseline: return "baseline";
        case VAlign::Bottom: return "bottom";
    }
    return "?";
}

std::string FontText(const Font& f, MapMode mode) {
    return "font=\"" + f.face + "\"/" + std::to_string(f.height) +
           (mode == MapMode::LoMetric ? "lu" : "px") + "/" + std::to_string(f.weight) + "/" +
           (f.italic ? "i" : "-") + "/" + std::to_string(f.escapement);
}

std::string Quoted(const std::string& text) {
    std::string s = "\"";
    for (char c : text) {
        if (c == '\n') s += "\\n";
        else if (c == '\t') s += "\\t";
        else if (c == '"' || c == '\\') {
            s += '\\';
            s += c;
        } else s += c;
    }
    return s + "\"";
}

}  // namespace

std::string FormatCall(const CanvasCall& call) {
    std::string s;
    switch (call.kind) {
        case CallKind::Line:
            s = "line " + PointsText(call.points, 2) + " " + PenText(call.pen);
            break;
        case CallKind::Polyline:
            s = "polyline " + PointsText(call.points, call.points.size()) + " " +
                PenText(call.pen);
            break;
        case CallKind::Rectangle:
            s = "rect " + PointsText(call.points, 2) + " " + PenText(call.pen) + " " +
                BrushText(call.brush);
            break;
        case CallKind::RoundRect:
            s = "roundrect " + PointsText(call.points, 3) + " " + PenText(call.pen) + " " +
                BrushText(call.brush);
            break;
        case CallKind::Ellipse:
            s = "ellipse " + PointsText(call.points, 2) + " " + PenText(call.pen) + " " +
                BrushText(call.brush);
            break;
        case CallKind::FillRect:
            s = "fill " + PointsText(call.points, 2) + " " + BrushText(call.brush);
            break;
        case CallKind::Pixel:
            s = "pixel " + PointsText(call.points, 1) + " colour=" + Hex(call.textColour);
            break;
        case CallKind::Picture:
            s = "picture " + PointsText(call.points, 2);
            break;
        case CallKind::Text:
        case CallKind::WrappedText:
            s = std::string(call.kind == CallKind::Text ? "text " : "wraptext ") +
                PointsText(call.points, call.kind == CallKind::Text ? 1 : 2) + " " +
                AlignText(call.hAlign) + "/" + AlignText(call.vAlign) + " " +
                FontText(call.font, call.mapMode) + " colour=" +
                Hex(DrawnColour(call.textColour)) +
                (call.backgroundMode == BackgroundMode::Opaque ? " opaque" : "") + " " +
                Quoted(call.text);
            break;
    }
    if (call.rasterOp == RasterOp::Invert) s += " rop=invert";
    if (call.clip) {
        s += " clip=" + std::to_string(call.clip->left) + "," + std::to_string(call.clip->top) +
             "," + std::to_string(call.clip->right) + "," + std::to_string(call.clip->bottom);
    }
    return s;
}

}  // namespace korvo::platform
