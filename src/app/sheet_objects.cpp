// SPDX-License-Identifier: MIT
#include "app/sheet_objects.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QUrl>

#include <algorithm>
#include <cmath>

#include "core/numbers/rounding.h"
#include "core/sheet/paper_size.h"
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

// The one-pixel line around a held object.
void drawHeldBorder(QWidget& object)
{
    QPainter painter(&object);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(object.rect().adjusted(0, 0, -1, -1));
}

Qt::CursorShape gripCursor(FrameGrip grip)
{
    switch (grip) {
    case FrameGrip::LeftEdge:
    case FrameGrip::RightEdge:
        return Qt::SizeHorCursor;
    case FrameGrip::TopEdge:
    case FrameGrip::BottomEdge:
        return Qt::SizeVerCursor;
    case FrameGrip::Move:
        break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

GraphFrameObject::GraphFrameObject(std::int32_t number, QWidget* paper) : QWidget(paper), number_(number)
{
    setToolTip(QString::fromUtf8(kFrameTip));
    setAccessibleName(QStringLiteral("グラフ %1").arg(number));
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setAcceptDrops(true);
}

void GraphFrameObject::setHeld(bool held)
{
    held_ = held;
    update();
}

void GraphFrameObject::paintEvent(QPaintEvent* /*event*/)
{
    if (held_) {
        drawHeldBorder(*this);
    }
}

void GraphFrameObject::showGripAt(QPointF position)
{
    grip_ = frameGripAt(position.x(), position.y(), width(), height());
    setCursor(gripCursor(grip_));
}

void GraphFrameObject::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
    if (event->button() == Qt::LeftButton) {
        // The shape the pointer shows decides; a press without a motion before it gets the
        // shape its place would have shown.
        if (!held_) {
            showGripAt(event->position());
        }
        emit leftPressed(number_, event->position());
    } else if (event->button() == Qt::RightButton) {
        emit contextMenuRequested(number_, event->globalPosition().toPoint());
    }
    event->accept();
}

void GraphFrameObject::mouseMoveEvent(QMouseEvent* event)
{
    if (held_ && (event->buttons() & Qt::LeftButton)) {
        emit leftDragged(number_, event->position());
    } else if (!held_) {
        showGripAt(event->position());
        emit hovered(number_, event->position());
    }
    event->accept();
}

void GraphFrameObject::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedLocalFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void GraphFrameObject::dropEvent(QDropEvent* event)
{
    const QStringList paths = droppedLocalFiles(event->mimeData());
    if (!paths.isEmpty()) {
        event->acceptProposedAction();
        emit filesDropped(number_, paths);
    }
}

QStringList droppedLocalFiles(const QMimeData* data)
{
    QStringList paths;
    if (data == nullptr || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    return paths;
}

void GraphFrameObject::leaveEvent(QEvent* event)
{
    emit unhovered(number_);
    QWidget::leaveEvent(event);
}

void GraphFrameObject::mouseReleaseEvent(QMouseEvent* event)
{
    emit leftReleased(number_);
    event->accept();
}

SheetLabelObject::SheetLabelObject(Kind kind, std::int64_t index, QWidget* paper)
    : QWidget(paper), kind_(kind), index_(index)
{
    if (kind_ == Kind::Text) {
        setToolTip(QString::fromUtf8(kTextLabelTip));
    } else {
        setAccessibleName(QStringLiteral("詳細 %1").arg(index));
    }
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
}

void SheetLabelObject::place(const ChartLabel& label, QSize size)
{
    label_ = label;
    if (kind_ == Kind::Text) {
        setAccessibleName(labelAccessibleName(label));
    }
    const QPoint topLeft(widgetCoordinate(label.left), widgetCoordinate(label.top));
    setGeometry(QRect(topLeft, size));
    setVisible(label.visible);
    update();
}

void SheetLabelObject::setHeld(bool held)
{
    held_ = held;
    update();
}

void SheetLabelObject::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QPainterCanvas::Options options;
    options.size = size();
    options.dotsPerInch = kScreenDotsPerInch;
    QPainterCanvas canvas(painter, std::move(options));
    canvas.setFont(label_.font);
    canvas.setColor(label_.foreColor);
    double y = 0;
    for (const std::string_view line : captionLines(label_.caption)) {
        canvas.drawText(PointF{0, y}, line);
        y += canvas.textHeight(line);
    }
    painter.end();
    if (held_) {
        drawHeldBorder(*this);
    }
}

void SheetLabelObject::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
    unsetCursor();
    if (event->button() == Qt::LeftButton) {
        emit leftPressed(index_, event->position());
    } else if (event->button() == Qt::RightButton && kind_ == Kind::Text) {
        emit contextMenuRequested(index_, event->globalPosition().toPoint());
    }
    event->accept();
}

void SheetLabelObject::mouseMoveEvent(QMouseEvent* event)
{
    if (held_ && (event->buttons() & Qt::LeftButton)) {
        emit leftDragged(index_, event->position());
    }
    event->accept();
}

void SheetLabelObject::mouseReleaseEvent(QMouseEvent* event)
{
    emit leftReleased(index_);
    event->accept();
}

QString labelAccessibleName(const ChartLabel& label)
{
    return QString::fromStdString(joinedCaptionLines(label.caption, " ")).trimmed();
}

}  // namespace probel
