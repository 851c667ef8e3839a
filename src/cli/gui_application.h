// SPDX-License-Identifier: MIT
#pragma once

namespace probel::cli {

// Drawing text needs a QGuiApplication. Creates one when there is none yet, on the offscreen
// platform unless QT_QPA_PLATFORM names another (the tool needs no display), and keeps it
// until the process ends. Qt's own warnings are then not shown: the tool reports its errors
// itself. Also installs the font substitutions for the Windows font names of documents.
void ensureGuiApplication();

}  // namespace probel::cli
