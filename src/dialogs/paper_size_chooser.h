// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace probel {

// Asks the user for the paper of a new sheet. Returns the chosen paper code; a dialog that
// is closed without OK gives the default code 210297 (the new sheet is created all the same).
class PaperSizeChooser {
public:
    virtual ~PaperSizeChooser() = default;

    virtual std::int32_t choosePaperCode() = 0;
};

}  // namespace probel
