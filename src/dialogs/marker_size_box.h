// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/stepped_text_box.h"

#include <cstdint>

namespace probel {

// The marker size box SizeT with its up-down arrows (UpDown1): the arrows step the size by
// one point within kMinimum … kMaximum, starting from the number typed (full-width digits
// included); the text itself takes whatever is typed, so that the dialog's check decides.
class MarkerSizeBox : public SteppedTextBox {
    Q_OBJECT

public:
    // Smaller markers cannot be told apart; larger ones no longer fit on a graph.
    static constexpr std::int32_t kMinimum = 1;
    static constexpr std::int32_t kMaximum = 500;

    explicit MarkerSizeBox(QWidget* parent = nullptr);

protected:
    std::optional<std::int32_t> numberIn(const QString& text) const override;
    std::int32_t lowest() const override { return kMinimum; }
    std::int32_t highest() const override { return kMaximum; }
};

}  // namespace probel
