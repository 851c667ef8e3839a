// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <functional>

class QApplication;
class QWidget;

namespace probel {

class SettingsStore;

// Start-up and end of the program.
//
// A start that names files first offers them to a running instance over the per-user local
// link; when that instance takes them, this start ends at once, never seen. Otherwise this
// start becomes the instance others hand files to (the first instance) unless one is running
// already, in which case it is an ordinary window. The first instance stores its window
// handle, restores the window's placement and registers the document type once per user;
// an ordinary window skips all three. Then the named files open as sheets.

// Section "Active", key "hWnd": the main window's native handle as decimal text.
void storeWindowHandle(QWidget& window, SettingsStore& settings);

// Whether section "EXT" key "Check" says the document type has been registered.
bool documentTypeRegistered(const SettingsStore& settings);
// Runs `registerType` unless registered already, then stores "True" whatever its outcome, so
// a registration that failed is not tried at every start.
void ensureDocumentTypeRegistered(SettingsStore& settings, const std::function<bool()>& registerType);

// The program: `arguments` are the command line without the program name. Returns the exit
// code. Needs the QApplication to exist.
int runProbel(QApplication& app, const QStringList& arguments);

}  // namespace probel
