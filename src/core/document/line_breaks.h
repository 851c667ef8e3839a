// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace probel {

// How many line breaks `text` holds: CR LF, a lone CR and a lone LF each end one line. Readers
// add them to the line they report in messages.
std::int64_t lineBreakCount(std::string_view text);

}  // namespace probel
