// Canvas on a QPainter: a widget, a QImage or a printer.
//
// Logical units are turned into device pixels here and every pen is cosmetic,
// so QPainter never runs a world transform. A primitive that lies wholly
// outside the clip is skipped: it would change no pixel.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <memory>
#include <optional>
#include <vector>

#include "platform/basic_canvas.h"
#include "platform/picture.h"

namespace korvo::qt {

// The installed family that stands in for a face name the drawing code asks for.
QString ResolveFontFamily(const std::string& face);
// A QFont for a font description at a pixel height (character height).
QFont MakeQFont(const platform::Font& font, int pixelHeight);

// The fonts and text widths a window keeps from one paint to the next, so each
// paint's canvas does not build and measure them again.
class QtTextCache {
  public:
    struct FontEntry {
        platform::Font font;
        int key = 0;  // pixel height, negative for a character height
        QFont q;
        int ascent = 0;
        int descent = 0;
        QHash<QString, int> widths;
        QHash<QString, QStaticText> laidOut;
    };
    // The entry of a font at a pixel height (key), made on first use.
    int Find(const platform::Font& font, int key);
    FontEntry& At(int index) { return fonts_[static_cast<std::size_t>(index)]; }
    // Advance width of a text in an entry's font, measured once.
    int Width(int index, const QString& text);
    // A text laid out once in an entry's font.
    const QStaticText& LaidOut(int index, const QString& text);

  private:
    std::vector<FontEntry> fonts_;
};

class QtCanvas : public platform::BasicCanvas {
  public:
    // The painter must stay active for the life of the canvas. `deviceSize` is
    // the surface size in pixels. Without a text cache the canvas keeps its own.
    QtCanvas(QPainter& painter, platform::Size deviceSize, bool printer = false,
             QtTextCache* textCache = nullptr);

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
    // Read back only from an image; a widget or a printer gives an empty picture.
    platform::Picture ReadPixels(platform::Rect deviceRect) override;
    void DrawPicture(platform::Point devicePixels, const platform::Picture& picture) override;
    platform::Size DeviceSize() const override { return size_; }
    bool IsPrinter() const override { return printer_; }

    // How many primitives were handed to QPainter, and how many were skipped.
    long long DrawnCount() const { return drawn_; }
    long long SkippedCount() const { return skipped_; }
    // Skipping is on by default; switched off, every primitive goes to QPainter
    // (for comparing that both give the same pixels).
    void SetSkipOutside(bool skip) { skipOutside_ = skip; }

  private:
    int DevX(int x) const;
    int DevY(int y) const;
    QPoint Dev(platform::Point p) const;
    QRect DevRect(platform::Rect r) const;
    // Scale a length in the current mapping mode to pixels.
    int LengthToPixels(int length) const;
    const QRect& Visible() const;
    bool Outside(const QRect& bounds) const;
    // Whether the columns left..right (inclusive) miss the visible area.
    bool OutsideColumns(int left, int right) const;
    // Whether the box (inclusive device coordinates) misses the visible area.
    bool OutsideBox(int left, int top, int right, int bottom) const;
    void ApplyPen();
    void ApplyNoPen();
    void ApplyTextPen();
    void ApplyBrush(const platform::Brush& brush);
    void ApplyNoBrush();
    void ApplyClipAndRop();
    // For a shape outlined with the pen (none for a null pen) and filled with
    // the brush: its device rectangle, inclusive, with clip, raster operation,
    // pen and brush applied; nullopt, counted as skipped, when none of it shows.
    std::optional<QRect> BeginFilledShape(platform::Rect r);
    const QtTextCache::FontEntry& CurrentFont();
    void ApplyFont();
    // Advance width of a text in the current font, in pixels.
    int TextWidth(const QString& text);
    void DrawOneText(const QPoint& at, const QString& text);

    QPainter& painter_;
    platform::Size size_;
    bool printer_;
    bool skipOutside_ = true;
    mutable std::optional<std::optional<platform::Rect>> visibleFor_;
    mutable QRect visible_;
    long long drawn_ = 0;
    long long skipped_ = 0;

    // What has been handed to the painter, so unchanged state is not set again.
    std::optional<platform::Pen> appliedPen_;
    int appliedPenPixels_ = 0;
    bool penIsNone_ = false;
    std::optional<platform::Colour> textPen_;  // the painter's pen is this text colour
    std::optional<platform::Brush> appliedBrush_;
    bool brushIsNone_ = false;
    std::optional<std::optional<platform::Rect>> appliedClip_;
    std::optional<platform::RasterOp> appliedRop_;
    std::unique_ptr<QtTextCache> ownCache_;
    QtTextCache& cache_;
    int currentFont_ = -1;
    int appliedFont_ = -1;  // the entry last handed to the painter
};

}  // namespace korvo::qt
