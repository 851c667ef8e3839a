// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace probel {

// The chooser "データの選択" / "データの削除" (DataSelect): one entry "データ - i" per series of a
// graph, the comment of the entry clicked shown beside the list. Returns the chosen series'
// number (1-based); nothing for キャンセル, or for OK with no entry chosen.
class SeriesChooser {
public:
    virtual ~SeriesChooser() = default;

    virtual std::optional<std::int32_t> chooseSeries(const std::string& title,
                                                     const std::vector<std::string>& comments) = 0;
};

}  // namespace probel
