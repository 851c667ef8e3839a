// SPDX-License-Identifier: MIT
// Whatever a plot's title, unit, table headers and file name hold, its SVG is well-formed.

#include <gtest/gtest.h>

#include <string>

#include "cli_files.h"
#include "support/cli_runner.h"
#include "support/xml_characters.h"

namespace probel {
namespace {

using test::readBytes;
using test::runCliInProcess;
using test::writeBytes;

TEST(SvgTextTest, CharactersXmlCannotHoldNeverReachThePlot)
{
    test::TemporaryFolder folder;
    const std::string table = writeBytes(folder.path("table.csv"), "A\uFFFE\x01,B\uFFFF\n1,2\n3,4\n5,7\n");
    const std::string svg = folder.path("plot\uFFFF\x02.svg");
    const auto run =
        runCliInProcess({"plot", "--labels", "--title", "T\uFFFF\x03\uFFFE", "--unit", "g\uFFFE", "-o", svg, table});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string document = readBytes(svg);
    ASSERT_FALSE(document.empty());
    const auto bad = test::firstNonXmlCharacter(document);
    EXPECT_EQ(bad, std::nullopt) << document.substr(bad.value_or(0), 40);
    EXPECT_NE(document.find("<title>plot\uFFFD </title>"), std::string::npos);
    for (const char* text : {">T\uFFFD \uFFFD</text>", "g\uFFFD", "A\uFFFD ", "B\uFFFD"}) {
        EXPECT_NE(document.find(text), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace probel
