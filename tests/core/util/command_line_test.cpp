// SPDX-License-Identifier: MIT
#include "core/util/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace probel {
namespace {

struct SplitCase {
    std::string text;
    std::vector<std::string> names;
};

TEST(CommandLineTest, SplitsAsTheHandOffTextIsWritten)
{
    const std::vector<SplitCase> cases = {
        // One quoted path keeps its blanks and loses its quotes.
        {"\"C:\\My Documents\\sheet 1.pbl\"", {"C:\\My Documents\\sheet 1.pbl"}},
        {"C:\\a.pbl D:\\b.pbl", {"C:\\a.pbl", "D:\\b.pbl"}},
        {"C:\\a.pbl", {"C:\\a.pbl"}},
        {"", {""}},
        // Every blank ends a piece, also at the start, at the end and twice in a row.
        {" C:\\a.pbl", {"", "C:\\a.pbl"}},
        {"a.pbl ", {"a.pbl", ""}},
        {"a.pbl  b.pbl", {"a.pbl", "", "b.pbl"}},
        {" ", {"", ""}},
        // Tabs are no blanks.
        {"a.pbl\tb.pbl", {"a.pbl\tb.pbl"}},
        // A quote anywhere makes the whole text one name, cut by one character at each end.
        {"\"a.pbl\" \"b.pbl\"", {"a.pbl\" \"b.pbl"}},
        {"xa\"b.pbly", {"a\"b.pbl"}},
        {"\"\"", {""}},
        {"\"", {""}},
        // Characters, not bytes, are cut off.
        {"「データ\"」", {"データ\""}},
        {"\"日本 語.pbl\"", {"日本 語.pbl"}},
        {"データ１.pbl データ２.pbl", {"データ１.pbl", "データ２.pbl"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitCommandLine(c.text), c.names) << "text: [" << c.text << "]";
    }
}

}  // namespace
}  // namespace probel
