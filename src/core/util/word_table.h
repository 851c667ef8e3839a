// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace probel {

// The words a setting is written with, in documents and on the command line, and back.
template <class Value, std::size_t N>
using WordTable = std::array<std::pair<Value, std::string_view>, N>;

template <class Value, std::size_t N>
std::string_view wordOf(const WordTable<Value, N>& words, Value value)
{
    for (const auto& [known, word] : words) {
        if (known == value) {
            return word;
        }
    }
    return {};
}

// Nothing for a text that is none of the words.
template <class Value, std::size_t N>
std::optional<Value> valueOf(const WordTable<Value, N>& words, std::string_view word)
{
    for (const auto& [value, known] : words) {
        if (known == word) {
            return value;
        }
    }
    return std::nullopt;
}

// "none、pointwise、simultaneous のどれか": what a message says the setting needs.
template <class Value, std::size_t N>
std::string wordsShown(const WordTable<Value, N>& words)
{
    std::string shown;
    for (const auto& [value, word] : words) {
        shown += shown.empty() ? "" : "、";
        shown += word;
    }
    return shown + " のどれか";
}

}  // namespace probel
