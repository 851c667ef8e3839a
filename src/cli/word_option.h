// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/option_parser.h"
#include "core/util/text_excerpt.h"

namespace probel::cli {

// Reads option `name` as one of a setting's words into `into`, which stays as it is when the
// option is not given. A text that is none of the words is a usage message in `error` (the
// option, `shown` — the words it takes, as a message says them — and the text) and false.
template <class Value, class FromWord>
bool wordOption(const OptionParser& parser, const std::string& name, FromWord fromWord, const std::string& shown,
                Value& into, std::string& error)
{
    const std::optional<std::string> word = parser.value(name);
    if (!word) {
        return true;
    }
    const std::optional<Value> value = fromWord(std::string_view(*word));
    if (!value) {
        error = name + " は " + shown + "にしてください: " + textExcerpt(*word);
        return false;
    }
    into = *value;
    return true;
}

}  // namespace probel::cli
