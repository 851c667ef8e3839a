// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/file_dialogs.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace probel::test {

struct FileDialogCall {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    std::string title;
    std::string filter;
    std::string initialDir;
    std::string initialName;           // save dialogs only
    std::string defaultExtension;      // save dialogs only
    std::vector<std::string> refused;  // names the save dialog's check refused, in turn
};

// Answers file dialogs from a script and records every one shown. An empty answer is a
// cancelled dialog. A dialog shown with no answer of its kind left fails the running test and
// is cancelled. A save answer the dialog's check refuses is followed by the next one, as when
// the user types another name; with none left the dialog is cancelled.
class ScriptedFileDialogs : public FileDialogs {
public:
    void answerOpen(std::vector<std::string> paths) { openAnswers_.push_back(std::move(paths)); }
    void answerSave(std::string path) { saveAnswers_.push_back(std::move(path)); }

    std::vector<std::string> openFiles(const std::string& title, const std::string& filter,
                                       const std::string& initialDir) override;
    std::string saveFile(const std::string& title, const std::string& filter, const std::string& initialDir,
                         const std::string& initialName, const NameCheck& acceptable,
                         const std::string& defaultExtension) override;

    const std::vector<FileDialogCall>& calls() const { return calls_; }
    std::size_t unusedAnswers() const { return openAnswers_.size() + saveAnswers_.size(); }

private:
    std::deque<std::vector<std::string>> openAnswers_;
    std::deque<std::string> saveAnswers_;
    std::vector<FileDialogCall> calls_;
};

}  // namespace probel::test
