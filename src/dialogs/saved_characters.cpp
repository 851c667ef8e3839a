// SPDX-License-Identifier: MIT
#include "dialogs/saved_characters.h"

#include <QWidget>

#include "core/document/cp932.h"
#include "platform/desktop/message_boxes.h"

namespace probel {

bool refusesUnsavedCharacters(const QString& text, const std::string& what, QWidget& box, MessageBoxes& messages)
{
    const std::vector<std::string> refused = charactersNotInCp932(text.toStdString());
    if (refused.empty()) {
        return false;
    }
    std::string named;
    for (const std::string& character : refused) {
        named += "「" + character + "」";
    }
    messages.show(what + "の " + named + " は文書に保存できない文字です。別の文字にしてください。", "入力エラー",
                  MessageButtons::Ok, MessageIcon::Exclamation);
    box.setFocus();
    return true;
}

}  // namespace probel
