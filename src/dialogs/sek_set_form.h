// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

#include "dialogs/graph_settings_editor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace probel {

class AnalysisGroup;
class ArrowTextBox;
class ColorDialog;
class FontDialog;
class LinePreview;
class LineStyleBox;
class MessageBoxes;

// The graph settings dialog "Normo分布の設定". preset() fills it from a graph; the Font button
// holds the font chosen at once (for the outcome, whichever button closes the dialog); OK
// (Command1_0) checks every box and accepts only valid input, which it gives back corrected
// as GraphDialogValues says; a refusal says "データが不正です。" and leaves the dialog open with
// the input as typed; so does a percentile list with an entry that is no percentage, with a
// message naming it. 自動 (AutoRange) fits the axis ends (and a linear axis' divisions) to the
// graph's values as probel-cli plot does, on the kind of axis LogCheck shows; it is disabled
// for a graph without values. キャンセル (Command1_1) and Esc close it with no values.
class SekSetForm : public QDialog {
    Q_OBJECT

public:
    SekSetForm(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages, QWidget* parent = nullptr);

    // Fills every control from the graph (the log axis ends shown in axis units) and fixes the
    // arrows' ranges from the canvas size.
    void preset(const GraphDialogInput& input);

    // The font chosen so far and, once OK has been accepted, the values confirmed.
    const GraphDialogOutcome& outcome() const { return outcome_; }

    // Shows a fresh dialog modally, preset from `input`.
    static GraphDialogOutcome ask(const GraphDialogInput& input, FontDialog& fontDialog, ColorDialog& colorDialog,
                                  MessageBoxes& messages, QWidget* parent);

    ArrowTextBox* fLeft() const { return fLeft_; }
    ArrowTextBox* fTop() const { return fTop_; }
    ArrowTextBox* fWidth() const { return fWidth_; }
    ArrowTextBox* fHeight() const { return fHeight_; }
    LinePreview* fLinePic() const { return fLinePic_; }
    LineStyleBox* fLineCb() const { return fLineCb_; }
    QLineEdit* minText() const { return minText_; }
    QLineEdit* maxText() const { return maxText_; }
    QPushButton* parsent() const { return parsent_; }
    QPushButton* autoRange() const { return autoRange_; }
    QLineEdit* tanni() const { return tanni_; }
    QCheckBox* xJikuCk() const { return xJikuCk_; }
    QCheckBox* memori() const { return memori_; }
    QPushButton* fontButton() const { return fontButton_; }
    QLineEdit* stepText() const { return stepText_; }
    QLabel* stepLabel() const { return stepLabel_; }
    QCheckBox* logCheck() const { return logCheck_; }
    QLineEdit* bunkatuText() const { return bunkatuText_; }
    LinePreview* bLinePic() const { return bLinePic_; }
    LineStyleBox* bLineCb() const { return bLineCb_; }
    AnalysisGroup* analysis() const { return analysis_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    QWidget* buildFrameGroup();
    QWidget* buildScaleGroup();
    QWidget* buildDivisionGroup();
    void fontButtonClicked();
    void parsentClicked();
    void autoRangeClicked();
    void okClicked();
    void showInvalidData();

    FontDialog& fontDialog_;
    ColorDialog& colorDialog_;
    MessageBoxes& messages_;
    CanvasFont font_;
    GraphDialogOutcome outcome_;
    std::optional<ValueSpan> values_;

    ArrowTextBox* fLeft_ = nullptr;
    ArrowTextBox* fTop_ = nullptr;
    ArrowTextBox* fWidth_ = nullptr;
    ArrowTextBox* fHeight_ = nullptr;
    LinePreview* fLinePic_ = nullptr;
    LineStyleBox* fLineCb_ = nullptr;
    QLineEdit* minText_ = nullptr;
    QLineEdit* maxText_ = nullptr;
    QPushButton* parsent_ = nullptr;
    QPushButton* autoRange_ = nullptr;
    QLineEdit* tanni_ = nullptr;
    QCheckBox* xJikuCk_ = nullptr;
    QCheckBox* memori_ = nullptr;
    QPushButton* fontButton_ = nullptr;
    QLineEdit* stepText_ = nullptr;
    QLabel* stepLabel_ = nullptr;
    QCheckBox* logCheck_ = nullptr;
    QLineEdit* bunkatuText_ = nullptr;
    LinePreview* bLinePic_ = nullptr;
    LineStyleBox* bLineCb_ = nullptr;
    AnalysisGroup* analysis_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace probel
