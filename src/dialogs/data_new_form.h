// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <optional>

#include "dialogs/data_settings_editor.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace probel {

class CapabilityLineBoxes;
class Clipboard;
class ColorDialog;
class FontDialog;
class LineStyleBox;
class MarkerPreview;
class MarkerSizeBox;
class MessageBoxes;
class ValueGrid;

// The data dialog "データの追加" (DataNewForm), for adding and editing a series alike: the
// comment, the marker with its preview, the regression line, the detail label's lines and
// formats with the capability lines after them, the limits and the Cp option, and the value
// grid. preset() fills it; the check boxes keep the other controls enabled as they say. OK
// (Command1_0, not the default button: Enter belongs to the grid) runs the check and, when it
// passes, closes with the values; a refusal says "データが不正です。" and leaves the dialog
// open with the input as typed. キャンセル (Command1_1), Esc and closing give no values.
class DataNewForm : public QDialog {
    Q_OBJECT

public:
    DataNewForm(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages, Clipboard& clipboard,
                QWidget* parent = nullptr);

    // Fills every control from `input`, as setting each one by hand would (the check boxes
    // enable what they govern, the preview follows).
    void preset(const DataDialogInput& input);

    // DataError: false when the comment, the count and the marker size are acceptable; true
    // after showing the data-error message otherwise. The grid's count check runs it too.
    bool dataError();

    // The values OK accepted; empty until then.
    const std::optional<DataDialogValues>& accepted() const { return accepted_; }

    // Shows a fresh dialog modally over `parent`, preset from `input`.
    static std::optional<DataDialogValues> ask(const DataDialogInput& input, FontDialog& fontDialog,
                                               ColorDialog& colorDialog, MessageBoxes& messages, Clipboard& clipboard,
                                               QWidget* parent);

    QPlainTextEdit* comment() const { return comment_; }
    QLabel* dataNum() const { return dataNum_; }
    QCheckBox* labelCk() const { return labelCk_; }
    QGroupBox* sFrame() const { return sFrame_; }
    QPushButton* labelFont() const { return labelFont_; }
    QCheckBox* heikinCk() const { return heikinCk_; }
    QLineEdit* formatH() const { return formatH_; }
    QCheckBox* sigumaCk() const { return sigumaCk_; }
    QLineEdit* formatS() const { return formatS_; }
    QCheckBox* probelCk() const { return probelCk_; }
    QLineEdit* formatP() const { return formatP_; }
    QCheckBox* cpCk() const { return cpCk_; }
    QLineEdit* formatC() const { return formatC_; }
    // The capability lines' check boxes, below the Cp line.
    CapabilityLineBoxes* capabilityBoxes() const { return capabilityBoxes_; }
    // Element 0 "上限の無視", 1 "下限の無視", 2 "上下限有り".
    QRadioButton* cpOptions(int element) const;
    // What σ divides by: entry 0 n (σ), entry 1 n − 1 (s).
    QComboBox* sigmaDivisor() const { return sigmaDivisor_; }
    QLineEdit* maxText() const { return maxText_; }
    QLineEdit* minText() const { return minText_; }
    QPushButton* parsent() const { return parsent_; }
    QLineEdit* mrk() const { return mrk_; }
    MarkerPreview* markarPic() const { return markarPic_; }
    MarkerSizeBox* sizeT() const { return sizeT_; }
    QCheckBox* lineCk() const { return lineCk_; }
    LineStyleBox* lineCb() const { return lineCb_; }
    ValueGrid* grid() const { return grid_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    QWidget* buildCommentBlock();
    QWidget* buildMarkerGroup();
    QWidget* buildDetailGroup();
    QWidget* buildCpGroup();
    QWidget* buildLimitGroup();
    QWidget* buildDataGroup(Clipboard& clipboard);
    void updateEnabledStates();
    void colourComment();
    void labelFontClicked();
    void parsentClicked();
    void okClicked();
    // Says which value of the grid is not a number, selecting it; false when all are.
    bool valueRefused();
    void showInvalidData();
    DataDialogValues values() const;

    FontDialog& fontDialog_;
    ColorDialog& colorDialog_;
    MessageBoxes& messages_;
    CanvasFont font_;
    std::optional<DataDialogValues> accepted_;

    QPlainTextEdit* comment_ = nullptr;
    QLabel* dataNum_ = nullptr;
    QCheckBox* labelCk_ = nullptr;
    QGroupBox* sFrame_ = nullptr;
    QPushButton* labelFont_ = nullptr;
    QCheckBox* heikinCk_ = nullptr;
    QLineEdit* formatH_ = nullptr;
    QCheckBox* sigumaCk_ = nullptr;
    QLineEdit* formatS_ = nullptr;
    QCheckBox* probelCk_ = nullptr;
    QLineEdit* formatP_ = nullptr;
    QCheckBox* cpCk_ = nullptr;
    QLineEdit* formatC_ = nullptr;
    CapabilityLineBoxes* capabilityBoxes_ = nullptr;
    QButtonGroup* cpOptions_ = nullptr;
    QComboBox* sigmaDivisor_ = nullptr;
    QLineEdit* maxText_ = nullptr;
    QLineEdit* minText_ = nullptr;
    QPushButton* parsent_ = nullptr;
    QLineEdit* mrk_ = nullptr;
    MarkerPreview* markarPic_ = nullptr;
    MarkerSizeBox* sizeT_ = nullptr;
    QCheckBox* lineCk_ = nullptr;
    LineStyleBox* lineCb_ = nullptr;
    ValueGrid* grid_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace probel
