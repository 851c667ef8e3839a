// SPDX-License-Identifier: MIT
#include "core/util/text_excerpt.h"

#include <gtest/gtest.h>

#include <string>

namespace probel {
namespace {

TEST(TextExcerptTest, ShortTextsAreWholeAndLongOnesCutBetweenCharacters)
{
    const std::string forty(40, 'a');
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"", ""},
        {"12abc", "12abc"},
        {forty, forty},
        {forty + "b", forty + "…"},
        // A character that would reach past the bound is left out whole.
        {std::string(39, 'a') + "値", std::string(39, 'a') + "…"},
        {std::string(37, 'a') + "値", std::string(37, 'a') + "値"},
        {"tab\there\x7f", "tab?here?"},
        // Bytes that are no UTF-8, one "?" each; C1 controls too.
        {"\x80\xff\xc3", "???"},
        {"\xc2\x85x", "?x"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(textExcerpt(test.text), test.shown) << test.text;
    }
}

}  // namespace
}  // namespace probel
