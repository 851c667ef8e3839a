// SPDX-License-Identifier: MIT
#include "platform/canvas/opaque_image.h"

#include <QPainter>

namespace probel {

QImage opaqueImage(const QImage& image, QImage::Format format)
{
    if (!image.hasAlphaChannel()) {
        return image.convertToFormat(format);
    }
    QImage flattened(image.size(), format);
    flattened.fill(Qt::white);
    QPainter painter(&flattened);
    painter.drawImage(0, 0, image);
    painter.end();
    return flattened;
}

}  // namespace probel
