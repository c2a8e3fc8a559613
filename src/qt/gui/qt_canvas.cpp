#include "qt/gui/qt_canvas.h"

#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korvo::qt {

using platform::Brush;
using platform::Colour;
using platform::MapMode;
using platform::Pen;
using platform::PenStyle;
using platform::Point;
using platform::Rect;

namespace {

QColor ToQColor(Colour c) {
    const Colour d = platform::DrawnColour(c);
    return QColor(platform::RedOf(d), platform::GreenOf(d), platform::BlueOf(d));
}

QRect ToQRect(const Rect& r) {
    const Rect n = r.Normalised();
    return QRect(n.left, n.top, n.Width(), n.Height());
}

}  // namespace

QString ResolveFontFamily(const std::string& face) {
    QString f = QString::fromStdString(face).trimmed();
    const QString lower = f.toLower();
    if (f == QStringLiteral("ＭＳゴシック") || lower == "ms gothic" || lower == "msgothic" ||
        f == QStringLiteral("ＭＳ ゴシック"))
        return QStringLiteral("IPAGothic");
    if (lower == "ms ui gothic" || f == QStringLiteral("ＭＳ Ｐゴシック") || lower == "ms pgothic")
        return QStringLiteral("IPAPGothic");
    if (f == QStringLiteral("ＭＳ明朝") || lower == "ms mincho") return QStringLiteral("IPAMincho");
    if (lower == "aerial" || lower == "arial" || lower == "system" || lower.isEmpty())
        return QStringLiteral("Liberation Sans");
    if (lower == "times new roman" || lower == "roman") return QStringLiteral("Liberation Serif");
    if (lower == "impact") return QStringLiteral("DejaVu Sans");
    return f;
}

QFont MakeQFont(const platform::Font& font, int pixelHeight) {
    const QString family = ResolveFontFamily(font.face);
    QFont q;
    // Japanese text in a Latin face falls back to the IPA fonts.
    q.setFamilies({family, QStringLiteral("IPAPGothic")});
    if (QString::fromStdString(font.face).trimmed().toLower() == "impact") q.setStretch(QFont::Condensed);
    q.setPixelSize(std::max(1, pixelHeight));
    const int weight = std::clamp(font.weight <= 0 ? 400 : font.weight, 100, 900);
    q.setWeight(static_cast<QFont::Weight>(weight));
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikeOut);
    q.setStyleStrategy(QFont::NoAntialias);
    q.setHintingPreference(QFont::PreferFullHinting);
    return q;
}

QtCanvas::QtCanvas(QPainter& painter, platform::Size deviceSize, bool printer)
    : painter_(painter), size_(deviceSize), printer_(printer) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.resetTransform();
}

QPoint QtCanvas::Dev(Point p) const {
    const Point d = LogicalToDevice(p);
    return QPoint(d.x, d.y);
}

int QtCanvas::LengthToPixels(int length) const {
    const int a = std::abs(length);
    return state_.mapMode == MapMode::LoMetric ? platform::LogicalToPixels(a) : a;
}

QRect QtCanvas::Visible() const {
    QRect device(0, 0, size_.width, size_.height);
    if (state_.clip) device = device.intersected(ToQRect(*state_.clip));
    return device;
}

bool QtCanvas::Outside(const QRect& bounds) const {
    if (!bounds.intersects(Visible())) return true;
    return false;
}

void QtCanvas::ApplyClipAndRop() {
    if (!appliedClip_ || *appliedClip_ != state_.clip) {
        if (state_.clip) painter_.setClipRect(ToQRect(*state_.clip));
        else painter_.setClipping(false);
        appliedClip_ = state_.clip;
    }
    if (!appliedRop_ || *appliedRop_ != state_.rasterOp) {
        painter_.setCompositionMode(state_.rasterOp == platform::RasterOp::Invert
                                        ? QPainter::RasterOp_NotDestination
                                        : QPainter::CompositionMode_SourceOver);
        appliedRop_ = state_.rasterOp;
    }
}

