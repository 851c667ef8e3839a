// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_message_boxes.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "platform/desktop/title_width.h"

namespace probel {
namespace {

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton escapeButton;
    MessageAnswer whenClosed;
};

ButtonSet buttonSet(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok, MessageAnswer::Ok};
    case MessageButtons::OkCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel, MessageAnswer::Cancel};
    case MessageButtons::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Cancel,
                MessageAnswer::Cancel};
    case MessageButtons::YesNo:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No, MessageAnswer::No};
    }
    return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok, MessageAnswer::Ok};
}

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtMessageBoxes::QtMessageBoxes(QWidget* parent) : parent_(parent) {}

void QtMessageBoxes::setParentWidget(QWidget* parent)
{
    parent_ = parent;
}

MessageAnswer QtMessageBoxes::show(const std::string& text, const std::string& title, MessageButtons buttons,
                                   MessageIcon icon)
{
    const ButtonSet set = buttonSet(buttons);
    QMessageBox box(qtIcon(icon), QString::fromStdString(title), QString::fromStdString(text), set.buttons,
                    parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(set.defaultButton);
    box.setEscapeButton(set.escapeButton);
    // A short message would make the box narrower than its title ("データエラー" cut to "デー…").
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(widthForWholeTitle(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();

    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return set.whenClosed;
    }
}

}  // namespace probel
