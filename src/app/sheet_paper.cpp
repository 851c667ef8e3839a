// SPDX-License-Identifier: MIT
#include "app/sheet_paper.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace probel {
namespace {

constexpr auto kPaperTip = "右クリックでグラフやテキストの変更ができます";
// Pixel ratios closer than this are the same screen.
constexpr double kRatioTolerance = 1e-3;

}  // namespace

SheetPaper::SheetPaper(QWidget* parent) : QWidget(parent)
{
    setToolTip(QString::fromUtf8(kPaperTip));
    setAccessibleName(QStringLiteral("用紙"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setPaperSize(QSize(1, 1));
}

SheetPaper::~SheetPaper() = default;

void SheetPaper::setPaperSize(QSize pixels)
{
    size_ = pixels.expandedTo(QSize(1, 1));
    setFixedSize(size_);
    makePicture();
}

void SheetPaper::makePicture()
{
    canvas_.reset();
    const double ratio = std::max(1.0, devicePixelRatioF());
    const QSize device(static_cast<int>(std::ceil(size_.width() * ratio)),
                       static_cast<int>(std::ceil(size_.height() * ratio)));
    picture_ = QImage(device, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(Qt::white);
    QPainterCanvas::Options options;
    options.size = size_;
    // Screen canvases convert font points with 96 pixels per inch (15 twips per pixel).
    options.dotsPerInch = kScreenDotsPerInch;
    options.repaintRequest = [this] { update(); };
    canvas_ = std::make_unique<QPainterCanvas>(picture_, std::move(options));
    outdatedReported_ = false;
    pageOutdated_ = true;
    update();
}

void SheetPaper::outdate()
{
    pageOutdated_ = true;
    update();
}

void SheetPaper::drawIfOutdated()
{
    if (pageOutdated_ && pageDrawing_) {
        pageOutdated_ = false;
        pageDrawing_(*canvas_);
    }
}

const QImage& SheetPaper::picture()
{
    drawIfOutdated();
    return picture_;
}

bool SheetPaper::pictureMatchesScreen() const
{
    return std::abs(std::max(1.0, devicePixelRatioF()) - picture_.devicePixelRatio()) < kRatioTolerance;
}

void SheetPaper::paintEvent(QPaintEvent* event)
{
    drawIfOutdated();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRect area = event->rect();
    const double ratio = picture_.devicePixelRatio();
    const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio);
    painter.drawImage(QRectF(area), picture_, source);
    if (!pictureMatchesScreen() && !outdatedReported_) {
        // Redrawing from inside a paint event would paint over the picture being shown.
        outdatedReported_ = true;
        QMetaObject::invokeMethod(this, &SheetPaper::pictureOutdated, Qt::QueuedConnection);
    }
}

void SheetPaper::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit leftPressed(event->position());
    } else if (event->button() == Qt::RightButton) {
        emit rightPressed(event->position(), event->globalPosition().toPoint());
    }
    event->accept();
}

void SheetPaper::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        emit leftDragged(event->position());
    }
    event->accept();
}

void SheetPaper::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit leftReleased();
    }
    event->accept();
}

}  // namespace probel
