// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

namespace probel::test {

// The pages of a PDF: the number of page objects and each page's media box size in points.
struct PdfPages {
    int count = 0;
    std::vector<QSizeF> mediaBoxes;
};
PdfPages pdfPages(const QByteArray& pdf);

// Whether pdftoppm (poppler-utils) can be run.
bool havePdfRasteriser();
// The first page of the PDF file rendered at `dotsPerInch`; empty when rendering failed.
std::optional<QImage> rasterisePdf(const QString& pdfPath, int dotsPerInch);

}  // namespace probel::test
