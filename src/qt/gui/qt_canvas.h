// Canvas on a QPainter: a widget, a QImage or a printer.
//
// Logical units are turned into device pixels here and every pen is cosmetic,
// so QPainter never runs a world transform. A primitive that lies wholly
// outside the clip is skipped: it would change no pixel.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <optional>

#include "platform/basic_canvas.h"

namespace korvo::qt {

// The installed family that stands in for a face name the drawing code asks for.
QString ResolveFontFamily(const std::string& face);
// A QFont for a font description at a pixel height (character height).
QFont MakeQFont(const platform::Font& font, int pixelHeight);

class QtCanvas : public platform::BasicCanvas {
public:
    // The painter must stay active for the life of the canvas. `deviceSize` is
    // the surface size in pixels.
    QtCanvas(QPainter& painter, platform::Size deviceSize, bool printer = false);

    void LineTo(platform::Point p) override;
    void Polyline(const std::vector<platform::Point>& points) override;
    void Rectangle(platform::Rect r) override;
    void RoundRect(platform::Rect r, int cornerWidth, int cornerHeight) override;
    void Ellipse(platform::Rect r) override;
    void FillRect(platform::Rect r, const platform::Brush& brush) override;
    void SetPixel(platform::Point p, platform::Colour colour) override;
    void TextOut(platform::Point p, std::string_view utf8) override;
    void DrawTextWrapped(platform::Rect r, std::string_view utf8) override;
    platform::Size TextExtent(std::string_view utf8) override;
    platform::Size DeviceSize() const override { return size_; }
    bool IsPrinter() const override { return printer_; }

    // How many primitives were handed to QPainter, and how many were skipped.
    long long DrawnCount() const { return drawn_; }
    long long SkippedCount() const { return skipped_; }

private:
    QPoint Dev(platform::Point p) const;
    // Scale a length in the current mapping mode to pixels.
    int LengthToPixels(int length) const;
    QRect Visible() const;
    bool Outside(const QRect& bounds) const;
    void ApplyPen();
    void ApplyNoPen();
    void ApplyBrush(const platform::Brush& brush);
    void ApplyNoBrush();
    void ApplyClipAndRop();
    const QFont& CurrentQFont();
    void DrawOneText(const QPoint& at, const QString& text);

    QPainter& painter_;
    platform::Size size_;
    bool printer_;
    long long drawn_ = 0;
    long long skipped_ = 0;

    // What has been handed to the painter, so unchanged state is not set again.
    std::optional<platform::Pen> appliedPen_;
    int appliedPenPixels_ = 0;
    bool penIsNone_ = false;
    std::optional<platform::Brush> appliedBrush_;
    bool brushIsNone_ = false;
    std::optional<std::optional<platform::Rect>> appliedClip_;
    std::optional<platform::RasterOp> appliedRop_;
    std::optional<std::pair<platform::Font, int>> cachedFontKey_;
    QFont cachedFont_;
};

}  // namespace korvo::qt
