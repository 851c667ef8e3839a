// SPDX-License-Identifier: MIT
#include "dialogs/sek_set_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/graph/axis_range.h"
#include "core/graph/normo_bp.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "dialogs/analysis_group.h"
#include "dialogs/arrow_text_box.h"
#include "dialogs/line_preview.h"
#include "dialogs/line_style_box.h"
#include "dialogs/named_controls.h"
#include "dialogs/number_box_text.h"
#include "dialogs/percent_range.h"
#include "dialogs/saved_characters.h"
#include "dialogs/tab_chain.h"
#include "platform/desktop/font_dialog.h"
#include "platform/desktop/message_boxes.h"

namespace probel {
namespace {

// A logarithmic axis has no 0; a limit of 0 is taken as the decade 10^-4.
constexpr const char* kLogZeroText = "0.0001";
// Widths in digits: a count, an axis end.
constexpr int kCountBoxDigits = 5;
constexpr int kLimitBoxDigits = 10;
constexpr const char* kDataErrorTitle = "データエラー";
constexpr const char* kAutoRangeTitle = "自動";

std::optional<std::int32_t> int32Of(const QString& text)
{
    const auto number = wholeNumber(text.toStdString());
    return number ? toInt32HalfEven(*number) : std::nullopt;
}

// The texts OK checks, corrected in place as OK writes them back.
struct NumberBoxes {
    QString left;
    QString top;
    QString width;
    QString height;
    QString min;
    QString max;
    QString step;
    QString divisions;
};

// On a logarithmic axis a limit of 0 becomes 0.0001 and a negative one its absolute value.
QString logLimitText(const QString& text, double value)
{
    if (value == 0) {
        return QString::fromLatin1(kLogZeroText);
    }
    return value < 0 ? numberText(-value) : text;
}

// The decade a logarithmic axis stores for a limit: its logarithm, halves away from zero.
double decadeOf(double value)
{
    return roundDecimal(std::log10(value), 0);
}

// Fills the numeric fields of `values` from `boxes`, correcting the texts as it goes. False
// when a box is no number of its kind, the frame is too small to draw, or the axis would
// have no length.
bool readNumberBoxes(NumberBoxes& boxes, bool logarithmic, GraphDialogValues& values)
{
    const auto left = int32Of(boxes.left);
    const auto top = int32Of(boxes.top);
    const auto width = int32Of(boxes.width);
    const auto height = int32Of(boxes.height);
    const auto step = int32Of(boxes.step);
    const auto divisions = int32Of(boxes.divisions);
    auto min = wholeNumber(boxes.min.toStdString());
    auto max = wholeNumber(boxes.max.toStdString());
    if (!left || !top || !width || !height || !step || !divisions || !min || !max) {
        return false;
    }
    // A smaller frame cannot be drawn.
    if (*width < NormoBp::kMinFrameExtent || *height < NormoBp::kMinFrameExtent) {
        return false;
    }
    if (logarithmic) {
        boxes.min = logLimitText(boxes.min, *min);
        boxes.max = logLimitText(boxes.max, *max);
        min = wholeNumber(boxes.min.toStdString());
        max = wholeNumber(boxes.max.toStdString());
        if (!min || !max || decadeOf(*min) == decadeOf(*max)) {
            return false;
        }
    } else if (*min == *max) {
        return false;
    }
    if (*step < 1) {
        boxes.step = QStringLiteral("1");
    }
    if (*divisions < 1) {
        boxes.divisions = QStringLiteral("1");
    }
    values.frameLeft = *left;
    values.frameTop = *top;
    values.frameWidth = *width;
    values.frameHeight = *height;
    values.min = *min;
    values.max = *max;
    values.xJikuStep = std::max(*step, 1);
    values.bunnkatu = std::max(*divisions, 1);
    return true;
}

QLabel* makeLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A text box wide enough for `digits` digits; Qt's own hint is room for 17 letters.
QLineEdit* makeTextBox(const char* objectName, const QString& accessibleName, int digits, QWidget* parent)
{
    constexpr int kQtHintLetters = 17;
    auto* box = namedTextBox(QString::fromLatin1(objectName), accessibleName, parent);
    const QFontMetrics metrics = box->fontMetrics();
    const int margins = box->sizeHint().width() - metrics.horizontalAdvance(QLatin1Char('x')) * kQtHintLetters;
    box->setMinimumWidth(metrics.horizontalAdvance(QString(digits, QLatin1Char('0'))) + margins);
    return box;
}

}  // namespace

SekSetForm::SekSetForm(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), fontDialog_(fontDialog), colorDialog_(colorDialog), messages_(messages)
{
    setObjectName(QStringLiteral("SekSetForm"));
    setWindowTitle(QStringLiteral("Normo分布の設定"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    okButton_ = namedButton(QStringLiteral("OK"), QStringLiteral("Command1_0"), this);
    okButton_->setDefault(true);
    cancelButton_ = namedButton(QStringLiteral("キャンセル"), QStringLiteral("Command1_1"), this);

    auto* right = new QVBoxLayout;
    right->addWidget(buildScaleGroup());
    right->addWidget(buildDivisionGroup());
    right->addStretch(1);

    auto* groups = new QHBoxLayout;
    groups->addWidget(buildFrameGroup());
    groups->addLayout(right);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    analysis_ = new AnalysisGroup(this);
    // Weibull paper's value axis is logarithmic: the box shows so and cannot be unticked.
    connect(analysis_, &AnalysisGroup::paperChanged, this, [this] {
        if (analysis_->showsWeibullPaper()) {
            logCheck_->setChecked(true);
        }
        logCheck_->setEnabled(!analysis_->showsWeibullPaper());
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(analysis_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The buttons are made first and the groups right to left: Tab goes as the dialog reads.
    std::vector<QWidget*> tabs = {fLeft_,    fTop_,     fWidth_,      fHeight_,  fLinePic_, fLineCb_, minText_,
                                  maxText_,  parsent_,  autoRange_,   tanni_,    xJikuCk_,  memori_,  fontButton_,
                                  stepText_, logCheck_, bunkatuText_, bLinePic_, bLineCb_};
    for (QWidget* control : analysis_->controlsAsRead()) {
        tabs.push_back(control);
    }
    tabs.insert(tabs.end(), {okButton_, cancelButton_});
    chainTabOrder(tabs);
    // The cycle starts where the dialog is read from, not at OK.
    fLeft_->setFocus();

    connect(fLineCb_, &LineStyleBox::penStyleChanged, fLinePic_, &LinePreview::setPenStyle);
    connect(bLineCb_, &LineStyleBox::penStyleChanged, bLinePic_, &LinePreview::setPenStyle);
    connect(bunkatuText_, &QLineEdit::textChanged, this,
            [this](const QString& text) { stepLabel_->setText(QStringLiteral("1～") + text); });
    connect(logCheck_, &QCheckBox::toggled, this, [this](bool checked) { bunkatuText_->setEnabled(!checked); });
    connect(fontButton_, &QPushButton::clicked, this, &SekSetForm::fontButtonClicked);
    connect(parsent_, &QPushButton::clicked, this, &SekSetForm::parsentClicked);
    connect(autoRange_, &QPushButton::clicked, this, &SekSetForm::autoRangeClicked);
    connect(okButton_, &QPushButton::clicked, this, &SekSetForm::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    preset(GraphDialogInput{});
}

QWidget* SekSetForm::buildFrameGroup()
{
    auto* group = new QGroupBox(QStringLiteral("フレーム設定"), this);
    const auto arrowBox = [group](const char* name, const QString& accessibleName, const QString& tip) {
        auto* box = named(new ArrowTextBox(group), QString::fromLatin1(name), accessibleName);
        box->setToolTip(tip);
        return box;
    };
    const QString positionTip = QStringLiteral("フレームの左上の位置を設定します");
    fLeft_ = arrowBox("FLeft", QStringLiteral("位置 X"), positionTip);
    fTop_ = arrowBox("FTop", QStringLiteral("位置 Y"), positionTip);
    fWidth_ = arrowBox("FWidth", QStringLiteral("幅"), QStringLiteral("フレームの幅を設定します"));
    fHeight_ = arrowBox("FHeight", QStringLiteral("高さ"), QStringLiteral("フレームの高さを設定します"));

    fLinePic_ = named(new LinePreview(colorDialog_, group), QStringLiteral("FLinePic"), QStringLiteral("フレームの色"));
    fLinePic_->setToolTip(QStringLiteral("色の設定をします"));
    fLineCb_ = named(new LineStyleBox(group), QStringLiteral("FLineCb"), QStringLiteral("フレームの形状"));
    fLineCb_->setToolTip(QStringLiteral("形状を設定します"));

    minText_ = makeTextBox("MinText", QStringLiteral("最小値"), kLimitBoxDigits, group);
    minText_->setToolTip(QStringLiteral("X軸の最小値"));
    maxText_ = makeTextBox("MaxText", QStringLiteral("最大値"), kLimitBoxDigits, group);
    maxText_->setToolTip(QStringLiteral("X軸の最大値"));
    parsent_ = named(new QPushButton(QStringLiteral("..."), group), QStringLiteral("Parsent"), QStringLiteral("中心"));
    parsent_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    autoRange_ = namedButton(QStringLiteral("自動"), QStringLiteral("AutoRange"), group);
    autoRange_->setToolTip(QStringLiteral("最小値・最大値と分割数をデータに合わせます"));
    autoRange_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("位置"), group), 0, 0);
    grid->addWidget(makeLabel(QStringLiteral("X : "), group), 0, 1);
    grid->addWidget(fLeft_, 0, 2);
    grid->addWidget(makeLabel(QStringLiteral("Y : "), group), 0, 3);
    grid->addWidget(fTop_, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("大きさ"), group), 1, 0);
    grid->addWidget(makeLabel(QStringLiteral("幅 : "), group), 1, 1);
    grid->addWidget(fWidth_, 1, 2);
    grid->addWidget(makeLabel(QStringLiteral("高さ :"), group), 1, 3);
    grid->addWidget(fHeight_, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("色・形状"), group), 2, 0);
    grid->addWidget(fLinePic_, 2, 1, 1, 2);
    grid->addWidget(fLineCb_, 2, 3, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("最小値 :"), group), 3, 0);
    grid->addWidget(minText_, 3, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("最大値 :"), group), 4, 0);
    grid->addWidget(maxText_, 4, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("中心    :"), group), 5, 0);
    grid->addWidget(parsent_, 5, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(autoRange_, 5, 3, 1, 2, Qt::AlignRight);
    // The group is as tall as the two beside it; the room left over goes below the boxes.
    grid->setRowStretch(6, 1);
    return group;
}

QWidget* SekSetForm::buildScaleGroup()
{
    auto* group = new QGroupBox(QStringLiteral("目盛"), this);
    tanni_ = makeTextBox("Tanni", QStringLiteral("単位"), kLimitBoxDigits, group);
    xJikuCk_ = namedCheckBox(QStringLiteral("X軸の表示"), QStringLiteral("XJikuCK"), group);
    memori_ = namedCheckBox(QStringLiteral("Y軸の表示"), QStringLiteral("Memori"), group);
    fontButton_ = namedButton(QStringLiteral("Font"), QStringLiteral("FontButton"), group);
    stepText_ = makeTextBox("StepText", QStringLiteral("表示ステップ間隔"), kCountBoxDigits, group);
    stepLabel_ = new QLabel(group);
    stepLabel_->setObjectName(QStringLiteral("StepLabel"));

    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("単位"), group), 0, 0);
    grid->addWidget(tanni_, 0, 1, 1, 2);
    grid->addWidget(xJikuCk_, 1, 0);
    grid->addWidget(memori_, 1, 1);
    grid->addWidget(fontButton_, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("表示ステップ間隔"), group), 2, 0);
    grid->addWidget(stepText_, 2, 1);
    grid->addWidget(stepLabel_, 2, 2);
    return group;
}

