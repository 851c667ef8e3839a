// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "cli/json_printer.h"
#include "cli/json_writer.h"

namespace probel::cli {
namespace {

TEST(JsonPrinterTest, NestsWithCommasAndIndentation)
{
    std::ostringstream out;
    JsonPrinter json(out);
    json.beginObject();
    json.member("a", "1");
    json.key("list");
    json.beginArray();
    json.beginObject();
    json.member("b", "true");
    json.endObject();
    json.scalar("null");
    json.beginArray();
    json.endArray();
    json.endArray();
    json.key("values");
    const std::vector<double> values = {1.5, -2, 1E-300};
    json.numbers(values);
    json.key("none");
    json.numbers({});
    json.key("empty");
    json.beginObject();
    json.endObject();
    json.endObject();
    json.finish();
    EXPECT_EQ(out.str(),
              "{\n"
              "  \"a\": 1,\n"
              "  \"list\": [\n"
              "    {\n"
              "      \"b\": true\n"
              "    },\n"
              "    null,\n"
              "    []\n"
              "  ],\n"
              "  \"values\": [1.5, -2, 1e-300],\n"
              "  \"none\": [],\n"
              "  \"empty\": {}\n"
              "}\n");
}

// Long arrays reach the stream in blocks; what arrives is the same one line, every number as
// jsonNumber writes it, across the blocks' edges too.
TEST(JsonPrinterTest, LongArraysOfNumbersAreOneLineOfEveryNumber)
{
    std::vector<double> values;
    std::string expected = "{\n  \"values\": [";
    for (int i = 0; i < 40000; ++i) {
        const double value = i % 1000 == 999 ? std::numeric_limits<double>::quiet_NaN() : std::sqrt(i) - 100;
        values.push_back(value);
        expected += (i == 0 ? "" : ", ") + jsonNumber(value);
    }
    expected += "],\n  \"empty\": []\n}\n";
    std::ostringstream out;
    JsonPrinter json(out);
    json.beginObject();
    json.key("values");
    json.numbers(values);
    json.key("empty");
    json.numbers({});
    json.endObject();
    json.finish();
    EXPECT_GT(out.str().size(), std::size_t{64} * 1024 * 3);
    EXPECT_EQ(out.str(), expected);
    EXPECT_NE(out.str().find(", null, "), std::string::npos);
}

}  // namespace
}  // namespace probel::cli
