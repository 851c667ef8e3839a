// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/color_dialog.h"

#include <deque>
#include <vector>

namespace probel::test {

// Answers colour dialogs from a script (nothing = cancelled) and records the colour each one
// opened with. A dialog shown with no answer left fails the running test and is cancelled.
class ScriptedColorDialog : public ColorDialog {
public:
    void answer(std::optional<std::int32_t> bgr) { answers_.push_back(bgr); }

    std::optional<std::int32_t> chooseColor(std::int32_t initialBgr) override;

    const std::vector<std::int32_t>& openedWith() const { return openedWith_; }

private:
    std::deque<std::optional<std::int32_t>> answers_;
    std::vector<std::int32_t> openedWith_;
};

}  // namespace probel::test