QWidget* SekSetForm::buildDivisionGroup()
{
    auto* group = new QGroupBox(QStringLiteral("分割ラインの設定"), this);
    auto* count = new QGroupBox(QStringLiteral("分割数"), group);
    logCheck_ = namedCheckBox(QStringLiteral("対数で表示"), QStringLiteral("LogCheck"), count);
    logCheck_->setToolTip(QStringLiteral("X軸を対数で表示"));
    bunkatuText_ = makeTextBox("BunkatuText", QStringLiteral("分割数"), kCountBoxDigits, count);
    bunkatuText_->setToolTip(QStringLiteral("X軸の分割数を設定"));
    auto* countLayout = new QVBoxLayout(count);
    countLayout->addWidget(logCheck_);
    countLayout->addWidget(bunkatuText_);

    bLinePic_ =
        named(new LinePreview(colorDialog_, group), QStringLiteral("BLinePic"), QStringLiteral("分割ラインの色"));
    bLinePic_->setToolTip(QStringLiteral("色の設定をします"));
    bLineCb_ = named(new LineStyleBox(group), QStringLiteral("BLineCb"), QStringLiteral("分割ラインの形状"));
    bLineCb_->setToolTip(QStringLiteral("形状を設定します"));

    auto* look = new QGridLayout;
    look->addWidget(new QLabel(QStringLiteral("色・形状"), group), 0, 0, 1, 2);
    look->addWidget(bLinePic_, 1, 0);
    look->addWidget(bLineCb_, 1, 1);
    look->setRowStretch(2, 1);

    auto* layout = new QHBoxLayout(group);
    layout->addWidget(count);
    layout->addLayout(look);
    return group;
}

