// SPDX-License-Identifier: MIT
// plot's options for what the graph draws over the series and for the series' limits: what
// the document keeps of them, what the picture shows, and what is refused.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "cli_files.h"
#include "core/document/sheet_reader.h"
#include "core/graph/normo_bp.h"
#include "core/sheet/chart_sheet.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::readBytes;
using test::runCliInProcess;

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class PlotAnalysisTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder_.path(name); }

    // Plots the table to `out` with `options`; the document read back when `out` is one.
    std::unique_ptr<ChartSheet> plot(const std::string& out, std::vector<std::string> options)
    {
        options.insert(options.begin(), {"plot", "-o", out, table_});
        const auto run = runCliInProcess(options);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        if (!out.ends_with(".pbl")) {
            return nullptr;
        }
        auto sheet = readSheetFile(out);
        return sheet ? std::move(sheet).value() : nullptr;
    }

    test::TemporaryFolder folder_;
    // A: mean 10.1, σ 0.1414; B: mean 10.14, σ 0.102 (σ of the values, as the program has it).
    std::string table_ =
        test::writeBytes(folder_.path("lots.csv"), "A,B\n9.9,10.1\n10.0,10.2\n10.1,10.0\n10.2,10.3\n10.3,10.1\n");
};

TEST_F(PlotAnalysisTest, TheDocumentKeepsEverySetting)
{
    const auto sheet =
        plot(path("out.pbl"), {"--labels", "--lower", "9.8", "--upper=10.4", "--spec-lines", "--band", "pointwise",
                               "--level", "90", "--percentiles", "1, 50,99.5", "--legend", "top-right", "--graph-title",
                               "表題\n二行目", "--beyond-axis", "--positions", "benard"});
    ASSERT_TRUE(sheet);
    const NormoBp& graph = *sheet->graph(1);
    const GraphAnalysis expected{true,          ConfidenceBand::Pointwise, 90,
                                 {1, 50, 99.5}, LegendCorner::TopRight,    "表題\r\n二行目",
                                 true,          PlottingPositions::Benard};
    EXPECT_EQ(graph.analysis(), expected);
    // The axis holds the limits drawn as well as the values 9.9 … 10.3.
    EXPECT_LE(graph.min(), 9.8);
    EXPECT_GE(graph.max(), 10.4);
    const NormoData& b = graph.dataIfAny()->item(2);
    EXPECT_EQ(b.min(), 9.8);
    EXPECT_EQ(b.max(), 10.4);
    EXPECT_EQ(b.cpOption(), 0);
    EXPECT_EQ(b.tag(), "11111");
    // Φ(2.55) − Φ(−3.33) and 0.6 / (6 × 0.102), as the data dialog shows them.
    EXPECT_EQ(
        sheet->sLabel(102)->caption,
        "△:\r\nB\r\n平均 : 10.14\r\n最小値:10\r\n最大値:10.3\r\nσ    : 0.1\r\nProbel : 99.42%\r\nCp   : 0.98\r\n");
    // Without the options the document has no block for them.
    EXPECT_NE(readBytes(path("out.pbl")).find("ProbelExtension"), std::string::npos);
    plot(path("plain.pbl"), {"--labels"});
    EXPECT_EQ(readBytes(path("plain.pbl")).find("ProbelExtension"), std::string::npos);
}

// A's s = √(0.1/4) = 0.158; its label says s, and Cp reads it: 0.6 / (6 × 0.158) = 0.63.
TEST_F(PlotAnalysisTest, SigmaNMinusOneGoesToEverySeriesAndItsLabel)
{
    const auto sheet =
        plot(path("s.pbl"), {"--labels", "--format", "0.###", "--lower", "9.8", "--upper", "10.4", "--sigma", "n-1"});
    ASSERT_TRUE(sheet);
    const NormoData& a = sheet->graph(1)->dataIfAny()->item(1);
    EXPECT_EQ(a.sigmaDivisor(), SigmaDivisor::CountLessOne);
    EXPECT_EQ(sheet->graph(1)->dataIfAny()->item(2).sigmaDivisor(), SigmaDivisor::CountLessOne);
    const std::string& caption = sheet->sLabel(101)->caption;
    EXPECT_NE(caption.find("s    : 0.158\r\n"), std::string::npos) << caption;
    EXPECT_NE(caption.find("Cp   : 0.632\r\n"), std::string::npos) << caption;
}

