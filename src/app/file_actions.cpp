// SPDX-License-Identifier: MIT
#include "app/file_actions.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "app/busy_scope.h"
#include "app/dialog_start.h"
#include "app/path_names.h"
#include "app/pic_form.h"
#include "app/pic_forms.h"
#include "app/recent_files.h"
#include "app/sheet_windows.h"
#include "core/document/sheet_reader.h"
#include "core/document/sheet_writer.h"
#include "core/util/error_text.h"
#include "core/util/path_resolution.h"
#include "dialogs/paper_size_chooser.h"
#include "platform/desktop/file_dialogs.h"
#include "platform/desktop/message_boxes.h"

namespace probel {
namespace {

constexpr auto kOpenTitle = "ファイルを開く";
constexpr auto kSaveAsTitle = "名前を付けて保存";
constexpr auto kSheetExtension = "pbl";
constexpr auto kReadErrorTitle = "読み込みエラー";
constexpr auto kSaveErrorTitle = "保存エラー";

// A long list of failures is cut here: the message box would outgrow the screen.
constexpr std::size_t kMostListedFailures = 10;

std::string writeErrorText(const Error& error, const std::string& path)
{
    return "ファイル \"" + path + "\" に保存できませんでした。\n" + errorText(error);
}

// What could not be opened, said once however many files an action or a hand-off named.
std::string openFailuresText(const std::vector<std::string>& failures)
{
    if (failures.size() == 1) {
        return failures.front();
    }
    std::string text = std::to_string(failures.size()) + " 個のファイルを開けませんでした。\n";
    const std::size_t listed = std::min(failures.size(), kMostListedFailures);
    for (std::size_t i = 0; i < listed; ++i) {
        text += "\n" + failures[i];
    }
    if (failures.size() > listed) {
        text += "\n\nほか " + std::to_string(failures.size() - listed) + " 個";
    }
    return text;
}

}  // namespace

FileActions::FileActions(SheetWindows& window, const AppServices& services) : window_(window), services_(services) {}

void FileActions::reportError(const std::string& text, const char* title)
{
    services_.messages.show(text, title, MessageButtons::Ok, MessageIcon::Exclamation);
}

std::string FileActions::untitledName() const
{
    // Closing a sheet lowers the count below numbers still in use, so the count is a start.
    for (std::int32_t number = window_.picForms().count() + 1;; ++number) {
        std::string name = std::string(kUntitledPrefix) + std::to_string(number);
        if (!window_.picForms().contains(name)) {
            return name;
        }
    }
}

PicForm* FileActions::npdNew()
{
    const SheetWindows::ActionScope running(window_);
    const std::int32_t paperCode = services_.paperSizes.choosePaperCode();
    auto sheet = std::make_unique<ChartSheet>();
    sheet->fName = untitledName();
    sheet->myFormType = paperCode;
    return window_.addSheet(std::move(sheet));
}

std::vector<PicForm*> FileActions::npdOpen()
{
    const SheetWindows::ActionScope running(window_);
    const PicForm* active = window_.activeSheet();
    std::vector<std::string> chosen = services_.fileDialogs.openFiles(
        kOpenTitle, kOpenFilter, dialogFolder(active != nullptr ? active->fName() : std::string(), services_.settings));
    if (!chosen.empty()) {
        rememberDialogFolder(chosen.front(), services_.settings);
    }
    // The last chosen file opens first, so the first chosen one ends up in front.
    std::reverse(chosen.begin(), chosen.end());
    return openDocuments(chosen);
}

std::vector<PicForm*> FileActions::openDocuments(const std::vector<std::string>& names)
{
    const SheetWindows::ActionScope running(window_);
    std::vector<PicForm*> opened;
    std::vector<std::string> failures;
    for (const std::string& name : names) {
        if (name.empty()) {
            continue;
        }
        if (PicForm* form = openDocument(name, failures)) {
            opened.push_back(form);
        }
    }
    if (!failures.empty()) {
        reportError(openFailuresText(failures), kReadErrorTitle);
    }
    return opened;
}

PicForm* FileActions::openDocument(const std::string& name, std::vector<std::string>& failures)
{
    const Result<ResolvedPath> resolved = resolvePath(name);
    if (!resolved) {
        failures.push_back(errorText(resolved.error()));
        return nullptr;
    }
    if (!resolved->exists) {
        failures.push_back(notAFileText(name));
        return nullptr;
    }
    const std::string& longName = resolved->path;
    if (PicForm* open = window_.picForms().find(longName)) {
        // Open already: the user asked to see it, so it comes to the front.
        open->bringToFront();
        return nullptr;
    }
    Result<std::unique_ptr<ChartSheet>> read = [&longName] {
        BusyScope busy;
        return readSheetFile(longName);
    }();
    if (!read) {
        failures.push_back(errorText(read.error()));
        return nullptr;
    }
    std::unique_ptr<ChartSheet> sheet = std::move(read).value();
    sheet->fName = longName;
    RecentFiles(services_.settings).add(longName);
    return window_.addSheet(std::move(sheet));
}

PicForm* FileActions::openRecent(const std::string& path)
{
    const SheetWindows::ActionScope running(window_);
    if (!namesExistingFile(path)) {
        RecentFiles(services_.settings).remove(path);
        reportError(notAFileText(path) + "\n最近使ったファイルの一覧から外します。", kReadErrorTitle);
        return nullptr;
    }
    const std::vector<PicForm*> opened = openDocuments({path});
    return opened.empty() ? nullptr : opened.front();
}

bool FileActions::writeSheet(PicForm& form, const std::string& path)
{
    Status written;
    {
        BusyScope busy(window_.busyOptions());
        written = writeSheetFile(form.sheet(), path);
    }
    form.bringToFront();
    if (!written) {
        reportError(writeErrorText(written.error(), path), kSaveErrorTitle);
        return false;
    }
    RecentFiles(services_.settings).add(savedPathName(path));
    return true;
}

SaveOutcome FileActions::npdNewSave(PicForm& form)
{
    const SheetWindows::ActionScope running(window_);
    const std::string path = form.fName();
    if (!namesExistingFile(path)) {
        return npdSave(form);
    }
    if (!writeSheet(form, path)) {
        return SaveOutcome::Failed;
    }
    form.markSaved();
    return SaveOutcome::Saved;
}

SaveOutcome FileActions::npdSave(PicForm& form)
{
    const SheetWindows::ActionScope running(window_);
    const DialogStart start = dialogStart(form.fName(), services_.settings, kSheetExtension);
    // Two windows cannot show one file: the other would be overwritten behind its back. The
    // name is refused in the dialog, before the question whether to replace the file. An open
    // sheet may name a file that was deleted meanwhile, so the name is compared whether or not
    // the file exists now.
    const auto notShownElsewhere = [this, &form](const std::string& chosen) {
        const std::string plannedName = savedPathName(chosen);
        const PicForm* other = window_.picForms().find(plannedName);
        if (other == nullptr || other == &form) {
            return true;
        }
        reportError("ファイル \"" + plannedName + "\" は別のウィンドウで開いています。\n別の名前で保存してください。",
                    kSaveErrorTitle);
        return false;
    };
    const std::string path = services_.fileDialogs.saveFile(kSaveAsTitle, kSaveFilter, start.folder, start.fileName,
                                                            notShownElsewhere, kSheetExtension);
    rememberDialogFolder(path, services_.settings);
    if (path.empty()) {
        form.bringToFront();
        return SaveOutcome::Cancelled;
    }
    if (!writeSheet(form, path)) {
        return SaveOutcome::Failed;
    }
    std::string newName = savedPathName(path);
    if (!window_.picForms().rekey(form.fName(), newName)) {
        reportError("ファイル \"" + newName + "\" は別のウィンドウで開いています。\n名前は変えずにおきます。",
                    kSaveErrorTitle);
        return SaveOutcome::Failed;
    }
    form.setFName(std::move(newName));
    form.markSaved();
    return SaveOutcome::Saved;
}

bool FileActions::confirmClose(PicForm& form)
{
    const SheetWindows::ActionScope running(window_);
    if (!form.moveFlag()) {
        return true;
    }
    form.bringToFront();
    form.setFocus();
    const MessageAnswer answer =
        services_.messages.show(displayName(form.fName()) + kCloseQuestionSuffix, kCloseQuestionTitle,
                                MessageButtons::YesNoCancel, MessageIcon::Question);
    switch (answer) {
    case MessageAnswer::Yes:
        return npdNewSave(form) != SaveOutcome::Failed;
    case MessageAnswer::No:
        return true;
    case MessageAnswer::Cancel:
    case MessageAnswer::Ok:
        break;
    }
    return false;
}

bool FileActions::confirmCloseAll()
{
    for (PicForm* form : window_.picForms().forms()) {
        if (!confirmClose(*form)) {
            return false;
        }
    }
    return true;
}

}  // namespace probel
