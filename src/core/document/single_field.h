// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace probel {

// Single-precision fields of a document: label positions (canvas pixels, stored as pixels ×
// 15 twips) and label font sizes (scale 1). The stored number is the product rounded to
// single precision, written with 7 significant digits.

// The number a field stores for `value`; a product beyond single precision is kept at the
// largest single of its sign.
double singleFieldNumber(float value, double scale);

// The value a field's number stands for: the single nearest number ÷ scale, or, when saving
// that would write other digits than the field holds (7 digits do not always tell singles
// apart), the neighbouring single that writes them back, so documents do not drift from one
// save to the next. `number` must be within single range.
float singleFromField(double number, double scale);

}  // namespace probel
