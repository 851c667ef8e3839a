// SPDX-License-Identifier: MIT
#include "core/document/single_field.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "core/numbers/number_text.h"

namespace probel {
namespace {

constexpr double kTwips = 15;

std::string text(float value, double scale)
{
    return realText(singleFieldNumber(value, scale), 7);
}

double number(const std::string& text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

TEST(SingleFieldTest, PlainPositionsAndSizesConvertExactly)
{
    EXPECT_EQ(text(100, kTwips), "1500");
    EXPECT_EQ(text(300, kTwips), "4500");
    EXPECT_EQ(text(1.0F / 3, kTwips), "5");
    EXPECT_EQ(text(10.5F, 1), "10.5");
    EXPECT_EQ(singleFromField(1500, kTwips), 100);
    EXPECT_EQ(singleFromField(4500.5, kTwips), static_cast<float>(4500.5 / 15));
    EXPECT_EQ(singleFromField(9.75, 1), 9.75F);
    EXPECT_EQ(text(std::numeric_limits<float>::max(), kTwips), "3.402823E+38");  // kept in range
}

TEST(SingleFieldTest, SavingAgainWritesTheSameDigits)
{
    // Seven digits do not always tell singles apart; the reader picks the single that writes
    // the field's digits back. These are cases where the nearest single would not.
    for (const float pixels : {6.33846563e+11F, -5.15669645e-33F, 4.0263889e-18F, 5.67579509e-37F}) {
        const std::string saved = text(pixels, kTwips);
        EXPECT_EQ(text(singleFromField(number(saved), kTwips), kTwips), saved) << pixels;
    }

    // A sweep over singles of every magnitude, both scales.
    std::uint32_t state = 12345;
    int checked = 0;
    for (int i = 0; i < 60000; ++i) {
        state = state * 1664525U + 1013904223U;
        float value = 0;
        std::memcpy(&value, &state, sizeof value);
        if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max() / kTwips) {
            continue;
        }
        for (const double scale : {kTwips, 1.0}) {
            const std::string saved = text(value, scale);
            const std::string again = text(singleFromField(number(saved), scale), scale);
            ASSERT_EQ(again, saved) << value << " scale " << scale;
        }
        ++checked;
    }
    EXPECT_GT(checked, 45000);
}

}  // namespace
}  // namespace probel
