// SPDX-License-Identifier: MIT
#include "support/desktop/pdf_pages.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

namespace probel::test {

bool havePdfRasteriser()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

std::optional<QImage> rasterisePdf(const QString& pdfPath, int dotsPerInch)
{
    QTemporaryDir folder;
    if (!folder.isValid()) {
        return std::nullopt;
    }
    const QString prefix = folder.filePath(QStringLiteral("page"));
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-png"),
                                            QStringLiteral("-singlefile"), pdfPath, prefix});
    constexpr int kToolTimeoutMs = 60000;
    if (!tool.waitForFinished(kToolTimeoutMs) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        return std::nullopt;
    }
    QImage page(prefix + QStringLiteral(".png"));
    if (page.isNull()) {
        return std::nullopt;
    }
    return page.convertToFormat(QImage::Format_RGB32);
}

}  // namespace probel::test
