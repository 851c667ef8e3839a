// SPDX-License-Identifier: MIT
#include "app/mdi_output.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/drop_actions.h"
#include "app/edit_menu.h"
#include "app/file_actions.h"
#include "app/menu_mnemonics.h"
#include "app/output_actions.h"
#include "app/pic_form.h"
#include "app/read_off_label.h"
#include "app/recent_files.h"
#include "app/sheet_menus.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app/splash.h"
#include "app/window_actions.h"
#include "app/window_placement.h"
#include "core/sheet/chart_sheet.h"

namespace probel {
namespace {

constexpr QSize kDefaultWindowSize(1024, 768);
// New sheet windows step down and right while their corner stays within this share of the area.
constexpr double kCascadeShareOfArea = 0.25;
// How often a waiting hand-off looks again whether a dialog or action has finished.
constexpr int kHandOffRetryMs = 250;

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Closing the active sheet: Ctrl+W as Linux programs close a document, Ctrl+F4 as Windows
// programs close a child window; both wherever the desktop's own key scheme stands.
QList<QKeySequence> closeKeys()
{
    QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close)) {
        if (!keys.contains(key)) {
            keys.append(key);
        }
    }
    return keys;
}

// A sheet window's own menu binds the close keys too: two entries on one key make Qt refuse
// the key ("Ambiguous shortcut overload"), so only the File menu's 閉じる keeps them.
void leaveCloseKeysToFileMenu(QMdiSubWindow& window)
{
    const QList<QKeySequence> taken = closeKeys();
    for (QAction* action : window.systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        keys.removeIf([&taken](const QKeySequence& key) { return taken.contains(key); });
        if (keys.size() != action->shortcuts().size()) {
            action->setShortcuts(keys);
        }
    }
}

}  // namespace

MDIOutput::MDIOutput(const AppServices& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      fileActions_(std::make_unique<FileActions>(*this, services)),
      outputActions_(std::make_unique<OutputActions>(*this, services)),
      sheetMenus_(std::make_unique<SheetMenus>(*this, services)),
      dropActions_(std::make_unique<DropActions>(*fileActions_, services))
{
    setAcceptDrops(true);
    setObjectName(QStringLiteral("MDIOutput"));
    setWindowTitle(text(kCaption));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MDIArea"));
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (window != nullptr) {
            lastActivated_ = window;
        }
        updateFileMenu();
    });
    // The read-off of the graph under the pointer.
    readOff_ = new ReadOffLabel(this);
    statusBar()->addWidget(readOff_, 1);
    splash_ = new Splash(this);
    splash_->hide();
    createMenus();
    updateFileMenu();
    // Ctrl+C and Ctrl+V act on the selected graph of the active sheet, wherever the keyboard
    // focus is in the window (the status bar's selected text keeps its own Ctrl+C).
    const auto graphKey = [this](QKeySequence::StandardKey key, bool (PicForm::*act)()) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, act] {
            if (PicForm* form = activeSheet()) {
                (form->*act)();
            }
        });
        addAction(action);
    };
    graphKey(QKeySequence::Copy, &PicForm::copySelectedGraph);
    graphKey(QKeySequence::Paste, &PicForm::pasteIntoSelectedGraph);

    QSize size = kDefaultWindowSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size());
    }
    resize(size);
}

MDIOutput::~MDIOutput()
{
    // The sheets go before the collections and actions they report to: Qt would delete them
    // only after this window's members, and their last signals would reach freed members.
    disconnect(mdiArea_, nullptr, this, nullptr);
    for (PicForm* form : picForms_.forms()) {
        disconnect(form, nullptr, this, nullptr);
    }
    delete mdiArea_;
}