void QtCanvas::ApplyPen() {
    const Pen& pen = state_.pen;
    if (pen.style == PenStyle::Null) {
        ApplyNoPen();
        return;
    }
    const int width = std::max(1, LengthToPixels(pen.width));
    if (!penIsNone_ && appliedPen_ && *appliedPen_ == pen && appliedPenPixels_ == width) return;
    QPen q(ToQColor(pen.colour));
    q.setCosmetic(true);
    q.setWidth(width);
    // Patterned pens are one pixel wide; wider pens are always solid.
    if (width == 1) {
        q.setCapStyle(Qt::FlatCap);  // the end point is not drawn, as for LineTo
        switch (pen.style) {
            case PenStyle::Dash: q.setDashPattern({18, 6}); break;
            case PenStyle::Dot: q.setDashPattern({3, 3}); break;
            case PenStyle::DashDot: q.setDashPattern({9, 6, 3, 6}); break;
            case PenStyle::DashDotDot: q.setDashPattern({9, 3, 3, 3, 3, 3}); break;
            default: break;
        }
    } else {
        q.setCapStyle(Qt::RoundCap);
        q.setJoinStyle(Qt::RoundJoin);
    }
    painter_.setPen(q);
    appliedPen_ = pen;
    appliedPenPixels_ = width;
    penIsNone_ = false;
}

void QtCanvas::ApplyNoPen() {
    if (penIsNone_) return;
    painter_.setPen(Qt::NoPen);
    penIsNone_ = true;
    appliedPen_.reset();
}

void QtCanvas::ApplyBrush(const Brush& brush) {
    if (brush.hollow) {
        ApplyNoBrush();
        return;
    }
    if (!brushIsNone_ && appliedBrush_ && *appliedBrush_ == brush) return;
    painter_.setBrush(ToQColor(brush.colour));
    appliedBrush_ = brush;
    brushIsNone_ = false;
}

void QtCanvas::ApplyNoBrush() {
    if (brushIsNone_) return;
    painter_.setBrush(Qt::NoBrush);
    brushIsNone_ = true;
    appliedBrush_.reset();
}

void QtCanvas::LineTo(Point p) {
    const QPoint a = Dev(state_.position);
    const QPoint b = Dev(p);
    state_.position = p;
    const int w = std::max(1, LengthToPixels(state_.pen.width));
    const QRect bounds = QRect(a, b).normalized().adjusted(-w, -w, w, w);
    if (state_.pen.style == PenStyle::Null || Outside(bounds)) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    ApplyPen();
    painter_.drawLine(a, b);
    ++drawn_;
}

void QtCanvas::Polyline(const std::vector<Point>& points) {
    if (points.size() < 2 || state_.pen.style == PenStyle::Null) {
        ++skipped_;
        return;
    }
    QPolygon poly;
    poly.reserve(static_cast<int>(points.size()));
    int minX = INT32_MAX, minY = INT32_MAX, maxX = INT32_MIN, maxY = INT32_MIN;
    for (const Point& p : points) {
        const QPoint d = Dev(p);
        minX = std::min(minX, d.x());
        maxX = std::max(maxX, d.x());
        minY = std::min(minY, d.y());
        maxY = std::max(maxY, d.y());
        poly << d;
    }
    const int w = std::max(1, LengthToPixels(state_.pen.width));
    if (Outside(QRect(QPoint(minX - w, minY - w), QPoint(maxX + w, maxY + w)))) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    ApplyPen();
    painter_.drawPolyline(poly);
    ++drawn_;
}

void QtCanvas::Rectangle(Rect r) {
    const QRect d = ToQRect(LogicalToDevice(r));
    if (d.isEmpty() || Outside(d)) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    if (!state_.brush.hollow) painter_.fillRect(d, ToQColor(state_.brush.colour));
    if (state_.pen.style != PenStyle::Null) {
        ApplyPen();
        ApplyNoBrush();
        painter_.drawRect(d.adjusted(0, 0, -1, -1));
    }
    ++drawn_;
}

void QtCanvas::RoundRect(Rect r, int cornerWidth, int cornerHeight) {
    const QRect d = ToQRect(LogicalToDevice(r));
    if (d.isEmpty() || Outside(d)) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    if (state_.pen.style == PenStyle::Null) ApplyNoPen();
    else ApplyPen();
    ApplyBrush(state_.brush);
    const double rx = LengthToPixels(cornerWidth) / 2.0;
    const double ry = LengthToPixels(cornerHeight) / 2.0;
    painter_.drawRoundedRect(d.adjusted(0, 0, -1, -1), rx, ry);
    ++drawn_;
}

void QtCanvas::Ellipse(Rect r) {
    const QRect d = ToQRect(LogicalToDevice(r));
    if (d.isEmpty() || Outside(d)) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    if (state_.pen.style == PenStyle::Null) ApplyNoPen();
    else ApplyPen();
    ApplyBrush(state_.brush);
    painter_.drawEllipse(d.adjusted(0, 0, -1, -1));
    ++drawn_;
}

