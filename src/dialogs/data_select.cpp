// SPDX-License-Identifier: MIT
#include "dialogs/data_select.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/sheet/chart_label.h"
#include "dialogs/named_controls.h"

namespace probel {
namespace {

constexpr auto kEntryPrefix = "データ - ";
constexpr int kListWidth = 240;
constexpr int kCommentWidth = 240;
constexpr int kHeight = 200;

}  // namespace

DataSelect::DataSelect(const std::string& title, const std::vector<std::string>& comments, QWidget* parent)
    : QDialog(parent), comments_(comments)
{
    setObjectName(QStringLiteral("DataSelect"));
    setWindowTitle(QString::fromStdString(title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    dataList_ = named(new QListWidget(this), QStringLiteral("DataList"), QStringLiteral("データ"));
    dataList_->setMinimumSize(kListWidth, kHeight);
    // Each entry with its comment on one line, so the series is found by what it is.
    for (std::size_t i = 1; i <= comments_.size(); ++i) {
        const std::string comment = joinedCaptionLines(comments_[i - 1], " ");
        const bool blank = comment.find_first_not_of(" *") == std::string::npos;
        dataList_->addItem(QString::fromUtf8(kEntryPrefix) + QString::number(i) +
                           (blank ? QString() : QStringLiteral("  ") + QString::fromStdString(comment).trimmed()));
    }
    comment_ = named(new QPlainTextEdit(this), QStringLiteral("Comment"), QStringLiteral("コメント"));
    comment_->setReadOnly(true);
    comment_->setMinimumSize(kCommentWidth, kHeight);
    connect(dataList_, &QListWidget::currentRowChanged, this, [this](int row) {
        const bool valid = row >= 0 && static_cast<std::size_t>(row) < comments_.size();
        comment_->setPlainText(valid ? QString::fromStdString(comments_[static_cast<std::size_t>(row)]) : QString());
    });
    // Double-clicking an entry chooses it, as OK does.
    connect(dataList_, &QListWidget::itemDoubleClicked, this, &DataSelect::accept);

    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    okButton_->setObjectName(QStringLiteral("Command1_0"));
    okButton_->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Command1_1"));
    connect(buttons, &QDialogButtonBox::accepted, this, &DataSelect::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DataSelect::reject);
    // OK with no entry chosen would do nothing; it waits for a choice instead of looking ready
    // while the list only shows its first entry as current.
    okButton_->setEnabled(false);
    connect(dataList_, &QListWidget::itemSelectionChanged, this,
            [this] { okButton_->setEnabled(!dataList_->selectedItems().isEmpty()); });

    auto* lists = new QHBoxLayout;
    lists->addWidget(dataList_);
    lists->addWidget(comment_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(buttons);
}

void DataSelect::accept()
{
    const int row = dataList_->currentRow();
    chosen_ = row >= 0 && dataList_->currentItem() != nullptr && dataList_->currentItem()->isSelected()
                  ? std::optional<std::int32_t>(row + 1)
                  : std::nullopt;
    QDialog::accept();
}

std::optional<std::int32_t> DataSelect::ask(const std::string& title, const std::vector<std::string>& comments,
                                            QWidget* parent)
{
    DataSelect dialog(title, comments, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

std::optional<std::int32_t> QtSeriesChooser::chooseSeries(const std::string& title,
                                                          const std::vector<std::string>& comments)
{
    return DataSelect::ask(title, comments, parent_);
}

}  // namespace probel
