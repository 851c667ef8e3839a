// SPDX-License-Identifier: MIT
#include "platform/canvas/qpainter_canvas.h"

#include <QGlyphRun>
#include <QList>
#include <QPaintDevice>
#include <QPolygon>
#include <QTextLayout>

#include <cmath>

#include "core/numbers/rounding.h"
#include "platform/canvas/bgr_color.h"
#include "platform/canvas/qt_font.h"

namespace probel {
namespace {

constexpr double kPointsPerInch = 72;
// Free room around a cached marker for glyph parts outside the font's box (italics, accents).
constexpr int kStampMargin = 2;
// Graphs use a handful of marker texts; the cache is emptied rather than grown past this.
constexpr std::size_t kMostStamps = 64;
// Markers gathered into one glyph run on vector devices: few calls, bounded memory.
constexpr std::size_t kMarkersPerGlyphRun = 4096;

Qt::PenStyle qtPenStyle(std::int32_t style)
{
    switch (style) {
    case kPenDash:
        return Qt::DashLine;
    case kPenDot:
        return Qt::DotLine;
    case kPenDashDot:
        return Qt::DashDotLine;
    case kPenDashDotDot:
        return Qt::DashDotDotLine;
    case kPenInvisible:
        return Qt::NoPen;
    default:
        // Solid, inside solid (the same for a one-pixel line) and unknown codes.
        return Qt::SolidLine;
    }
}

QPen cosmeticPen(const QColor& color, Qt::PenStyle style)
{
    QPen pen(color);
    pen.setWidth(1);
    pen.setCosmetic(true);
    pen.setStyle(style);
    return pen;
}

// Far beyond any page: positions past it (a value far off the axis) are not drawn at all.
constexpr double kFarthestCoordinate = 1 << 24;

bool drawable(PointF point)
{
    return std::isfinite(point.x) && std::isfinite(point.y) && std::abs(point.x) < kFarthestCoordinate &&
           std::abs(point.y) < kFarthestCoordinate;
}

double snapped(double coordinate)
{
    return roundHalfEven(coordinate);
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPaintDevice& device, Options options) : ownPainter_(std::make_unique<QPainter>())
{
    if (ownPainter_->begin(&device)) {
        painter_ = ownPainter_.get();
    }
    size_ = options.size.value_or(QSize(device.width(), device.height()));
    deviceDotsPerInch_ = device.logicalDpiY();
    dotsPerInch_ = options.dotsPerInch.value_or(deviceDotsPerInch_);
    printerPage_ = options.printerPage;
    repaintRequest_ = std::move(options.repaintRequest);
    rasterDevice_ = device.devType() == QInternal::Image || device.devType() == QInternal::Pixmap;
    initialise();
}

QPainterCanvas::QPainterCanvas(QPainter& painter, Options options) : painter_(&painter)
{
    QPaintDevice* device = painter.isActive() ? painter.device() : nullptr;
    if (device == nullptr) {
        painter_ = nullptr;
    }
    size_ = options.size.value_or(device != nullptr ? QSize(device->width(), device->height()) : QSize());
    deviceDotsPerInch_ = device != nullptr ? device->logicalDpiY() : dotsPerInch_;
    dotsPerInch_ = options.dotsPerInch.value_or(deviceDotsPerInch_);
    printerPage_ = options.printerPage;
    repaintRequest_ = std::move(options.repaintRequest);
    rasterDevice_ =
        device != nullptr && (device->devType() == QInternal::Image || device->devType() == QInternal::Pixmap);
    initialise();
}

QPainterCanvas::~QPainterCanvas()
{
    if (ownPainter_ && ownPainter_->isActive()) {
        ownPainter_->end();
    }
}

void QPainterCanvas::initialise()
{
    if (deviceDotsPerInch_ <= 0) {
        deviceDotsPerInch_ = dotsPerInch_;
    }
    linePen_ = cosmeticPen(qtColor_, Qt::SolidLine);
    textPen_ = cosmeticPen(qtColor_, Qt::SolidLine);
    if (painter_ != nullptr) {
        // Crisp one-pixel grid lines; text keeps its smoothing.
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
        painter_->setBackgroundMode(Qt::TransparentMode);
    }
    updateQtFont();
}

bool QPainterCanvas::isActive() const
{
    return painter_ != nullptr;
}

void QPainterCanvas::clear()
{
    if (painter_ != nullptr) {
        painter_->fillRect(QRect(QPoint(0, 0), size_), Qt::white);
    }
}

void QPainterCanvas::requestRepaint()
{
    if (repaintRequest_) {
        repaintRequest_();
    }
}

void QPainterCanvas::setPenStyle(std::int32_t style)
{
    linePen_.setStyle(qtPenStyle(style));
}

void QPainterCanvas::setColor(std::int32_t bgr)
{
    color_ = bgr;
    qtColor_ = colorFromBgr(bgr);
    linePen_.setColor(qtColor_);
    textPen_.setColor(qtColor_);
}

void QPainterCanvas::polyline(std::span<const Point> points)
{
    if (painter_ == nullptr || points.size() < 2 || linePen_.style() == Qt::NoPen) {
        return;
    }
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const auto& point : points) {
        polygon.append(QPoint(point.x, point.y));
    }
    painter_->setPen(linePen_);
    painter_->drawPolyline(polygon);
}

void QPainterCanvas::setFont(const CanvasFont& font)
{
    if (font == font_) {
        return;
    }
    font_ = font;
    updateQtFont();
}

void QPainterCanvas::updateQtFont()
{
    qtFont_ = canvasQtFont(font_, dotsPerInch_, deviceDotsPerInch_);
    QPaintDevice* device = painter_ != nullptr ? painter_->device() : nullptr;
    metrics_.emplace(qtFont_, device);
    lastMeasuredUtf8_.clear();
    lastMeasuredText_.clear();
    if (painter_ != nullptr) {
        painter_->setFont(qtFont_);
    }
}

double QPainterCanvas::textWidth(std::string_view text)
{
    if (text != lastMeasuredUtf8_) {
        lastMeasuredUtf8_.assign(text);
        lastMeasuredText_ = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    return metrics_->horizontalAdvance(lastMeasuredText_);
}

double QPainterCanvas::textHeight(std::string_view /*text*/)
{
    return metrics_->lineSpacing();
}

void QPainterCanvas::drawText(PointF topLeft, std::string_view text)
{
    if (painter_ == nullptr || text.empty() || !drawable(topLeft)) {
        return;
    }
    const QString qtText = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    double x = topLeft.x;
    double y = topLeft.y;
    if (rasterDevice_) {
        // Whole pixels, as the cached markers are placed, so both ways give the same image.
        x = snapped(x);
        y = snapped(y);
    }
    painter_->setPen(textPen_);
    painter_->setFont(qtFont_);
    painter_->drawText(QPointF(x, y + metrics_->ascent()), qtText);
}

qsizetype QPainterCanvas::stampImagePixels() const
{
    qsizetype pixels = 0;
    for (const auto& entry : stamps_) {
        pixels += qsizetype{entry.second.image.width()} * entry.second.image.height();
    }
    return pixels;
}

QPainterCanvas::StampBox QPainterCanvas::stampBox(const QString& text) const
{
    const double ascent = metrics_->ascent();
    // The glyphs' ink relative to the top-left anchor, united with the font's own box.
    QRectF ink = metrics_->boundingRect(text).translated(0, ascent);
    ink = ink.united(QRectF(0, 0, metrics_->horizontalAdvance(text), metrics_->height()));
    const QPoint offset(static_cast<int>(std::ceil(-ink.left())) + kStampMargin,
                        static_cast<int>(std::ceil(-ink.top())) + kStampMargin);
    const QSize size(offset.x() + static_cast<int>(std::ceil(ink.right())) + kStampMargin,
                     offset.y() + static_cast<int>(std::ceil(ink.bottom())) + kStampMargin);
    return StampBox{offset, size};
}

const QPainterCanvas::Stamp& QPainterCanvas::stampFor(const QString& text, const StampBox& box)
{
    auto key = std::make_tuple(text, qtFont_.key(), color_);
    const auto found = stamps_.find(key);
    if (found != stamps_.end()) {
        return found->second;
    }
    if (stamps_.size() >= kMostStamps) {
        stamps_.clear();
    }
    Stamp stamp;
    stamp.image = QImage(box.size, QImage::Format_ARGB32_Premultiplied);
    QPaintDevice* device = painter_->device();
    // Same resolution as the target, so the same point size gives the same glyphs.
    stamp.image.setDotsPerMeterX(qRound(device->logicalDpiX() / 0.0254));
    stamp.image.setDotsPerMeterY(qRound(device->logicalDpiY() / 0.0254));
    stamp.image.fill(Qt::transparent);
    {
        QPainter glyphPainter(&stamp.image);
        glyphPainter.setRenderHints(painter_->renderHints());
        glyphPainter.setPen(textPen_);
        glyphPainter.setFont(qtFont_);
        glyphPainter.drawText(QPointF(box.offset.x(), box.offset.y() + metrics_->ascent()), text);
    }
    stamp.offset = box.offset;
    return stamps_.emplace(std::move(key), std::move(stamp)).first->second;
}

void QPainterCanvas::stampVisibleText(std::span<const PointF> topLefts, std::string_view text)
{
    if (painter_ == nullptr || text.empty() || topLefts.empty()) {
        return;
    }
    if (!fastStamping_) {
        Canvas::stampVisibleText(topLefts, text);
        return;
    }
    const QString qtText = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (!rasterDevice_ || painter_->deviceTransform().type() > QTransform::TxTranslate) {
        drawGlyphRuns(topLefts, qtText);
        return;
    }
    const StampBox box = stampBox(qtText);
    const QRect page(QPoint(0, 0), size_);
    const auto placed = [&](const PointF& topLeft) {
        return QPoint(static_cast<int>(snapped(topLeft.x)) - box.offset.x(),
                      static_cast<int>(snapped(topLeft.y)) - box.offset.y());
    };
    // An image of a marker is kept to the page's pixels (one of a long text in a huge size
    // would take gigabytes); a larger marker is drawn where it meets the page instead. A marker
    // cut at the page's width is a little wider than the page but one line high, and cached.
    if (qint64{box.size.width()} * box.size.height() > qint64{size_.width()} * size_.height()) {
        for (const auto& topLeft : topLefts) {
            if (drawable(topLeft) && page.intersects(QRect(placed(topLeft), box.size))) {
                drawText(topLeft, text);
            }
        }
        return;
    }
    const Stamp& stamp = stampFor(qtText, box);
    for (const auto& topLeft : topLefts) {
        if (!drawable(topLeft)) {
            continue;
        }
        const QPoint at = placed(topLeft);
        if (page.intersects(QRect(at, stamp.image.size()))) {
            painter_->drawImage(at, stamp.image);
        }
    }
}

// Vector output keeps real text. The text is laid out once and its glyphs placed at every
// point, many markers to a glyph run: laying the text out again for each of a million
// markers, or writing each as a text of its own, would take most of the time.
void QPainterCanvas::drawGlyphRuns(std::span<const PointF> topLefts, const QString& text)
{
    QTextLayout layout(text, qtFont_, painter_->device());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) {
        return;
    }
    // The runs stand on the line's baseline; drawText puts the font's ascent above it.
    const double drop = metrics_->ascent() - line.ascent();
    painter_->setPen(textPen_);
    painter_->setFont(qtFont_);
    for (const QGlyphRun& run : layout.glyphRuns()) {
        // An underline or a strike-through spans its whole run, so such runs stay one a marker.
        const bool decorated = run.underline() || run.strikeOut() || run.overline();
        const std::size_t markersPerRun = decorated ? 1 : kMarkersPerGlyphRun;
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> offsets = run.positions();
        QList<quint32> allGlyphs;
        QList<QPointF> allPositions;
        QGlyphRun combined = run;
        const auto flush = [&] {
            if (!allGlyphs.isEmpty()) {
                combined.setGlyphIndexes(allGlyphs);
                combined.setPositions(allPositions);
                painter_->drawGlyphRun(QPointF(0, 0), combined);
                allGlyphs.clear();
                allPositions.clear();
            }
        };
        std::size_t markers = 0;
        for (const auto& topLeft : topLefts) {
            if (!drawable(topLeft)) {
                continue;
            }
            const QPointF origin(topLeft.x, topLeft.y + drop);
            for (qsizetype i = 0; i < glyphs.size(); ++i) {
                allGlyphs.append(glyphs[i]);
                allPositions.append(origin + offsets[i]);
            }
            if (++markers % markersPerRun == 0) {
                flush();
            }
        }
        flush();
    }
}

}  // namespace probel
