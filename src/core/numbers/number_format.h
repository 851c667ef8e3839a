// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace probel {

// Formats a number by a pattern of digit placeholders, as users type them in the data and
// graph dialogs: "0", "0.##", "0.0", "#.#", "00000", "0.0E+0", "0.########".
//  - `0` shows a digit or a zero, `#` a digit or nothing; `.` the decimal point
//    (always ".", whatever the locale); `,` between integer placeholders groups thousands.
//  - Integer digits fill the integer placeholders from the right; digits beyond them all go
//    to the leftmost one ("00" of 1234 is "1234"). The minus sign goes in front of everything.
//  - `E+`/`E-` (or `e+`/`e-`) followed by a placeholder start the exponent: "E+" always shows
//    the sign, "E-" only a minus; the zeros after it give the least number of exponent digits.
//    The mantissa fills every integer placeholder ("00.0E+0" of 12345 is "12.3E+3").
//  - Rounding is decimal, halves away from zero, on the value's 15 significant digits.
//  - A decimal point with no digit after it is dropped ("0.##" of 2 is "2"); a result with no
//    digit at all shows "0" ("#.#" of 0); a value that rounds to zero shows no minus sign.
//  - Any other character is copied as it stands; text in double quotes is copied without
//    the quotes; a backslash copies the next character. A pattern with no placeholder, point
//    or exponent shows its text only.
// An empty pattern gives generalNumberText(value). Infinity and NaN give "Inf", "-Inf", "NaN".
std::string formatNumber(double value, std::string_view pattern);

}  // namespace probel
