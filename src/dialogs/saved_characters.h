// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

class QWidget;

namespace probel {

class MessageBoxes;

// Refuses the text of a box whose content is saved in the document when it holds characters
// the document's character set (code page 932) has not: the message names every such
// character and the box they are in (`what`, its caption), and the box gets the focus, so they
// are mended where they were typed rather than found one at a time on saving. True when
// refused.
bool refusesUnsavedCharacters(const QString& text, const std::string& what, QWidget& box, MessageBoxes& messages);

}  // namespace probel
