// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace probel {

// The percentile lines' text box: cumulative percentages separated by commas.

// The percentages as the box shows them: "1, 50, 99.5".
QString percentListText(const std::vector<double>& percents);

struct PercentList {
    // Ascending, each once: the order and repeats of typing draw nothing different.
    std::vector<double> percents;
    // The first entry, as typed, that is no percentage a line can be drawn at (0 < p < 100).
    std::optional<QString> refused;
};

// Commas may be ASCII, full-width "，" or "、"; blanks around an entry, an empty entry and a
// "%" after a number are allowed; full-width digits read as well. An empty text is no line.
PercentList readPercentList(const QString& text);

}  // namespace probel
