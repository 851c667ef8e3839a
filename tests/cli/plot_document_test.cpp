// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <cmath>
#include <string>
#include <vector>

#include "cli/gui_application.h"
#include "cli_files.h"
#include "core/document/sheet_reader.h"
#include "platform/canvas/qt_text_metrics.h"
#include "platform/canvas/svg_page.h"
#include "platform/canvas/text_measuring_canvas.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::readBytes;
using test::runCliInProcess;
using test::writeBytes;

struct Box {
    double left, top, right, bottom;
};

bool overlap(const Box& a, const Box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The boxes of the visible labels of a sheet, measured as they are drawn.
std::vector<Box> labelBoxes(const ChartSheet& sheet)
{
    std::vector<Box> boxes;
    cli::ensureGuiApplication();
    QtTextMetrics metrics(kPageDotsPerInch);
    TextMeasuringCanvas canvas(*sheet.paperSize(), kPageDotsPerInch, metrics);
    const auto add = [&](const ChartLabel& label) {
        const LabelExtent extent = labelExtent(label, canvas);
        boxes.push_back(Box{label.left, label.top, label.left + extent.width, label.top + extent.height});
    };
    for (const auto& [index, label] : sheet.sLabels()) {
        add(label);
    }
    for (const auto& [index, label] : sheet.comLabels()) {
        add(label);
    }
    return boxes;
}

class PlotDocumentTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder_.path(name); }

    // Plots `csv` with `options` into a document and reads it back.
    std::unique_ptr<ChartSheet> plotDocument(const std::string& csv, std::vector<std::string> options)
    {
        const std::string input = writeBytes(path("in.csv"), csv);
        std::vector<std::string> arguments = {"plot", "-o", path("out.pbl")};
        arguments.insert(arguments.end(), options.begin(), options.end());
        arguments.push_back(input);
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "");
        auto sheet = readSheetFile(path("out.pbl"));
        EXPECT_TRUE(sheet) << (sheet ? "" : sheet.error().message);
        return sheet ? std::move(sheet).value() : nullptr;
    }

    test::TemporaryFolder folder_;
};

TEST_F(PlotDocumentTest, TheDocumentHoldsTheSeriesAsTheDataDialogLeavesThem)
{
    const auto sheet = plotDocument("A,B,\n3,12,0.5\n1,10,0.25\n2,11,1E-3\n", {"--paper", "297210"});
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->myFormType, 297210);
    ASSERT_EQ(sheet->myNormo().count(), 1);
    EXPECT_EQ(sheet->myNormo().keyAt(1), "S1");
    NormoBp& graph = *sheet->graph(1);
    // The margins of a picture: a tenth of 1123 × 794 on every side.
    EXPECT_EQ(graph.frameLeft(), 112);
    EXPECT_EQ(graph.frameTop(), 79);
    EXPECT_EQ(graph.frameWidth(), 898);
    EXPECT_EQ(graph.frameHeight(), 635);
    // Values 0.001 ... 12: six divisions of 2.
    EXPECT_EQ(graph.min(), 0);
    EXPECT_EQ(graph.max(), 12);
    EXPECT_EQ(graph.bunnkatu(), 6);
    ASSERT_EQ(graph.data().count(), 3);
    const std::vector<std::vector<double>> values = {{3, 1, 2}, {12, 10, 11}, {0.5, 0.25, 1E-3}};
    const std::vector<std::string> comments = {"A", "B", "データ - 3"};
    for (std::int32_t j = 1; j <= 3; ++j) {
        const NormoData& series = graph.data().item(j);
        EXPECT_EQ(series.iniValues(), values[j - 1]) << j;
        EXPECT_EQ(series.comment(), comments[j - 1]) << j;
        EXPECT_TRUE(series.visible());
        EXPECT_FALSE(series.label());
        EXPECT_EQ(series.tag(), "00000");
        EXPECT_EQ(series.heikinFormat(), "0.##");
        EXPECT_EQ(series.cpFormat(), "0.##");
        EXPECT_EQ(series.min(), 0);
        EXPECT_EQ(series.max(), 12);
    }
    EXPECT_TRUE(sheet->sLabels().empty());
    EXPECT_TRUE(sheet->comLabels().empty());
}

