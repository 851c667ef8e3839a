// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace probel::cli {

// A number at full precision: the shortest text that reads back as the same double.
// JSON has no infinity or NaN, so those are written as null.
std::string jsonNumber(double value);
// jsonNumber appended to `out`, without a string of its own.
void appendJsonNumber(std::string& out, double value);

// A quoted JSON string; the text is UTF-8 and is escaped where JSON requires it.
std::string jsonString(std::string_view text);

inline const char* jsonBool(bool value)
{
    return value ? "true" : "false";
}

}  // namespace probel::cli
