// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <optional>
#include <vector>

#include "core/document/csv_column.h"

class QCheckBox;
class QComboBox;

namespace probel {

// The small choice a table on the clipboard brings up in the data dialog, "列の選択": which of
// its numeric columns to paste ("1 列目: 外径 (20 個)"), and whether its first line is a header
// (shown ticked, and fixed, when that line holds text: it cannot be values).
class ColumnChoice : public QDialog {
    Q_OBJECT

public:
    ColumnChoice(const std::vector<CsvColumn>& columns, bool header, QWidget* parent = nullptr);

    QComboBox* columnList() const { return columnList_; }
    QCheckBox* headerBox() const { return headerBox_; }
    // The index in `columns` of the column chosen; empty until OK.
    std::optional<std::size_t> chosen() const { return chosen_; }

    // Asks; the index of the chosen column, or nothing when cancelled.
    static std::optional<std::size_t> ask(const std::vector<CsvColumn>& columns, bool header, QWidget* parent);

private:
    QComboBox* columnList_ = nullptr;
    QCheckBox* headerBox_ = nullptr;
    std::vector<std::size_t> indices_;
    std::optional<std::size_t> chosen_;
};

}  // namespace probel
