// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "app/app_services.h"

namespace probel {

class PicForm;

// The graph commands of a sheet's context menus: "グラフの追加" (PopMenuNormoNew), "グラフの編集"
// (PopMenuNormoRe) and "グラフの削除" (PopMenuNormoDel). The settings dialog answers through the
// graph editor. Closing the dialog with either button marks the sheet as modified; whatever
// it changed (the frame clamped onto the paper when it opened, the font, the settings of OK)
// is one undoable edit. Each returns whether the sheet's content changed.
class GraphCommands {
public:
    explicit GraphCommands(const AppServices& services) : services_(services) {}

    // A new graph at the last right click on the paper moved onto the 10-pixel grid, set
    // from the stored defaults, under the smallest number whose frame was never used in this
    // window (a cancelled add keeps its number taken). OK stores the defaults for the next one.
    bool popMenuNormoNew(PicForm& form);
    bool popMenuNormoRe(PicForm& form, std::int32_t number);
    // Graph n with its series' detail labels, after the question "削除しますか?".
    bool popMenuNormoDel(PicForm& form, std::int32_t number);

private:
    AppServices services_;
};

}  // namespace probel
