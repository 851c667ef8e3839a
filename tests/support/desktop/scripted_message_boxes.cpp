// SPDX-License-Identifier: MIT
#include "support/desktop/scripted_message_boxes.h"

#include <gtest/gtest.h>

namespace probel::test {
namespace {

MessageAnswer answerWhenClosed(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

bool offers(MessageButtons buttons, MessageAnswer answer)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return answer == MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
    case MessageButtons::YesNoCancel:
        return answer == MessageAnswer::Yes || answer == MessageAnswer::No || answer == MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    }
    return false;
}

}  // namespace

MessageAnswer ScriptedMessageBoxes::show(const std::string& text, const std::string& title, MessageButtons buttons,
                                         MessageIcon icon)
{
    asked_.push_back(AskedMessage{text, title, buttons, icon});
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << title << "\": " << text;
        return answerWhenClosed(buttons);
    }
    const Scripted scripted = answers_.front();
    answers_.pop_front();
    if (scripted.whileShown) {
        scripted.whileShown();
    }
    const MessageAnswer answer = scripted.answer;
    if (!offers(buttons, answer)) {
        ADD_FAILURE() << "scripted answer is not a button of the box \"" << title << "\": " << text;
        return answerWhenClosed(buttons);
    }
    return answer;
}

}  // namespace probel::test
