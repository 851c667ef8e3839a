// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

namespace probel::cli {

// Writes one JSON document, indented by two spaces per level with one member or element per
// line, so that the output of a command is stable and reads well in a diff. Arrays of numbers
// stay on one line. The caller nests begin/end calls correctly and names every member of an
// object with key() before its value; scalars are passed already in JSON form (jsonNumber,
// jsonString, jsonBool). finish() ends the document with a line feed.
class JsonPrinter {
public:
    explicit JsonPrinter(std::ostream& out) : out_(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);
    void scalar(std::string_view json);
    void integer(std::int64_t value);
    void numbers(std::span<const double> values);
    void finish();

    // A member in one call: key(name) and its scalar.
    void member(std::string_view name, std::string_view json)
    {
        key(name);
        scalar(json);
    }

private:
    // Separates and indents a value that starts a member or an element.
    void beforeValue();
    void beginContainer(char open);
    void endContainer(char close);
    void newLine();

    std::ostream& out_;
    // Per open container: whether nothing has been written into it yet.
    std::vector<bool> levels_;
    bool afterKey_ = false;
};

}  // namespace probel::cli
