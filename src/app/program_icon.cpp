// SPDX-License-Identifier: MIT
#include "app/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>

namespace probel {
namespace {

constexpr std::array<int, 5> kIconSizes = {16, 24, 32, 64, 128};
// The icon the installation puts in the icon theme, built into the program.
constexpr auto kIconResource = ":/data/probel.svg";

}  // namespace

QIcon programIcon()
{
    // Drawn from the SVG here rather than left to an icon-engine plug-in, which may be missing.
    QSvgRenderer renderer(QString::fromLatin1(kIconResource));
    QIcon icon;
    for (const int side : kIconSizes) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace probel
