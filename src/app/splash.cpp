// SPDX-License-Identifier: MIT
#include "app/splash.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRandomGenerator>
#include <QScreen>

#include <array>
#include <cmath>

#include "core/graph/inverse_normal.h"

namespace probel {
namespace {

// The probabilities ruled on the paper, percent.
constexpr std::array<double, 13> kRuledPercents = {0.1, 1, 5, 10, 20, 30, 50, 70, 80, 90, 95, 99, 99.9};
constexpr double kOuterPercent = 0.05;
constexpr int kValueDivisions = 10;
constexpr double kHundred = 100;

struct Palette {
    QColor background;
    QColor paper;
    QColor grid;
    QColor line;
    QColor marker;
    QColor glass;
    QColor sand;
    QColor title;
};

Palette paletteFor(int index)
{
    if (index == 0) {
        return {QColor(0xF4, 0xF1, 0xE8), QColor(0xFF, 0xFF, 0xFF), QColor(0x9C, 0xC3, 0x9C), QColor(0xC0, 0x30, 0x30),
                QColor(0x20, 0x40, 0xA0), QColor(0x60, 0x60, 0x60), QColor(0xD8, 0xA8, 0x40), QColor(0x20, 0x40, 0x60)};
    }
    return {QColor(0x1E, 0x2A, 0x44), QColor(0x26, 0x36, 0x56), QColor(0x4A, 0x6A, 0x96), QColor(0xF0, 0xC0, 0x40),
            QColor(0xFF, 0xFF, 0xFF), QColor(0xC8, 0xD8, 0xF0), QColor(0xF0, 0xC0, 0x40), QColor(0xF0, 0xF4, 0xFF)};
}

// Height on the paper of a probability, 0 at the bottom edge and 1 at the top.
double paperHeight(double percent)
{
    const double outer = inverseNormal(kOuterPercent / kHundred);
    return (inverseNormal(percent / kHundred) - outer) / (-2 * outer);
}

void drawPaper(QPainter& painter, const QRectF& area, const Palette& colours, int index)
{
    painter.fillRect(area, colours.paper);
    painter.setPen(QPen(colours.grid, 1));
    for (int division = 0; division <= kValueDivisions; ++division) {
        const double x = area.left() + area.width() * division / kValueDivisions;
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    for (const double percent : kRuledPercents) {
        const double y = area.bottom() - area.height() * paperHeight(percent);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    painter.setPen(QPen(colours.grid.darker(130), 1.5));
    painter.drawRect(area);

    // A normal sample falls on a straight line on this paper; the second picture shows a
    // steeper, narrower series.
    const double slope = index == 0 ? 0.8 : 1.15;
    const double centre = index == 0 ? 0.5 : 0.45;
    const auto at = [&](double z) {
        const double outer = -inverseNormal(kOuterPercent / kHundred);
        const double x = centre + (z / outer) * 0.5 / slope;
        const double y = 0.5 + z / (2 * outer);
        return QPointF(area.left() + area.width() * x, area.bottom() - area.height() * y);
    };
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colours.line, 2));
    painter.drawLine(at(-3.0), at(3.0));
    constexpr int kPoints = 9;
    painter.setPen(QPen(colours.marker, 1.5));
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= kPoints; ++i) {
        const double z = inverseNormal(static_cast<double>(i) / (kPoints + 1));
        // A little scatter, the same every time, so the points look measured.
        const double wobble = (i % 3 - 1) * 0.02 * area.width();
        const QPointF point = at(z) + QPointF(wobble, 0);
        painter.drawEllipse(point, 3.5, 3.5);
    }
    painter.restore();
}

void drawHourglass(QPainter& painter, const QRectF& box, const Palette& colours, int index)
{
    const double w = box.width();
    const double h = box.height();
    const QPointF topLeft = box.topLeft();
    const auto p = [&](double x, double y) { return topLeft + QPointF(w * x, h * y); };

    // Sand: most of it still above in the first picture, mostly run through in the second.
    const double upper = index == 0 ? 0.30 : 0.12;
    const double lower = index == 0 ? 0.10 : 0.28;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.sand);
    QPainterPath top;
    top.moveTo(p(0.5 - upper * 1.2, 0.5 - upper));
    top.lineTo(p(0.5 + upper * 1.2, 0.5 - upper));
    top.lineTo(p(0.5, 0.5));
    top.closeSubpath();
    painter.drawPath(top);
    QPainterPath bottom;
    bottom.moveTo(p(0.5, 0.9 - lower));
    bottom.lineTo(p(0.88, 0.9));
    bottom.lineTo(p(0.12, 0.9));
    bottom.closeSubpath();
    painter.drawPath(bottom);
    painter.setPen(QPen(colours.sand, 1.5));
    painter.drawLine(p(0.5, 0.5), p(0.5, 0.9 - lower));