void MDIOutput::createMenus()
{
    menuFile_ = menuBar()->addMenu(text("ﾌｧｲﾙ(&F)"));
    menuFile_->setObjectName(QStringLiteral("MenuFile"));
    const auto addEntry = [this](QMenu* menu, const char* name, const char* caption, QKeySequence shortcut) {
        QAction* action = menu->addAction(text(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        return action;
    };
    npdNew_ = addEntry(menuFile_, "NPDNew", "新規作成(&N)", QKeySequence::New);
    npdOpen_ = addEntry(menuFile_, "NPDOpen", "開く(&O)", QKeySequence::Open);
    // With the sheet's save question.
    menuClose_ = addEntry(menuFile_, "MenuClose", "閉じる(&C)", {});
    menuClose_->setShortcuts(closeKeys());
    menuFile_->addSeparator();
    npdNewSave_ = addEntry(menuFile_, "NPDNewSave", "上書き保存(&S)", QKeySequence::Save);
    npdSave_ = addEntry(menuFile_, "NPDSave", "名前を付けて保存(&A)", {});
    menuFile_->addSeparator();
    menuPrint_ = addEntry(menuFile_, "MenuPrint", "印刷(&P)…", QKeySequence::Print);
    menuPrintPreview_ = addEntry(menuFile_, "MenuPrintPreview", "印刷プレビュー(&V)…", {});
    menuPdf_ = addEntry(menuFile_, "MenuPdf", "PDF保存(&D)", {});
    menuFile_->addSeparator();
    menuBitmap_ = addEntry(menuFile_, "MenuBitmap", "ビットマップ保存(&B)", {});
    menuImage_ = addEntry(menuFile_, "MenuImage", "画像として保存(&I)…", {});
    menuFile_->addSeparator();
    menuRecent_ = menuFile_->addMenu(text("最近使ったファイル(&R)"));
    menuRecent_->setObjectName(QStringLiteral("MenuRecent"));
    menuFile_->addSeparator();
    menuQuit_ = addEntry(menuFile_, "MenuQuit", "終了(&X)", QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(menuFile_, &QMenu::aboutToShow, this, &MDIOutput::updateFileMenu);
    // Read from the settings only when the menu opens, not at every change of the active sheet.
    connect(menuFile_, &QMenu::aboutToShow, this, &MDIOutput::fillRecentMenu);

    // Shortcuts reach the entries without the menu being opened, so every action checks
    // for its sheet again and the enabled states follow every change of the active sheet.
    const auto onActive = [this](auto handler) {
        return [this, handler] {
            if (PicForm* form = activeSheet()) {
                handler(*form);
            }
            updateFileMenu();
        };
    };
    connect(npdNew_, &QAction::triggered, this, [this] {
        fileActions_->npdNew();
        updateFileMenu();
    });
    connect(npdOpen_, &QAction::triggered, this, [this] {
        fileActions_->npdOpen();
        updateFileMenu();
    });
    connect(menuClose_, &QAction::triggered, this, onActive([this](PicForm& form) {
                if (QMdiSubWindow* window = subWindowOf(&form)) {
                    window->close();
                }
            }));
    connect(npdNewSave_, &QAction::triggered, this,
            onActive([this](PicForm& form) { fileActions_->npdNewSave(form); }));
    connect(npdSave_, &QAction::triggered, this, onActive([this](PicForm& form) { fileActions_->npdSave(form); }));
    connect(menuPrint_, &QAction::triggered, this,
            onActive([this](PicForm& form) { outputActions_->menuPrint(form); }));
    connect(menuPrintPreview_, &QAction::triggered, this,
            onActive([this](PicForm& form) { outputActions_->menuPrintPreview(form); }));
    connect(menuPdf_, &QAction::triggered, this, onActive([this](PicForm& form) { outputActions_->menuPdf(form); }));
    connect(menuBitmap_, &QAction::triggered, this,
            onActive([this](PicForm& form) { outputActions_->menuBitmap(form); }));
    connect(menuImage_, &QAction::triggered, this,
            onActive([this](PicForm& form) { outputActions_->menuImage(form); }));
    connect(menuQuit_, &QAction::triggered, this, &QWidget::close);

    editMenu_ = std::make_unique<EditMenu>(*menuBar(), nullptr);

    menuWindow_ = menuBar()->addMenu(text("ｳｨﾝﾄﾞｳ(&W)"));
    menuWindow_->setObjectName(QStringLiteral("MenuWindow"));
    const std::array<const char*, 3> arrangements = {"重ねて表示(&C)", "上下に並べて表示(&H)", "左右に並べて表示(&V)"};
    for (std::size_t k = 0; k < arrangements.size(); ++k) {
        QAction* action = menuWindow_->addAction(text(arrangements[k]));
        action->setObjectName(QStringLiteral("WindowTile%1").arg(k));
        const auto arrangement = static_cast<WindowArrangement>(k);
        connect(action, &QAction::triggered, this, [this, arrangement] { arrangeSheets(*mdiArea_, arrangement); });
        windowTile_[k] = action;
    }
    connect(menuWindow_, &QMenu::aboutToShow, this, &MDIOutput::fillWindowMenu);
}

void MDIOutput::fillWindowMenu()
{
    // The list of open sheets follows the arrangements, rebuilt each time the menu opens.
    const QList<QAction*> actions = menuWindow_->actions();
    for (qsizetype i = static_cast<qsizetype>(windowTile_.size()); i < actions.size(); ++i) {
        menuWindow_->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    const std::vector<PicForm*> forms = picForms_.forms();
    if (forms.empty()) {
        return;
    }
    menuWindow_->addSeparator();
    const PicForm* active = activeSheet();
    // Each sheet keeps an Alt letter of its own, also past the ninth.
    QString taken;
    for (const QAction* arrangement : windowTile_) {
        taken += mnemonicOf(arrangement->text());
    }
    int number = 1;
    for (PicForm* form : forms) {
        QAction* action = menuWindow_->addAction(numberedEntry(number++, QString::fromStdString(form->fName()), taken));
        action->setCheckable(true);
        action->setChecked(form == active);
        connect(action, &QAction::triggered, form, [form] { form->bringToFront(); });
    }
}

PicForm* MDIOutput::activeSheet() const
{
    // A window that has just closed may still be the area's current one until it is deleted.
    const auto formOf = [this](QMdiSubWindow* window) {
        auto* form = window != nullptr ? qobject_cast<PicForm*>(window->widget()) : nullptr;
        return form != nullptr && !picForms_.keyOf(form).empty() ? form : nullptr;
    };
    if (PicForm* form = formOf(mdiArea_->currentSubWindow())) {
        return form;
    }
    if (PicForm* form = formOf(lastActivated_.data())) {
        return form;
    }
    const std::vector<PicForm*> forms = picForms_.forms();
    return forms.empty() ? nullptr : forms.back();
}

QMdiSubWindow* MDIOutput::subWindowOf(const PicForm* form) const
{
    return form != nullptr ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr;
}

PicForm* MDIOutput::addSheet(std::unique_ptr<ChartSheet> sheet)
{
    if (sheet == nullptr || sheet->fName.empty() || picForms_.contains(sheet->fName)) {
        return nullptr;
    }
    const std::string key = sheet->fName;
    auto* form = new PicForm(std::move(sheet));
    form->setCloseGuard([this](PicForm& closing) { return fileActions_->confirmClose(closing); });
    connect(form, &PicForm::closed, this, &MDIOutput::forgetSheet);
    connect(form, &PicForm::readOffChanged, readOff_, &ReadOffLabel::setReading);
    connect(form, &PicForm::filesDroppedOnGraph, this,
            [this](PicForm* sheet, std::int32_t number, const QStringList& paths) {
                const ActionScope running(*this);
                std::vector<std::string> files;
                for (const QString& path : paths) {
                    files.push_back(path.toStdString());
                }
                dropActions_->dropFilesOnGraph(*sheet, number, files);
            });
    editMenu_->addSheet(*form);
    sheetMenus_->attach(*form);
    picForms_.add(key, form);

    QMdiSubWindow* window = mdiArea_->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    leaveCloseKeysToFileMenu(*window);
    window->setGeometry(newSheetGeometry(*form, *window));
    window->show();
    mdiArea_->setActiveSubWindow(window);
    lastActivated_ = window;
    updateFileMenu();
    emit sheetAdded(form);
    return form;
}

QRect MDIOutput::newSheetGeometry(const PicForm& form, const QMdiSubWindow& window) const
{
    // Each new sheet opens one title bar lower and further right than the one before, the way
    // cascading leaves them, and as large as its paper where the area has room for it.
    const QSize area = mdiArea_->viewport()->size();
    const int step = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    const int others = static_cast<int>(mdiArea_->subWindowList().size()) - 1;
    QPoint corner(others * step, others * step);
    if (corner.x() > area.width() * kCascadeShareOfArea || corner.y() > area.height() * kCascadeShareOfArea) {
        corner = QPoint(0, 0);
    }
    const QSize paper = form.mainPic()->paperSize();
    const QSize bars(form.tateS()->sizeHint().width(), form.yokoS()->sizeHint().height());
    const QSize frame = window.size() - window.contentsRect().size();
    const QSize room = (area - QSize(corner.x(), corner.y())).expandedTo(QSize(1, 1));
    return {corner, (paper + bars + frame).boundedTo(room)};
}

void MDIOutput::forgetSheet(PicForm* form)
{
    picForms_.remove(form);
    // The window is deleted later; until then it must not count as the active sheet.
    if (QMdiSubWindow* window = subWindowOf(form); window != nullptr && lastActivated_ == window) {
        lastActivated_.clear();
    }
    QTimer::singleShot(0, this, &MDIOutput::updateFileMenu);
}

void MDIOutput::updateFileMenu()
{
    PicForm* active = picForms_.empty() ? nullptr : activeSheet();
    editMenu_->setActiveSheet(active);
    const bool any = active != nullptr;
    menuClose_->setEnabled(any);
    npdNewSave_->setEnabled(any);
    npdSave_->setEnabled(any);
    menuPrint_->setEnabled(any);
    menuPrintPreview_->setEnabled(any);
    menuPdf_->setEnabled(any);
    menuBitmap_->setEnabled(any);
    menuImage_->setEnabled(any);
    npdNew_->setEnabled(true);
    npdOpen_->setEnabled(true);
}

void MDIOutput::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedLocalFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MDIOutput::dropEvent(QDropEvent* event)
{
    const QStringList paths = droppedLocalFiles(event->mimeData());
    if (paths.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    std::vector<std::string> files;
    for (const QString& path : paths) {
        files.push_back(path.toStdString());
    }
    dropActions_->dropFiles(files);
    updateFileMenu();
}

void MDIOutput::fillRecentMenu()
{
    menuRecent_->clear();
    const std::vector<std::string> paths = RecentFiles(services_.settings).paths();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const QString path = QString::fromStdString(paths[i]);
        QAction* entry = menuRecent_->addAction(QStringLiteral("&%1 ").arg(i + 1) +
                                                QString(path).replace(u'&', QStringLiteral("&&")));
        connect(entry, &QAction::triggered, this, [this, file = paths[i]] {
            fileActions_->openRecent(file);
            updateFileMenu();
        });
    }
    menuRecent_->setEnabled(!paths.empty());
}

BusyScope::Options MDIOutput::busyOptions()
{
    BusyScope::Options options;
    options.window = this;
    options.splash = splash_;
    options.disableWindow = true;
    return options;
}

void MDIOutput::receiveHandOff(const QStringList& files)
{
    pendingHandOffs_.append(files);
    QTimer::singleShot(0, this, &MDIOutput::openPendingHandOffs);
}

void MDIOutput::openPendingHandOffs()
{
    if (pendingHandOffs_.isEmpty()) {
        return;
    }
    // A dialog or an action is under way: opening sheets now would pull the ground from under it.
    if (QApplication::activeModalWidget() != nullptr || !isEnabled() || actionRunning()) {
        QTimer::singleShot(kHandOffRetryMs, this, &MDIOutput::openPendingHandOffs);
        emit handOffDeferred();
        return;
    }
    std::vector<std::string> names;
    for (const QString& file : std::exchange(pendingHandOffs_, {})) {
        names.push_back(file.toStdString());
    }
    fileActions_->openDocuments(names);
    updateFileMenu();
    if (isMinimized()) {
        // Back to the state it had before, maximised or normal.
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
    }
    raise();
    activateWindow();
}

void MDIOutput::closeEvent(QCloseEvent* event)
{
    const ActionScope running(*this);
    if (!fileActions_->confirmCloseAll()) {
        event->ignore();
        return;
    }
    for (PicForm* form : picForms_.forms()) {
        form->skipNextCloseQuestion();
    }
    mdiArea_->closeAllSubWindows();
    if (!picForms_.empty()) {
        event->ignore();
        return;
    }
    saveWindowPlacement(*this, services_.settings);
    splash_->hide();
    event->accept();
}

}  // namespace probel
