// SPDX-License-Identifier: MIT
#include "app/output_actions.h"

#include <QFile>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/sheet_paper.h"
#include "app_fixture.h"
#include "support/desktop/pdf_pages.h"

namespace probel::test {
namespace {

class OutputActionsTest : public AppTest {
protected:
    PicForm* openSheet()
    {
        window_->fileActions().openDocuments({writeDocument("lot.pbl", {.graphs = 2})});
        return window_->activeSheet();
    }
    // Pixels of the on-screen picture that are not white.
    static int inkOf(const PicForm& form)
    {
        const QImage& picture = form.mainPic()->picture();
        int ink = 0;
        for (int y = 0; y < picture.height(); y += 2) {
            for (int x = 0; x < picture.width(); x += 2) {
                ink += picture.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        return ink;
    }
};

TEST_F(OutputActionsTest, BitmapExportWritesTheWholePaperAndRedrawsTheScreen)
{
    PicForm* form = openSheet();
    ASSERT_NE(form, nullptr);
    const int before = inkOf(*form);
    ASSERT_GT(before, 0);
    const std::string path = pathIn("sheet.bmp");
    fileDialogs_.answerSave(path);
    EXPECT_TRUE(window_->outputActions().menuBitmap(*form));
    ASSERT_EQ(fileDialogs_.calls().size(), 1U);
    EXPECT_EQ(fileDialogs_.calls()[0].filter, "ビットマップ(*.bmp)|*.bmp");
    EXPECT_EQ(fileDialogs_.calls()[0].initialName, "lot.bmp");
    const QImage saved(QString::fromStdString(path));
    EXPECT_EQ(saved.size(), QSize(794, 1123));
    EXPECT_EQ(inkOf(*form), before) << "the screen shows the same drawing afterwards";
    EXPECT_TRUE(window_->isEnabled());
}

TEST_F(OutputActionsTest, CancelledExportsWriteNothing)
{
    PicForm* form = openSheet();
    fileDialogs_.answerSave("");
    fileDialogs_.answerSave("");
    EXPECT_FALSE(window_->outputActions().menuBitmap(*form));
    EXPECT_FALSE(window_->outputActions().menuPdf(*form));
    EXPECT_TRUE(messages_.asked().empty());
}

TEST_F(OutputActionsTest, AFailedExportIsReportedAndTheWindowRestored)
{
    PicForm* form = openSheet();
    const int before = inkOf(*form);
    const std::string bitmap = pathIn("missing/sheet.bmp");
    const std::string pdf = pathIn("missing/sheet.pdf");
    fileDialogs_.answerSave(bitmap);
    fileDialogs_.answerSave(pdf);
    messages_.answer(MessageAnswer::Ok);
    messages_.answer(MessageAnswer::Ok);
    EXPECT_FALSE(window_->outputActions().menuBitmap(*form));
    EXPECT_FALSE(window_->outputActions().menuPdf(*form));
    ASSERT_EQ(messages_.asked().size(), 2U);
    EXPECT_NE(messages_.asked()[0].text.find(bitmap), std::string::npos) << messages_.asked()[0].text;
    EXPECT_NE(messages_.asked()[1].text.find(pdf), std::string::npos) << messages_.asked()[1].text;
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_EQ(inkOf(*form), before);
}

TEST_F(OutputActionsTest, PdfExportWritesOnePage)
{
    PicForm* form = openSheet();
    const std::string path = pathIn("sheet.pdf");
    fileDialogs_.answerSave(path);
    EXPECT_TRUE(window_->outputActions().menuPdf(*form));
    EXPECT_GT(std::filesystem::file_size(path), 0U);
}

TEST_F(OutputActionsTest, ImageExportWritesPngOrSvgByTheNameAndRefusesOtherNames)
{
    PicForm* form = openSheet();
    const std::string png = pathIn("page.png");
    fileDialogs_.answerSave(png);
    ASSERT_TRUE(window_->outputActions().menuImage(*form));
    const QImage picture(QString::fromStdString(png));
    EXPECT_EQ(picture.size(), form->mainPic()->paperSize()) << "the page's size";

    const std::string other = pathIn("page.jpg");
    const std::string svg = pathIn("page.SVG");
    fileDialogs_.answerSave(other);  // refused in the dialog, which stays open
    fileDialogs_.answerSave(svg);
    messages_.answer(MessageAnswer::Ok);
    ASSERT_TRUE(window_->outputActions().menuImage(*form));
    EXPECT_EQ(fileDialogs_.calls().back().refused, (std::vector<std::string>{other}));
    EXPECT_FALSE(std::filesystem::exists(other));
    QFile written(QString::fromStdString(svg));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("<?xml"));
}

TEST_F(OutputActionsTest, PdfExportDrawsWhatTheCommandLineToolDraws)
{
    if (!havePdfRasteriser()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    constexpr int kComparedDpi = 150;
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(PROBEL_SOURCE_DIR) + "/examples")) {
        if (entry.path().extension() != ".pbl") {
            continue;
        }
        const std::string example = entry.path().string();
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        const std::vector<PicForm*> opened = window_->fileActions().openDocuments({example});
        ASSERT_EQ(opened.size(), 1U);
        const std::string fromProgram = pathIn(name + "-program.pdf");
        fileDialogs_.answerSave(fromProgram);
        ASSERT_TRUE(window_->outputActions().menuPdf(*opened.front()));
        const std::string fromTool = pathIn(name + "-cli.pdf");
        QProcess tool;
        tool.start(QStringLiteral(PROBEL_CLI_PATH), {QStringLiteral("render"), QString::fromStdString(example),
                                                     QStringLiteral("-o"), QString::fromStdString(fromTool)});
        ASSERT_TRUE(tool.waitForFinished());
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

        const auto programPage = rasterisePdf(QString::fromStdString(fromProgram), kComparedDpi);
        const auto toolPage = rasterisePdf(QString::fromStdString(fromTool), kComparedDpi);
        ASSERT_TRUE(programPage && toolPage);
        EXPECT_EQ(programPage->size(), toolPage->size());
        EXPECT_TRUE(*programPage == *toolPage) << "the two PDFs render to different pixels";
        ++compared;
    }
    EXPECT_GE(compared, 6);
}

}  // namespace
}  // namespace probel::test