TEST_F(PlotAnalysisTest, WeibullPaperHasALogarithmicAxisAndLabelsWithTheFit)
{
    const auto sheet = plot(path("w.pbl"), {"--labels", "--paper-kind", "weibull", "--fit", "regression"});
    ASSERT_TRUE(sheet);
    const NormoBp& graph = *sheet->graph(1);
    EXPECT_EQ(graph.analysis().paperKind, PaperKind::Weibull);
    EXPECT_EQ(graph.analysis().weibullFit, WeibullFitMethod::Regression);
    EXPECT_TRUE(graph.logV());
    const std::string& caption = sheet->sLabel(101)->caption;
    for (const char* line : {"\r\nβ    : ", "\r\nη    : ", "\r\nB10  : ", "\r\nA*   : "}) {
        EXPECT_NE(caption.find(line), std::string::npos) << line << caption;
    }
    const auto refused = runCliInProcess(
        {"plot", "--paper-kind", "weibull", "-o", path("z.png"), test::writeBytes(path("z.csv"), "a\n5\n0\n7\n")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("z.csv:3:1: ワイブル確率紙には 0 以下の値を描けません: データ「a」の値 0"),
              std::string::npos)
        << refused.err;
}

TEST_F(PlotAnalysisTest, OneLimitLeavesTheOtherAtTheAxisEndAndCpReadsItAlone)
{
    // B's Cp: (10.14 − 9.8) / (3σ) and (10.4 − 10.14) / (3σ); no share against the axis end.
    for (const auto& [limit, option, cp] : {std::tuple{"--lower", 2, "1.11"}, std::tuple{"--upper", 1, "0.85"}}) {
        const auto sheet = plot(path("one.pbl"), {limit, option == 2 ? "9.8" : "10.4", "--labels"});
        ASSERT_TRUE(sheet);
        const NormoBp& graph = *sheet->graph(1);
        const NormoData& b = graph.dataIfAny()->item(2);
        EXPECT_EQ(b.cpOption(), option);
        EXPECT_EQ(b.min(), option == 2 ? 9.8 : graph.min());
        EXPECT_EQ(b.max(), option == 1 ? 10.4 : graph.max());
        EXPECT_EQ(b.tag(), "11101");
        EXPECT_EQ(
            sheet->sLabel(102)->caption,
            std::string("△:\r\nB\r\n平均 : 10.14\r\n最小値:10\r\n最大値:10.3\r\nσ    : 0.1\r\nCp   : ") + cp + "\r\n");
    }
    // Without labels the dialog's boxes still offer the limits.
    EXPECT_EQ(plot(path("two.pbl"), {"--lower", "9.8", "--upper", "10.4"})->graph(1)->dataIfAny()->item(1).tag(),
              "00011");
}

TEST_F(PlotAnalysisTest, TheRenderedDocumentIsThePlottedPicture)
{
    const std::vector<std::string> options = {
        "--labels",      "--title",      "見出し",   "--lower",      "9.8",           "--upper",
        "10.4",          "--spec-lines", "--band",   "simultaneous", "--level",       "99",
        "--percentiles", "10,50,90",     "--legend", "bottom-left",  "--graph-title", "外径\n二行目",
        "--beyond-axis", "--min",        "9.7",      "--max",        "10.25"};
    std::filesystem::create_directory(path("direct"));
    std::filesystem::create_directory(path("rendered"));
    plot(path("direct/lots.svg"), options);
    plot(path("lots.pbl"), options);
    ASSERT_EQ(runCliInProcess({"render", path("lots.pbl"), "-o", path("rendered/lots.svg")}).exitCode, 0);
    const std::string direct = readBytes(path("direct/lots.svg"));
    EXPECT_EQ(readBytes(path("rendered/lots.svg")), direct);
    // The lower limit in each series' colour; the upper one lies beyond the axis' end 10.25.
    EXPECT_EQ(occurrences(direct, ">L 9.8</text>"), 2u);
    EXPECT_EQ(occurrences(direct, ">U "), 0u);
    // The title's lines, A's fitted value at 90 % (10.1 + 1.2816 × 0.1414), the count of values
    // beyond the axis' right end (10.3 twice); each name in its detail label and in the legend.
    for (const char* text : {">外径</text>", ">二行目</text>", ">90%</text>", ">10.28</text>", ">2</text>"}) {
        EXPECT_EQ(occurrences(direct, text), 1u) << text;
    }
    EXPECT_EQ(occurrences(direct, ">B</text>"), 2u);
}

TEST_F(PlotAnalysisTest, TheOutputFolderFormTakesTheOptions)
{
    const auto run = runCliInProcess({"plot", "--legend", "top-left", "--upper", "12", "--output-dir", path("out"),
                                      "--output-format", "pbl", table_});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto sheet = readSheetFile(path("out/lots.pbl"));
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet.value()->graph(1)->analysis().legend, LegendCorner::TopLeft);
    EXPECT_EQ(sheet.value()->graph(1)->dataIfAny()->item(1).max(), 12);
}

