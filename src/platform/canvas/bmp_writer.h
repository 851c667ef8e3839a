// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <string>

namespace probel {

// The bytes of an uncompressed Windows bitmap of `image`: BITMAPFILEHEADER, a 40-byte
// BITMAPINFOHEADER with 24 bits per pixel and no compression, then the rows bottom-up in
// blue-green-red order, each padded to four bytes. The resolution field comes from the
// image's dots per metre. Transparent pixels are blended onto white. Empty for a null image.
std::string encodeBmp24(const QImage& image);

}  // namespace probel
