// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_font_dialog.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

#include <cstdlib>
#include <limits>

#include "platform/canvas/qt_font.h"

namespace probel {
namespace {

// The family's own name for the style closest to `font` ("Book", "Bold Oblique"). The dialog
// looks a font's style up by its translated name ("太字" for bold in Japanese), which is never
// in the family's list, and would fall back to the family's first style; given the family's
// own name it selects the right one.
QString matchingStyle(const QString& family, const QFont& font)
{
    constexpr int kItalicMismatch = 10000;
    constexpr int kStretchMismatch = 1000;
    QString best;
    int bestScore = std::numeric_limits<int>::max();
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont candidate = QFontDatabase::font(family, style, 0);
        const bool stretched = candidate.stretch() != QFont::AnyStretch && candidate.stretch() != QFont::Unstretched;
        const int score = std::abs(static_cast<int>(candidate.weight()) - static_cast<int>(font.weight())) +
                          (candidate.italic() != font.italic() ? kItalicMismatch : 0) +
                          (stretched ? kStretchMismatch : 0);
        if (score < bestScore) {
            best = style;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace

QtFontDialog::QtFontDialog(QWidget* parent) : parent_(parent) {}

void QtFontDialog::setParentWidget(QWidget* parent)
{
    parent_ = parent;
}

std::optional<CanvasFont> QtFontDialog::chooseFont(const CanvasFont& initial)
{
    const QFont initialFont = qtFontOf(initial);
    // Opened on the family actually drawn for the name: given a family it does not list, the
    // dialog would fall back to its first family and drop the style.
    const QString standIn = QFontInfo(initialFont).family();
    QFont shown = initialFont;
    shown.setFamily(standIn);
    const QString shownStyle = matchingStyle(standIn, initialFont);
    shown.setStyleName(shownStyle);
    QFontDialog dialog(shown, parent_.data());
    dialog.setOption(QFontDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QFont chosen = dialog.selectedFont();
    CanvasFont result;
    const QString family = chosen.family();
    const bool keptFamily = family == initialFont.family() || family == standIn;
    result.name = keptFamily ? initial.name : family.toStdString();
    result.size = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : initial.size;
    // Bold or italic that the family has no face for is drawn slanted or emboldened, yet the
    // dialog cannot show it; it stays as it was while the user keeps family and style.
    const bool keptStyle = keptFamily && chosen.styleName() == shownStyle;
    result.bold = keptStyle ? initial.bold : chosen.bold();
    result.italic = keptStyle ? initial.italic : chosen.italic();
    result.strikethru = chosen.strikeOut();
    result.underline = chosen.underline();
    return result;
}

}  // namespace probel
