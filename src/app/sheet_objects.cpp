// SPDX-License-Identifier: MIT
#include "app/sheet_objects.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "app/sheet_paper.h"
#include "core/numbers/rounding.h"
#include "platform/canvas/qpainter_canvas.h"

namespace probel {
namespace {

constexpr auto kFrameTip = "右クリックでデータ、グラフの設定";
constexpr auto kTextLabelTip = "右クリックでテキストの設定";
// Labels read from a document may lie anywhere; widgets are kept within this many pixels.
constexpr double kFarthestPixel = 1'000'000;

int widgetCoordinate(double value)
{
    return std::isnan(value) ? 0 : static_cast<int>(std::clamp(roundHalfEven(value), -kFarthestPixel, kFarthestPixel));
}

}  // namespace

GraphFrameObject::GraphFrameObject(std::int32_t number, QWidget* paper) : QWidget(paper), number_(number)
{
    setToolTip(QString::fromUtf8(kFrameTip));
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
}

void GraphFrameObject::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
    if (event->button() == Qt::RightButton) {
        emit contextMenuRequested(number_, event->globalPosition().toPoint());
    }
    event->accept();
}

SheetLabelObject::SheetLabelObject(Kind kind, std::int64_t index, QWidget* paper)
    : QWidget(paper), kind_(kind), index_(index)
{
    if (kind_ == Kind::Text) {
        setToolTip(QString::fromUtf8(kTextLabelTip));
    }
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
}

void SheetLabelObject::place(const ChartLabel& label, QSize size)
{
    label_ = label;
    const QPoint topLeft(widgetCoordinate(label.left), widgetCoordinate(label.top));
    setGeometry(QRect(topLeft, size));
    setVisible(label.visible);
    update();
}

void SheetLabelObject::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QPainterCanvas::Options options;
    options.size = size();
    options.dotsPerInch = SheetPaper::kScreenDotsPerInch;
    QPainterCanvas canvas(painter, std::move(options));
    canvas.setFont(label_.font);
    canvas.setColor(label_.foreColor);
    double y = 0;
    for (const std::string_view line : captionLines(label_.caption)) {
        canvas.drawText(PointF{0, y}, line);
        y += canvas.textHeight(line);
    }
}

void SheetLabelObject::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
    if (event->button() == Qt::RightButton && kind_ == Kind::Text) {
        emit contextMenuRequested(index_, event->globalPosition().toPoint());
    }
    event->accept();
}

}  // namespace probel