TEST_F(PlotAnalysisTest, BadValuesAreUsageErrors)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--band", "wide"}, "--band は pointwise か simultaneous にしてください: wide"},
        {{"--level", "95"}, "--level は --band と一緒に指定してください。"},
        {{"--band", "pointwise", "--level", "97"}, "--level は 90, 95, 99 のどれかにしてください: 97"},
        {{"--spec-lines"}, "--spec-lines には規格の下限 --lower か上限 --upper (両方でも) を指定してください。"},
        {{"--lower", "ten"}, "--lower は数値で指定してください: ten"},
        {{"--upper", "1e999"}, "--upper: 数値が大きすぎます"},
        // Equal limits are what a series holds unset: no line would be drawn.
        {{"--lower", "10", "--upper", "10"}, "--lower は --upper より小さくしてください。"},
        {{"--log", "--upper", "0"}, "--upper は対数軸では 0 より大きい数で指定してください: 0"},
        {{"--percentiles", ""}, "--percentiles に百分率 (1,50,99 など) を指定してください。"},
        {{"--percentiles", "1,,99"}, "--percentiles に空の値があります。"},
        {{"--percentiles", "half"}, "--percentiles: 数値ではありません: half"},
        {{"--percentiles", "5,100"}, "--percentiles の値は 0 より大きく 100 より小さくしてください: 100"},
        {{"--percentiles", "99.99999999999999"}, "--percentiles の値は 15 桁に丸めると 100 になります"},
        {{"--percentiles", "50,50.0"}, "--percentiles に同じ値が二度あります: 50.0"},
        {{"--legend", "TopLeft"}, "--legend は top-left, top-right, bottom-left, bottom-right のどれかに"},
        {{"--paper-kind", "gumbel"}, "--paper-kind は normal、weibull のどれかにしてください: gumbel"},
        {{"--fit", "mle"}, "--fit は --paper-kind weibull と一緒に指定してください。"},
        {{"--paper-kind", "weibull", "--fit", "lsq"}, "--fit は mle、regression のどれかにしてください: lsq"},
        {{"--sigma", "n-2"}, "--sigma は n、n-1 のどれかにしてください: n-2"},
        {{"--positions", "median"}, "--positions は weibull、benard、blom、hazen のどれかにしてください: median"},
    };
    for (const auto& [options, message] : cases) {
        std::vector<std::string> arguments = {"plot", "-o", path("u.png"), table_};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 2) << message;
        EXPECT_EQ(run.err.rfind("probel-cli plot: " + message, 0), 0u) << run.err;
        EXPECT_NE(run.err.find("[--graph-title TEXT]"), std::string::npos) << message;
    }
    EXPECT_FALSE(std::filesystem::exists(path("u.png")));
}

}  // namespace
}  // namespace probel
