// SPDX-License-Identifier: MIT
#include "core/sheet/paper_size.h"

#include <algorithm>
#include <string>

#include "core/numbers/rounding.h"

namespace probel {
namespace {

// The code is read as text: its first three digits are the width, the next three the height.
constexpr std::size_t kSideDigits = 3;

}  // namespace

std::int32_t millimetresToPixels(std::int32_t millimetres)
{
    return static_cast<std::int32_t>(roundHalfEven(millimetres * kTwipsPerMillimetre / kTwipsPerPixel));
}

std::optional<PaperSize> paperSizeFromCode(std::int32_t code)
{
    if (code <= 0) {
        return std::nullopt;
    }
    // A code written with fewer or more than six digits splits the same way as text: 12345
    // is 123 by 45 mm, and digits after the sixth are not part of the size.
    const std::string digits = std::to_string(code);
    if (digits.size() <= kSideDigits) {
        return std::nullopt;
    }
    PaperSize paper;
    paper.code = code;
    paper.widthMillimetres = std::stoi(digits.substr(0, kSideDigits));
    paper.heightMillimetres = std::stoi(digits.substr(kSideDigits, kSideDigits));
    if (paper.widthMillimetres == 0 || paper.heightMillimetres == 0) {
        return std::nullopt;
    }
    paper.widthPixels = millimetresToPixels(paper.widthMillimetres);
    paper.heightPixels = millimetresToPixels(paper.heightMillimetres);
    return paper;
}

bool isKnownPaperCode(std::int32_t code)
{
    return std::find(kKnownPaperCodes.begin(), kKnownPaperCodes.end(), code) != kKnownPaperCodes.end();
}

}  // namespace probel
