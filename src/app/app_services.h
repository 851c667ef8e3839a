// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

class Clipboard;
class DataSettingsEditor;
class FileDialogs;
class GraphSettingsEditor;
class LabelTextEditor;
class MessageBoxes;
class PaperSizeChooser;
class PrintDialogs;
class SeriesChooser;
class SettingsStore;

// Everything the main window's actions ask the user or keep for the user. The program passes
// the Qt services; tests pass scripted ones, so every action runs without a person. The
// services outlive the main window.
struct AppServices {
    MessageBoxes& messages;
    FileDialogs& fileDialogs;
    PaperSizeChooser& paperSizes;
    SettingsStore& settings;
    LabelTextEditor& labelEditor;
    GraphSettingsEditor& graphEditor;
    DataSettingsEditor& dataEditor;
    SeriesChooser& seriesChooser;
    Clipboard& clipboard;
    PrintDialogs& printDialogs;
};

}  // namespace probel
