// SPDX-License-Identifier: MIT
#include "support/desktop/scripted_file_dialogs.h"

#include <gtest/gtest.h>

namespace probel::test {

std::vector<std::string> ScriptedFileDialogs::openFiles(const std::string& title, const std::string& filter,
                                                        const std::string& initialDir)
{
    calls_.push_back(FileDialogCall{FileDialogCall::Kind::Open, title, filter, initialDir, {}, {}, {}});
    if (openAnswers_.empty()) {
        ADD_FAILURE() << "unexpected open dialog \"" << title << "\"";
        return {};
    }
    std::vector<std::string> paths = std::move(openAnswers_.front());
    openAnswers_.pop_front();
    return paths;
}

std::string ScriptedFileDialogs::saveFile(const std::string& title, const std::string& filter,
                                          const std::string& initialDir, const std::string& initialName,
                                          const NameCheck& acceptable, const std::string& defaultExtension)
{
    calls_.push_back(
        FileDialogCall{FileDialogCall::Kind::Save, title, filter, initialDir, initialName, defaultExtension, {}});
    if (saveAnswers_.empty()) {
        ADD_FAILURE() << "unexpected save dialog \"" << title << "\"";
        return {};
    }
    while (!saveAnswers_.empty()) {
        // The answer is what the user typed; the dialog adds the extension.
        std::string path = withDefaultExtension(saveAnswers_.front(), defaultExtension);
        saveAnswers_.pop_front();
        if (path.empty() || !acceptable || acceptable(path)) {
            return path;
        }
        calls_.back().refused.push_back(path);
    }
    return {};
}

}  // namespace probel::test
