// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <string>

namespace probel {

// The bytes of a PNG of `image`, opaque (transparent pixels are blended onto white), with
// the image's dots per metre as its resolution. A page has few colours: with at most 256 it
// is written with a palette, one byte a pixel, otherwise as 8-bit RGB; the rows are
// compressed quickly rather than as small as can be. Empty for a null image.
std::string encodePng(const QImage& image);

}  // namespace probel
