// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractSpinBox>

#include <cstdint>

namespace probel {

// A text box with up-down arrows, as the frame's position and size boxes have them (FLeft
// with XPos, …). The arrows step the number in the box by 10 within 0 … maximum(); the text
// itself takes whatever is typed, beyond the maximum or not a number at all, so that OK can
// decide. A text that is no whole number is stepped from where the arrows last left it.
class ArrowTextBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    static constexpr std::int32_t kStep = 10;
    static constexpr int kDigits = 6;

    explicit ArrowTextBox(QWidget* parent = nullptr);

    void setText(const QString& text);
    // The arrows' upper end; one below 0 (a frame larger than the canvas) is taken as 0.
    std::int32_t maximum() const { return maximum_; }
    void setMaximum(std::int32_t maximum);

    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    std::int32_t arrowStart() const;

    std::int32_t maximum_ = 0;
    std::int32_t arrowValue_ = 0;
};

}  // namespace probel
