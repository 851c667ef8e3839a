// SPDX-License-Identifier: MIT
#include "dialogs/line_style_box.h"

#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "platform/canvas/bgr_color.h"
#include "platform/canvas/qpainter_canvas.h"

namespace probel {
namespace {

// Long enough for a dash-dot-dot pattern to show its whole period.
constexpr QSize kIconSize(48, 12);

int styleCount()
{
    return static_cast<int>(LineStyleBox::kStyleTexts.size());
}

QPixmap linePixmap(std::int32_t style, const QColor& color, qreal ratio)
{
    QPixmap pixmap(kIconSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // The canvas the graphs are drawn on, so the list shows the patterns a graph will have.
    QPainterCanvas::Options options;
    options.size = kIconSize;
    QPainterCanvas canvas(painter, options);
    canvas.setPenStyle(style);
    canvas.setColor(bgrFromColor(color));
    const std::int32_t middle = kIconSize.height() / 2;
    const Point ends[] = {{0, middle}, {kIconSize.width(), middle}};
    canvas.polyline(ends);
    return pixmap;
}

}  // namespace

LineStyleBox::LineStyleBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setIconSize(kIconSize);
    for (int style = 0; style < styleCount(); ++style) {
        addItem(QString::fromUtf8(kStyleTexts[static_cast<std::size_t>(style)]), style);
    }
    drawIcons();
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            emit penStyleChanged(index);
        }
    });
}

std::int32_t LineStyleBox::penStyle() const
{
    const int index = currentIndex();
    return index >= 0 ? itemData(index).toInt() : unlistedStyle_;
}

void LineStyleBox::setPenStyle(std::int32_t style)
{
    if (style >= 0 && style < styleCount()) {
        setCurrentIndex(style);
        return;
    }
    unlistedStyle_ = style;
    setCurrentIndex(-1);
    emit penStyleChanged(style);
}

void LineStyleBox::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        drawIcons();
    }
}

void LineStyleBox::drawIcons()
{
    const QColor color = palette().color(QPalette::Text);
    for (int style = 0; style < styleCount(); ++style) {
        // Sharp lines at 100 % and 200 %; Qt scales the nearer one for other factors.
        QIcon icon;
        icon.addPixmap(linePixmap(style, color, 1));
        icon.addPixmap(linePixmap(style, color, 2));
        setItemIcon(style, icon);
    }
}

}  // namespace probel
