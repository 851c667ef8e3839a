// SPDX-License-Identifier: MIT
#include "cli/number_option.h"

#include "core/numbers/number_refusal.h"
#include "core/numbers/number_text.h"
#include "core/util/text_excerpt.h"

namespace probel::cli {

std::optional<double> numberOption(std::string_view name, std::string_view text, bool logAxis, std::string& error)
{
    const auto number = wholeNumber(text);
    if (!number && beyondNumberRange(text)) {
        error = std::string(name) + ": " + numberRefusal(text) + ": " + textExcerpt(text);
        return std::nullopt;
    }
    if (!number) {
        error = std::string(name) + " は数値で指定してください: " + textExcerpt(text);
        return std::nullopt;
    }
    if (logAxis && *number <= 0) {
        error = std::string(name) + " は対数軸では 0 より大きい数で指定してください: " + textExcerpt(text);
        return std::nullopt;
    }
    return number;
}

bool numberRangeOptions(const OptionParser& parser, const std::string& lowName, const std::string& highName,
                        bool logAxis, std::optional<double>& low, std::optional<double>& high, std::string& error)
{
    for (const auto& [name, target] : {std::pair{&lowName, &low}, std::pair{&highName, &high}}) {
        if (const auto text = parser.value(*name)) {
            *target = numberOption(*name, *text, logAxis, error);
            if (!*target) {
                return false;
            }
        }
    }
    if (low && high && *low >= *high) {
        error = lowName + " は " + highName + " より小さくしてください。";
        return false;
    }
    return true;
}

}  // namespace probel::cli
