// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/value_lines.h"
#include "core/stats/weibull_text.h"
#include "core/util/result.h"

namespace probel::cli {

// Prints the fit of `read` as text lines, numbers formatted with `format`, or as one JSON
// object. Nothing is printed when the values cannot be fitted: the error names `sourceName`
// and, for a value the fit refuses, its line.
Status printWeibullStats(const ValueLines& read, const std::string& sourceName, const WeibullChoice& choice, bool json,
                         const std::string& format, std::ostream& out);

}  // namespace probel::cli
