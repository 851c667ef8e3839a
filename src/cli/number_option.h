// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/option_parser.h"

namespace probel::cli {

// The number an option was given, or empty with a usage message in `error`: when the text is
// no number, is one beyond the range of doubles, or is not above zero for a logarithmic axis.
std::optional<double> numberOption(std::string_view name, std::string_view text, bool logAxis, std::string& error);

// Two options that give the ends of a range (--min and --max, --lower and --upper), each read
// as numberOption reads it, the first smaller than the second when both are given. False with
// a usage message in `error` otherwise.
bool numberRangeOptions(const OptionParser& parser, const std::string& lowName, const std::string& highName,
                        bool logAxis, std::optional<double>& low, std::optional<double>& high, std::string& error);

}  // namespace probel::cli
