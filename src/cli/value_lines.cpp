// SPDX-License-Identifier: MIT
#include "cli/value_lines.h"

#include <istream>

#include "core/numbers/number_text.h"
#include "core/util/utf8.h"

namespace probel::cli {

Result<std::vector<double>> readValueLines(std::istream& in, const std::string& sourceName)
{
    std::vector<double> values;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (lineNumber == 1) {
            removeByteOrderMark(line);
        }
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        const auto value = wholeNumber(line);
        if (!value) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return Error{"数値ではありません: \"" + line + "\"", sourceName, lineNumber};
        }
        values.push_back(*value);
    }
    if (in.bad()) {
        return Error{"読み込みに失敗しました。", sourceName, lineNumber};
    }
    return values;
}

}  // namespace probel::cli
