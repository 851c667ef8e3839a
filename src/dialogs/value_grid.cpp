// SPDX-License-Identifier: MIT
#include "dialogs/value_grid.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <span>
#include <string>

#include "core/document/csv_columns.h"
#include "core/document/table_gaps.h"
#include "core/numbers/full_width.h"
#include "core/numbers/number_refusal.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/stats/clipboard_values.h"
#include "core/util/error_text.h"
#include "core/util/text_lines.h"
#include "dialogs/column_choice.h"
#include "dialogs/named_controls.h"
#include "dialogs/number_box_text.h"
#include "platform/desktop/clipboard.h"
#include "platform/desktop/message_boxes.h"

namespace probel {
namespace {

constexpr auto kLabelPrefix = "No,";
constexpr auto kCountCaption = "データ数(MAX 30000)";
constexpr auto kCountToolTip = "データの最大数を設定";
constexpr auto kInitialCount = "10";
constexpr auto kPasteCaption = "クリップボードから張り付け";
constexpr auto kCopyCaption = "クリップボードへコピー";
constexpr auto kScrollName = "データの表示位置";

constexpr auto kInvalidDataText = "データが不正です。";
constexpr auto kInvalidDataTitle = "データエラー";
constexpr auto kPasteTitle = "貼り付け";
constexpr auto kClipboardName = "クリップボード";
constexpr auto kCopyTitle = "コピー";

constexpr int kFirstViewPosition = 1;
constexpr int kPageStep = 10;

// The widest general number text (15 digits, a sign, a three-digit exponent) and label.
constexpr auto kWidestNumber = "-8.88888888888888E-888";
constexpr auto kWidestLabel = "No,30000";
// Qt sizes a line edit for this many 'x' characters.
constexpr int kLineEditSizeHintChars = 17;

// Numbers as the user sees them: full-width forms typed with the input method read too.
double leadingNumberOf(const QString& text)
{
    return leadingNumber(halfWidthNumberText(text.toStdString()));
}

// The busy pointer for as long as the scope lasts, also when it is left by an exception.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// A row selects its whole text when clicked, so that typing replaces the value. Done after
// the box's own release handling, which would otherwise clear a selection clicked into.
class RowBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLineEdit::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton) {
            selectAll();
        }
    }
};

bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Width for `text` in a line edit beyond what Qt gives it for kLineEditSizeHintChars.
int lineEditWidthFor(const QLineEdit* box, const QString& text)
{
    const QFontMetrics metrics = box->fontMetrics();
    const int missing =
        metrics.horizontalAdvance(text) - metrics.horizontalAdvance(QLatin1Char('x')) * kLineEditSizeHintChars;
    return box->sizeHint().width() + std::max(missing, 0);
}

}  // namespace

