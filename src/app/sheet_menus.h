// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>

#include <cstdint>
#include <functional>
#include <memory>

#include "app/app_services.h"

class QAction;
class QMenu;

namespace probel {

struct BoundMenu;
class DataActions;
class CopyActions;
class GraphActions;
class TableInput;
class LabelActions;
class SheetWindows;
class PicForm;

// The context menus of a sheet's content, owned by the main window: CMenu on the empty paper,
// SekMenu on a graph frame and ComMenu on a text label (a detail label has none). Each is
// built afresh for the object that was clicked, its entries bound to that object's number,
// and shows only the entries whose actions exist; the cancel entry "ｷｬﾝｾﾙ" closes it. The
// chosen entry runs as an action of the main window.
class SheetMenus : public QObject {
    Q_OBJECT

public:
    // Shows the menu at a screen point and returns the chosen entry (nullptr when closed
    // without a choice). Tests replace it to look at the menu and choose.
    using PopUp = std::function<QAction*(QMenu& menu, QPoint globalPosition)>;

    SheetMenus(SheetWindows& window, const AppServices& services);
    ~SheetMenus() override;

    // Listens to the sheet's requests for its menus.
    void attach(PicForm& form);
    void setPopUp(PopUp popUp) { popUp_ = std::move(popUp); }

    void showPaperMenu(PicForm& form, QPoint globalPosition);
    void showFrameMenu(PicForm& form, std::int32_t number, QPoint globalPosition);
    void showLabelMenu(PicForm& form, std::int32_t index, QPoint globalPosition);

private:
    // Adds the cancel entry, shows the menu and runs the chosen entry's action. A menu
    // without entries of its own is not shown.
    void run(BoundMenu& bound, QPoint globalPosition);

    SheetWindows& window_;
    std::unique_ptr<LabelActions> labelActions_;
    std::unique_ptr<GraphActions> graphActions_;
    std::unique_ptr<DataActions> dataActions_;
    std::unique_ptr<TableInput> tables_;
    std::unique_ptr<CopyActions> copies_;
    PopUp popUp_;
};

}  // namespace probel
