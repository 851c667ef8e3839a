// SPDX-License-Identifier: MIT
#include "cli/json_printer.h"

#include <algorithm>
#include <string>

#include "cli/json_writer.h"

namespace probel::cli {
namespace {
constexpr int kIndent = 2;
// Arrays of numbers go to the stream a block at a time: an insertion per number costs more
// than formatting it, and a dump holds millions of them.
constexpr std::size_t kNumberBlockBytes = std::size_t{64} * 1024;
}  // namespace

void JsonPrinter::newLine()
{
    out_ << '\n' << std::string(levels_.size() * kIndent, ' ');
}

void JsonPrinter::beforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!levels_.empty()) {
        if (!levels_.back()) {
            out_ << ',';
        }
        levels_.back() = false;
        newLine();
    }
}

void JsonPrinter::key(std::string_view name)
{
    beforeValue();
    out_ << jsonString(name) << ": ";
    afterKey_ = true;
}

void JsonPrinter::beginContainer(char open)
{
    beforeValue();
    out_ << open;
    levels_.push_back(true);
}

void JsonPrinter::endContainer(char close)
{
    const bool wasEmpty = levels_.back();
    levels_.pop_back();
    if (!wasEmpty) {
        newLine();
    }
    out_ << close;
}

void JsonPrinter::beginObject()
{
    beginContainer('{');
}
void JsonPrinter::endObject()
{
    endContainer('}');
}
void JsonPrinter::beginArray()
{
    beginContainer('[');
}
void JsonPrinter::endArray()
{
    endContainer(']');
}

void JsonPrinter::scalar(std::string_view json)
{
    beforeValue();
    out_ << json;
}

void JsonPrinter::integer(std::int64_t value)
{
    scalar(std::to_string(value));
}

void JsonPrinter::numbers(std::span<const double> values)
{
    beforeValue();
    std::string block;
    block.reserve(std::min(kNumberBlockBytes, values.size() * 24) + 64);
    block.push_back('[');
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            block += ", ";
        }
        appendJsonNumber(block, values[i]);
        if (block.size() >= kNumberBlockBytes) {
            out_.write(block.data(), static_cast<std::streamsize>(block.size()));
            block.clear();
        }
    }
    block.push_back(']');
    out_.write(block.data(), static_cast<std::streamsize>(block.size()));
}

void JsonPrinter::finish()
{
    out_ << '\n';
}

}  // namespace probel::cli
