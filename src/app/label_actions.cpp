// SPDX-License-Identifier: MIT
#include "app/label_actions.h"

#include <optional>

#include "app/delete_question.h"
#include "app/pic_form.h"
#include "app/sheet_commands.h"
#include "core/sheet/sheet_placement.h"
#include "dialogs/label_text_editor.h"

namespace probel {
namespace {

constexpr auto kDeleteTitle = "テキストの削除";
constexpr auto kFramedTag = "1";
constexpr auto kUnframedTag = "0";

LabelSettings settingsOf(const ChartLabel& label)
{
    return LabelSettings{label.caption, label.framed(), label.font, label.foreColor};
}

ChartLabel withSettings(ChartLabel label, const LabelSettings& settings)
{
    label.caption = settings.caption;
    // A tag that already says what the dialog chose stays as it is, so an OK that changes
    // nothing is no change.
    if (label.framed() != settings.framed) {
        label.tag = settings.framed ? kFramedTag : kUnframedTag;
    }
    label.font = settings.font;
    label.foreColor = settings.color;
    label.visible = true;
    return label;
}

// The lowest element number from 1 that no label has.
std::int32_t lowestFreeIndex(const ChartSheet& sheet)
{
    std::int32_t index = 1;
    while (sheet.comLabels().count(index) != 0) {
        ++index;
    }
    return index;
}

}  // namespace

bool LabelActions::popMenuComNew(PicForm& form)
{
    const ChartSheet& sheet = form.sheet();
    const std::optional<LabelSettings> chosen = services_.labelEditor.editLabel(settingsOf(sheet.comLabelTemplate()));
    form.setFocus();
    if (!chosen) {
        return false;
    }
    ChartLabel label = withSettings(sheet.comLabelTemplate(), *chosen);
    label.tag = chosen->framed ? kFramedTag : kUnframedTag;
    const LabelExtent extent = form.measuredLabel(label);
    const QSize paper = form.paperPixels();
    const LabelSpot spot = textLabelSpot(form.paperClickPoint().x(), form.paperClickPoint().y(), extent.width,
                                         extent.height, paper.width(), paper.height());
    label.left = static_cast<float>(spot.left);
    label.top = static_cast<float>(spot.top);
    form.edit<ChangeTextLabel>(lowestFreeIndex(sheet), std::nullopt, std::move(label));
    return true;
}

bool LabelActions::popMenuComRe(PicForm& form, std::int32_t index)
{
    const ChartSheet& sheet = form.sheet();
    const ChartLabel* label = index >= 1 ? sheet.comLabel(index) : nullptr;
    if (label == nullptr) {
        return false;
    }
    const std::optional<LabelSettings> chosen = services_.labelEditor.editLabel(settingsOf(*label));
    form.setFocus();
    if (!chosen) {
        return false;
    }
    form.edit<ChangeTextLabel>(index, *label, withSettings(*label, *chosen));
    return true;
}

bool LabelActions::popMenuComDel(PicForm& form, std::int32_t index)
{
    const ChartSheet& sheet = form.sheet();
    const ChartLabel* label = index >= 1 ? sheet.comLabel(index) : nullptr;
    if (label == nullptr) {
        return false;
    }
    if (!confirmDeletion(services_.messages, form, kDeleteTitle)) {
        return false;
    }
    form.edit<ChangeTextLabel>(index, *label, std::nullopt);
    return true;
}

}  // namespace probel
