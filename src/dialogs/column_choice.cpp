// SPDX-License-Identifier: MIT
#include "dialogs/column_choice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/util/text_excerpt.h"
#include "dialogs/named_controls.h"

namespace probel {

ColumnChoice::ColumnChoice(const std::vector<CsvColumn>& columns, bool header, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("列の選択"));
    setObjectName(QStringLiteral("ColumnChoice"));
    columnList_ = named(new QComboBox(this), QStringLiteral("ColumnList"), QStringLiteral("貼り付ける列"));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const CsvColumn& column = columns[i];
        if (column.values.empty()) {
            continue;
        }
        QString text = QStringLiteral("%1 列目").arg(column.number);
        if (!column.header.empty()) {
            text += QStringLiteral(": ") + QString::fromStdString(textExcerpt(column.header));
        }
        columnList_->addItem(text + QStringLiteral(" (%1 個)").arg(column.values.size()));
        indices_.push_back(i);
    }
    headerBox_ = namedCheckBox(QStringLiteral("1 行目は見出し"), QStringLiteral("HeaderCk"), this);
    headerBox_->setChecked(header);
    // A first line of text cannot be taken as values.
    headerBox_->setEnabled(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (columnList_->currentIndex() >= 0) {
            chosen_ = indices_[static_cast<std::size_t>(columnList_->currentIndex())];
        }
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(labelFor(columnList_, QStringLiteral("貼り付ける列 :"), this), columnList_);
    form->addRow(QString(), headerBox_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::optional<std::size_t> ColumnChoice::ask(const std::vector<CsvColumn>& columns, bool header, QWidget* parent)
{
    ColumnChoice choice(columns, header, parent);
    if (choice.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return choice.chosen();
}

}  // namespace probel
