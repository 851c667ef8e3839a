// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace probel {

enum class MessageButtons { Ok, OkCancel, YesNoCancel, YesNo };
// Stop is the critical-error icon.
enum class MessageIcon { Stop, Question, Exclamation, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Modal message boxes: actions ask their questions and report failures through this, so tests
// can answer them. The first button is the default one. Closing the box without a button
// answers Cancel when there is a Cancel button, No for Yes/No, and Ok for a lone OK.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows `text` under the caption `title` (UTF-8) and returns the button chosen.
    virtual MessageAnswer show(const std::string& text, const std::string& title, MessageButtons buttons,
                               MessageIcon icon) = 0;
};

}  // namespace probel
