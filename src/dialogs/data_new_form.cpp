// SPDX-License-Identifier: MIT
#include "dialogs/data_new_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <string>

#include "core/numbers/number_refusal.h"
#include "core/numbers/rounding.h"
#include "core/sheet/chart_label.h"
#include "dialogs/capability_line_boxes.h"
#include "dialogs/line_style_box.h"
#include "dialogs/marker_preview.h"
#include "dialogs/marker_size_box.h"
#include "dialogs/named_controls.h"
#include "dialogs/number_box_text.h"
#include "dialogs/percent_range.h"
#include "dialogs/saved_characters.h"
#include "dialogs/tab_chain.h"
#include "dialogs/value_grid.h"
#include "platform/canvas/bgr_color.h"
#include "platform/desktop/font_dialog.h"
#include "platform/desktop/message_boxes.h"

namespace probel {
namespace {

// A series holds 1 to 30000 values.
constexpr double kFewestValues = 1;
constexpr double kMostValues = 30000;
// Widths in characters: a number format, a limit; the comment's lines and rows.
constexpr int kFormatBoxLetters = 8;
constexpr int kLimitBoxLetters = 12;
constexpr int kCommentLetters = 36;
constexpr int kCommentRows = 4;
// The text document's margin above and below the lines.
constexpr int kCommentMargins = 8;
// Qt sizes a line edit for this many 'x' characters.
constexpr int kQtHintLetters = 17;

// The buttons stand for what their captions say: "上限の無視" reads Cp from the lower limit
// only, "下限の無視" from the upper one only, "上下限有り" from both.
constexpr std::array<std::int32_t, 3> kCpOptionOfButton = {kCpLowerLimitOnly, kCpUpperLimitOnly, kCpBothLimits};
constexpr std::array<const char*, 3> kCpButtonTexts = {"上限の無視", "下限の無視", "上下限有り"};

int cpButtonOf(std::int32_t option)
{
    switch (option) {
    case kCpLowerLimitOnly:
        return 0;
    case kCpUpperLimitOnly:
        return 1;
    default:
        // Cp reads any other option with both limits.
        return 2;
    }
}

bool isBlankComment(const QString& text)
{
    // Only spaces are blank: a comment of a line break alone identifies the series well enough.
    for (const QChar letter : text) {
        if (letter != QLatin1Char(' ')) {
            return false;
        }
    }
    return true;
}

QCheckBox* makeCheckBox(const QString& caption, const char* objectName, const QString& toolTip, QWidget* parent)
{
    auto* box = namedCheckBox(caption, QString::fromLatin1(objectName), parent);
    box->setToolTip(toolTip);
    return box;
}

// A text box about `letters` digits wide.
QLineEdit* makeTextBox(const char* objectName, const QString& accessibleName, int letters, QWidget* parent)
{
    auto* box = namedTextBox(QString::fromLatin1(objectName), accessibleName, parent);
    const QFontMetrics metrics = box->fontMetrics();
    const int margins = box->sizeHint().width() - metrics.horizontalAdvance(QString(kQtHintLetters, QLatin1Char('x')));
    box->setMinimumWidth(metrics.horizontalAdvance(QString(letters, QLatin1Char('0'))) + margins);
    return box;
}

}  // namespace

DataNewForm::DataNewForm(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages, Clipboard& clipboard,
                         QWidget* parent)
    : QDialog(parent), fontDialog_(fontDialog), colorDialog_(colorDialog), messages_(messages)
{
    setObjectName(QStringLiteral("DataNewForm"));
    setWindowTitle(QStringLiteral("データの追加"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    okButton_ = namedButton(QStringLiteral("OK"), QStringLiteral("Command1_0"), this);
    cancelButton_ = namedButton(QStringLiteral("キャンセル"), QStringLiteral("Command1_1"), this);

    labelCk_ =
        makeCheckBox(QStringLiteral("詳細の表示"), "LabelCk", QStringLiteral("フォーム上に詳細を表示します"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(buildCommentBlock());
    left->addWidget(buildMarkerGroup());
    left->addWidget(labelCk_);
    left->addWidget(buildDetailGroup());
    left->addStretch(1);

    auto* settings = new QHBoxLayout;
    settings->addWidget(buildCpGroup());
    settings->addWidget(buildLimitGroup(), 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    // The grid keeps its rows together; the room the taller column leaves goes below.
    auto* right = new QVBoxLayout;
    right->addWidget(buildDataGroup(clipboard));
    right->addLayout(settings);
    right->addStretch(1);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    // Keeps the data number apart from the grid's frame title beside it.
    layout->addSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 2);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The buttons are made first: Tab goes as the dialog reads, the left column, then the right.
    std::vector<QWidget*> tabs = {comment_,  mrk_,     markarPic_, sizeT_,   lineCk_,   lineCb_,  labelCk_, labelFont_,
                                  heikinCk_, formatH_, sigumaCk_,  formatS_, probelCk_, formatP_, cpCk_,    formatC_};
    tabs.insert(tabs.end(), capabilityBoxes_->boxes().begin(), capabilityBoxes_->boxes().end());
    for (QWidget* control : grid_->controlsAsRead()) {
        tabs.push_back(control);
    }
    for (QAbstractButton* option : cpOptions_->buttons()) {
        tabs.push_back(option);
    }
    tabs.insert(tabs.end(), {sigmaDivisor_, maxText_, minText_, parsent_, okButton_, cancelButton_});
    chainTabOrder(tabs);

    // Enter belongs to the grid: no button may take it over as the dialog's default.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }

    const auto preview = [this] {
        markarPic_->setMarker(mrk_->text().toStdString());
        markarPic_->setMarkerSize(leadingTypedNumber(sizeT_->text()));
        markarPic_->setLineVisible(lineCk_->isChecked());
        markarPic_->setLineStyle(lineCb_->penStyle());
    };
    connect(mrk_, &QLineEdit::textChanged, this, preview);
    connect(sizeT_, &MarkerSizeBox::textChanged, this, preview);
    connect(lineCk_, &QCheckBox::toggled, this, preview);
    connect(lineCb_, &LineStyleBox::penStyleChanged, this, preview);
    connect(markarPic_, &MarkerPreview::colorChanged, this, &DataNewForm::colourComment);
    for (QCheckBox* box : {labelCk_, probelCk_, cpCk_}) {
        connect(box, &QCheckBox::toggled, this, &DataNewForm::updateEnabledStates);
    }
    for (QCheckBox* box : capabilityBoxes_->boxes()) {
        connect(box, &QCheckBox::toggled, this, &DataNewForm::updateEnabledStates);
    }
    connect(labelFont_, &QPushButton::clicked, this, &DataNewForm::labelFontClicked);
    connect(parsent_, &QPushButton::clicked, this, &DataNewForm::parsentClicked);
    connect(okButton_, &QPushButton::clicked, this, &DataNewForm::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    grid_->setDataError([this] { return dataError(); });

    preview();
    colourComment();
    updateEnabledStates();
    comment_->setFocus();
}

QWidget* DataNewForm::buildCommentBlock()
{
    auto* block = new QWidget(this);
    comment_ =
        named(new QPlainTextEdit(block), QStringLiteral("Comment"), QStringLiteral("コメント(必ず入力して下さい)"));
    comment_->setToolTip(QStringLiteral("データを識別するために必ず入力して下さい"));
    comment_->setPlainText(QStringLiteral("*\n"));
    comment_->setTabChangesFocus(true);
    comment_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comment_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comment_->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics = comment_->fontMetrics();
    comment_->setMinimumWidth(metrics.horizontalAdvance(QString(kCommentLetters, QLatin1Char('0'))));
    comment_->setFixedHeight(metrics.lineSpacing() * kCommentRows +
                             comment_->horizontalScrollBar()->sizeHint().height() + comment_->frameWidth() * 2 +
                             kCommentMargins);
    dataNum_ = new QLabel(block);
    dataNum_->setObjectName(QStringLiteral("DataNum"));

    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(labelFor(comment_, QStringLiteral("コメント(必ず入力して下さい)"), block), 0, 0);
    grid->addWidget(dataNum_, 0, 1, Qt::AlignRight);
    grid->addWidget(comment_, 1, 0, 1, 2);
    return block;
}

QWidget* DataNewForm::buildMarkerGroup()
{
    auto* group = namedGroupBox(QStringLiteral("マーカー"), QStringLiteral("Frame2"), this);
    mrk_ = makeTextBox("Mrk", QStringLiteral("形状"), kFormatBoxLetters, group);
    mrk_->setToolTip(QStringLiteral("マーカーの形状を設定します"));
    mrk_->setText(QStringLiteral("○"));
    markarPic_ = named(new MarkerPreview(colorDialog_, group), QStringLiteral("MarkarPic"), QStringLiteral("色"));
    markarPic_->setToolTip(QStringLiteral("色の設定をします"));
    sizeT_ = named(new MarkerSizeBox(group), QStringLiteral("SizeT"), QStringLiteral("サイズ"));
    sizeT_->setToolTip(QStringLiteral("マーカーのサイズを設定します"));
    sizeT_->setText(QStringLiteral("10"));
    lineCk_ = makeCheckBox(QStringLiteral("回帰線の表示"), "LineCk", QStringLiteral("回帰線を表示します"), group);
    lineCb_ = named(new LineStyleBox(group), QStringLiteral("LineCb"), QStringLiteral("回帰線の形状"));
    lineCb_->setToolTip(QStringLiteral("回帰線形の状を設定します"));

    auto* grid = new QGridLayout(group);
    grid->addWidget(labelFor(mrk_, QStringLiteral("形状"), group), 0, 0);
    grid->addWidget(mrk_, 0, 1);
    grid->addWidget(labelFor(sizeT_, QStringLiteral("サイズ"), group), 1, 0);
    grid->addWidget(sizeT_, 1, 1);
    grid->addWidget(lineCk_, 2, 0, 1, 2);
    grid->addWidget(lineCb_, 3, 0, 1, 2);
    grid->addWidget(labelFor(markarPic_, QStringLiteral("色"), group), 0, 2, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(markarPic_, 0, 3, 4, 1, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* DataNewForm::buildDetailGroup()
{
    sFrame_ = namedGroupBox(QStringLiteral("詳細"), QStringLiteral("SFrame"), this);
    labelFont_ = namedButton(QStringLiteral("Font"), QStringLiteral("LabelFont"), sFrame_);
    labelFont_->setToolTip(QStringLiteral("フォントを設定します"));
    labelFont_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    heikinCk_ = makeCheckBox(QStringLiteral("平均, 最小値, 最大値"), "HeikinCk",
                             QStringLiteral("フォーム上に平均、最小、最大値をを表示します"), sFrame_);
    sigumaCk_ =
        makeCheckBox(QStringLiteral("           σ"), "SigumaCk", QStringLiteral("フォーム上にσを表示します"), sFrame_);
    probelCk_ = makeCheckBox(QStringLiteral("Probel(%)"), "ProbelCk", QStringLiteral("フォーム上にProbelを表示します"),
                             sFrame_);
    cpCk_ = makeCheckBox(QStringLiteral("Cp値"), "CpCk", QStringLiteral("フォーム上にCp値を表示します"), sFrame_);
    // Each format box is named after the line it formats.
    formatH_ = makeTextBox("FormatH", QStringLiteral("平均, 最小値, 最大値の書式"), kFormatBoxLetters, sFrame_);
    formatS_ = makeTextBox("FormatS", QStringLiteral("σの書式"), kFormatBoxLetters, sFrame_);
    formatP_ = makeTextBox("FormatP", QStringLiteral("Probel(%)の書式"), kFormatBoxLetters, sFrame_);
    formatC_ = makeTextBox("FormatC", QStringLiteral("Cp値の書式"), kFormatBoxLetters, sFrame_);

    auto* grid = new QGridLayout(sFrame_);
    grid->addWidget(labelFont_, 0, 0);
    const std::array<std::pair<QCheckBox*, QLineEdit*>, 4> lines = {
        {{heikinCk_, formatH_}, {sigumaCk_, formatS_}, {probelCk_, formatP_}, {cpCk_, formatC_}}};
    int row = 1;
    for (const auto& [box, format] : lines) {
        format->setText(QStringLiteral("0.##"));
        grid->addWidget(box, row, 0);
        grid->addWidget(format, row, 1);
        ++row;
    }
    capabilityBoxes_ = new CapabilityLineBoxes(sFrame_);
    grid->addWidget(capabilityBoxes_, row, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    return sFrame_;
}

QWidget* DataNewForm::buildCpGroup()
{
    auto* group = namedGroupBox(QStringLiteral("Cp値の設定"), QStringLiteral("Frame4"), this);
    cpOptions_ = new QButtonGroup(group);
    auto* layout = new QVBoxLayout(group);
    for (int element = 0; element < static_cast<int>(kCpButtonTexts.size()); ++element) {
        const QString caption = QString::fromUtf8(kCpButtonTexts[static_cast<std::size_t>(element)]);
        auto* button = namedRadioButton(caption, QStringLiteral("CpOptions_%1").arg(element), group);
        cpOptions_->addButton(button, element);
        layout->addWidget(button);
    }
    cpOptions(2)->setToolTip(QStringLiteral("(上限-下限)/(6*σ)で計算します"));
    sigmaDivisor_ = named(new QComboBox(group), QStringLiteral("SigmaDivisor"), QStringLiteral("σ の分母"));
    sigmaDivisor_->addItem(QStringLiteral("σ: n で割る"), static_cast<int>(SigmaDivisor::Count));
    sigmaDivisor_->addItem(QStringLiteral("s: n-1 で割る"), static_cast<int>(SigmaDivisor::CountLessOne));
    sigmaDivisor_->setToolTip(QStringLiteral("標準偏差の分母。回帰線、Probel、Cp、信頼帯もこれに従います"));
    layout->addWidget(sigmaDivisor_);
    layout->addStretch(1);
    return group;
}

QWidget* DataNewForm::buildLimitGroup()
{
    auto* group = namedGroupBox(QStringLiteral("Probel,Cp値の範囲"), QStringLiteral("Frame5"), this);
    maxText_ = makeTextBox("MaxText", QStringLiteral("上限"), kLimitBoxLetters, group);
    minText_ = makeTextBox("MinText", QStringLiteral("下限"), kLimitBoxLetters, group);
    // Placeholders until the limits are preset.
    maxText_->setText(QStringLiteral("Text1"));
    minText_->setText(QStringLiteral("Text1"));
    // Named after the dialog it opens, as it has no caption of its own.
    parsent_ = named(new QPushButton(QStringLiteral("..."), group), QStringLiteral("Parsent"),
                     QStringLiteral("最大最小の設定"));
    parsent_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* grid = new QGridLayout(group);
    grid->addWidget(labelFor(maxText_, QStringLiteral("上限"), group), 0, 0);
    grid->addWidget(maxText_, 0, 1);
    grid->addWidget(labelFor(minText_, QStringLiteral("下限"), group), 1, 0);
    grid->addWidget(minText_, 1, 1);
    grid->addWidget(parsent_, 2, 1, Qt::AlignRight);
    grid->setRowStretch(3, 1);
    return group;
}

QWidget* DataNewForm::buildDataGroup(Clipboard& clipboard)
{
    auto* group = namedGroupBox(QStringLiteral("データ"), QStringLiteral("Frame1"), this);
    grid_ = new ValueGrid(clipboard, messages_, group);
    // A column's header is what the series is most likely called.
    connect(grid_, &ValueGrid::headerPasted, this, [this](const QString& header) { comment_->setPlainText(header); });
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(grid_);
    return group;
}

QRadioButton* DataNewForm::cpOptions(int element) const
{
    return qobject_cast<QRadioButton*>(cpOptions_->button(element));
}

void DataNewForm::preset(const DataDialogInput& input)
{
    // The grid first: setting its count runs the check, which then still sees the initial
    // comment and size, so an unacceptable stored one is reported by OK, not while opening.
    grid_->setValues(input.values);
    grid_->setCountText(QString::fromStdString(input.countText));

    // The same dialog adds and edits; its title says which.
    setWindowTitle(input.adding ? QStringLiteral("データの追加") : QStringLiteral("データの編集"));
    dataNum_->setText(QStringLiteral("データナンバー %1").arg(input.dataNumber));
    comment_->setPlainText(QString::fromStdString(joinedCaptionLines(input.comment, "\n")));
    mrk_->setText(QString::fromStdString(input.mrk));
    sizeT_->setText(QString::fromStdString(input.sizeText));
    markarPic_->setColor(input.color);
    lineCk_->setChecked(input.lineVisible);
    lineCb_->setPenStyle(input.drawStyle);

    labelCk_->setChecked(input.label);
    heikinCk_->setChecked(input.heikin);
    sigumaCk_->setChecked(input.siguma);
    probelCk_->setChecked(input.probel);
    cpCk_->setChecked(input.cp);
    formatH_->setText(QString::fromStdString(input.heikinFormat));
    formatS_->setText(QString::fromStdString(input.sigumaFormat));
    formatP_->setText(QString::fromStdString(input.probelFormat));
    formatC_->setText(QString::fromStdString(input.cpFormat));
    capabilityBoxes_->setLines(input.capabilityLines);
    maxText_->setText(numberText(input.max));
    minText_->setText(numberText(input.min));

    if (input.cpOption) {
        cpOptions(cpButtonOf(*input.cpOption))->setChecked(true);
    } else {
        // An exclusive group keeps one button checked; it lets go only while not exclusive.
        cpOptions_->setExclusive(false);
        for (QAbstractButton* button : cpOptions_->buttons()) {
            button->setChecked(false);
        }
        cpOptions_->setExclusive(true);
    }

    sigmaDivisor_->setCurrentIndex(sigmaDivisor_->findData(static_cast<int>(input.sigmaDivisor)));
    font_ = input.labelFont;
    accepted_.reset();
    colourComment();
    updateEnabledStates();
}

void DataNewForm::updateEnabledStates()
{
    const bool details = labelCk_->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{heikinCk_, sigumaCk_, probelCk_, cpCk_, formatH_, formatS_,
                                                            formatP_, formatC_, labelFont_}) {
        control->setEnabled(details);
    }
    capabilityBoxes_->setEnabled(details);
    for (QAbstractButton* button : cpOptions_->buttons()) {
        button->setEnabled(cpCk_->isChecked());
    }
    // SetLimitEnabled: the limits matter to the percentage, to Cp and to the capability lines
    // that read them.
    const bool limits = probelCk_->isChecked() || cpCk_->isChecked() || capabilityBoxes_->needLimits();
    maxText_->setEnabled(limits);
    minText_->setEnabled(limits);
}

void DataNewForm::colourComment()
{
    QPalette palette = comment_->palette();
    palette.setColor(QPalette::Text, colorFromBgr(markarPic_->color()));
    comment_->setPalette(palette);
}

void DataNewForm::labelFontClicked()
{
    if (const auto chosen = fontDialog_.chooseFont(font_)) {
        font_ = *chosen;
    }
}

void DataNewForm::parsentClicked()
{
    if (!askPercentRangeForBoxes(*minText_, *maxText_, wholeTypedNumber, messages_, this)) {
        showInvalidData();
    }
}

bool DataNewForm::dataError()
{
    const auto count = grid_->countNumber();
    const auto size = wholeTypedNumber(sizeT_->text());
    const bool acceptable = !isBlankComment(comment_->toPlainText()) && count &&
                            roundHalfEven(*count) >= kFewestValues && roundHalfEven(*count) <= kMostValues && size &&
                            toInt32HalfEven(*size).has_value();
    if (!acceptable) {
        showInvalidData();
    }
    return !acceptable;
}

DataDialogValues DataNewForm::values() const
{
    DataDialogValues values;
    // The check has passed, so the count is a number.
    const double count = grid_->countNumber().value_or(0);
    values.values = grid_->values(static_cast<int>(roundHalfEven(count - 1)));
    values.comment = joinedCaptionLines(comment_->toPlainText().toStdString(), "\r\n");
    values.mrk = mrk_->text().toStdString();
    values.mrkSizeSetting = leadingTypedNumber(sizeT_->text());
    values.mrkSize = toInt32HalfEven(values.mrkSizeSetting).value_or(0);
    values.color = markarPic_->color();
    values.drawStyle = lineCb_->penStyle();
    values.lineVisible = lineCk_->isChecked();
    values.label = labelCk_->isChecked();
    values.heikin = heikinCk_->isChecked();
    values.siguma = sigumaCk_->isChecked();
    values.probel = probelCk_->isChecked();
    values.cp = cpCk_->isChecked();
    values.heikinFormat = formatH_->text().toStdString();
    values.sigumaFormat = formatS_->text().toStdString();
    values.probelFormat = formatP_->text().toStdString();
    values.cpFormat = formatC_->text().toStdString();
    values.capabilityLines = capabilityBoxes_->lines();
    values.min = leadingTypedNumber(minText_->text());
    values.max = leadingTypedNumber(maxText_->text());
    const int button = cpOptions_->checkedId();
    if (button >= 0) {
        values.cpOption = kCpOptionOfButton[static_cast<std::size_t>(button)];
    }
    values.labelFont = font_;
    values.sigmaDivisor = static_cast<SigmaDivisor>(sigmaDivisor_->currentData().toInt());
    return values;
}

void DataNewForm::okClicked()
{
    if (dataError() || valueRefused() ||
        refusesUnsavedCharacters(comment_->toPlainText(), "コメント", *comment_, messages_)) {
        return;
    }
    accepted_ = values();
    accept();
}

bool DataNewForm::valueRefused()
{
    // The count check has passed, so the count is a number.
    const int last = static_cast<int>(roundHalfEven(grid_->countNumber().value_or(0) - 1));
    const auto refused = grid_->firstRefusedRow(last);
    if (!refused) {
        return false;
    }
    messages_.show("No," + std::to_string(refused->position + 1) +
                       " の値を読めません: " + notANumberReason(refused->text.toStdString(), false),
                   "データエラー", MessageButtons::Ok, MessageIcon::Stop);
    grid_->selectPosition(refused->position);
    return true;
}

void DataNewForm::showInvalidData()
{
    messages_.show("データが不正です。", "データエラー", MessageButtons::Ok, MessageIcon::Stop);
}

std::optional<DataDialogValues> DataNewForm::ask(const DataDialogInput& input, FontDialog& fontDialog,
                                                 ColorDialog& colorDialog, MessageBoxes& messages, Clipboard& clipboard,
                                                 QWidget* parent)
{
    DataNewForm form(fontDialog, colorDialog, messages, clipboard, parent);
    form.preset(input);
    form.exec();
    return form.accepted();
}

}  // namespace probel
