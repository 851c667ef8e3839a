// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <optional>

#include "dialogs/label_settings.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace probel {

class ColorDialog;
class FontDialog;
class MessageBoxes;

// The text label dialog "コメント入力": the text box Text1 (several lines, shown line by line
// without wrapping, as the label draws them), the check box FrameCK "枠の表示", the buttons
// FontButton "Font" and ColorButton "色..." that open the font and colour dialogs, OKButton
// "OK" and Command1 "キャンセル" (also Esc). The dialog holds a font and a colour; the text box
// shows its text in them (FontSet) so the user sees what the label will look like. A font or
// colour dialog that is cancelled leaves what was held. OK refuses a text with characters a
// document cannot keep, naming them; the dialog stays open.
class LabelText : public QDialog {
    Q_OBJECT

public:
    LabelText(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages, QWidget* parent = nullptr);

    // Fills the text box from the caption and holds the font and colour. The frame box stays
    // cleared whatever `initial.framed` says.
    void preset(const LabelSettings& initial);

    // The text with CR LF line breaks, the frame box, and the font and colour held.
    LabelSettings settings() const;

    // Shows a fresh dialog modally, preset from `initial`. The settings after OK with a text;
    // nothing after OK with an empty text, キャンセル, Esc or closing the window.
    static std::optional<LabelSettings> ask(const LabelSettings& initial, FontDialog& fontDialog,
                                            ColorDialog& colorDialog, MessageBoxes& messages, QWidget* parent);

    QPlainTextEdit* text1() const { return text1_; }
    QCheckBox* frameCk() const { return frameCk_; }
    QPushButton* fontButton() const { return fontButton_; }
    QPushButton* colorButton() const { return colorButton_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* command1() const { return command1_; }

private:
    void okClicked();
    void fontButtonClicked();
    void colorButtonClicked();
    // Shows the text box's text in the font and colour held.
    void fontSet();

    FontDialog& fontDialog_;
    ColorDialog& colorDialog_;
    MessageBoxes& messages_;
    CanvasFont font_;
    std::int32_t color_ = 0;

    QPlainTextEdit* text1_ = nullptr;
    QCheckBox* frameCk_ = nullptr;
    QPushButton* fontButton_ = nullptr;
    QPushButton* colorButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* command1_ = nullptr;
};

}  // namespace probel
