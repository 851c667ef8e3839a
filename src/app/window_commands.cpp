// SPDX-License-Identifier: MIT
#include "app/window_commands.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace probel {

std::vector<QRect> tileBands(QRect area, int count, WindowArrangement arrangement)
{
    std::vector<QRect> bands;
    if (count <= 0 || arrangement == WindowArrangement::Cascade) {
        return bands;
    }
    const bool stacked = arrangement == WindowArrangement::OneAboveTheOther;
    const int length = stacked ? area.height() : area.width();
    const int base = length / count;
    const int remainder = length % count;
    int start = stacked ? area.top() : area.left();
    for (int i = 0; i < count; ++i) {
        const int extent = base + (i < remainder ? 1 : 0);
        bands.push_back(stacked ? QRect(area.left(), start, area.width(), extent)
                                : QRect(start, area.top(), extent, area.height()));
        start += extent;
    }
    return bands;
}

void arrangeSheets(QMdiArea& area, WindowArrangement arrangement)
{
    if (arrangement == WindowArrangement::Cascade) {
        area.cascadeSubWindows();
        return;
    }
    // The front window takes the first band, as the desktop's own tiling does.
    std::vector<QMdiSubWindow*> windows;
    const QList<QMdiSubWindow*> stacking = area.subWindowList(QMdiArea::StackingOrder);
    for (auto it = stacking.crbegin(); it != stacking.crend(); ++it) {
        if ((*it)->isVisible() && !(*it)->isMinimized()) {
            windows.push_back(*it);
        }
    }
    const std::vector<QRect> bands =
        tileBands(QRect(QPoint(0, 0), area.viewport()->size()), static_cast<int>(windows.size()), arrangement);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized()) {
            windows[i]->showNormal();
        }
        windows[i]->setGeometry(bands[i]);
    }
}

}  // namespace probel
