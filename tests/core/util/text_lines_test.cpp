// SPDX-License-Identifier: MIT
#include "core/util/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace probel {
namespace {

// The lines of a text read one after another, as the readers of values and tables read them.
std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const TextLine line = lineAt(text, start);
        lines.emplace_back(line.text);
        start = line.next;
    }
    return lines;
}

TEST(TextLinesTest, LinesEndAtLfCrLfOrALoneCr)
{
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"1\n2\r\n3\r4", {"1", "2", "3", "4"}},
        {"1\r\r3", {"1", "", "3"}},
        {"1\n\r3", {"1", "", "3"}},  // LF then CR is two line ends, not one
        {"1\r\n", {"1"}},
        {"1\r", {"1"}},
        {"\r", {""}},
        {"\r\n\n", {"", ""}},
        {"a b\t", {"a b\t"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(linesOf(c.text), c.lines);
    }
}

// The count is taken in blocks with one-byte counters; a CR LF across the edge of a block
// must count once, as reading the lines does, and every character must find the start of its
// own line.
TEST(TextLinesTest, CountAndLineStartsAgreeWithReadingTheLines)
{
    const char alphabet[] = {'a', '\r', '\n'};
    for (const std::size_t lead : {std::size_t{0}, std::size_t{250}}) {
        for (int code = 0; code < 3 * 3 * 3 * 3 * 3 * 3 * 3; ++code) {
            std::string text(lead, 'a');
            for (int rest = code; rest > 0; rest /= 3) {
                text += alphabet[rest % 3];
            }
            if (text.empty()) {
                continue;
            }
            SCOPED_TRACE(testing::PrintToString(text.substr(lead)));
            std::size_t lines = 0;
            for (std::size_t start = 0; start < text.size(); ++lines) {
                const TextLine line = lineAt(text, start);
                for (std::size_t at = start; at <= start + line.text.size() && at < text.size(); ++at) {
                    ASSERT_EQ(lineStartAt(text, at), start) << at;
                }
                start = line.next;
            }
            ASSERT_EQ(lineCount(text), lines);
        }
    }
}

}  // namespace
}  // namespace probel
