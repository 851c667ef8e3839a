// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/font_dialog.h"

#include <deque>
#include <utility>
#include <vector>

namespace probel::test {

// Answers font dialogs from a script (nothing = cancelled) and records the font each one
// opened with. A dialog shown with no answer left fails the running test and is cancelled.
class ScriptedFontDialog : public FontDialog {
public:
    void answer(std::optional<CanvasFont> font) { answers_.push_back(std::move(font)); }

    std::optional<CanvasFont> chooseFont(const CanvasFont& initial) override;

    const std::vector<CanvasFont>& openedWith() const { return openedWith_; }

private:
    std::deque<std::optional<CanvasFont>> answers_;
    std::vector<CanvasFont> openedWith_;
};

}  // namespace probel::test
