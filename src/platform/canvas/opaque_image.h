// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace probel {

// `image` in `format` (one without alpha), its transparent pixels blended onto white, as a
// picture file without transparency shows it.
QImage opaqueImage(const QImage& image, QImage::Format format);

}  // namespace probel
