// SPDX-License-Identifier: MIT
#include "core/sheet/paper_size.h"

#include <algorithm>

#include "core/numbers/rounding.h"

namespace probel {
namespace {

constexpr std::int32_t kCodeSplit = 1000;
constexpr std::int32_t kLargestCode = 999999;

}  // namespace

std::int32_t millimetresToPixels(std::int32_t millimetres)
{
    return static_cast<std::int32_t>(roundHalfEven(millimetres * kTwipsPerMillimetre / kTwipsPerPixel));
}

std::optional<PaperSize> paperSizeFromCode(std::int32_t code)
{
    if (code <= 0 || code > kLargestCode) {
        return std::nullopt;
    }
    PaperSize paper;
    paper.code = code;
    paper.widthMillimetres = code / kCodeSplit;
    paper.heightMillimetres = code % kCodeSplit;
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
