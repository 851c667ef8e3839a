// SPDX-License-Identifier: MIT
#include "support/desktop/scripted_color_dialog.h"

#include <gtest/gtest.h>

namespace probel::test {

std::optional<std::int32_t> ScriptedColorDialog::chooseColor(std::int32_t initialBgr)
{
    openedWith_.push_back(initialBgr);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    const std::optional<std::int32_t> bgr = answers_.front();
    answers_.pop_front();
    return bgr;
}

}  // namespace probel::test
