// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/message_boxes.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace probel::test {

struct AskedMessage {
    std::string text;
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Information;
};

// Answers message boxes from a script and records every one shown. A box shown with no
// answer left, or answered with a button it does not have, fails the running test; the box
// then answers as if it had been closed.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    // Queues the answer to the next box; `whileShown` runs while that box is up, before the
    // answer is given (to look at the program as the user sees it then).
    void answer(MessageAnswer answer, std::function<void()> whileShown = {})
    {
        answers_.push_back(Scripted{answer, std::move(whileShown)});
    }

    MessageAnswer show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override;

    const std::vector<AskedMessage>& asked() const { return asked_; }
    std::size_t unusedAnswers() const { return answers_.size(); }

private:
    struct Scripted {
        MessageAnswer answer;
        std::function<void()> whileShown;
    };
    std::deque<Scripted> answers_;
    std::vector<AskedMessage> asked_;
};

}  // namespace probel::test
