// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/sheet/paper_size.h"

namespace probel {
namespace {

TEST(PaperSizeTest, KnownCodesGiveMillimetresAndCanvasPixels)
{
    struct Case {
        std::int32_t code;
        std::int32_t widthMm;
        std::int32_t heightMm;
        std::int32_t widthPixels;
        std::int32_t heightPixels;
    };
    // Pixels = mm × 56.7 / 15, halves to even (none of these lands on a half).
    const Case cases[] = {
        {297420, 297, 420, 1123, 1588}, {420297, 420, 297, 1588, 1123}, {210297, 210, 297, 794, 1123},
        {297210, 297, 210, 1123, 794},  {148210, 148, 210, 559, 794},   {210148, 210, 148, 794, 559},
        {250354, 250, 354, 945, 1338},  {354250, 354, 250, 1338, 945},  {182257, 182, 257, 688, 971},
        {257182, 257, 182, 971, 688},
    };
    ASSERT_EQ(std::size(cases), kKnownPaperCodes.size());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& test = cases[i];
        EXPECT_EQ(kKnownPaperCodes[i], test.code);
        EXPECT_TRUE(isKnownPaperCode(test.code));
        const auto paper = paperSizeFromCode(test.code);
        ASSERT_TRUE(paper) << test.code;
        EXPECT_EQ(*paper, (PaperSize{test.code, test.widthMm, test.heightMm, test.widthPixels, test.heightPixels}));
    }
    EXPECT_EQ(kDefaultPaperCode, 210297);
}

TEST(PaperSizeTest, TwipsFollowTheMillimetres)
{
    const auto a4 = paperSizeFromCode(210297);
    ASSERT_TRUE(a4);
    EXPECT_NEAR(a4->widthTwips(), 11907, 1e-9);
    EXPECT_NEAR(a4->heightTwips(), 16839.9, 1e-9);
}

TEST(PaperSizeTest, OtherCodesDecodeWhenBothSidesExist)
{
    const auto odd = paperSizeFromCode(100050);
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->widthMillimetres, 100);
    EXPECT_EQ(odd->heightMillimetres, 50);
    EXPECT_EQ(odd->widthPixels, 378);
    EXPECT_EQ(odd->heightPixels, 189);
    EXPECT_FALSE(isKnownPaperCode(100050));
    // The code is split as text, whatever its length.
    EXPECT_EQ(paperSizeFromCode(12345)->widthMillimetres, 123);
    EXPECT_EQ(paperSizeFromCode(12345)->heightMillimetres, 45);
    EXPECT_EQ(paperSizeFromCode(2147483647)->widthMillimetres, 214);
    EXPECT_EQ(paperSizeFromCode(2147483647)->heightMillimetres, 748);

    for (const std::int32_t bad : {0, -210297, 210000, 297, 1000000, 1000}) {
        EXPECT_FALSE(paperSizeFromCode(bad)) << bad;
        EXPECT_FALSE(isKnownPaperCode(bad)) << bad;
    }
}

TEST(PaperSizeTest, HalfPixelsRoundToEven)
{
    // 50 mm = 2835 twips = 189 px exactly; 25 mm = 94.5 px → 94; 75 mm = 283.5 px → 284.
    EXPECT_EQ(millimetresToPixels(50), 189);
    EXPECT_EQ(millimetresToPixels(25), 94);
    EXPECT_EQ(millimetresToPixels(75), 284);
    EXPECT_EQ(millimetresToPixels(0), 0);
}

}  // namespace
}  // namespace probel
