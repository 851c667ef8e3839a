// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace probel {

// How much of a text a message quotes: enough to recognise it, short enough for one line.
inline constexpr std::size_t kExcerptBytes = 40;

// The start of a UTF-8 text as a message may quote it: at most kExcerptBytes bytes, cut
// between characters, with control characters and bytes that are not UTF-8 shown as "?" and
// "…" after a text that was cut. A line of garbage of any length gives a short message.
std::string textExcerpt(std::string_view text);

}  // namespace probel
