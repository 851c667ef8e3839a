// SPDX-License-Identifier: MIT
#include "cli/json_printer.h"

#include <string>

#include "cli/json_writer.h"

namespace probel::cli {
namespace {
constexpr int kIndent = 2;
}

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
    out_ << '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        out_ << (i == 0 ? "" : ", ") << jsonNumber(values[i]);
    }
    out_ << ']';
}

void JsonPrinter::finish()
{
    out_ << '\n';
}

}  // namespace probel::cli
