// SPDX-License-Identifier: MIT
#pragma once

// Documents for the reader and writer tests: the example sheet of docs/pbl-format.md (a golden
// file, data/example.pbl; regenerate it by encoding the 61 lines of that example, without the
// line numbers and notes, as CP932 with CR LF line ends) and sheets built in code.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/atomic_file.h"
#include "core/document/cp932.h"
#include "core/sheet/chart_sheet.h"

namespace probel::test {

inline std::string dataPath(std::string_view name)
{
    return std::string(PROBEL_SOURCE_DIR) + "/tests/core/document/data/" + std::string(name);
}

inline std::string exampleBytes()
{
    const Result<std::string> bytes = readWholeFile(dataPath("example.pbl"));
    EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().message);
    return bytes.ok() ? bytes.value() : std::string();
}

// The lines of a CR LF text, without their line ends.
inline std::vector<std::string> crlfLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::string crlfText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

inline std::string cp932(std::string_view utf8)
{
    const Result<std::string> bytes = encodeCp932(utf8);
    EXPECT_TRUE(bytes.ok());
    return bytes.ok() ? bytes.value() : std::string();
}

// A sheet that uses every kind of field: graphs numbered 2 and 5 (1, 3 and 4 deleted), a
// logarithmic axis, a graph without series, detail labels with multi-line captions, Japanese
// and empty texts, and two text labels.
inline std::unique_ptr<ChartSheet> richSheet()
{
    auto sheet = std::make_unique<ChartSheet>();
    sheet->myFormType = 297420;
    for (int i = 0; i < 5; ++i) {
        sheet->addGraph();
    }
    for (const std::int32_t gone : {1, 3, 4}) {
        sheet->removeGraph(gone);
    }
    NormoBp& linear = *sheet->graph(2);
    linear.setFrameColor(0x00FF00);
    linear.setFrameDrawStyle(1);
    linear.setFrameLeft(33);
    linear.setFrameTop(-7);
    linear.setFrameWidth(401);
    linear.setFrameHeight(299);
    linear.setBunnkatu(8);
    linear.setLineColor(12632256);
    linear.setLineDrawStyle(3);
    linear.setMax(37.5);
    linear.setMin(-0.25);
    linear.setMemoriCheck(true);
    linear.setXJikuStep(2);
    linear.setTanni("ｋｇ/m2");
    linear.setFontName("IPAGothic");
    linear.setFontSize(11);
    linear.setFontItalic(true);
    linear.setForeColor(-2147483640);
    for (const std::int32_t id : {1, 3}) {
        NormoData& series = linear.data().add();
        series.setIniData({0.5, -0.25, 1234.5, 1E+16, 2.5E-07, 6000});
        series.setId(id);
        series.setColor(255 * id);
        series.setComment(id == 1 ? "試料A ～ ①" : "");
        series.setCpFormat("0.0E+0");
        series.setCpOption(id);
        series.setHeikinFormat("0.##");
        series.setMrk("○");
        series.setMrkSize(10);
        series.setMax(10);
        series.setMin(0.001);
        series.setTag("01010");
        series.setLabel(true);
        ChartLabel& label = sheet->addSLabel(ChartSheet::detailLabelIndex(2, id));
        label.caption = "○:試料A\r\n平均 : 2.13\r\nσ    : 0.5";
        label.left = 412.25F;
        label.top = 17;
        label.font.size = 10.5;
        label.font.underline = true;
        label.foreColor = 0xFF0000;
        label.visible = true;
    }
    linear.data().item(2).setVisible(false);
    linear.data().item(2).setLineVisible(false);

    NormoBp& logarithmic = *sheet->graph(5);
    logarithmic.setLogV(true);
    logarithmic.setMax(1000);
    logarithmic.setMin(0.01);
    logarithmic.setFrameWidth(2);
    logarithmic.setFrameHeight(2);
    logarithmic.data().add().setIniData({3});
    logarithmic.data().item(1).setId(7);

    NormoBp& empty = *sheet->graph(sheet->addGraph());  // S1 again, last in collection order
    empty.setFrameWidth(100);
    empty.setFrameHeight(80);

    for (const char* caption : {"ロットB", "二行の\r\nテキスト"}) {
        ChartLabel& label = *sheet->comLabel(sheet->addComLabel());
        label.caption = caption;
        label.left = 10;
        label.top = 1.5F;
        label.font.bold = true;
        label.font.strikethru = true;
        label.tag = "1";
        label.visible = true;
    }
    return sheet;
}

}  // namespace probel::test