TEST_F(PlotDocumentTest, DetailLabelsShowTheStatisticsBesideTheGraph)
{
    const auto sheet = plotDocument("Lot A,Lot B\n3,12\n1,10\n2,11\n", {"--labels", "--format", "0.0"});
    ASSERT_TRUE(sheet);
    NormoBp& graph = *sheet->graph(1);
    const NormoData& second = graph.data().item(2);
    EXPECT_TRUE(second.label());
    EXPECT_EQ(second.tag(), "11100");
    EXPECT_EQ(second.sigumaFormat(), "0.0");
    ASSERT_EQ(sheet->sLabels().size(), 2u);
    const ChartLabel* label = sheet->sLabel(102);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->caption, "△:\r\nLot B\r\n平均 : 11.0\r\n最小値:10.0\r\n最大値:12.0\r\nσ    : 0.8\r\n");
    EXPECT_EQ(label->foreColor, second.color());
    EXPECT_NE(second.color(), graph.data().item(1).color());
    // Right of the frame, which made room for it.
    EXPECT_LT(graph.frameWidth(), 635);
    EXPECT_GT(label->left, graph.frameLeft() + graph.frameWidth());
    const ChartLabel* first = sheet->sLabel(101);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->top, graph.frameTop());
    EXPECT_EQ(label->left, first->left);
    EXPECT_GT(label->top, first->top + 6 * 12);  // six lines of 9 points at least
}

TEST_F(PlotDocumentTest, LabelsNeverOverlapAndStayOnThePaper)
{
    struct Case {
        int columns;
        const char* paper;
        const char* header;  // each column's name with its number after it; empty: no header
    };
    const char* const kLongName = "第一工場 第三ライン 夜間直 抜き取り検査 外径測定値 (mm) ";
    // A few, more than a column holds, on a small lying paper, and so wide that they go below.
    for (const Case& test : {Case{3, "210297", ""}, Case{14, "210297", ""}, Case{12, "210148", "系列"},
                             Case{20, "420297", ""}, Case{3, "210297", kLongName}}) {
        std::string csv;
        if (*test.header != '\0') {
            for (int column = 0; column < test.columns; ++column) {
                csv += (column == 0 ? "" : ",") + std::string(test.header) + std::to_string(column);
            }
            csv += "\n";
        }
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < test.columns; ++column) {
                csv += (column == 0 ? "" : ",") + std::to_string(100 * column + row * row);
            }
            csv += "\n";
        }
        const auto sheet = plotDocument(csv, {"--labels", "--paper", test.paper, "--title", "一行目\n二行目"});
        ASSERT_TRUE(sheet) << test.columns;
        ASSERT_EQ(sheet->graph(1)->data().count(), test.columns);
        ASSERT_EQ(sheet->sLabels().size(), static_cast<std::size_t>(test.columns));
        ASSERT_EQ(sheet->comLabels().size(), 1u);
        EXPECT_EQ(sheet->comLabel(1)->caption, "一行目\r\n二行目");

        NormoBp& graph = *sheet->graph(1);
        const PaperSize paper = *sheet->paperSize();
        // The frame with the value labels and unit text that hang below it.
        const Box frame{double(graph.frameLeft()), double(graph.frameTop()),
                        double(graph.frameLeft() + graph.frameWidth()),
                        graph.frameTop() + 1.01 * graph.frameHeight() + 30};
        // Wide labels go below the frame, which keeps the whole width.
        const auto areaWidth = static_cast<std::int32_t>(std::lround(0.8 * paper.widthPixels));
        EXPECT_EQ(graph.frameWidth() == areaWidth, test.header == kLongName) << test.columns;
        const auto boxes = labelBoxes(*sheet);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_GE(boxes[i].left, 0) << test.columns << " " << i;
            EXPECT_GE(boxes[i].top, 0) << test.columns << " " << i;
            EXPECT_LE(boxes[i].right, paper.widthPixels) << test.columns << " " << i;
            EXPECT_LE(boxes[i].bottom, paper.heightPixels) << test.columns << " " << i;
            EXPECT_FALSE(overlap(boxes[i], frame)) << test.columns << " " << i;
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(overlap(boxes[i], boxes[j])) << test.columns << " " << i << " " << j;
            }
        }
    }
}

TEST_F(PlotDocumentTest, OnALogAxisTheLabelShowsTheGeometricMean)
{
    const auto sheet = plotDocument("Life\n1\n10\n100\n", {"--labels", "--log", "--unit", "h"});
    ASSERT_TRUE(sheet);
    NormoBp& graph = *sheet->graph(1);
    EXPECT_TRUE(graph.logV());
    EXPECT_EQ(graph.min(), 1);
    EXPECT_EQ(graph.max(), 100);
    EXPECT_EQ(graph.tanni(), "h");
    const std::string start = "○:\r\nLife\r\n平均 : 10\r\n最小値:1\r\n最大値:100\r\n";
    EXPECT_EQ(sheet->sLabel(101)->caption.substr(0, start.size()), start);
}

