// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "app/app_services.h"

namespace probel {

class PicForm;

// The copy commands, for office documents, mail and spreadsheets: "グラフをコピー" (a graph as
// a picture, PNG and SVG, at the page's resolution), "統計量をコピー" (the figures of a graph's
// series as a table of cells) and "用紙をコピー" (the whole page as a picture). Pictures are
// drawn as every export draws the page. What fails is said and leaves the clipboard as it was.
class CopyActions {
public:
    explicit CopyActions(const AppServices& services);

    bool copyGraph(const PicForm& form, std::int32_t number);
    bool copyFigures(const PicForm& form, std::int32_t number);
    bool copyPage(const PicForm& form);

private:
    AppServices services_;
};

}  // namespace probel
