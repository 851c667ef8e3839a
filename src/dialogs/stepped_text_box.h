// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractSpinBox>

#include <cstdint>
#include <optional>

namespace probel {

// A text box with up-down arrows that step a whole number within a range. The text itself
// takes whatever is typed, beyond the range or not a number at all, so that the dialog's check
// decides. The arrows step from the number typed, or from where they last left it when the text
// is no number; each is enabled while there is room its way. Every change of the text is
// reported.
class SteppedTextBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    void setText(const QString& text);

    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void textChanged(const QString& text);

protected:
    // One click of an arrow moves `step`; the box is wide enough for `digits` digits; the
    // arrows start from `firstValue` until a number is there.
    SteppedTextBox(std::int32_t step, int digits, std::int32_t firstValue, QWidget* parent);

    StepEnabled stepEnabled() const override;

    // The whole number `text` stands for, if it is one.
    virtual std::optional<std::int32_t> numberIn(const QString& text) const = 0;
    virtual std::int32_t lowest() const = 0;
    virtual std::int32_t highest() const = 0;
    // Where the next step starts: the number typed, else where the arrows last left it. A
    // number outside the range is taken as it is, so the first step goes to the nearer end.
    virtual std::int64_t stepOrigin() const;
    // setText() has put `text` in the box.
    virtual void textSet(const QString& text);

    std::int32_t arrowValue() const { return arrowValue_; }
    void setArrowValue(std::int32_t value) { arrowValue_ = value; }

private:
    std::int32_t step_;
    int digits_;
    std::int32_t arrowValue_;
};

}  // namespace probel
