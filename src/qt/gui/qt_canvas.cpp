#include "qt/gui/qt_canvas.h"

#include <QImage>
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
    if (QString::fromStdString(font.face).trimmed().toLower() == "impact")
        q.setStretch(QFont::Condensed);
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

QtCanvas::QtCanvas(QPainter& painter, platform::Size deviceSize, bool printer,
                   QtTextCache* textCache)
    : painter_(painter),
      size_(deviceSize),
      printer_(printer),
      ownCache_(textCache ? nullptr : std::make_unique<QtTextCache>()),
      cache_(textCache ? *textCache : *ownCache_) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.resetTransform();
}

namespace {

// platform::LogicalToPixels, inlined: every primitive converts its corners.
inline int ToPixels(int logical) {
    constexpr long long kDen = platform::kLogicalPerInch;
    const long long p = static_cast<long long>(logical) * platform::kDotsPerInch;
    return static_cast<int>(p >= 0 ? (p + kDen / 2) / kDen : -((-p + kDen / 2) / kDen));
}

}  // namespace

int QtCanvas::DevX(int x) const {
    return state_.viewportOrigin.x + (state_.mapMode == MapMode::Device ? x : ToPixels(x));
}

int QtCanvas::DevY(int y) const {
    return state_.viewportOrigin.y + (state_.mapMode == MapMode::Device ? y : -ToPixels(y));
}

QPoint QtCanvas::Dev(Point p) const {
    return QPoint(DevX(p.x), DevY(p.y));
}

QRect QtCanvas::DevRect(Rect r) const {
    const QPoint a = Dev(Point{r.left, r.top});
    const QPoint b = Dev(Point{r.right, r.bottom});
    const int left = std::min(a.x(), b.x());
    const int top = std::min(a.y(), b.y());
    return QRect(left, top, std::max(a.x(), b.x()) - left, std::max(a.y(), b.y()) - top);
}

int QtCanvas::LengthToPixels(int length) const {
    const int a = std::abs(length);
    return state_.mapMode == MapMode::LoMetric ? platform::LogicalToPixels(a) : a;
}

const QRect& QtCanvas::Visible() const {
    // The clip changes a few times per paint; primitives come by the thousand.
    if (!visibleFor_ || *visibleFor_ != state_.clip) {
        QRect device(0, 0, size_.width, size_.height);
        if (state_.clip) device = device.intersected(ToQRect(*state_.clip));
        visible_ = device;
        visibleFor_ = state_.clip;
    }
    return visible_;
}

bool QtCanvas::Outside(const QRect& bounds) const {
    if (!skipOutside_) return false;
    return !bounds.intersects(Visible());
}

bool QtCanvas::OutsideColumns(int left, int right) const {
    if (!skipOutside_) return false;
    const QRect& v = Visible();
    return v.isEmpty() || right < v.left() || left > v.right();
}

bool QtCanvas::OutsideBox(int left, int top, int right, int bottom) const {
    if (!skipOutside_) return false;
    const QRect& v = Visible();
    if (v.isEmpty()) return true;
    return right < v.left() || left > v.right() || bottom < v.top() || top > v.bottom();
}

void QtCanvas::ApplyClipAndRop() {
    if (!appliedClip_ || *appliedClip_ != state_.clip) {
        if (state_.clip)
            painter_.setClipRect(ToQRect(*state_.clip));
        else
            painter_.setClipping(false);
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
            case PenStyle::Dash:
                q.setDashPattern({18, 6});
                break;
            case PenStyle::Dot:
                q.setDashPattern({3, 3});
                break;
            case PenStyle::DashDot:
                q.setDashPattern({9, 6, 3, 6});
                break;
            case PenStyle::DashDotDot:
                q.setDashPattern({9, 3, 3, 3, 3, 3});
                break;
            default:
                break;
        }
    } else {
        q.setCapStyle(Qt::RoundCap);
        q.setJoinStyle(Qt::RoundJoin);
    }
    painter_.setPen(q);
    appliedPen_ = pen;
    appliedPenPixels_ = width;
    penIsNone_ = false;
    textPen_.reset();
}

void QtCanvas::ApplyNoPen() {
    if (penIsNone_) return;
    painter_.setPen(Qt::NoPen);
    penIsNone_ = true;
    appliedPen_.reset();
    textPen_.reset();
}

