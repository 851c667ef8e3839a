// SPDX-License-Identifier: MIT
#include "core/util/byte_size_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace probel {
namespace {

TEST(ByteSizeText, BytesBelowAKibibyteThenTheLargestUnitWholeOrToOneDecimal)
{
    const struct {
        std::uint64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0 バイト"},
        {1023, "1023 バイト"},
        {1024, "1 KiB"},
        {1536, "1.5 KiB"},
        {std::uint64_t{64} << 20, "64 MiB"},
        {(std::uint64_t{64} << 20) + 1, "64.0 MiB"},
        {std::uint64_t{1023} << 20, "1023 MiB"},
        {std::uint64_t{100} << 30, "100 GiB"},
        {std::uint64_t{5} << 50, "5 PiB"},
        {std::uint64_t{4096} << 50, "4096 PiB"},
    };
    for (const auto& one : cases) {
        EXPECT_EQ(byteSizeText(one.bytes), one.text) << one.bytes;
    }
}

}  // namespace
}  // namespace probel
