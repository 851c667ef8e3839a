// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace probel {

// A size as messages give it: "512 バイト" below a kibibyte, else in the largest binary unit
// it reaches, whole where it is ("64 MiB") and to one decimal where not ("1.5 GiB").
std::string byteSizeText(std::uint64_t bytes);

}  // namespace probel
