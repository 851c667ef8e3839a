// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractSpinBox>

#include <cstdint>

namespace probel {

// The marker size box SizeT with its up-down arrows (UpDown1): the arrows step the size by
// one point within kMinimum … kMaximum, starting from the number typed (full-width digits
// included); the text itself takes whatever is typed, so that the dialog's check decides.
class MarkerSizeBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    // Smaller markers cannot be told apart; larger ones no longer fit on a graph.
    static constexpr std::int32_t kMinimum = 1;
    static constexpr std::int32_t kMaximum = 500;

    explicit MarkerSizeBox(QWidget* parent = nullptr);

    void setText(const QString& text);

    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void textChanged(const QString& text);

protected:
    StepEnabled stepEnabled() const override;

private:
    // Where the arrows start: the typed size, or where they last left it when the text is
    // no number.
    std::int32_t arrowStart() const;

    std::int32_t arrowValue_ = 10;
};

}  // namespace probel
