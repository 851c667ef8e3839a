// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

// The fixed texts and sizes of the .pbl document layout shared by its writer and readers,
// and the names its messages give the fields. docs/pbl-format.md describes the layout and
// numbers the fields (H1 .. H5, G1 .. G23, D1 .. D20, E1 .. E10, T1).
namespace probel::sheet_format {

// The version field of the current layout; older files start with the graph count instead.
inline constexpr std::string_view kVersion = "0100";
inline constexpr std::string_view kLongVersion = "010000";
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kTrue = "#TRUE#";
inline constexpr std::string_view kFalse = "#FALSE#";
inline constexpr char kQuote = '"';

// Blanks a field may have around it, and the bytes that end a line (CR LF, a lone CR, a lone LF).
constexpr bool isFieldBlank(char c)
{
    return c == ' ' || c == '\t';
}
constexpr bool isLineByte(char c)
{
    return c == '\r' || c == '\n';
}
// Texts cannot hold the quote that ends them; it is saved as this look-alike instead.
inline constexpr std::string_view kQuoteStandIn = "\u201D";
inline constexpr int kRealDigits = 15;
inline constexpr int kSingleDigits = 7;

// Fields per record (docs/pbl-format.md, Layout), for checking counts against what a file
// can still hold.
inline constexpr std::int64_t kGraphFields = 23;
inline constexpr std::int64_t kSeriesFieldsBesideValues = 19;  // D1 and D3 .. D20
inline constexpr std::int64_t kLabelFields = 10;
inline constexpr std::int64_t kSmallestSeriesFields = kSeriesFieldsBesideValues + 1;

// Field names in messages.
namespace name {
inline constexpr std::string_view kVersion = "バージョン";
inline constexpr std::string_view kGraphCount = "グラフの数";
inline constexpr std::string_view kSeriesCount = "データ系列の数";
inline constexpr std::string_view kLabelCount = "テキストの数";
inline constexpr std::string_view kPaper = "用紙サイズ";

inline constexpr std::string_view kFrameColor = "枠の色";
inline constexpr std::string_view kFrameDrawStyle = "枠の線種";
inline constexpr std::string_view kFrameWidth = "枠の幅";
inline constexpr std::string_view kFrameHeight = "枠の高さ";
inline constexpr std::string_view kFrameLeft = "枠の左端";
inline constexpr std::string_view kFrameTop = "枠の上端";
inline constexpr std::string_view kBunnkatu = "分割数";
inline constexpr std::string_view kLineColor = "目盛り線の色";
inline constexpr std::string_view kLineDrawStyle = "目盛り線の線種";
inline constexpr std::string_view kLogV = "対数軸";
inline constexpr std::string_view kMax = "最大値";
inline constexpr std::string_view kMin = "最小値";
inline constexpr std::string_view kMemoriCheck = "確率目盛りの表示";
inline constexpr std::string_view kXJikuCheck = "横軸目盛りの表示";
inline constexpr std::string_view kXJikuStep = "横軸目盛りの間隔";
inline constexpr std::string_view kTanni = "単位";
inline constexpr std::string_view kFontName = "フォント名";
inline constexpr std::string_view kFontSize = "フォントサイズ";
inline constexpr std::string_view kFontBold = "太字";
inline constexpr std::string_view kFontItalic = "斜体";
inline constexpr std::string_view kFontStrikethru = "取り消し線";
inline constexpr std::string_view kFontUnderline = "下線";
inline constexpr std::string_view kForeColor = "文字色";

inline constexpr std::string_view kDataCount = "値の個数";
inline constexpr std::string_view kValue = "値";
inline constexpr std::string_view kColor = "色";
inline constexpr std::string_view kComment = "コメント";
inline constexpr std::string_view kCpFormat = "Cp の書式";
inline constexpr std::string_view kCpOption = "Cp の種類";
inline constexpr std::string_view kDrawStyle = "線種";
inline constexpr std::string_view kHeikinFormat = "平均の書式";
inline constexpr std::string_view kProbelFormat = "割合の書式";
inline constexpr std::string_view kLineVisible = "直線の表示";
inline constexpr std::string_view kLogMax = "上限の対数";
inline constexpr std::string_view kLogMin = "下限の対数";
inline constexpr std::string_view kLimitMax = "上限";
inline constexpr std::string_view kLimitMin = "下限";
inline constexpr std::string_view kMrkSize = "マーカーの大きさ";
inline constexpr std::string_view kMrk = "マーカー";
inline constexpr std::string_view kSigumaFormat = "標準偏差の書式";
inline constexpr std::string_view kTag = "タグ";
inline constexpr std::string_view kVisible = "表示";
inline constexpr std::string_view kLabel = "詳細の表示";

inline constexpr std::string_view kTop = "上端";
inline constexpr std::string_view kLeft = "左端";
inline constexpr std::string_view kCaption = "内容";
}  // namespace name

}  // namespace probel::sheet_format
