// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

#include <array>
#include <cstdint>

namespace probel {

// The line-style list of the graph and data dialogs: a selection-only drop-down of the six
// styles "実線", "鎖線", "点線", "一点鎖線", "二点鎖線", "透明", where an entry's position, its item
// value and the canvas pen style (kPenSolid … kPenInvisible) are the same number. Each entry
// shows a short line drawn in its style ("透明" shows none).
class LineStyleBox : public QComboBox {
    Q_OBJECT

public:
    static constexpr std::array<const char*, 6> kStyleTexts = {"実線", "鎖線", "点線", "一点鎖線", "二点鎖線", "透明"};

    explicit LineStyleBox(QWidget* parent = nullptr);

    // The pen style of the selected entry. A style with no entry (the inside-solid style 6 of
    // an older document, say) selects nothing and is given back unchanged, so confirming a
    // dialog without touching the list keeps it.
    std::int32_t penStyle() const;
    void setPenStyle(std::int32_t style);

signals:
    // After every change of penStyle(), by the user or by setPenStyle.
    void penStyleChanged(std::int32_t style);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Draws each entry's line in the palette's text colour, at the sizes the screens need.
    void drawIcons();

    std::int32_t unlistedStyle_ = 0;
};

}  // namespace probel
