// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>

namespace probel::test {

// How many pixels of `area` pass `test` (a predicate on QRgb).
template <class Test>
int countPixels(const QImage& image, const QRect& area, Test test)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace probel::test
