// SPDX-License-Identifier: MIT
#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/sheet/paper_size.h"
#include "platform/desktop/settings_store.h"

namespace probel {
namespace {

constexpr auto kSection = "MDIOutput";
constexpr auto kLeftKey = "Left";
constexpr auto kTopKey = "Top";
constexpr auto kStateKey = "WindowState";
constexpr auto kNormalState = "0";
constexpr auto kMaximisedState = "2";

std::optional<int> storedPixels(const SettingsStore& settings, const char* key)
{
    // Nothing stored reads as no number: the desktop then chooses the place, as for any window.
    const std::optional<double> twips = wholeNumber(settings.getSetting(kSection, key, ""));
    if (!twips || *twips != std::floor(*twips)) {
        return std::nullopt;
    }
    return toInt32HalfEven(*twips / kTwipsPerPixel);
}

std::string twipsText(int pixels)
{
    return std::to_string(static_cast<long long>(std::llround(pixels * kTwipsPerPixel)));
}

long long squaredDistance(QPoint point, QRect rect)
{
    const long long dx = point.x() < rect.left() ? rect.left() - point.x() : std::max(0, point.x() - rect.right());
    const long long dy = point.y() < rect.top() ? rect.top() - point.y() : std::max(0, point.y() - rect.bottom());
    return dx * dx + dy * dy;
}

QRect nearestScreenArea(QPoint corner)
{
    QRect nearest;
    long long best = std::numeric_limits<long long>::max();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        if (const long long distance = squaredDistance(corner, area); distance < best) {
            best = distance;
            nearest = area;
        }
    }
    return nearest;
}

}  // namespace

QPoint cornerOnScreen(QPoint corner, QSize size, QRect area, int titleBarHeight)
{
    if (area.isEmpty() || area.contains(corner)) {
        return corner;
    }
    // As much of the window as fits, and always its top-left corner with the title bar above it.
    const int top = area.top() + titleBarHeight;
    const int x = std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    const int y = std::clamp(corner.y(), top, std::max(top, area.bottom() + 1 - size.height()));
    return {x, y};
}

void restoreWindowPlacement(QWidget& window, const SettingsStore& settings)
{
    const std::optional<int> left = storedPixels(settings, kLeftKey);
    const std::optional<int> top = storedPixels(settings, kTopKey);
    if (left && top) {
        const QPoint stored(*left, *top);
        const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
        const QPoint corner = cornerOnScreen(stored, window.size(), nearestScreenArea(stored), titleBar);
        // The inner geometry, as saved: the window manager adds its frame around it, so the
        // window comes back exactly where it was, with or without a frame.
        window.setGeometry(QRect(corner, window.size()));
    }
    if (wholeNumber(settings.getSetting(kSection, kStateKey, kNormalState)) == 2.0) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
}

void saveWindowPlacement(const QWidget& window, SettingsStore& settings)
{
    if (window.isMinimized()) {
        return;
    }
    if (window.isMaximized()) {
        settings.saveSetting(kSection, kStateKey, kMaximisedState);
        return;
    }
    const QPoint corner = window.geometry().topLeft();
    settings.saveSetting(kSection, kLeftKey, twipsText(corner.x()));
    settings.saveSetting(kSection, kTopKey, twipsText(corner.y()));
    settings.saveSetting(kSection, kStateKey, kNormalState);
}

}  // namespace probel