void QtCanvas::FillRect(Rect r, const Brush& brush) {
    const QRect d = ToQRect(LogicalToDevice(r));
    if (brush.hollow || d.isEmpty() || Outside(d)) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    painter_.fillRect(d, ToQColor(brush.colour));
    ++drawn_;
}

void QtCanvas::SetPixel(Point p, Colour colour) {
    const QPoint d = Dev(p);
    if (Outside(QRect(d, QSize(1, 1)))) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    painter_.fillRect(QRect(d, QSize(1, 1)), ToQColor(colour));
    ++drawn_;
}

const QFont& QtCanvas::CurrentQFont() {
    const platform::Font& font = state_.font;
    int px = LengthToPixels(font.height);
    if (px == 0) px = 12;
    const int key = font.height < 0 ? -px : px;
    if (cachedFontKey_ && cachedFontKey_->first == font && cachedFontKey_->second == key)
        return cachedFont_;
    QFont q = MakeQFont(font, px);
    if (font.height > 0) {
        // A positive height is the cell height: find the character height that fills it.
        const QFontMetrics m(q);
        const int cell = m.ascent() + m.descent();
        if (cell > 0) q.setPixelSize(std::max(1, static_cast<int>(std::lround(
                                                    double(px) * px / cell))));
    }
    cachedFont_ = q;
    cachedFontKey_ = std::make_pair(font, key);
    return cachedFont_;
}

void QtCanvas::DrawOneText(const QPoint& at, const QString& text) {
    const QFont& font = CurrentQFont();
    painter_.setFont(font);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    int dx = 0;
    if (state_.hAlign == platform::HAlign::Centre) dx = -width / 2;
    else if (state_.hAlign == platform::HAlign::Right) dx = -width;
    int baseline = 0;
    if (state_.vAlign == platform::VAlign::Top) baseline = metrics.ascent();
    else if (state_.vAlign == platform::VAlign::Bottom) baseline = -metrics.descent();

    const int escapement = state_.font.escapement;
    const bool rotated = escapement % 3600 != 0;
    if (rotated) {
        painter_.translate(at);
        painter_.rotate(-escapement / 10.0);
    }
    const QPoint origin = rotated ? QPoint(0, 0) : at;
    if (state_.backgroundMode == platform::BackgroundMode::Opaque) {
        painter_.fillRect(QRect(origin.x() + dx, origin.y() + baseline - metrics.ascent(), width,
                                metrics.ascent() + metrics.descent()),
                          ToQColor(state_.backgroundColour));
    }
    painter_.setPen(ToQColor(state_.textColour));
    appliedPen_.reset();
    penIsNone_ = false;
    painter_.drawText(QPoint(origin.x() + dx, origin.y() + baseline), text);
    if (rotated) painter_.resetTransform();
}

void QtCanvas::TextOut(Point p, std::string_view utf8) {
    if (utf8.empty()) return;
    const QPoint at = Dev(p);
    // Texts are short; a generous box around the anchor (every byte taken as a full
    // character) decides whether any pixel can show, before any text is converted.
    const int px = std::max(12, LengthToPixels(state_.font.height));
    const int reach = px * (static_cast<int>(utf8.size()) + 2);
    if (Outside(QRect(at.x() - reach, at.y() - reach, 2 * reach, 2 * reach))) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    DrawOneText(at, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    ++drawn_;
}

void QtCanvas::DrawTextWrapped(Rect r, std::string_view utf8) {
    const QRect d = ToQRect(LogicalToDevice(r));
    if (d.isEmpty() || Outside(d)) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    painter_.setFont(CurrentQFont());
    painter_.setPen(ToQColor(state_.textColour));
    appliedPen_.reset();
    penIsNone_ = false;
    painter_.drawText(d, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                      QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    ++drawn_;
}

platform::Size QtCanvas::TextExtent(std::string_view utf8) {
    const QFontMetrics metrics(CurrentQFont());
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const int w = metrics.horizontalAdvance(text);
    const int h = metrics.ascent() + metrics.descent();
    if (state_.mapMode == MapMode::LoMetric)
        return platform::Size{platform::PixelsToLogical(w), platform::PixelsToLogical(h)};
    return platform::Size{w, h};
}

}  // namespace korvo::qt
