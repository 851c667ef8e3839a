// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace probel {

// Where a field of a document belongs, so that messages can name it the way the user sees
// the sheet: "グラフ 2 のデータ 3 の詳細ラベルの文字色", "テキスト 1 の文字列", "グラフの数".
struct SheetPlace {
    std::int32_t graph = 0;      // 0: not inside a graph record
    std::int32_t series = 0;     // 0: the graph's own fields
    bool detailLabel = false;    // the detail label of that series
    std::int32_t textLabel = 0;  // 0: not a text label record

    std::string describe(std::string_view field) const;
};

}  // namespace probel
