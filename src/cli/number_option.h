// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace probel::cli {

// The number an option was given, or empty with a usage message in `error`: when the text is
// no number, is one beyond the range of doubles, or is not above zero for a logarithmic axis.
std::optional<double> numberOption(std::string_view name, std::string_view text, bool logAxis, std::string& error);

}  // namespace probel::cli