ValueGrid::ValueGrid(Clipboard& clipboard, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), clipboard_(clipboard), messages_(messages), store_(kSlots, 0.0)
{
    setObjectName(QStringLiteral("ValueGrid"));

    auto* rows = new QGridLayout;
    rows->setVerticalSpacing(0);
    for (int row = 0; row < kRows; ++row) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("NumLabel_%1").arg(row));
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(kWidestLabel)));
        auto* box = new RowBox(this);
        box->setObjectName(QStringLiteral("DataText_%1").arg(row));
        box->setMinimumWidth(lineEditWidthFor(box, QString::fromLatin1(kWidestNumber)));
        // The right button keeps the box's own menu shut, and unlike NoContextMenu does not
        // hand the request on to the dialog.
        box->setContextMenuPolicy(Qt::PreventContextMenu);
        box->installEventFilter(this);
        label->setBuddy(box);
        rows->addWidget(label, row, 0);
        rows->addWidget(box, row, 1);
        numLabel_[static_cast<std::size_t>(row)] = label;
        dataText_[static_cast<std::size_t>(row)] = box;
        connect(box, &QLineEdit::textChanged, this, [this, row] { rowChanged(row); });
    }
    dataScroll_ =
        named(new QScrollBar(Qt::Vertical, this), QStringLiteral("DataScroll"), QString::fromUtf8(kScrollName));
    dataScroll_->setRange(kFirstViewPosition, kFirstViewPosition);
    dataScroll_->setSingleStep(1);
    dataScroll_->setPageStep(kPageStep);
    rows->addWidget(dataScroll_, 0, 2, kRows, 1);
    connect(dataScroll_, &QScrollBar::valueChanged, this, &ValueGrid::refresh);

    countBox_ = namedTextBox(QStringLiteral("MaxNumText"), QString::fromUtf8(kCountCaption), this);
    countBox_->setText(QString::fromLatin1(kInitialCount));
    countBox_->setToolTip(QString::fromUtf8(kCountToolTip));
    countBox_->installEventFilter(this);
    countCaption_ = labelFor(countBox_, QString::fromUtf8(kCountCaption), this);
    countCaption_->setObjectName(QStringLiteral("MaxNumLabel"));
    connect(countBox_, &QLineEdit::textChanged, this, &ValueGrid::countChange);

    clipButton_ = namedButton(QString::fromUtf8(kPasteCaption), QStringLiteral("ClipButton"), this);
    clipCopyButton_ = namedButton(QString::fromUtf8(kCopyCaption), QStringLiteral("ClipCopyButton"), this);
    connect(clipButton_, &QPushButton::clicked, this, &ValueGrid::pasteClicked);
    connect(clipCopyButton_, &QPushButton::clicked, this, &ValueGrid::copyClicked);

    auto* side = new QVBoxLayout;
    side->addWidget(countCaption_);
    side->addWidget(countBox_);
    side->addStretch(1);
    side->addWidget(clipButton_);
    side->addWidget(clipCopyButton_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(rows);
    layout->addLayout(side);

    countChange();
}

std::vector<QWidget*> ValueGrid::controlsAsRead() const
{
    std::vector<QWidget*> controls(dataText_.begin(), dataText_.end());
    controls.insert(controls.end(), {countBox_, clipButton_, clipCopyButton_});
    return controls;
}

void ValueGrid::setValues(const std::vector<double>& values)
{
    const auto count = std::min(values.size(), store_.size());
    std::copy_n(values.begin(), count, store_.begin());
    std::fill(store_.begin() + static_cast<std::ptrdiff_t>(count), store_.end(), 0.0);
    refusedTexts_.clear();
    refresh();
}

std::vector<double> ValueGrid::values(int last) const
{
    if (last < 0) {
        return {};
    }
    const auto end = std::min(static_cast<std::size_t>(last) + 1, store_.size());
    return {store_.begin(), store_.begin() + static_cast<std::ptrdiff_t>(end)};
}

void ValueGrid::setCountText(const QString& text)
{
    if (countBox_->text() == text) {
        countChange();
    } else {
        countBox_->setText(text);
    }
}

std::optional<double> ValueGrid::countNumber() const
{
    return wholeTypedNumber(countBox_->text());
}

void ValueGrid::setDataError(std::function<bool()> dataError)
{
    dataError_ = std::move(dataError);
}

QLineEdit* ValueGrid::dataText(int row) const
{
    return row >= 0 && row < kRows ? dataText_[static_cast<std::size_t>(row)] : nullptr;
}

QLabel* ValueGrid::numLabel(int row) const
{
    return row >= 0 && row < kRows ? numLabel_[static_cast<std::size_t>(row)] : nullptr;
}

void ValueGrid::refresh()
{
    const int top = dataScroll_->value();
    for (int row = 0; row < kRows; ++row) {
        const auto index = static_cast<std::size_t>(row);
        const QString label = QString::fromLatin1(kLabelPrefix) + QString::number(row + top);
        numLabel_[index]->setText(label);
        dataText_[index]->setAccessibleName(label);
        dataText_[index]->setText(numberText(store_[static_cast<std::size_t>(row + top - 1)]));
        // Stored again as read from the text, also when the text was already there: what the
        // grid shows is what the series gets (15 significant digits).
        rowChanged(row);
    }
}

void ValueGrid::rowChanged(int row)
{
    const auto slot = static_cast<std::size_t>(row + dataScroll_->value() - 1);
    const QString text = dataText_[static_cast<std::size_t>(row)]->text();
    store_[slot] = leadingNumberOf(text);
    if (wholeNumber(halfWidthNumberText(text.toStdString()))) {
        refusedTexts_.erase(slot);
    } else {
        refusedTexts_[slot] = text;
    }
}

