// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

namespace probel {

// The colour dialog of the settings and data dialogs. Colours are 0x00BBGGRR.
class ColorDialog {
public:
    virtual ~ColorDialog() = default;

    // Opens with `initialBgr` chosen; returns the chosen colour, or nothing when cancelled.
    virtual std::optional<std::int32_t> chooseColor(std::int32_t initialBgr) = 0;
};

}  // namespace probel
