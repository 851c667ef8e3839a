// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "cli/json_printer.h"

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

}  // namespace
}  // namespace probel::cli
