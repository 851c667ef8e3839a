// SPDX-License-Identifier: MIT
#include "dialogs/named_controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace probel {

QPushButton* namedButton(const QString& caption, const QString& objectName, QWidget* parent)
{
    return named(new QPushButton(caption, parent), objectName, caption.trimmed());
}

QCheckBox* namedCheckBox(const QString& caption, const QString& objectName, QWidget* parent)
{
    return named(new QCheckBox(caption, parent), objectName, caption.trimmed());
}

QRadioButton* namedRadioButton(const QString& caption, const QString& objectName, QWidget* parent)
{
    return named(new QRadioButton(caption, parent), objectName, caption.trimmed());
}

QGroupBox* namedGroupBox(const QString& title, const QString& objectName, QWidget* parent)
{
    return named(new QGroupBox(title, parent), objectName, title.trimmed());
}

QLineEdit* namedTextBox(const QString& objectName, const QString& accessibleName, QWidget* parent)
{
    return named(new QLineEdit(parent), objectName, accessibleName);
}

QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(control);
    return label;
}

}  // namespace probel
