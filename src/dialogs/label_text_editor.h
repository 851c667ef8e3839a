// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "dialogs/label_settings.h"

namespace probel {

// Asks the user for the text, frame, font and colour of a text label, starting from
// `initial` (caption, font and colour). Returns nothing when the user cancels or confirms an
// empty text: the add or edit action then changes nothing. The frame always starts cleared,
// so `initial.framed` is ignored: confirming an edit without ticking it removes the frame.
class LabelTextEditor {
public:
    virtual ~LabelTextEditor() = default;

    virtual std::optional<LabelSettings> editLabel(const LabelSettings& initial) = 0;
};

}  // namespace probel
