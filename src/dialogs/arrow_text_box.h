// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/stepped_text_box.h"

#include <cstdint>

namespace probel {

// A text box with up-down arrows, as the frame's position and size boxes have them (FLeft
// with XPos, …). The arrows step the number in the box by 10 within 0 … maximum(); the text
// itself takes whatever is typed, beyond the maximum or not a number at all, so that OK can
// decide. A number outside the range is stepped from the nearer end; a text that is no whole
// number from where the arrows last left it, or from the number last set.
class ArrowTextBox : public SteppedTextBox {
    Q_OBJECT

public:
    static constexpr std::int32_t kStep = 10;
    static constexpr int kDigits = 6;

    explicit ArrowTextBox(QWidget* parent = nullptr);

    // The arrows' upper end; one below 0 (a frame larger than the canvas) is taken as 0.
    std::int32_t maximum() const { return maximum_; }
    void setMaximum(std::int32_t maximum);

protected:
    std::optional<std::int32_t> numberIn(const QString& text) const override;
    std::int32_t lowest() const override { return 0; }
    std::int32_t highest() const override { return maximum_; }
    std::int64_t stepOrigin() const override;
    void textSet(const QString& text) override;

private:
    std::int32_t maximum_ = 0;
};

}  // namespace probel
