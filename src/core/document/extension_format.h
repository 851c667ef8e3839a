// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// The words of a document's extension block (docs/pbl-format.md, Extension block): the
// settings the earlier program has no field for, after the last text label, where that
// program never reads. Shared by the block's writer and reader.
namespace probel::extension_format {

// The block's first line: this word, a space and the version.
inline constexpr std::string_view kHeaderWord = "ProbelExtension";
inline constexpr int kVersion = 1;

// The objects a record is about, each followed by its numbers.
inline constexpr std::string_view kSheet = "sheet";
inline constexpr std::string_view kGraph = "graph";    // graph i
inline constexpr std::string_view kSeries = "series";  // series i j
inline constexpr std::string_view kLabel = "label";    // label k (a text label)

// Settings of a graph.
inline constexpr std::string_view kSpecLines = "specLines";
inline constexpr std::string_view kBand = "band";
inline constexpr std::string_view kBandLevel = "bandLevel";
inline constexpr std::string_view kPercentiles = "percentiles";
inline constexpr std::string_view kLegend = "legend";
inline constexpr std::string_view kTitle = "title";
inline constexpr std::string_view kBeyondAxisMarks = "beyondAxisMarks";
inline constexpr std::string_view kPositions = "positions";
inline constexpr std::string_view kPaper = "paper";
inline constexpr std::string_view kFit = "fit";

// Settings of a series: whether it has limits (written only when it has none), what its σ
// divides by, then the capability lines of its detail label.
inline constexpr std::string_view kLimits = "limits";
inline constexpr std::string_view kSigma = "sigma";
inline constexpr std::string_view kCpk = "cpk";
inline constexpr std::string_view kPpmExpected = "ppmExpected";
inline constexpr std::string_view kPpmObserved = "ppmObserved";
inline constexpr std::string_view kNormality = "normality";
inline constexpr std::string_view kCpLowerBound = "cpLowerBound";
inline constexpr std::string_view kCpkLowerBound = "cpkLowerBound";

// Settings of a text label.
inline constexpr std::string_view kFrame = "frame";

// The settings as messages name them.
namespace shown {
inline constexpr std::string_view kSpecLines = "規格線";
inline constexpr std::string_view kBand = "信頼帯";
inline constexpr std::string_view kBandLevel = "信頼帯の信頼水準";
inline constexpr std::string_view kPercentiles = "累積確率の線";
inline constexpr std::string_view kLegend = "凡例の位置";
inline constexpr std::string_view kTitle = "表題";
inline constexpr std::string_view kBeyondAxisMarks = "範囲外の印";
inline constexpr std::string_view kPositions = "プロット位置";
inline constexpr std::string_view kPaper = "確率紙";
inline constexpr std::string_view kFit = "ワイブルの当てはめ";
inline constexpr std::string_view kLimits = "規格の有無";
inline constexpr std::string_view kSigma = "σ の分母";
inline constexpr std::string_view kCpk = "Cpk の表示";
inline constexpr std::string_view kPpmExpected = "推定 ppm の表示";
inline constexpr std::string_view kPpmObserved = "実測 ppm の表示";
inline constexpr std::string_view kNormality = "正規性の検定の表示";
inline constexpr std::string_view kCpLowerBound = "Cp の下側信頼限界の表示";
inline constexpr std::string_view kCpkLowerBound = "Cpk の下側信頼限界の表示";
inline constexpr std::string_view kFrame = "枠の表示";
}  // namespace shown

}  // namespace probel::extension_format
