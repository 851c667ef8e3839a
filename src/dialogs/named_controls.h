// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace probel {

// Every control carries an accessible name, so that screen readers, and the tests, find it by
// what the user reads: a control with a caption by its caption, one without by the text of the
// label beside it. The object name is the control's name in its dialog.

// `control` given its object name and accessible name.
template <class Control>
Control* named(Control* control, const QString& objectName, const QString& accessibleName)
{
    control->setObjectName(objectName);
    control->setAccessibleName(accessibleName);
    return control;
}

// Controls named by their captions; spaces that only place a caption are not read out.
QPushButton* namedButton(const QString& caption, const QString& objectName, QWidget* parent);
QCheckBox* namedCheckBox(const QString& caption, const QString& objectName, QWidget* parent);
QRadioButton* namedRadioButton(const QString& caption, const QString& objectName, QWidget* parent);
QGroupBox* namedGroupBox(const QString& title, const QString& objectName, QWidget* parent);

// A text box named after the label beside it.
QLineEdit* namedTextBox(const QString& objectName, const QString& accessibleName, QWidget* parent);

// The label beside `control`, as plain text; its shortcut leads to the control.
QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent);

}  // namespace probel
