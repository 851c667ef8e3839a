// SPDX-License-Identifier: MIT
#include "cli/value_lines.h"

#include <algorithm>

#include "core/numbers/number_refusal.h"
#include "core/numbers/number_text.h"
#include "core/util/text_lines.h"
#include "core/util/utf8.h"

namespace probel::cli {

int ValueLines::lineOf(std::size_t index) const
{
    const auto after = std::upper_bound(shifts.begin(), shifts.end(), index,
                                        [](std::size_t at, const auto& shift) { return at < shift.first; });
    const int shift = after == shifts.begin() ? 0 : std::prev(after)->second;
    return static_cast<int>(index) + 1 + shift;
}

Result<ValueLines> readValueLines(std::string_view text, const std::string& sourceName)
{
    text = withoutByteOrderMark(text);
    ValueLines read;
    // A line feed ends most lines; a file of lone CRs grows the list as it goes.
    read.values.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const TextLine line = lineAt(text, start);
        start = line.next;
        ++lineNumber;
        if (line.text.find_first_not_of(" \t") == std::string_view::npos) {
            continue;
        }
        const auto value = wholeNumber(line.text);
        if (!value) {
            return Error{quotedNumberRefusal(line.text), sourceName, lineNumber};
        }
        const std::size_t index = read.values.size();
        const int shift = lineNumber - static_cast<int>(index) - 1;
        if (shift != (read.shifts.empty() ? 0 : read.shifts.back().second)) {
            read.shifts.emplace_back(index, shift);
        }
        read.values.push_back(*value);
    }
    return read;
}

}  // namespace probel::cli
