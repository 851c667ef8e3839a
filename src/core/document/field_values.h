// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace probel {

// Conversions of one unquoted document field to a number, "." as the point in every locale.

// A real: an optional sign, digits with an optional point (".5", "-.25", "6000", "5."), an
// optional exponent ("1E+16", "2.5E-07"). Empty for anything else, for infinities, NaN and
// hexadecimal forms, and for magnitudes beyond the double range either way, except that the
// 15-digit text of the largest double (1.79769313486232E+308, just above it) reads as it.
std::optional<double> realField(std::string_view text);

// A whole number written as one: an optional sign and decimal digits only.
enum class WholeKind { Whole, NotWhole, OutOfRange };
struct WholeField {
    WholeKind kind = WholeKind::NotWhole;
    std::int32_t value = 0;
};
WholeField wholeField(std::string_view text);

// An integer property taken "as value": a whole number, or a real rounded to the nearest
// integer with halves to even as the property's assignment rounds it. OutOfRange when the
// result does not fit 32 bits.
WholeField integerPropertyField(std::string_view text);

// The bytes of a field as a message may quote them: decoded from code page 932 where that
// works, otherwise with every byte outside printable ASCII shown as "?"; then cut as
// textExcerpt cuts any text a message quotes.
std::string shownField(std::string_view bytes);

}  // namespace probel
