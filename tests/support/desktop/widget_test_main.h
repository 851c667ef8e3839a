// SPDX-License-Identifier: MIT
#pragma once

namespace probel::test {

// Runs the GoogleTest cases of a test program whose code needs a QApplication: on the
// offscreen platform (unless QT_QPA_PLATFORM names another), with settings, data and runtime
// folders of its own so the user's are never touched, with the font substitutions documents
// need, and without the offscreen platform's notes about sizing and raising windows.
int runWidgetTests(int argc, char** argv);

}  // namespace probel::test
