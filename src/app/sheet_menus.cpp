// SPDX-License-Identifier: MIT
#include "app/sheet_menus.h"

#include <QAction>
#include <QMenu>
#include <QString>

#include <map>
#include <utility>

#include "app/copy_actions.h"
#include "app/data_actions.h"
#include "app/graph_actions.h"
#include "app/label_actions.h"
#include "app/pic_form.h"
#include "app/sheet_windows.h"
#include "app/table_input.h"

namespace probel {
namespace {

constexpr auto kCancel = "ｷｬﾝｾﾙ(&C)";

void addCancel(QMenu& menu)
{
    menu.addSeparator();
    menu.addAction(QString::fromUtf8(kCancel))->setObjectName(QStringLiteral("PopMenuCancel"));
}

}  // namespace

// A menu with the handler of each entry; a handler runs once its entry is chosen.
struct BoundMenu {
    QMenu menu;
    std::map<QAction*, std::function<void()>> handlers;

    BoundMenu(QWidget* parent, const char* name) : menu(parent) { menu.setObjectName(QString::fromLatin1(name)); }

    // A separator between groups of entries; none before the first entry.
    void separate()
    {
        if (!menu.actions().isEmpty()) {
            menu.addSeparator();
        }
    }

    void add(const char* name, const char* caption, std::function<void()> handler)
    {
        QAction* action = menu.addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        handlers.emplace(action, std::move(handler));
    }
};

SheetMenus::SheetMenus(SheetWindows& window, const AppServices& services)
    : window_(window),
      labelActions_(std::make_unique<LabelActions>(services)),
      graphActions_(std::make_unique<GraphActions>(services)),
      dataActions_(std::make_unique<DataActions>(services)),
      tables_(std::make_unique<TableInput>(services)),
      copies_(std::make_unique<CopyActions>(services)),
      popUp_([](QMenu& menu, QPoint at) { return menu.exec(at); })
{
}

SheetMenus::~SheetMenus() = default;

void SheetMenus::attach(PicForm& form)
{
    connect(&form, &PicForm::paperMenuRequested, this,
            [this](PicForm* sheet, QPoint at) { showPaperMenu(*sheet, at); });
    connect(&form, &PicForm::frameMenuRequested, this,
            [this](PicForm* sheet, std::int32_t number, QPoint at) { showFrameMenu(*sheet, number, at); });
    connect(&form, &PicForm::labelMenuRequested, this,
            [this](PicForm* sheet, std::int32_t index, QPoint at) { showLabelMenu(*sheet, index, at); });
    // The keys run as the menu entries do, as actions of the main window.
    connect(&form, &PicForm::graphCopyRequested, this, [this](PicForm* sheet, std::int32_t number) {
        const SheetWindows::ActionScope running(window_);
        copies_->copyGraph(*sheet, number);
    });
    connect(&form, &PicForm::graphPasteRequested, this, [this](PicForm* sheet, std::int32_t number) {
        const SheetWindows::ActionScope running(window_);
        tables_->pasteTable(*sheet, number);
    });
}

void SheetMenus::showPaperMenu(PicForm& form, QPoint globalPosition)
{
    BoundMenu bound(&window_.actionWindow(), "CMenu");
    bound.add("PopMenuComNew", "テキストの追加(&T)", [this, &form] { labelActions_->popMenuComNew(form); });
    bound.separate();
    bound.add("PopMenuNormoNew", "グラフの追加(&G)", [this, &form] { graphActions_->popMenuNormoNew(form); });
    bound.separate();
    bound.add("PopMenuPageCopy", "用紙をコピー(&P)", [this, &form] { copies_->copyPage(form); });
    run(bound, globalPosition);
}

void SheetMenus::showFrameMenu(PicForm& form, std::int32_t number, QPoint globalPosition)
{
    BoundMenu bound(&window_.actionWindow(), "SekMenu");
    bound.add("PopMenuDataNew", "データの追加(&A)",
              [this, &form, number] { dataActions_->popMenuDataNew(form, number); });
    if (const NormoBp* graph = form.sheet().graph(number);
        graph != nullptr && graph->dataIfAny() != nullptr && !graph->dataIfAny()->empty()) {
        bound.add("PopMenuDataRe", "データの編集(&E)",
                  [this, &form, number] { dataActions_->popMenuDataRe(form, number); });
        bound.add("PopMenuDataDel", "データの削除(&D)",
                  [this, &form, number] { dataActions_->popMenuDataDel(form, number); });
    }
    bound.add("PopMenuTablePaste", "表から貼り付け(&T)", [this, &form, number] { tables_->pasteTable(form, number); });
    bound.separate();
    bound.add("PopMenuNormoRe", "グラフの編集(&G)",
              [this, &form, number] { graphActions_->popMenuNormoRe(form, number); });
    bound.add("PopMenuNormoDel", "グラフの削除(&R)",
              [this, &form, number] { graphActions_->popMenuNormoDel(form, number); });
    bound.separate();
    bound.add("PopMenuGraphCopy", "グラフをコピー(&P)", [this, &form, number] { copies_->copyGraph(form, number); });
    bound.add("PopMenuFiguresCopy", "統計量をコピー(&S)",
              [this, &form, number] { copies_->copyFigures(form, number); });
    run(bound, globalPosition);
}

void SheetMenus::showLabelMenu(PicForm& form, std::int32_t index, QPoint globalPosition)
{
    BoundMenu bound(&window_.actionWindow(), "ComMenu");
    bound.add("PopMenuComRe", "テキストの編集(&E)", [this, &form, index] { labelActions_->popMenuComRe(form, index); });
    bound.add("PopMenuComDel", "テキストの削除(&D)",
              [this, &form, index] { labelActions_->popMenuComDel(form, index); });
    run(bound, globalPosition);
}

void SheetMenus::run(BoundMenu& bound, QPoint globalPosition)
{
    if (bound.handlers.empty()) {
        return;
    }
    addCancel(bound.menu);
    const SheetWindows::ActionScope running(window_);
    // The handler runs here, while the menu and its bound entries still exist.
    QAction* chosen = popUp_(bound.menu, globalPosition);
    if (const auto entry = bound.handlers.find(chosen); entry != bound.handlers.end()) {
        entry->second();
    }
}

}  // namespace probel
