// SPDX-License-Identifier: MIT
#include "core/document/field_cursor.h"

#include <cstring>

#include "core/document/line_breaks.h"
#include "core/document/sheet_format.h"

namespace probel {
namespace {

using sheet_format::isFieldBlank;
using sheet_format::isLineByte;
using sheet_format::kQuote;

constexpr char kComma = ',';

}  // namespace

void FieldCursor::skipBlanks()
{
    while (position_ < bytes_.size() && isFieldBlank(bytes_[position_])) {
        ++position_;
    }
}

bool FieldCursor::consumeSeparator()
{
    if (position_ >= bytes_.size()) {
        return true;
    }
    const char c = bytes_[position_];
    if (c == kComma) {
        ++position_;
        return true;
    }
    if (!isLineByte(c)) {
        return false;
    }
    ++position_;
    if (c == '\r' && position_ < bytes_.size() && bytes_[position_] == '\n') {
        ++position_;
    }
    ++line_;
    return true;
}

FieldCursor::Outcome FieldCursor::next(Field& field)
{
    skipBlanks();
    if (position_ >= bytes_.size()) {
        return Outcome::End;
    }
    field.line = line_;
    const char* const data = bytes_.data();
    if (data[position_] == kQuote) {
        const std::size_t open = position_ + 1;
        const void* close = std::memchr(data + open, kQuote, bytes_.size() - open);
        if (close == nullptr) {
            field.text = bytes_.substr(open);
            field.quoted = true;
            return Outcome::Unterminated;
        }
        const auto end = static_cast<std::size_t>(static_cast<const char*>(close) - data);
        field.text = bytes_.substr(open, end - open);
        field.quoted = true;
        line_ += lineBreakCount(field.text);
        position_ = end + 1;
        skipBlanks();
        if (!consumeSeparator()) {
            const std::size_t junk = position_;
            while (position_ < bytes_.size() && !isLineByte(bytes_[position_])) {
                ++position_;
            }
            field.text = bytes_.substr(junk, position_ - junk);
            field.line = line_;
            return Outcome::JunkAfterQuote;
        }
        return Outcome::Field;
    }
    const std::size_t start = position_;
    std::size_t at = start;
    const std::size_t size = bytes_.size();
    while (at < size) {
        const char c = data[at];
        if (c == kComma || c == '\r' || c == '\n') {
            break;
        }
        ++at;
    }
    std::size_t end = at;
    while (end > start && isFieldBlank(data[end - 1])) {
        --end;
    }
    field.text = bytes_.substr(start, end - start);
    field.quoted = false;
    position_ = at;
    consumeSeparator();
    return Outcome::Field;
}

bool FieldCursor::restIsBlank() const
{
    for (std::size_t at = position_; at < bytes_.size(); ++at) {
        if (!isFieldBlank(bytes_[at]) && !isLineByte(bytes_[at])) {
            return false;
        }
    }
    return true;
}

FieldCursor::Field FieldCursor::firstNonBlank(std::size_t limit) const
{
    std::size_t at = position_;
    while (at < bytes_.size() && (isFieldBlank(bytes_[at]) || isLineByte(bytes_[at]))) {
        ++at;
    }
    std::size_t end = at;
    while (end < bytes_.size() && end - at < limit && !isLineByte(bytes_[end])) {
        ++end;
    }
    Field rest;
    rest.text = bytes_.substr(at, end - at);
    rest.line = line_ + lineBreakCount(bytes_.substr(position_, at - position_));
    return rest;
}

}  // namespace probel
