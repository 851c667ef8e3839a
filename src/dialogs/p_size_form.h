// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/sheet/paper_size.h"

class QPushButton;
class QRadioButton;

namespace probel {

// The paper size dialog "用紙サイズの設定": ten options SizeOp (A3, A4, A5 upright and lying in
// the first column, B4 and B5 in the second), option n standing for kKnownPaperCodes[n] (its
// "tag" property holds that code as an int), and the button Command1 "OK", which accepts.
// A4 upright (element 2) is chosen when the dialog opens; setSize() is the code of the chosen
// option.
class PSizeForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kOptionCount = static_cast<int>(kKnownPaperCodes.size());
    static constexpr int kDefaultOption = 2;
    static constexpr int kOptionsInFirstColumn = 6;

    explicit PSizeForm(QWidget* parent = nullptr);

    // The paper code of the chosen option.
    std::int32_t setSize() const { return setSize_; }

    QRadioButton* sizeOp(int index) const;
    QPushButton* command1() const { return command1_; }

    // Shows the dialog modally; the chosen code after OK, 210297 after any other way of closing.
    static std::int32_t ask(QWidget* parent);

private:
    void optionClicked(std::size_t index);

    std::array<QRadioButton*, kKnownPaperCodes.size()> sizeOp_{};
    QPushButton* command1_ = nullptr;
    std::int32_t setSize_ = kDefaultPaperCode;
};

}  // namespace probel