void SekSetForm::preset(const GraphDialogInput& input)
{
    const GraphSettings& graph = input.graph;
    fLineCb_->setPenStyle(graph.frameDrawStyle);
    fLinePic_->setPenStyle(fLineCb_->penStyle());
    fLinePic_->setColor(graph.frameColor);
    bLineCb_->setPenStyle(graph.lineDrawStyle);
    bLinePic_->setPenStyle(bLineCb_->penStyle());
    bLinePic_->setColor(graph.lineColor);

    // A logarithmic axis stores decades; the boxes show axis units.
    const auto shown = [&graph](double stored) { return graph.logV ? std::pow(10.0, stored) : stored; };
    minText_->setText(numberText(shown(graph.storedMin)));
    maxText_->setText(numberText(shown(graph.storedMax)));
    tanni_->setText(QString::fromStdString(graph.tanni));
    memori_->setChecked(graph.memoriCheck);
    xJikuCk_->setChecked(graph.xJikuCheck);
    bunkatuText_->setText(QString::number(graph.bunnkatu));
    stepText_->setText(QString::number(graph.xJikuStep));
    // setText does not signal an unchanged text, so the label is set here as well.
    stepLabel_->setText(QStringLiteral("1～") + bunkatuText_->text());
    logCheck_->setChecked(graph.logV);
    bunkatuText_->setEnabled(!graph.logV);

    // The arrows' ranges are fixed now and do not follow later edits.
    const GraphFrame& frame = graph.frame;
    fLeft_->setMaximum(input.canvasWidth - frame.width);
    fTop_->setMaximum(input.canvasHeight - frame.height);
    fWidth_->setMaximum(input.canvasWidth - frame.left);
    fHeight_->setMaximum(input.canvasHeight - frame.top);
    fLeft_->setText(QString::number(frame.left));
    fTop_->setText(QString::number(frame.top));
    fWidth_->setText(QString::number(frame.width));
    fHeight_->setText(QString::number(frame.height));

    analysis_->preset(graph.analysis);
    logCheck_->setEnabled(!analysis_->showsWeibullPaper());
    values_ = input.values;
    autoRange_->setEnabled(values_.has_value());

    font_ = graph.font;
    outcome_ = GraphDialogOutcome{};
}

