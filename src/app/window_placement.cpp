// SPDX-License-Identifier: MIT
#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <optional>
#include <string>

#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/sheet/paper_size.h"
#include "platform/settings_store.h"

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
    const std::optional<double> twips = wholeNumber(settings.getSetting(kSection, key, "0"));
    if (!twips || *twips != std::floor(*twips)) {
        return std::nullopt;
    }
    return toInt32HalfEven(*twips / kTwipsPerPixel);
}

bool onSomeScreen(QPoint corner)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->virtualGeometry().contains(corner)) {
            return true;
        }
    }
    return false;
}

std::string twipsText(int pixels)
{
    return std::to_string(static_cast<long long>(std::llround(pixels * kTwipsPerPixel)));
}

}  // namespace

void restoreWindowPlacement(QWidget& window, const SettingsStore& settings)
{
    const std::optional<int> left = storedPixels(settings, kLeftKey);
    const std::optional<int> top = storedPixels(settings, kTopKey);
    if (left && top && onSomeScreen(QPoint(*left, *top))) {
        window.move(*left, *top);
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
    const QPoint corner = window.pos();
    settings.saveSetting(kSection, kLeftKey, twipsText(corner.x()));
    settings.saveSetting(kSection, kTopKey, twipsText(corner.y()));
    settings.saveSetting(kSection, kStateKey, kNormalState);
}

}  // namespace probel
