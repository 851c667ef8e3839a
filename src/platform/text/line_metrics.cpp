// SPDX-License-Identifier: MIT
#include "platform/text/line_metrics.h"

#include <cstdlib>
#include <limits>

#include "platform/text/table_bytes.h"

namespace probel {
namespace {

constexpr std::int64_t kFixedOne = 64;
constexpr std::int64_t kLargestFixed = std::numeric_limits<std::int32_t>::max();

// Where the OS/2 table keeps what Qt reads, and the flag that picks the typographic heights.
constexpr std::size_t kShortestOs2 = 78;
constexpr std::size_t kSelectionAt = 62;
constexpr std::size_t kTypoAscenderAt = 68;
constexpr std::size_t kTypoDescenderAt = 70;
constexpr std::size_t kTypoLineGapAt = 72;
constexpr std::size_t kWinAscentAt = 74;
constexpr std::size_t kWinDescentAt = 76;
constexpr std::uint16_t kUseTypoMetrics = 0x80;

// `units` font units at `pixelSize` in 1/64 pixel: the product made fixed-point, then divided
// by the em as fixed-point numbers divide, rounding the magnitude half up.
std::optional<std::int32_t> scaled(std::int64_t units, int unitsPerEm, int pixelSize)
{
    const std::int64_t product = units * pixelSize * kFixedOne;
    if (std::llabs(product) > kLargestFixed) {
        return std::nullopt;
    }
    const std::int64_t em = unitsPerEm * kFixedOne;
    const std::int64_t magnitude = (std::llabs(product) * kFixedOne + em / 2) / em;
    if (magnitude > kLargestFixed) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(product < 0 ? -magnitude : magnitude);
}

}  // namespace

std::optional<LineMetrics> os2LineMetrics(std::span<const std::uint8_t> os2, int unitsPerEm, int pixelSize)
{
    if (os2.size() < kShortestOs2 || unitsPerEm <= 0 || pixelSize <= 0) {
        return std::nullopt;
    }
    TableBytes table(os2);
    std::optional<std::int32_t> ascent;
    std::optional<std::int32_t> descent;
    std::optional<std::int32_t> leading;
    if ((table.u16(kSelectionAt) & kUseTypoMetrics) != 0) {
        const std::int16_t typoAscent = table.s16(kTypoAscenderAt);
        const std::int16_t typoDescent = table.s16(kTypoDescenderAt);
        if (typoAscent == 0 && typoDescent == 0) {
            return std::nullopt;
        }
        ascent = scaled(typoAscent, unitsPerEm, pixelSize);
        descent = scaled(-std::int64_t{typoDescent}, unitsPerEm, pixelSize);
        leading = scaled(table.s16(kTypoLineGapAt), unitsPerEm, pixelSize);
    } else {
        const std::uint16_t winAscent = table.u16(kWinAscentAt);
        const std::uint16_t winDescent = table.u16(kWinDescentAt);
        if (winAscent == 0 && winDescent == 0) {
            return std::nullopt;
        }
        ascent = scaled(winAscent, unitsPerEm, pixelSize);
        descent = scaled(winDescent, unitsPerEm, pixelSize);
        leading = 0;
    }
    if (!ascent || !descent || !leading) {
        return std::nullopt;
    }
    return LineMetrics{*ascent, *descent, *leading};
}

std::optional<std::int32_t> lineSpacingOf(const LineMetrics& metrics)
{
    const std::int64_t sum = std::int64_t{metrics.leading} + metrics.ascent + metrics.descent;
    if (std::llabs(sum) > kLargestFixed) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(sum);
}

}  // namespace probel
