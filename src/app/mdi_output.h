// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <memory>

#include "app/app_services.h"
#include "app/busy_scope.h"
#include "app/pic_forms.h"
#include "app/sheet_windows.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace probel {

class ChartSheet;
class EditMenu;
class FileActions;
class OutputActions;
class PicForm;
class DropActions;
class ReadOffLabel;
class SheetMenus;
class Splash;

// The main window "NormoProbel": an MDI area holding every open sheet (PicForms, keyed by
// FName), the File menu (new, open, close, save, save as, print, print preview, PDF, bitmap,
// quit), the Edit menu (undo and redo of the active sheet) and the Window menu (cascade, one
// above the other, side by side, and the list of open sheets). It owns the context menus of the sheets' content.
//
// The actions act on the MDI area's current sheet. Closing the window asks every modified sheet
// first; キャンセル on any of them keeps every window open. The placement is saved when the
// window closes.
class MDIOutput : public QMainWindow, public SheetWindows {
    Q_OBJECT

public:
    static constexpr auto kCaption = "NormoProbel";

    explicit MDIOutput(const AppServices& services, QWidget* parent = nullptr);
    ~MDIOutput() override;

    PicForms& picForms() override { return picForms_; }
    const PicForms& picForms() const { return picForms_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    // The status bar's read-off of the graph under the pointer.
    ReadOffLabel* readOff() const { return readOff_; }
    Splash* splash() const { return splash_; }
    FileActions& fileActions() { return *fileActions_; }
    OutputActions& outputActions() { return *outputActions_; }
    EditMenu& editMenu() { return *editMenu_; }
    SheetMenus& sheetMenus() { return *sheetMenus_; }
    DropActions& dropActions() { return *dropActions_; }

    // The sheet the actions act on: the MDI area's current sheet (also when the program is
    // not the active application), else the one activated last, else the newest; nullptr
    // with no sheet open.
    PicForm* activeSheet() const override;

    // Makes a window for `sheet`, adds it to PicForms under its FName, shows it in front and
    // returns it; nullptr (and no window) when the name is in use.
    PicForm* addSheet(std::unique_ptr<ChartSheet> sheet) override;

    // Sets the enabled state of the File menu's entries from the open sheets.
    void updateFileMenu();

    BusyScope::Options busyOptions() override;
    QWidget& actionWindow() override { return *this; }

    // Documents handed over by a second start: opened once no dialog is open and no action
    // runs, then the window comes to the front.
    void receiveHandOff(const QStringList& files);

    QMenu* menuFile() const { return menuFile_; }
    QMenu* menuWindow() const { return menuWindow_; }

signals:
    // A sheet window was made (new or read from a file).
    void sheetAdded(PicForm* form);
    // Handed-over documents are held back for now: a dialog is open or an action runs.
    void handOffDeferred();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Documents dropped anywhere on the window open; tables go onto the graph they are dropped on.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void fillRecentMenu();
    void createMenus();
    void fillWindowMenu();
    void openPendingHandOffs();
    void forgetSheet(PicForm* form);
    QRect newSheetGeometry(const PicForm& form, const QMdiSubWindow& window) const;
    QMdiSubWindow* subWindowOf(const PicForm* form) const;

    AppServices services_;
    QMdiArea* mdiArea_ = nullptr;
    Splash* splash_ = nullptr;
    ReadOffLabel* readOff_ = nullptr;
    QAction* menuImage_ = nullptr;
    QMenu* menuRecent_ = nullptr;
    PicForms picForms_;
    // The actions act on this window; holding them by pointer keeps their headers out of this one.
    std::unique_ptr<FileActions> fileActions_;
    std::unique_ptr<OutputActions> outputActions_;
    std::unique_ptr<SheetMenus> sheetMenus_;
    std::unique_ptr<DropActions> dropActions_;
    std::unique_ptr<EditMenu> editMenu_;
    QPointer<QMdiSubWindow> lastActivated_;
    QStringList pendingHandOffs_;

    QMenu* menuFile_ = nullptr;
    QMenu* menuWindow_ = nullptr;
    QAction* npdNew_ = nullptr;
    QAction* npdOpen_ = nullptr;
    QAction* menuClose_ = nullptr;
    QAction* npdNewSave_ = nullptr;
    QAction* npdSave_ = nullptr;
    QAction* menuPrint_ = nullptr;
    QAction* menuPrintPreview_ = nullptr;
    QAction* menuPdf_ = nullptr;
    QAction* menuBitmap_ = nullptr;
    QAction* menuQuit_ = nullptr;
    std::array<QAction*, 3> windowTile_{};
};

}  // namespace probel
