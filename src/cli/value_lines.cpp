// SPDX-License-Identifier: MIT
#include "cli/value_lines.h"

#include "core/numbers/number_refusal.h"
#include "core/numbers/number_text.h"
#include "core/util/text_lines.h"
#include "core/util/utf8.h"

namespace probel::cli {

Result<ValueLines> readValueLines(std::string_view text, const std::string& sourceName)
{
    text = withoutByteOrderMark(text);
    ValueLines read;
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
        read.values.push_back(*value);
        read.lines.push_back(lineNumber);
    }
    return read;
}

}  // namespace probel::cli