TEST_F(PlotDocumentTest, TheRenderedDocumentIsThePlottedPicture)
{
    const std::string csv = writeBytes(path("p.csv"), "甲,乙\n1,4\n2,6\n3,5\n4,7\n");
    const std::vector<std::string> options = {"--labels", "--title", "見出し", "--paper", "420297", csv};
    std::vector<std::string> toPicture = {"plot", "-o", path("direct.png")};
    std::vector<std::string> toDocument = {"plot", "-o", path("sheet.PBL")};
    toPicture.insert(toPicture.end(), options.begin(), options.end());
    toDocument.insert(toDocument.end(), options.begin(), options.end());
    ASSERT_EQ(runCliInProcess(toPicture).exitCode, 0);
    ASSERT_EQ(runCliInProcess(toDocument).exitCode, 0);
    EXPECT_EQ(readBytes(path("sheet.PBL")).rfind("\"0100\"\r\n1\r\n2\r\n1\r\n420297\r\n", 0), 0u);
    ASSERT_EQ(runCliInProcess({"render", path("sheet.PBL"), "-o", path("rendered.png")}).exitCode, 0);
    const QImage direct(QString::fromStdString(path("direct.png")));
    const QImage rendered(QString::fromStdString(path("rendered.png")));
    EXPECT_EQ(direct.size(), QSize(1588, 1123));
    EXPECT_TRUE(direct == rendered);
}

TEST_F(PlotDocumentTest, LabelsAndTitlesTooLargeForThePaperAreRefused)
{
    std::string header;
    std::string row;
    for (int column = 0; column < 60; ++column) {
        header += (column == 0 ? "" : ",") + std::string("長い系列名 ") + std::to_string(column);
        row += (column == 0 ? "" : ",") + std::to_string(column);
    }
    const std::string csv = writeBytes(path("many.csv"), header + "\n" + row + "\n" + row + "\n");
    const auto run = runCliInProcess({"plot", "--labels", "--paper", "148210", "-o", path("many.pbl"), csv});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("詳細ラベルが多すぎて用紙に収まりません。"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(path("many.pbl")));

    std::string title;
    for (int word = 0; word < 40; ++word) {
        title += "見出し ";
    }
    const auto wide = runCliInProcess({"plot", "--title", title, "-o", path("wide.pbl"), csv});
    EXPECT_EQ(wide.exitCode, 1);
    EXPECT_NE(wide.err.find("見出しが長すぎて用紙の幅に収まりません。"), std::string::npos) << wide.err;
    std::string lines = "1";
    for (int line = 2; line <= 30; ++line) {
        lines += "\n" + std::to_string(line);
    }
    const auto tall = runCliInProcess({"plot", "--title", lines, "-o", path("tall.pbl"), csv});
    EXPECT_EQ(tall.exitCode, 1);
    EXPECT_NE(tall.err.find("見出しが長すぎて、グラフを描く場所が用紙に残りません。"), std::string::npos) << tall.err;
    EXPECT_FALSE(std::filesystem::exists(path("wide.pbl")));
    EXPECT_FALSE(std::filesystem::exists(path("tall.pbl")));
}

TEST_F(PlotDocumentTest, ANameTheDocumentCannotHoldIsReported)
{
    const std::string csv = writeBytes(path("e.csv"), "Café\n1\n2\n");
    const auto run = runCliInProcess({"plot", "--labels", "-o", path("e.pbl"), csv});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("\"é\" (U+00E9)"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(path("e.pbl")));
}

TEST_F(PlotDocumentTest, NewUsageErrorsExitWithTwo)
{
    const std::string csv = writeBytes(path("u.csv"), "1\n2\n");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"plot", "--format", "", "-o", path("u.pbl"), csv},
             {"plot", "--title", "-o", path("u.pbl"), csv},
             {"plot", "--labels=yes", "-o", path("u.pbl"), csv},
             {"plot", "-o", path("u.pbl.txt"), csv},
         }) {
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments[1];
    }
    EXPECT_FALSE(std::filesystem::exists(path("u.pbl")));
}

}  // namespace
}  // namespace probel
