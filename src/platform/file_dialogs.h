// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace probel {

// The common dialogs for opening and saving documents. Filters are written as the file commands
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
    // Lets the user name a file to write, asking before an existing file is replaced. The name
    // is taken as typed (no extension is added). Returns the absolute path, or an empty text
    // when the dialog was cancelled.
    virtual std::string saveFile(const std::string& title, const std::string& filter, const std::string& initialDir,
                                 const std::string& initialName) = 0;
};

}  // namespace probel