    QPainterPath glass;
    glass.moveTo(p(0.1, 0.1));
    glass.lineTo(p(0.9, 0.1));
    glass.cubicTo(p(0.9, 0.35), p(0.55, 0.42), p(0.55, 0.5));
    glass.cubicTo(p(0.55, 0.58), p(0.9, 0.65), p(0.9, 0.9));
    glass.lineTo(p(0.1, 0.9));
    glass.cubicTo(p(0.1, 0.65), p(0.45, 0.58), p(0.45, 0.5));
    glass.cubicTo(p(0.45, 0.42), p(0.1, 0.35), p(0.1, 0.1));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.glass, 2));
    painter.drawPath(glass);
    painter.setPen(QPen(colours.glass.darker(150), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(p(0.0, 0.06), p(1.0, 0.06));
    painter.drawLine(p(0.0, 0.94), p(1.0, 0.94));
}

}  // namespace

Splash::Splash(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Splash"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kWidth, kHeight);
    for (int index = 0; index < kPictureCount; ++index) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("PicImage_%1").arg(index));
        picture->setScaledContents(true);
        picture->setPixmap(QPixmap::fromImage(drawPicture(index, size())));
        picture->setGeometry(rect());
        picture->hide();
        picImage_[static_cast<std::size_t>(index)] = picture;
    }
    pickPicture(0);
}

QLabel* Splash::picImage(int index) const
{
    return index >= 0 && index < kPictureCount ? picImage_[static_cast<std::size_t>(index)] : nullptr;
}

void Splash::pickPicture(int index)
{
    if (index < 0 || index >= kPictureCount) {
        return;
    }
    picked_ = index;
    for (int other = 0; other < kPictureCount; ++other) {
        picImage_[static_cast<std::size_t>(other)]->setVisible(other == index);
    }
    QLabel* shown = picImage_[static_cast<std::size_t>(index)];
    shown->setGeometry(rect());
    shown->raise();
}

void Splash::showOver(QWidget* over)
{
    pickPicture(static_cast<int>(QRandomGenerator::global()->bounded(kPictureCount)));
    QRect area;
    if (over != nullptr) {
        area = over->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        move(area.center() - rect().center());
    }
    show();
    raise();
}

void Splash::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    picImage_[static_cast<std::size_t>(picked_)]->setGeometry(rect());
}

QImage Splash::drawPicture(int index, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    const Palette colours = paletteFor(index);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, colours.background.lighter(106));
    shade.setColorAt(1, colours.background.darker(106));
    painter.fillRect(image.rect(), shade);

    const double margin = size.height() * 0.09;
    const QRectF paper(margin, margin, size.width() * 0.52, size.height() - 2 * margin);
    drawPaper(painter, paper, colours, index);

    const double glassWidth = size.width() * 0.14;
    const QRectF glassBox(paper.right() + size.width() * 0.19, margin, glassWidth, size.height() * 0.46);
    drawHourglass(painter, glassBox, colours, index);

    QFont title(QStringLiteral("IPAPGothic"));
    title.setPixelSize(static_cast<int>(size.height() * 0.13));
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(colours.title);
    const QRectF titleBox(paper.right(), size.height() * 0.60, size.width() - paper.right(), size.height() * 0.16);
    painter.drawText(titleBox, Qt::AlignCenter, QStringLiteral("Probel"));
    QFont note(QStringLiteral("IPAPGothic"));
    note.setPixelSize(static_cast<int>(size.height() * 0.065));
    painter.setFont(note);
    const QRectF noteBox(paper.right(), size.height() * 0.76, size.width() - paper.right(), size.height() * 0.12);
    painter.drawText(noteBox, Qt::AlignCenter, QStringLiteral("処理中です…"));
    painter.setPen(QPen(colours.grid.darker(140), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0));
    return image;
}

}  // namespace probel
