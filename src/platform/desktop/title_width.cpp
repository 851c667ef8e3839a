// SPDX-License-Identifier: MIT
#include "platform/desktop/title_width.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

namespace probel {
namespace {

// The window icon and the minimise, maximise and close buttons.
constexpr int kTitleBarButtonsInHeights = 4;

}  // namespace

int widthForWholeTitle(const QWidget& window)
{
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return window.fontMetrics().horizontalAdvance(window.windowTitle()) + titleBar * kTitleBarButtonsInHeights;
}

}  // namespace probel