void SekSetForm::fontButtonClicked()
{
    if (auto chosen = fontDialog_.chooseFont(font_)) {
        // Graphs keep whole points.
        chosen->size = roundHalfEven(chosen->size);
        font_ = *chosen;
        outcome_.font = font_;
    }
}

void SekSetForm::parsentClicked()
{
    const auto read = [](const QString& text) { return wholeNumber(text.toStdString()); };
    if (!askPercentRangeForBoxes(*minText_, *maxText_, read, messages_, this)) {
        showInvalidData();
    }
}

void SekSetForm::autoRangeClicked()
{
    if (!values_) {
        return;
    }
    const bool logarithmic = logCheck_->isChecked();
    if (logarithmic && !(values_->low > 0)) {
        messages_.show("対数軸には 0 以下の値を描けません。対数で表示をやめるか、最小値と最大値を入力してください。",
                       kAutoRangeTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const Result<AxisRange> range =
        logarithmic ? logAxisRange(values_->low, values_->high) : linearAxisRange(values_->low, values_->high);
    if (!range) {
        messages_.show("データの値から軸の範囲を決められません。最小値と最大値を入力してください。", kAutoRangeTitle,
                       MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    minText_->setText(numberText(range.value().min));
    maxText_->setText(numberText(range.value().max));
    // A logarithmic axis is divided by its decades; its divisions box keeps the linear one's.
    if (!logarithmic) {
        bunkatuText_->setText(QString::number(range.value().divisions));
    }
}

void SekSetForm::okClicked()
{
    NumberBoxes boxes{fLeft_->text(),   fTop_->text(),    fWidth_->text(),   fHeight_->text(),
                      minText_->text(), maxText_->text(), stepText_->text(), bunkatuText_->text()};
    GraphDialogValues values;
    values.logV = logCheck_->isChecked();
    if (!readNumberBoxes(boxes, values.logV, values)) {
        showInvalidData();
        return;
    }
    if (refusesUnsavedCharacters(tanni_->text(), "単位", *tanni_, messages_) ||
        refusesUnsavedCharacters(analysis_->title()->toPlainText(), "グラフの見出し", *analysis_->title(), messages_)) {
        return;
    }
    const AnalysisGroup::Reading analysis = analysis_->read();
    if (!analysis.analysis) {
        messages_.show("パーセント線の「" + analysis.refusedPercent.toStdString() +
                           "」は 0 より大きく 100 より小さい数ではありません。"
                           "パーセントをカンマで区切って入力してください (例: 1, 50, 99)。",
                       kDataErrorTitle, MessageButtons::Ok, MessageIcon::Stop);
        analysis_->percentiles()->setFocus();
        return;
    }
    minText_->setText(boxes.min);
    maxText_->setText(boxes.max);
    stepText_->setText(boxes.step);
    bunkatuText_->setText(boxes.divisions);

    values.frameDrawStyle = fLineCb_->penStyle();
    values.lineDrawStyle = bLineCb_->penStyle();
    values.frameColor = fLinePic_->color();
    values.lineColor = bLinePic_->color();
    values.tanni = tanni_->text().toStdString();
    values.memoriCheck = memori_->isChecked();
    values.xJikuCheck = xJikuCk_->isChecked();
    values.analysis = *analysis.analysis;
    outcome_.accepted = values;
    accept();
}

void SekSetForm::showInvalidData()
{
    messages_.show("データが不正です。", kDataErrorTitle, MessageButtons::Ok, MessageIcon::Stop);
}

GraphDialogOutcome SekSetForm::ask(const GraphDialogInput& input, FontDialog& fontDialog, ColorDialog& colorDialog,
                                   MessageBoxes& messages, QWidget* parent)
{
    SekSetForm form(fontDialog, colorDialog, messages, parent);
    form.preset(input);
    form.exec();
    return form.outcome();
}

}  // namespace probel
