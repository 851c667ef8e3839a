// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "app/app_services.h"

namespace probel {

class PicForm;

// The graph actions of a sheet's context menus: "グラフの追加" (PopMenuNormoNew), "グラフの編集"
// (PopMenuNormoRe) and "グラフの削除" (PopMenuNormoDel). The settings dialog answers through the
// graph editor. Whatever the dialog changed (the frame clamped onto the paper when it opened
// and the font, kept also on キャンセル; the settings and the analysis of OK) is one undoable
// edit, and a dialog that changed nothing leaves the sheet as it was. Each returns whether the
// sheet's content changed.
class GraphActions {
public:
    explicit GraphActions(const AppServices& services) : services_(services) {}

    // A new graph at the last right click on the paper moved onto the 10-pixel grid, set
    // from the stored defaults, under the smallest number whose frame was never used in this
    // window. The graph is made only once OK is pressed: a cancelled add leaves nothing but
    // its number taken. OK stores the defaults for the next one.
    bool popMenuNormoNew(PicForm& form);
    bool popMenuNormoRe(PicForm& form, std::int32_t number);
    // Graph n with its series' detail labels, after the question "削除しますか?".
    bool popMenuNormoDel(PicForm& form, std::int32_t number);

private:
    AppServices services_;
};

}  // namespace probel
