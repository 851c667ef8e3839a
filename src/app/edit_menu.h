// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QUndoGroup;

namespace probel {

class PicForm;

// The menu "編集(E)": 元に戻す (Ctrl+Z) and やり直し (Ctrl+Y, Ctrl+Shift+Z) of the active sheet,
// each naming the change it takes back or makes again ("元に戻す: テキストの追加"). Every
// sheet's undo stack joins the menu's group; only the active sheet's is offered.
class EditMenu : public QObject {
    Q_OBJECT

public:
    // Puts the menu into `bar` before the menu entry `before` (at the end when null).
    EditMenu(QMenuBar& bar, QAction* before, QObject* parent = nullptr);

    void addSheet(PicForm& form);
    // The sheet the entries act on; nullptr when none is open.
    void setActiveSheet(PicForm* form);

    QMenu* menu() const { return menu_; }
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }

private:
    QUndoGroup* group_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

}  // namespace probel
