// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

#include <cstdint>

namespace probel {

// Colours of documents are 0x00BBGGRR; the top byte is ignored on the way in and zero on the
// way out.
QColor colorFromBgr(std::int32_t bgr);
std::int32_t bgrFromColor(const QColor& color);

}  // namespace probel
