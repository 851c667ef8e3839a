// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace probel {

// Sheets are laid out in twips; the screen (and every exported image) has 15 twips per pixel.
inline constexpr double kTwipsPerMillimetre = 56.7;
inline constexpr double kTwipsPerPixel = 15;
inline constexpr double kTwipsPerInch = 1440;
// Canvas pixels per inch: the screen's, and that of every picture exported at one canvas
// pixel per image pixel.
inline constexpr double kScreenDotsPerInch = kTwipsPerInch / kTwipsPerPixel;

// Paper code WWWHHH: width and height in millimetres as the sheet is used, width first.
inline constexpr std::int32_t kPaperCodeA4Upright = 210297;
inline constexpr std::int32_t kDefaultPaperCode = kPaperCodeA4Upright;

// The codes the paper dialog offers, in the order of its options: A3, A4, A5, B4, B5, each
// upright then lying.
inline constexpr std::array<std::int32_t, 10> kKnownPaperCodes = {
    297420, 420297, 210297, 297210, 148210, 210148, 250354, 354250, 182257, 257182,
};

// A sheet's paper: its size in millimetres and the size of its canvas in pixels
// (millimetres × 56.7 twips, at 15 twips per pixel, halves to even: A4 upright is 794 × 1123).
struct PaperSize {
    std::int32_t code = 0;
    std::int32_t widthMillimetres = 0;
    std::int32_t heightMillimetres = 0;
    std::int32_t widthPixels = 0;
    std::int32_t heightPixels = 0;

    double widthTwips() const { return widthMillimetres * kTwipsPerMillimetre; }
    double heightTwips() const { return heightMillimetres * kTwipsPerMillimetre; }
    bool operator==(const PaperSize&) const = default;
};

// Decodes any positive code whose width (its first three digits as text) and height (the next
// three) are both at least 1 mm: documents may hold codes the dialog never offers, and users'
// files were read this way. Empty for anything else.
std::optional<PaperSize> paperSizeFromCode(std::int32_t code);

bool isKnownPaperCode(std::int32_t code);

// Canvas pixels for a length in millimetres, at 15 twips per pixel, halves to even.
std::int32_t millimetresToPixels(std::int32_t millimetres);

}  // namespace probel
