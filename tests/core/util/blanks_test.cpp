// SPDX-License-Identifier: MIT
#include "core/util/blanks.h"

#include <gtest/gtest.h>

namespace probel {
namespace {

TEST(BlanksTest, AsciiAndIdeographicSpacesGoFromTheEndsOnly)
{
    EXPECT_EQ(trimBlanks("\u3000 mm \u3000\u3000"), "mm");
    EXPECT_EQ(trimBlanks(" 長さ\u3000(mm) "), "長さ\u3000(mm)");
    EXPECT_EQ(trimBlanks("\u3000 \u3000"), "");
    EXPECT_EQ(trimTrailingBlanks(" 1\n2\u3000\r\n\t", " \t\r\n"), " 1\n2");
    // A tab is a blank only where it is named one.
    EXPECT_EQ(trimBlanks("\tg\t"), "\tg\t");
    // Only the whole ideographic space: a character sharing its first bytes stays.
    EXPECT_EQ(trimBlanks("\u3001"), "\u3001");
    EXPECT_EQ(trimTrailingBlanks("x\xE3\x80"), "x\xE3\x80");
}

}  // namespace
}  // namespace probel
