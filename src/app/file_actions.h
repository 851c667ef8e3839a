// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "app/app_services.h"

namespace probel {

class SheetWindows;
class PicForm;

enum class SaveOutcome { Saved, Cancelled, Failed };

// The File menu's document actions and the close question. They reach the user only through
// the services: message boxes, file dialogs and the paper size chooser.
//
// Opening never leaves a half-built sheet: a document is read completely before its window is
// made, and one that cannot be read is reported with its file and line. Saving replaces the
// file atomically; a failed write is reported and changes nothing: the old file, the sheet's
// name and its modified state stay as they were.
class FileActions {
public:
    static constexpr auto kUntitledPrefix = "新規作成";
    static constexpr auto kOpenFilter = "Probelﾌｧｲﾙ(*.pbl)|*.pbl|全てのﾌｧｲﾙ(*.*)|*.*";
    static constexpr auto kSaveFilter = "Probelﾌｧｲﾙ(*.pbl)|*.pbl";
    static constexpr auto kCloseQuestionTitle = "ファイルの保存";
    static constexpr auto kCloseQuestionSuffix = "への変更を保存しますか?";

    FileActions(SheetWindows& window, const AppServices& services);

    // New: asks for the paper and opens an empty sheet under the first free generated name.
    PicForm* npdNew();
    // Open: the files chosen in the open dialog, the last chosen first; returns the sheets
    // opened (files already open are skipped).
    std::vector<PicForm*> npdOpen();
    // Save over the file the sheet's name names; save as for a sheet that has no file (never
    // saved, or its file gone).
    SaveOutcome npdNewSave(PicForm& form);
    // Save as: the name is taken as typed; on success the sheet is named and keyed by the
    // canonical path of the file written.
    SaveOutcome npdSave(PicForm& form);

    // Opens every named document that is not open yet (compared by canonical path). Names of
    // files that are missing or cannot be read are skipped and reported together in one
    // message at the end. Returns the sheets opened.
    std::vector<PicForm*> openDocuments(const std::vector<std::string>& names);
    // An entry of "最近使ったファイル": opens it, or says it is gone and drops it from the list.
    PicForm* openRecent(const std::string& path);

    // "新規作成" and the number of open sheets plus one, or the next number not in use.
    std::string untitledName() const;

    // The close question of a sheet: true when the window may close. An unmodified sheet
    // closes without asking. はい saves (save, or save as for a sheet without a file) and
    // closes, also when the save dialog was cancelled; a save that failed keeps the sheet
    // open, so nothing is lost. いいえ closes; キャンセル keeps it open.
    bool confirmClose(PicForm& form);
    // Asks every open sheet in turn before any window closes; false as soon as one stays open.
    bool confirmCloseAll();

private:
    // Opens one document; on failure adds its message to `failures` and returns nullptr.
    PicForm* openDocument(const std::string& name, std::vector<std::string>& failures);
    void reportError(const std::string& text, const char* title);
    // Writes the sheet to `path` under the busy window; a failure is reported and the sheet,
    // its name and its modified flag stay as they were. True when written.
    bool writeSheet(PicForm& form, const std::string& path);

    SheetWindows& window_;
    AppServices services_;
};

}  // namespace probel
