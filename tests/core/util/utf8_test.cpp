// SPDX-License-Identifier: MIT
#include "core/util/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace probel {
namespace {

// ASCII is passed in blocks; a character that is or is not UTF-8 must be judged the same
// wherever it lies against a block's edges.
TEST(Utf8Test, ValidityDoesNotDependOnWhereACharacterLies)
{
    const std::string good[] = {"é", "重", "\xF0\x9F\x98\x80"};
    const std::string bad[] = {"\xFF", "\xC0\xAF", "\xE3\x81", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"};
    for (std::size_t at = 0; at <= 130; ++at) {
        for (const std::string& character : good) {
            const std::string text = std::string(at, 'a') + character + std::string(70, 'b');
            EXPECT_TRUE(isValidUtf8(text)) << at;
            // Cut off by the end of the text, it is no longer a character.
            if (character.size() > 1) {
                EXPECT_FALSE(isValidUtf8(std::string(at, 'a') + character.substr(0, character.size() - 1))) << at;
            }
        }
        for (const std::string& character : bad) {
            EXPECT_FALSE(isValidUtf8(std::string(at, 'a') + character + std::string(70, 'b'))) << at;
        }
    }
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8(std::string(640, '\x7F')));
}

}  // namespace
}  // namespace probel
