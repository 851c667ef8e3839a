// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace probel {

class MessageBoxes;

// The dialog "最大最小の設定": turns a lower and an upper value (Min1, Max1) into a centre and
// two percentages, lets the user change them, and turns them back into a lower and an upper
// value (Min2, Max2). The labels MinLabel and MaxLabel show the current values; the text boxes
// Tyuusin (centre), MinText and MaxText (percentages below and above it) start empty until
// act(). The buttons are Command1 element 0 "OK" (default, Enter) and element 1 "キャンセル"
// (Esc). The dialog has a fixed size.
class ParsentForm : public QDialog {
    Q_OBJECT

public:
    explicit ParsentForm(MessageBoxes& messages, QWidget* parent = nullptr);

    // The current lower and upper values. Until OK succeeds the results are these, so
    // キャンセル, Esc and closing the window give them back.
    void setMin1(double value);
    void setMax1(double value);
    double min1() const { return min1_; }
    double max1() const { return max1_; }

    // The new lower and upper values after OK: centre × (1 − MinText / 100) and
    // centre × (1 + MaxText / 100), unrounded.
    double min2() const { return min2_; }
    double max2() const { return max2_; }

    // Shows Min1 and Max1 in the labels, their midpoint in Tyuusin and the distance of each
    // from it, in percent of the centre, in MinText and MaxText. A centre of 0 (or one that
    // cannot be shown as a number) leaves the percentage boxes empty.
    void act();

    QLabel* minLabel() const { return minLabel_; }
    QLabel* maxLabel() const { return maxLabel_; }
    QLineEdit* tyuusin() const { return tyuusin_; }
    QLineEdit* minText() const { return minText_; }
    QLineEdit* maxText() const { return maxText_; }
    // Element 0 is OK, element 1 キャンセル; any other index gives nullptr.
    QPushButton* command1(int index) const;

private:
    // Reads the three boxes; refuses with a message box, keeping the dialog open and the
    // input as typed, when one of them does not hold a number or the result is not finite.
    void okClicked();
    // Fixes the size to the contents, and wide enough to show the whole caption.
    void fitToContents();

    MessageBoxes& messages_;
    double min1_ = 0;
    double max1_ = 0;
    double min2_ = 0;
    double max2_ = 0;

    QLabel* minLabel_ = nullptr;
    QLabel* maxLabel_ = nullptr;
    QLineEdit* tyuusin_ = nullptr;
    QLineEdit* minText_ = nullptr;
    QLineEdit* maxText_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace probel
