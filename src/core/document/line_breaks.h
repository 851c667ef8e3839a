// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace probel {

// `text` with every line break (CR LF, a lone CR, a lone LF) as CR LF, the line end of
// documents and of texts on a sheet.
std::string withCrLfBreaks(std::string_view text);

}  // namespace probel
