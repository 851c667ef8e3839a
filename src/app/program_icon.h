// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace probel {

// The program's icon (the one the installation puts in the icon theme) at the sizes windows
// and the window list use. Needs a QGuiApplication.
QIcon programIcon();

}  // namespace probel
