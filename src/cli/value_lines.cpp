// SPDX-License-Identifier: MIT
#include "cli/value_lines.h"

#include "core/numbers/number_text.h"
#include "core/util/text_excerpt.h"
#include "core/util/utf8.h"

namespace probel::cli {

Result<ValueLines> readValueLines(std::string_view text, const std::string& sourceName)
{
    text = withoutByteOrderMark(text);
    ValueLines read;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string_view::npos) {
            continue;
        }
        const auto value = wholeNumber(line);
        if (!value) {
            if (line.ends_with('\r')) {
                line.remove_suffix(1);
            }
            return Error{"数値ではありません: \"" + textExcerpt(line) + "\"", sourceName, lineNumber};
        }
        read.values.push_back(*value);
        read.lines.push_back(lineNumber);
    }
    return read;
}

}  // namespace probel::cli
