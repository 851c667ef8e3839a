// SPDX-License-Identifier: MIT
#include "app/edit_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QUndoGroup>
#include <QUndoStack>

#include "app/pic_form.h"

namespace probel {
namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// "元に戻す(&U)" alone, or followed by what it takes back ("&" there is a letter).
QString entryText(const char* verb, const QString& change)
{
    return change.isEmpty() ? text(verb)
                            : text(verb) + QStringLiteral(": ") + QString(change).replace(u'&', QStringLiteral("&&"));
}

}  // namespace

EditMenu::EditMenu(QMenuBar& bar, QAction* before, QObject* parent) : QObject(parent)
{
    group_ = new QUndoGroup(this);
    menu_ = new QMenu(text("編集(&E)"), &bar);
    menu_->setObjectName(QStringLiteral("MenuEdit"));
    bar.insertMenu(before, menu_);

    constexpr auto kUndo = "元に戻す(&U)";
    constexpr auto kRedo = "やり直し(&R)";
    undo_ = menu_->addAction(text(kUndo));
    undo_->setObjectName(QStringLiteral("EditUndo"));
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = menu_->addAction(text(kRedo));
    redo_->setObjectName(QStringLiteral("EditRedo"));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    undo_->setEnabled(false);
    redo_->setEnabled(false);

    connect(undo_, &QAction::triggered, group_, &QUndoGroup::undo);
    connect(redo_, &QAction::triggered, group_, &QUndoGroup::redo);
    connect(group_, &QUndoGroup::canUndoChanged, undo_, &QAction::setEnabled);
    connect(group_, &QUndoGroup::canRedoChanged, redo_, &QAction::setEnabled);
    connect(group_, &QUndoGroup::undoTextChanged, this,
            [this, kUndo](const QString& change) { undo_->setText(entryText(kUndo, change)); });
    connect(group_, &QUndoGroup::redoTextChanged, this,
            [this, kRedo](const QString& change) { redo_->setText(entryText(kRedo, change)); });
}

void EditMenu::addSheet(PicForm& form)
{
    group_->addStack(form.undoStack());
}

void EditMenu::setActiveSheet(PicForm* form)
{
    group_->setActiveStack(form != nullptr ? form->undoStack() : nullptr);
}

}  // namespace probel