void QtCanvas::ApplyTextPen() {
    // Texts in a row mostly share a colour; the painter keeps the pen between them.
    if (textPen_ && *textPen_ == state_.textColour) return;
    painter_.setPen(ToQColor(state_.textColour));
    textPen_ = state_.textColour;
    appliedPen_.reset();
    penIsNone_ = false;
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
    const Point from = state_.position;
    state_.position = p;
    const int w = std::max(1, LengthToPixels(state_.pen.width));
    // Most lines that miss the window miss it sideways: test x before y.
    const int ax = DevX(from.x);
    const int bx = DevX(p.x);
    if (state_.pen.style == PenStyle::Null ||
        OutsideColumns(std::min(ax, bx) - w, std::max(ax, bx) + w)) {
        ++skipped_;
        return;
    }
    const QPoint a(ax, DevY(from.y));
    const QPoint b(bx, DevY(p.y));
    if (OutsideBox(std::min(a.x(), b.x()) - w, std::min(a.y(), b.y()) - w,
                   std::max(a.x(), b.x()) + w, std::max(a.y(), b.y()) + w)) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    if (w == 1 && state_.pen.style == PenStyle::Solid &&
        state_.rasterOp == platform::RasterOp::CopyPen && (a.x() == b.x() || a.y() == b.y())) {
        // A one-pixel solid line along an axis covers the pixels from the lower
        // end up to, not including, the upper end (one pixel when both meet):
        // exactly the rectangle, which the painter fills much faster.
        const int x = std::min(a.x(), b.x());
        const int y = std::min(a.y(), b.y());
        painter_.fillRect(
            QRect(x, y, std::max(1, std::abs(b.x() - a.x())), std::max(1, std::abs(b.y() - a.y()))),
            ToQColor(state_.pen.colour));
    } else {
        ApplyPen();
        painter_.drawLine(a, b);
    }
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
    const QRect d = DevRect(r);
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

std::optional<QRect> QtCanvas::BeginFilledShape(Rect r) {
    const QRect d = DevRect(r);
    if (d.isEmpty() || Outside(d)) {
        ++skipped_;
        return std::nullopt;
    }
    ApplyClipAndRop();
    if (state_.pen.style == PenStyle::Null)
        ApplyNoPen();
    else
        ApplyPen();
    ApplyBrush(state_.brush);
    return d.adjusted(0, 0, -1, -1);
}

void QtCanvas::RoundRect(Rect r, int cornerWidth, int cornerHeight) {
    const std::optional<QRect> d = BeginFilledShape(r);
    if (!d) return;
    const double rx = LengthToPixels(cornerWidth) / 2.0;
    const double ry = LengthToPixels(cornerHeight) / 2.0;
    painter_.drawRoundedRect(*d, rx, ry);
    ++drawn_;
}

void QtCanvas::Ellipse(Rect r) {
    const std::optional<QRect> d = BeginFilledShape(r);
    if (!d) return;
    painter_.drawEllipse(*d);
    ++drawn_;
}

void QtCanvas::FillRect(Rect r, const Brush& brush) {
    const int x0 = DevX(r.left);
    const int x1 = DevX(r.right);
    if (OutsideColumns(std::min(x0, x1), std::max(x0, x1))) {
        ++skipped_;
        return;
    }
    const QRect d = DevRect(r);
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

int QtTextCache::Find(const platform::Font& font, int key) {
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i].key == key && fonts_[i].font == font) return static_cast<int>(i);
    const int px = std::abs(key);
    QFont q = MakeQFont(font, px);
    if (key > 0) {
        // A positive height is the cell height: find the character height that fills it.
        const QFontMetrics m(q);
        const int cell = m.ascent() + m.descent();
        if (cell > 0)
            q.setPixelSize(std::max(1, static_cast<int>(std::lround(double(px) * px / cell))));
    }
    const QFontMetrics metrics(q);
    fonts_.push_back(FontEntry{font, key, q, metrics.ascent(), metrics.descent(), {}, {}});
    return static_cast<int>(fonts_.size()) - 1;
}

int QtTextCache::Width(int index, const QString& text) {
    FontEntry& e = At(index);
    // The same labels come back on every paint; measure each once.
    const auto it = e.widths.constFind(text);
    if (it != e.widths.constEnd()) return it.value();
    if (e.widths.size() > 1024) e.widths.clear();
    const int w = QFontMetrics(e.q).horizontalAdvance(text);
    e.widths.insert(text, w);
    return w;
}

const QStaticText& QtTextCache::LaidOut(int index, const QString& text) {
    FontEntry& e = At(index);
    auto it = e.laidOut.find(text);
    if (it != e.laidOut.end()) return it.value();
    if (e.laidOut.size() > 1024) e.laidOut.clear();
    QStaticText st(text);
    st.setTextFormat(Qt::PlainText);
    st.prepare(QTransform(), e.q);
    return e.laidOut.insert(text, st).value();
}

const QtTextCache::FontEntry& QtCanvas::CurrentFont() {
    const platform::Font& font = state_.font;
    int px = LengthToPixels(font.height);
    if (px == 0) px = 12;
    const int key = font.height < 0 ? -px : px;
    if (currentFont_ >= 0) {
        const QtTextCache::FontEntry& e = cache_.At(currentFont_);
        if (e.key == key && e.font == font) return e;
    }
    currentFont_ = cache_.Find(font, key);
    return cache_.At(currentFont_);
}

void QtCanvas::ApplyFont() {
    CurrentFont();
    if (appliedFont_ == currentFont_) return;
    painter_.setFont(cache_.At(currentFont_).q);
    appliedFont_ = currentFont_;
}

