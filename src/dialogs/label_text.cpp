// SPDX-License-Identifier: MIT
#include "dialogs/label_text.h"

#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <string_view>

#include "core/sheet/chart_label.h"
#include "dialogs/named_controls.h"
#include "dialogs/saved_characters.h"
#include "platform/canvas/bgr_color.h"
#include "platform/canvas/qt_font.h"
#include "platform/desktop/color_dialog.h"
#include "platform/desktop/font_dialog.h"

namespace probel {
namespace {

// Room for a few lines of a title or a note; the dialog can be made larger.
constexpr int kInitialWidth = 500;
constexpr int kInitialHeight = 260;

// The text box has a line per paragraph; captions break lines with CR LF (a lone CR or LF in
// an older document also breaks one).
QString shownText(std::string_view caption)
{
    return QString::fromStdString(joinedCaptionLines(caption, "\n"));
}

std::string captionText(const QString& shown)
{
    return joinedCaptionLines(shown.toStdString(), "\r\n");
}

}  // namespace

LabelText::LabelText(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), fontDialog_(fontDialog), colorDialog_(colorDialog), messages_(messages)
{
    setObjectName(QStringLiteral("LabelText"));
    setWindowTitle(QStringLiteral("コメント入力"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    text1_ = named(new QPlainTextEdit(this), QStringLiteral("Text1"), QStringLiteral("コメント"));
    // A label draws its lines as typed, so the box does not wrap them either.
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setTabChangesFocus(true);

    frameCk_ = namedCheckBox(QStringLiteral("枠の表示"), QStringLiteral("FrameCK"), this);

    fontButton_ = namedButton(QStringLiteral("Font"), QStringLiteral("FontButton"), this);
    fontButton_->setToolTip(QStringLiteral("フォントを設定します"));
    // Qt's font dialog has no colour, so the colour has a button of its own.
    colorButton_ = namedButton(QStringLiteral("色..."), QStringLiteral("ColorButton"), this);
    colorButton_->setToolTip(QStringLiteral("文字の色を設定します"));
    okButton_ = namedButton(QStringLiteral("OK"), QStringLiteral("OKButton"), this);
    okButton_->setDefault(true);
    command1_ = namedButton(QStringLiteral("キャンセル"), QStringLiteral("Command1"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(frameCk_);
    buttons->addSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 2);
    buttons->addWidget(fontButton_);
    buttons->addWidget(colorButton_);
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(command1_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text1_, 1);
    layout->addLayout(buttons);

    connect(fontButton_, &QPushButton::clicked, this, &LabelText::fontButtonClicked);
    connect(colorButton_, &QPushButton::clicked, this, &LabelText::colorButtonClicked);
    connect(okButton_, &QPushButton::clicked, this, &LabelText::okClicked);
    connect(command1_, &QPushButton::clicked, this, &QDialog::reject);

    resize(QSize(kInitialWidth, kInitialHeight).expandedTo(minimumSizeHint()));
    text1_->setFocus();
    fontSet();
}

void LabelText::preset(const LabelSettings& initial)
{
    text1_->setPlainText(shownText(initial.caption));
    frameCk_->setChecked(false);
    font_ = initial.font;
    color_ = initial.color;
    fontSet();
}

LabelSettings LabelText::settings() const
{
    return LabelSettings{captionText(text1_->toPlainText()), frameCk_->isChecked(), font_, color_};
}

void LabelText::fontSet()
{
    text1_->setFont(qtFontOf(font_));
    QPalette palette = text1_->palette();
    palette.setColor(QPalette::Text, colorFromBgr(color_));
    text1_->setPalette(palette);
}

void LabelText::fontButtonClicked()
{
    if (const auto chosen = fontDialog_.chooseFont(font_)) {
        font_ = *chosen;
    }
    fontSet();
}

void LabelText::okClicked()
{
    if (!refusesUnsavedCharacters(text1_->toPlainText(), "テキスト", *text1_, messages_)) {
        accept();
    }
}

void LabelText::colorButtonClicked()
{
    if (const auto chosen = colorDialog_.chooseColor(color_)) {
        color_ = *chosen;
    }
    fontSet();
}

std::optional<LabelSettings> LabelText::ask(const LabelSettings& initial, FontDialog& fontDialog,
                                            ColorDialog& colorDialog, MessageBoxes& messages, QWidget* parent)
{
    LabelText form(fontDialog, colorDialog, messages, parent);
    form.preset(initial);
    if (form.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    LabelSettings result = form.settings();
    if (result.caption.empty()) {
        return std::nullopt;
    }
    return result;
}

}  // namespace probel
