// SPDX-License-Identifier: MIT
// The example sheets that carry the analysis on the page (limit lines, confidence bands,
// percentile lines, legend, graph title, marks for values beyond the axis, Weibull paper), drawn on the
// screen and by render to PNG, SVG and PDF, against the pictures in tests/golden, which were
// looked at when they were made. With PROBEL_UPDATE_GOLDENS=1 the tests write the pictures
// instead of comparing (scripts/update-goldens.sh); look at them before committing them.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/sheet_paper.h"
#include "app_fixture.h"
#include "support/desktop/pdf_pages.h"

namespace probel::test {
namespace {

const QString kGoldenFolder = QStringLiteral(PROBEL_SOURCE_DIR "/tests/golden/");
const QString kExamples = QStringLiteral(PROBEL_SOURCE_DIR "/examples/");
// Enough to tell a dotted band from a solid line in the PDF's picture.
constexpr int kPdfDotsPerInch = 96;

bool updating()
{
    const char* update = std::getenv("PROBEL_UPDATE_GOLDENS");
    return update != nullptr && std::string(update) == "1";
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Keeps a picture that differs beside the temporary files, for a look at what changed.
QString keptForALook(const QString& path)
{
    const QString kept = QDir::temp().filePath(QStringLiteral("probel-golden-") + QFileInfo(path).fileName());
    QFile::remove(kept);
    QFile::copy(path, kept);
    return kept;
}

// Pixels that differ between two pictures of the same size; -1 when the sizes differ.
qsizetype differingPixels(const QImage& expected, const QImage& actual)
{
    if (expected.size() != actual.size()) {
        return -1;
    }
    const QImage a = expected.convertToFormat(QImage::Format_RGB32);
    const QImage b = actual.convertToFormat(QImage::Format_RGB32);
    qsizetype differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* left = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* right = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            differing += left[x] != right[x] ? 1 : 0;
        }
    }
    return differing;
}

class GoldenPicturesTest : public AppTest, public ::testing::WithParamInterface<const char*> {
protected:
    QString example() const { return kExamples + QString::fromUtf8(GetParam()) + QStringLiteral(".pbl"); }
    QString golden(const char* suffix) const { return kGoldenFolder + QString::fromUtf8(GetParam()) + suffix; }

    // The example drawn by probel-cli render into the test's folder.
    QString rendered(const char* extension) const
    {
        const QString out = QString::fromStdString(pathIn(std::string(GetParam()) + extension));
        QProcess cli;
        cli.start(QStringLiteral(PROBEL_CLI_PATH), {QStringLiteral("render"), example(), QStringLiteral("-o"), out});
        constexpr int kTimeoutMs = 60000;
        const bool finished = cli.waitForFinished(kTimeoutMs);
        EXPECT_TRUE(finished && cli.exitCode() == 0) << cli.readAllStandardError().toStdString();
        return out;
    }

    void expectSameBytes(const QString& actual, const QString& expected) const
    {
        if (updating()) {
            QFile::remove(expected);
            ASSERT_TRUE(QFile::copy(actual, expected)) << expected.toStdString();
            return;
        }
        const QByteArray bytes = bytesOf(actual);
        ASSERT_FALSE(bytes.isEmpty()) << actual.toStdString();
        EXPECT_TRUE(bytes == bytesOf(expected))
            << expected.toStdString() << " differs; drawn now: " << keptForALook(actual).toStdString();
    }

    void expectSamePixels(const QImage& actual, const QImage& expected, const QString& actualPath) const
    {
        ASSERT_FALSE(actual.isNull());
        const qsizetype differing = differingPixels(expected, actual);
        EXPECT_EQ(differing, 0) << "(-1: another size) drawn now: " << keptForALook(actualPath).toStdString();
    }
};

TEST_P(GoldenPicturesTest, TheSheetWindowShowsTheGoldenPicture)
{
    const std::vector<PicForm*> opened = window_->fileActions().openDocuments({example().toStdString()});
    ASSERT_EQ(opened.size(), 1U);
    // The paper with its label windows on it, as the screen shows it at a pixel ratio of 1.
    const QImage screen = opened.front()->mainPic()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString expected = golden("-screen.png");
    if (updating()) {
        ASSERT_TRUE(screen.save(expected));
        return;
    }
    const QString actualPath = QString::fromStdString(pathIn(std::string(GetParam()) + "-screen.png"));
    screen.save(actualPath);
    expectSamePixels(screen, QImage(expected), actualPath);
}

TEST_P(GoldenPicturesTest, RenderWritesTheGoldenPngAndSvg)
{
    expectSameBytes(rendered(".png"), golden(".png"));
    expectSameBytes(rendered(".svg"), golden(".svg"));
}

// A PDF holds the time it was made, so its pages are compared as pictures.
TEST_P(GoldenPicturesTest, RenderWritesAPdfThatLooksLikeTheGoldenOne)
{
    if (!havePdfRasteriser()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    const QString actual = rendered(".pdf");
    const auto drawn = rasterisePdf(actual, kPdfDotsPerInch);
    const auto expected = rasterisePdf(golden(".pdf"), kPdfDotsPerInch);
    if (updating()) {
        // A PDF whose page looks the same is kept, so its creation time alone is no change.
        if (!expected || !drawn || differingPixels(*expected, *drawn) != 0) {
            expectSameBytes(actual, golden(".pdf"));
        }
        return;
    }
    ASSERT_TRUE(drawn && expected);
    expectSamePixels(*drawn, *expected, actual);
}

INSTANTIATE_TEST_SUITE_P(AnalysisExamples, GoldenPicturesTest,
                         ::testing::Values("shaft-capability", "particle-size-band", "failure-times-weibull"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name;
                             for (const char c : std::string(info.param)) {
                                 if (c != '-') {
                                     name += c;
                                 }
                             }
                             return name;
                         });

}  // namespace
}  // namespace probel::test
