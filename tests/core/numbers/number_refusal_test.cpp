// SPDX-License-Identifier: MIT
#include "core/numbers/number_refusal.h"

#include <gtest/gtest.h>

#include <string>

namespace probel {
namespace {

TEST(NotANumberReason, NamesTheLikeliestCause)
{
    const std::string comma = "にカンマがあります。小数点はピリオド (.) にし、桁区切りは付けないでください。";
    const std::string columns = "には複数の列があるようです。一つの列だけを使ってください。";
    const struct {
        const char* text;
        bool firstLine;
        std::string said;
    } cases[] = {
        {"9,987", false, "「9,987」" + comma},
        {"1,234,567.5", false, "「1,234,567.5」" + comma},
        {"12,5", false, "「12,5」" + comma},
        {"12.1,12.35,9", false, "「12.1,12.35,9」" + columns},
        {"12.1;12.3", false, "「12.1;12.3」" + columns},
        {"12.1\t12.3", false, "「12.1?12.3」" + columns},
        {"外径 mm", true, "「外径 mm」は見出しの行のようです。見出しを除いてコピーしてください。"},
        {"外径 mm", false, "「外径 mm」は数値ではありません。"},
        {"1.2.3", false, "「1.2.3」は数値ではありません。"},
        {"  ", false, "空です。数値を入れてください。"},
        {"1e999", false, "「1e999」: 数値が大きすぎます (絶対値 1.79769313486232E+308 まで)。"},
    };
    for (const auto& [text, firstLine, said] : cases) {
        EXPECT_EQ(notANumberReason(text, firstLine), said) << text;
    }
}

}  // namespace
}  // namespace probel
