// SPDX-License-Identifier: MIT
#include "app/window_actions.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

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

std::vector<QRect> cascadeRects(QRect area, int count, int step)
{
    std::vector<QRect> rects;
    if (count <= 0) {
        return rects;
    }
    step = std::max(step, 1);
    // A run of windows reaches at most halfway across the area before the next run starts at
    // the corner again, so that every window keeps at least half the area's width and height.
    const int run = std::clamp(std::min(area.width(), area.height()) / 2 / step + 1, 1, count);
    const int shift = (run - 1) * step;
    const QSize size = (area.size() - QSize(shift, shift)).expandedTo(QSize(1, 1));
    for (int i = 0; i < count; ++i) {
        const int offset = (i % run) * step;
        rects.emplace_back(area.topLeft() + QPoint(offset, offset), size);
    }
    return rects;
}

void arrangeSheets(QMdiArea& area, WindowArrangement arrangement)
{
    // Bands: the front window takes the first, as the desktop's own tiling does. Cascade: it
    // takes the last place, lowest and furthest right, where it stays in front.
    std::vector<QMdiSubWindow*> windows;
    const QList<QMdiSubWindow*> stacking = area.subWindowList(QMdiArea::StackingOrder);
    for (auto it = stacking.crbegin(); it != stacking.crend(); ++it) {
        if ((*it)->isVisible() && !(*it)->isMinimized()) {
            windows.push_back(*it);
        }
    }
    const QRect whole(QPoint(0, 0), area.viewport()->size());
    const int count = static_cast<int>(windows.size());
    std::vector<QRect> places;
    if (arrangement == WindowArrangement::Cascade) {
        std::reverse(windows.begin(), windows.end());
        const int step = windows.empty() ? 1 : windows.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight);
        places = cascadeRects(whole, count, step);
    } else {
        places = tileBands(whole, count, arrangement);
    }
    for (std::size_t i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized()) {
            windows[i]->showNormal();
        }
        windows[i]->setGeometry(places[i]);
        if (arrangement == WindowArrangement::Cascade) {
            // Stacked in the order of their places, so that each title bar stays in view.
            windows[i]->raise();
        }
    }
}

}  // namespace probel
