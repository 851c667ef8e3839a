// SPDX-License-Identifier: MIT
#include "support/desktop/scripted_font_dialog.h"

#include <gtest/gtest.h>

namespace probel::test {

std::optional<CanvasFont> ScriptedFontDialog::chooseFont(const CanvasFont& initial)
{
    openedWith_.push_back(initial);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected font dialog";
        return std::nullopt;
    }
    std::optional<CanvasFont> font = std::move(answers_.front());
    answers_.pop_front();
    return font;
}

}  // namespace probel::test
