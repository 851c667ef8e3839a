// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "app/app_services.h"

namespace probel {

class PicForm;

// The text label actions of a sheet's context menus: "テキストの追加" (PopMenuComNew),
// "テキストの編集" (PopMenuComRe) and "テキストの削除" (PopMenuComDel). The dialog "コメント入力"
// answers through the label editor; each confirmed change is one undoable edit of the sheet,
// which marks it as modified and redraws it. Each returns whether the sheet changed.
class LabelActions {
public:
    explicit LabelActions(const AppServices& services) : services_(services) {}

    // A new label with the template's font and colour, at the top-left of the part of the
    // paper in view, under the lowest free element number.
    bool popMenuComNew(PicForm& form);
    // Label n gets the dialog's text, frame, font and colour; its place stays.
    bool popMenuComRe(PicForm& form, std::int32_t index);
    // Label n goes after the question "削除しますか?".
    bool popMenuComDel(PicForm& form, std::int32_t index);

private:
    AppServices services_;
};

}  // namespace probel