std::optional<ValueGrid::RefusedRow> ValueGrid::firstRefusedRow(int last) const
{
    if (refusedTexts_.empty() || last < 0 || static_cast<std::size_t>(last) < refusedTexts_.begin()->first) {
        return std::nullopt;
    }
    const auto& [slot, text] = *refusedTexts_.begin();
    return RefusedRow{static_cast<int>(slot), text};
}

void ValueGrid::selectPosition(int position)
{
    // Row 0 shows position `value` - 1: the position goes to the top row where the scroll
    // range allows, into the rows below it at the end.
    const int top = std::clamp(position + 1, dataScroll_->minimum(), dataScroll_->maximum());
    dataScroll_->setValue(top);
    const int row = position - (top - 1);
    if (row >= 0 && row < kRows) {
        QLineEdit* edit = dataText_[static_cast<std::size_t>(row)];
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

void ValueGrid::rowEnter(int row)
{
    if (row + 1 < kRows) {
        QLineEdit* next = dataText_[static_cast<std::size_t>(row + 1)];
        if (next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            next->selectAll();
        }
        return;
    }
    if (dataScroll_->value() < dataScroll_->maximum()) {
        dataScroll_->setValue(dataScroll_->value() + 1);
        dataText_[static_cast<std::size_t>(row)]->selectAll();
    }
}

void ValueGrid::countChange()
{
    // Each control is set once to its new state, so that a row that stays enabled keeps the
    // focus.
    const double count = leadingNumberOf(countBox_->text());
    const bool usable = count >= 1 && count <= kMaxCount;
    const int lastRow = !usable ? -1 : count >= kRows ? kRows - 1 : static_cast<int>(roundHalfEven(count - 1));
    for (int row = 0; row < kRows; ++row) {
        numLabel_[static_cast<std::size_t>(row)]->setEnabled(row <= lastRow);
        dataText_[static_cast<std::size_t>(row)]->setEnabled(row <= lastRow);
    }
    dataScroll_->setEnabled(usable);
    if (usable) {
        countCheck();
        refresh();
    }
    emit countChanged();
}

bool ValueGrid::countCheck()
{
    if (dataError_ ? dataError_() : countRefused()) {
        countBox_->setFocus(Qt::OtherFocusReason);
        countBox_->selectAll();
        return false;
    }
    const double count = leadingNumberOf(countBox_->text());
    const bool scrolls = count > kRows;
    dataScroll_->setEnabled(scrolls);
    dataScroll_->setMinimum(kFirstViewPosition);
    dataScroll_->setValue(kFirstViewPosition);
    // Row 0 shows position `value` - 1, so the last row reaches position count - 1.
    dataScroll_->setMaximum(scrolls ? static_cast<int>(roundHalfEven(count - (kRows - 1))) : kFirstViewPosition);
    return true;
}

bool ValueGrid::countRefused()
{
    const std::optional<double> count = countNumber();
    if (count && roundHalfEven(*count) >= 1 && roundHalfEven(*count) <= kMaxCount) {
        return false;
    }
    messages_.show(kInvalidDataText, kInvalidDataTitle, MessageButtons::Ok, MessageIcon::Stop);
    return true;
}

void ValueGrid::countEnter()
{
    QLineEdit* first = dataText_.front();
    if (first->isEnabled()) {
        first->setFocus(Qt::TabFocusReason);
    }
}

bool ValueGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == countBox_) {
        if (isEnterKey(event)) {
            countEnter();
            return true;
        }
        // Leaving the box for another control checks the count; the dialog losing the
        // activation (to the check's own message box, say) does not.
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // When the check has taken the focus back, the box keeps its selection as if it
            // had never lost the focus.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !countCheck() &&
                countBox_->hasFocus()) {
                return true;
            }
        }
        return false;
    }
    if (isEnterKey(event)) {
        const auto found = std::find(dataText_.begin(), dataText_.end(), watched);
        if (found != dataText_.end()) {
            rowEnter(static_cast<int>(found - dataText_.begin()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ValueGrid::pasteClicked()
{
    if (!clipboard_.hasText()) {
        return;
    }
    const std::string text = clipboard_.text();
    if (text.empty()) {
        return;
    }
    if (isTableText(text)) {
        pasteColumn(text);
        return;
    }
    PastedValues pasted;
    {
        BusyPointer busy;
        // Read aside first: a paste that stops stores nothing, so new and old values never mix.
        // The count box takes at most kMaxCount, so the store's last slot is never pasted into.
        std::vector<double> read(kMaxCount);
        pasted = pasteValues(text, read);
        if (pasted.status == PastedValues::Status::Complete && pasted.taken > 0) {
            read.resize(pasted.taken);
            storePasted(read);
        }
    }
    switch (pasted.status) {
    case PastedValues::Status::Complete:
        break;
    case PastedValues::Status::NotANumber:
        messages_.show("クリップボードの " + std::to_string(pasted.stopLine) + " 行目を貼り付けられません: " +
                           notANumberReason(pasted.stopText, pasted.stopLine == 1) + "何も貼り付けませんでした。",
                       kPasteTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        break;
    case PastedValues::Status::TooManyLines:
        messages_.show(
            "クリップボードのデータが " + std::to_string(kMaxCount) + " 行を超えているため、貼り付けませんでした。",
            kPasteTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        break;
    }
}

void ValueGrid::storePasted(const std::vector<double>& values)
{
    std::copy(values.begin(), values.end(), store_.begin());
    refusedTexts_.erase(refusedTexts_.begin(), refusedTexts_.lower_bound(values.size()));
    countBox_->setText(QString::number(values.size()));
    refresh();
}

void ValueGrid::pasteColumn(const std::string& text)
{
    const Result<std::vector<CsvColumn>> columns = readCsvColumns(text, kClipboardName);
    if (!columns) {
        messages_.show("貼り付けられません: " + errorText(columns.error()) + "。何も貼り付けませんでした。",
                       kPasteTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const bool header = std::any_of(columns.value().begin(), columns.value().end(),
                                    [](const CsvColumn& column) { return !column.header.empty(); });
    std::vector<std::size_t> numeric;
    for (std::size_t i = 0; i < columns.value().size(); ++i) {
        if (!columns.value()[i].values.empty()) {
            numeric.push_back(i);
        }
    }
    if (numeric.empty()) {
        messages_.show("クリップボードの表には数値の列がありません。何も貼り付けませんでした。", kPasteTitle,
                       MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const auto chosen = numeric.size() == 1 && !header ? std::optional(numeric.front())
                                                       : ColumnChoice::ask(columns.value(), header, this);
    if (!chosen) {
        return;
    }
    const CsvColumn& column = columns.value()[*chosen];
    if (const auto gap = gapInColumn(columns.value(), *chosen)) {
        messages_.show("クリップボードの " + std::to_string(gap->line) + " 行目 " + std::to_string(gap->column) +
                           " 列目が空で、その下に値があります。何も貼り付けませんでした。",
                       kPasteTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    if (column.values.size() > static_cast<std::size_t>(kMaxCount)) {
        messages_.show("列の値が " + std::to_string(kMaxCount) + " 個を超えているため、貼り付けませんでした。",
                       kPasteTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    storePasted(column.values);
    if (!column.header.empty()) {
        emit headerPasted(QString::fromStdString(column.header));
    }
}

void ValueGrid::copyClicked()
{
    const std::optional<double> count = countNumber();
    if (!count) {
        messages_.show("データ数が数値ではないため、コピーしませんでした。", kCopyTitle, MessageButtons::Ok,
                       MessageIcon::Exclamation);
        return;
    }
    // The values the dialog's OK would hand to the series: positions 0 … count - 1 rounded.
    const double last = roundHalfEven(*count - 1);
    if (last < 0 || last >= kMaxCount) {
        messages_.show(
            "データ数が 1 から " + std::to_string(kMaxCount) + " までの範囲にないため、コピーしませんでした。",
            kCopyTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    BusyPointer busy;
    clipboard_.setText(copyText(std::span(store_).first(static_cast<std::size_t>(last) + 1)));
}

}  // namespace probel
