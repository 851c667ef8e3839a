// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace probel::test {

// Whether pdftoppm (poppler-utils) can be run.
bool havePdfRasteriser();
// The first page of the PDF file rendered at `dotsPerInch`; empty when rendering failed.
std::optional<QImage> rasterisePdf(const QString& pdfPath, int dotsPerInch);

}  // namespace probel::test
