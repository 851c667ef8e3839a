// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/sheet/chart_sheet.h"
#include "support/desktop/pdf_pages.h"

namespace probel::test {

// A sheet of the given paper with nothing on it.
std::unique_ptr<ChartSheet> emptySheet(std::int32_t paperCode = kDefaultPaperCode);

// Adds a graph with this frame (canvas pixels) and no labels or series; returns its number.
std::int32_t addFramedGraph(ChartSheet& sheet, std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height);

// Adds a visible free text label and returns it.
ChartLabel& addTextLabel(ChartSheet& sheet, const std::string& caption, float left, float top, double points = 20,
                         std::int32_t bgr = 0, bool bold = false);

// The bounding box of the pixels that pass `ink` within `area` (the whole image when empty);
// an empty rectangle when none does.
QRect inkBox(const QImage& image, const std::function<bool(QRgb)>& ink, QRect area = {});
bool darkPixel(QRgb pixel);
// Strongly red: the hue of a red label, also where its edges are smoothed.
bool reddishPixel(QRgb pixel);

// A folder of its own below the system's temporary folder, removed when the object goes.
class ScratchFolder {
public:
    bool valid() const { return folder_.isValid(); }
    std::string path(const std::string& name) const;

private:
    QTemporaryDir folder_;
};

QByteArray fileBytes(const std::string& path);

}  // namespace probel::test
