// SPDX-License-Identifier: MIT
#include "core/document/sheet_place.h"

namespace probel {

std::string SheetPlace::describe(std::string_view field) const
{
    std::string text;
    if (graph > 0) {
        text += "グラフ " + std::to_string(graph) + " の";
    }
    if (series > 0) {
        text += "データ " + std::to_string(series) + " の";
    }
    if (detailLabel) {
        text += "詳細ラベルの";
    }
    if (textLabel > 0) {
        text += "テキスト " + std::to_string(textLabel) + " の";
    }
    text += field;
    return text;
}

}  // namespace probel
