// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace probel {

// The common dialogs for opening and saving documents. Filters are written as the file actions
// give them: description and pattern in turn, separated by "|", several patterns of one entry
// separated by ";" ("Probelﾌｧｲﾙ(*.pbl)|*.pbl|全てのﾌｧｲﾙ(*.*)|*.*"). Texts and paths are UTF-8;
// an empty initial folder starts in the working folder.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // Lets the user choose one or more existing files; returns their absolute paths, or nothing
    // when the dialog was cancelled.
    virtual std::vector<std::string> openFiles(const std::string& title, const std::string& filter,
                                               const std::string& initialDir) = 0;
    // Said of each absolute path the user confirms in a save dialog, before anything else is
    // asked about it: false refuses the name (the check has told the user why) and the dialog
    // stays open for another one.
    using NameCheck = std::function<bool(const std::string& path)>;

    // Lets the user name a file to write: a name `acceptable` refuses is not taken, and the
    // replace question comes only for a name it took. A typed name whose file name has no "."
    // gets `defaultExtension` ("pbl"; none when empty), so that the file shows under the
    // dialog's filter next time; a name typed with an extension is taken as typed. The check
    // and the replace question see the name with the extension. Returns the absolute path, or
    // an empty text when the dialog was cancelled.
    virtual std::string saveFile(const std::string& title, const std::string& filter, const std::string& initialDir,
                                 const std::string& initialName, const NameCheck& acceptable,
                                 const std::string& defaultExtension) = 0;
};

// `path` as a save dialog takes it with `defaultExtension`: the extension added when the file
// name has no "." (as Qt's file dialog adds its default suffix).
std::string withDefaultExtension(const std::string& path, const std::string& defaultExtension);

}  // namespace probel
