// SPDX-License-Identifier: MIT
// What the graph's analysis writes above its frame (limit values, the graph's title) gets room
// on the plotted sheet, clear of every label and on the paper.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cli/gui_application.h"
#include "cli_files.h"
#include "core/document/sheet_reader.h"
#include "core/graph/graph_renderer.h"
#include "core/graph/normo_bp.h"
#include "core/sheet/chart_sheet.h"
#include "platform/canvas/qt_text_metrics.h"
#include "platform/canvas/svg_page.h"
#include "platform/canvas/text_measuring_canvas.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::runCliInProcess;

struct Box {
    double left, top, right, bottom;
};

// Measures as the sheet is drawn and keeps the box of every text drawn (markers aside).
class TextBoxCanvas : public TextMeasuringCanvas {
public:
    using TextMeasuringCanvas::TextMeasuringCanvas;
    void drawText(PointF at, std::string_view text) override
    {
        boxes.push_back(Box{at.x, at.y, at.x + textWidth(text), at.y + textHeight(text)});
    }
    std::vector<Box> boxes;
};

// `columns` series around 10, each column named `name` and its number.
std::string table(int columns, const std::string& name)
{
    std::string csv;
    for (int row = -1; row < 6; ++row) {
        for (int column = 0; column < columns; ++column) {
            csv += column == 0 ? "" : ",";
            csv += row < 0 ? name + std::to_string(column) : std::to_string(9.8 + 0.05 * column + 0.1 * row);
        }
        csv += "\n";
    }
    return csv;
}

TEST(PlotAnalysisLayoutTest, TextsAboveTheFrameStayClearOfTheLabels)
{
    test::TemporaryFolder folder;
    // Labels beside the graph (on a small lying paper too), below it (too wide for beside), none.
    const std::vector<std::tuple<int, std::string, const char*, bool>> cases = {
        {4, "Lot ", "210297", true},
        {6, "系列", "210148", true},
        {3, "第一工場 第三ライン 夜間直 抜き取り検査 外径測定値 (mm) ", "210297", true},
        {2, "Lot ", "210297", false}};
    for (const auto& [columns, name, paper, labels] : cases) {
        const std::string input = test::writeBytes(folder.path("in.csv"), table(columns, name));
        std::vector<std::string> arguments = {"plot", "-o", folder.path("out.pbl"), "--paper", paper, input};
        for (const char* option : {"--title=見出し", "--graph-title=表題\n二行目", "--lower=9.75", "--upper=10.6",
                                   "--spec-lines", labels ? "--labels" : "--beyond-axis"}) {
            arguments.push_back(option);
        }
        const auto run = runCliInProcess(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto read = readSheetFile(folder.path("out.pbl"));
        ASSERT_TRUE(read);
        const ChartSheet& sheet = *read.value();
        const NormoBp& graph = *sheet.graph(1);

        cli::ensureGuiApplication();
        QtTextMetrics metrics(kPageDotsPerInch);
        TextBoxCanvas canvas(*sheet.paperSize(), kPageDotsPerInch, metrics);
        std::vector<Box> labelBoxes;
        const auto add = [&](const ChartLabel& label) {
            const LabelExtent extent = labelExtent(label, canvas);
            labelBoxes.push_back(Box{label.left, label.top, label.left + extent.width, label.top + extent.height});
        };
        for (const auto& [index, label] : sheet.sLabels()) {
            add(label);
        }
        for (const auto& [index, label] : sheet.comLabels()) {
            add(label);
        }
        drawGraph(graph, canvas,
                  GraphFrame{graph.frameLeft(), graph.frameTop(), graph.frameWidth(), graph.frameHeight()});
        int above = 0;
        for (const Box& text : canvas.boxes) {
            if (text.bottom > graph.frameTop()) {
                continue;
            }
            ++above;
            EXPECT_GE(text.left, 0) << columns;
            EXPECT_GE(text.top, 0) << columns;
            EXPECT_LE(text.right, sheet.paperSize()->widthPixels) << columns;
            for (const Box& label : labelBoxes) {
                const bool overlap = text.left < label.right && label.left < text.right && text.top < label.bottom &&
                                     label.top < text.bottom;
                EXPECT_FALSE(overlap) << columns << " at " << text.left << ", " << text.top;
            }
        }
        // Two title lines and both limits of every series.
        EXPECT_EQ(above, 2 + 2 * columns);
    }
}

TEST(PlotAnalysisLayoutTest, GraphTitlesThePaperCannotHoldAreRefused)
{
    test::TemporaryFolder folder;
    const std::string input = test::writeBytes(folder.path("in.csv"), table(3, "Lot "));
    std::string wide;
    std::string tall = "1";
    for (int i = 2; i <= 80; ++i) {
        wide += "表題 ";
        tall += "\n" + std::to_string(i);
    }
    for (const auto& [title, message] :
         {std::pair{wide, "表題 (--graph-title) が長すぎて用紙の幅に収まりません。"},
          std::pair{tall, "見出しや表題 (--graph-title) が長すぎて、グラフを描く場所が用紙に残りません。"}}) {
        const auto run = runCliInProcess({"plot", "--graph-title", title, "-o", folder.path("x.pbl"), input});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace probel
