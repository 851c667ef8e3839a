// SPDX-License-Identifier: MIT
#include "support/desktop/pdf_pages.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

namespace probel::test {

PdfPages pdfPages(const QByteArray& pdf)
{
    PdfPages pages;
    // Page objects are "/Type /Page" (the page tree is "/Type /Pages").
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    const QString text = QString::fromLatin1(pdf);
    for (auto match = pageObject.globalMatch(text); match.hasNext(); match.next()) {
        ++pages.count;
    }
    for (auto match = mediaBox.globalMatch(text); match.hasNext();) {
        const auto box = match.next();
        pages.mediaBoxes.emplace_back(box.captured(3).toDouble() - box.captured(1).toDouble(),
                                      box.captured(4).toDouble() - box.captured(2).toDouble());
    }
    return pages;
}

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
