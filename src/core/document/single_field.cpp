// SPDX-License-Identifier: MIT
#include "core/document/single_field.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/document/sheet_format.h"
#include "core/numbers/number_text.h"

namespace probel {
namespace {

// Singles next to the nearest one that are tried; a field's digits always come from one of
// them when the field was written by this writer.
constexpr int kNeighbourSteps = 2;

std::string fieldText(double number)
{
    return realText(number, sheet_format::kSingleDigits);
}

}  // namespace

double singleFieldNumber(float value, double scale)
{
    constexpr double kLargestSingle = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(static_cast<double>(value) * scale, -kLargestSingle, kLargestSingle));
}

float singleFromField(double number, double scale)
{
    const float nearest = static_cast<float>(number / scale);
    const std::string wanted = fieldText(number);
    if (fieldText(singleFieldNumber(nearest, scale)) == wanted) {
        return nearest;
    }
    float below = nearest;
    float above = nearest;
    constexpr float kLargest = std::numeric_limits<float>::max();
    for (int step = 0; step < kNeighbourSteps; ++step) {
        below = std::nextafter(below, -kLargest);
        above = std::nextafter(above, kLargest);
        for (const float candidate : {below, above}) {
            if (fieldText(singleFieldNumber(candidate, scale)) == wanted) {
                return candidate;
            }
        }
    }
    return nearest;
}

}  // namespace probel