int QtCanvas::TextWidth(const QString& text) {
    return cache_.Width(currentFont_, text);
}

void QtCanvas::DrawOneText(const QPoint& at, const QString& text) {
    ApplyFont();
    const QtTextCache::FontEntry& font = cache_.At(currentFont_);
    const bool opaque = state_.backgroundMode == platform::BackgroundMode::Opaque;
    // Left-aligned transparent text needs no width.
    const int width = (state_.hAlign != platform::HAlign::Left || opaque) ? TextWidth(text) : 0;
    int dx = 0;
    if (state_.hAlign == platform::HAlign::Centre)
        dx = -width / 2;
    else if (state_.hAlign == platform::HAlign::Right)
        dx = -width;
    int baseline = 0;
    if (state_.vAlign == platform::VAlign::Top)
        baseline = font.ascent;
    else if (state_.vAlign == platform::VAlign::Bottom)
        baseline = -font.descent;

    const int escapement = state_.font.escapement;
    const bool rotated = escapement % 3600 != 0;
    if (rotated) {
        painter_.translate(at);
        painter_.rotate(-escapement / 10.0);
    }
    const QPoint origin = rotated ? QPoint(0, 0) : at;
    if (opaque) {
        painter_.fillRect(QRect(origin.x() + dx, origin.y() + baseline - font.ascent, width,
                                font.ascent + font.descent),
                          ToQColor(state_.backgroundColour));
    }
    ApplyTextPen();
    if (rotated) {
        painter_.drawText(QPoint(origin.x() + dx, origin.y() + baseline), text);
        painter_.resetTransform();
    } else {
        painter_.drawStaticText(QPointF(origin.x() + dx, origin.y() + baseline - font.ascent),
                                cache_.LaidOut(currentFont_, text));
    }
}

void QtCanvas::TextOut(Point p, std::string_view utf8) {
    if (utf8.empty()) return;
    const QPoint at = Dev(p);
    // Texts are short; a generous box around the anchor (every byte taken as a full
    // character) decides whether any pixel can show, before any text is converted.
    const int px = std::max(12, LengthToPixels(state_.font.height));
    const int reach = px * (static_cast<int>(utf8.size()) + 2);
    if (OutsideBox(at.x() - reach, at.y() - reach, at.x() + reach, at.y() + reach)) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    DrawOneText(at, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    ++drawn_;
}

void QtCanvas::DrawTextWrapped(Rect r, std::string_view utf8) {
    const QRect d = DevRect(r);
    if (d.isEmpty() || Outside(d)) {
        ++skipped_;
        return;
    }
    ApplyClipAndRop();
    ApplyFont();
    ApplyTextPen();
    painter_.drawText(d, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                      QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    ++drawn_;
}

platform::Size QtCanvas::TextExtent(std::string_view utf8) {
    const QtTextCache::FontEntry& font = CurrentFont();
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const int w = TextWidth(text);
    const int h = font.ascent + font.descent;
    if (state_.mapMode == MapMode::LoMetric)
        return platform::Size{platform::PixelsToLogical(w), platform::PixelsToLogical(h)};
    return platform::Size{w, h};
}

platform::Picture QtCanvas::ReadPixels(Rect deviceRect) {
    platform::Picture picture;
    QPaintDevice* device = painter_.device();
    if (!device || device->devType() != QInternal::Image) return picture;
    const auto* image = static_cast<const QImage*>(device);
    const QRect r = ToQRect(deviceRect).intersected(image->rect());
    if (r.isEmpty()) return picture;
    // The window's picture is 32-bit already; anything else is converted first.
    const bool direct = image->format() == QImage::Format_RGB32 ||
                        image->format() == QImage::Format_ARGB32_Premultiplied;
    const QImage converted = direct ? QImage() : image->convertToFormat(QImage::Format_RGB32);
    const QImage& source = direct ? *image : converted;
    picture.size = platform::Size{r.width(), r.height()};
    picture.pixels.resize(static_cast<std::size_t>(r.width()) *
                          static_cast<std::size_t>(r.height()));
    std::uint32_t* out = picture.pixels.data();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y)) + r.left();
        for (int x = 0; x < r.width(); ++x)
            *out++ = line[x] & 0xFFFFFFu;
    }
    return picture;
}

void QtCanvas::DrawPicture(Point devicePixels, const platform::Picture& picture) {
    if (picture.IsEmpty()) return;
    QImage image(picture.size.width, picture.size.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.size.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.size.width; ++x)
            line[x] = 0xFF000000u | picture.At(x, y);
    }
    painter_.save();
    if (state_.clip)
        painter_.setClipRect(ToQRect(*state_.clip));
    else
        painter_.setClipping(false);
    // The picture is opaque: drawn over, it replaces every pixel it covers,
    // by the painter's fast copy of one 32-bit image onto another.
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.drawImage(QPoint(devicePixels.x, devicePixels.y), image);
    painter_.restore();
    ++drawn_;
}

}  // namespace korvo::qt
