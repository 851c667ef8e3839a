// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace probel {

class Clipboard;
class MessageBoxes;

// The content of the data entry dialog's frame "データ" (Frame1): ten rows DataText 0 … 9 with
// their labels NumLabel "No,n", that scroll (DataScroll) over a store of 30001 values; the
// count box MaxNumText with its caption "データ数(MAX 30000)"; and the buttons ClipButton
// "クリップボードから張り付け" and ClipCopyButton "クリップボードへコピー", which paste one value a
// line from the clipboard and copy the first count values to it.
//
// Rows show values as general number text. A row's text must be a number as a whole (full-width
// digits and signs are read): a text that is not ("9,987", "12abc", empty) is remembered, so
// that the dialog's OK can refuse it with its position (firstRefusedRow). Every change of the
// count text enables the rows it covers and runs the count check: the dialog's validation,
// then the scroll range. A paste stores all of the clipboard's lines or, when one is not a
// number, none of them.
class ValueGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSlots = 30001;  // positions 0 … 30000
    static constexpr int kRows = 10;
    static constexpr int kMaxCount = 30000;

    ValueGrid(Clipboard& clipboard, MessageBoxes& messages, QWidget* parent = nullptr);

    // Fills the store from position 0 with `values` (those beyond the store are dropped) and
    // the rest with 0, and shows them.
    void setValues(const std::vector<double>& values);
    // The values at positions 0 … last, `last` clamped to the store; empty when it is below 0.
    std::vector<double> values(int last) const;

    // MaxNumText; its initial text "10" has enabled every row.
    QLineEdit* countBox() const { return countBox_; }
    // Sets the count text and runs the count change, also when the text stays the same.
    void setCountText(const QString& text);
    // The count text as a number as a whole (blanks around it and full-width forms allowed);
    // empty when it is none.
    std::optional<double> countNumber() const;

    // The dialog's validation, run by the count check: returns true when the input is bad,
    // having shown its message. Until one is set, the count check itself refuses a count that
    // is not a whole number of 1 … 30000 with the data-error message.
    void setDataError(std::function<bool()> dataError);

    // The first position up to `last` whose typed text is not a number, with that text.
    struct RefusedRow {
        int position = 0;
        QString text;
    };
    std::optional<RefusedRow> firstRefusedRow(int last) const;
    // Scrolls the position into view and selects its text, with the focus.
    void selectPosition(int position);

    // DataText and NumLabel elements 0 … 9; nullptr for any other index.
    QLineEdit* dataText(int row) const;
    QLabel* numLabel(int row) const;
    QScrollBar* dataScroll() const { return dataScroll_; }
    QLabel* countCaption() const { return countCaption_; }
    QPushButton* clipButton() const { return clipButton_; }
    QPushButton* clipCopyButton() const { return clipCopyButton_; }
    // The controls as read: the rows down, then the count and the buttons beside them.
    std::vector<QWidget*> controlsAsRead() const;

signals:
    // After each run of the count change.
    void countChanged();
    // A column pasted from a table had this header: the series' comment, if the user likes.
    void headerPasted(const QString& header);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Rewrites the labels and the texts of the ten rows from the store at the view position.
    void refresh();
    // Stores the leading number of a row's text in the slot the row shows, remembering a text
    // that is not a number as a whole.
    void rowChanged(int row);
    void rowEnter(int row);
    // Enables the rows the count covers and, for a usable count, checks it and refreshes.
    void countChange();
    // Runs the validation; back in the count box and false when it fails, otherwise sets the
    // scroll range.
    bool countCheck();
    bool countRefused();
    void countEnter();
    void pasteClicked();
    // A table on the clipboard (columns, or a header line): one of its columns, chosen.
    void pasteColumn(const std::string& text);
    // Stores the values from position 0 and makes them the count.
    void storePasted(const std::vector<double>& values);
    void copyClicked();

    Clipboard& clipboard_;
    MessageBoxes& messages_;
    std::function<bool()> dataError_;
    std::vector<double> store_;
    // Typed texts that are not numbers, by position.
    std::map<std::size_t, QString> refusedTexts_;

    std::array<QLineEdit*, kRows> dataText_{};
    std::array<QLabel*, kRows> numLabel_{};
    QScrollBar* dataScroll_ = nullptr;
    QLabel* countCaption_ = nullptr;
    QLineEdit* countBox_ = nullptr;
    QPushButton* clipButton_ = nullptr;
    QPushButton* clipCopyButton_ = nullptr;
};

}  // namespace probel
