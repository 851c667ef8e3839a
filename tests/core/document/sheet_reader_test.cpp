// SPDX-License-Identifier: MIT
#include "core/document/sheet_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/document/sheet_writer.h"
#include "core/util/error_text.h"
#include "sheet_documents.h"

namespace probel {
namespace {

using Lines = std::vector<std::string>;

// The example document (61 lines, annotated field by field in docs/pbl-format.md, Example)
// changed by `edit`, which addresses lines 1-based.
std::string exampleWith(const std::function<void(Lines&)>& edit)
{
    Lines lines = test::crlfLines(test::exampleBytes());
    edit(lines);
    return test::crlfText(lines);
}

std::function<void(Lines&)> setLine(std::size_t line, std::string text)
{
    return [line, text](Lines& lines) { lines.at(line - 1) = text; };
}

std::function<void(Lines&)> keepLines(std::size_t count)
{
    return [count](Lines& lines) { lines.resize(count); };
}

// The example with a detail label after its series (line 50 = D20 Label, 51-60 = E1 .. E10).
std::function<void(Lines&)> withDetailLabel(std::function<void(Lines&)> then = {})
{
    return [then](Lines& lines) {
        lines.at(49) = "#TRUE#";
        const Lines label = {
            "300",     "6000",    "\"IPAGothic\"", "9.75", "#TRUE#",
            "#FALSE#", "#FALSE#", "#FALSE#",       "255",  "\"" + test::cp932("○:試料A\r\n平均 : 2") + "\""};
        lines.insert(lines.begin() + 50, label.begin(), label.end());
        if (then) {
            then(lines);
        }
    };
}

struct Damage {
    const char* what;
    std::string bytes;
    int line;
    std::string message;
};

TEST(SheetReaderTest, DamagedDocumentsAreRefusedNamingFileLineAndFault)
{
    const std::vector<Damage> cases = {
        {"empty file", "", 1, "ファイルが途中で終わっています（グラフの数がありません）"},
        {"version only", "\"0100\"\r\n", 2, "グラフの数がありません"},
        {"truncated in the values", exampleWith(keepLines(30)), 29,
         "グラフ 1 のデータ 1 の値の個数が 3 ですが、ファイルの残りにはそれだけのデータがありません"},
        {"truncated before the last caption", exampleWith(keepLines(60)), 61, "テキスト 1 の内容がありません"},
        {"missing frame field", exampleWith([](Lines& l) { l.erase(l.begin() + 9); }), 14,
         "グラフ 1 の目盛り線の線種に整数が必要ですが、「#FALSE#」があります"},
        {"extra value", exampleWith([](Lines& l) { l.insert(l.begin() + 29, "1.5"); }), 34,
         "グラフ 1 のデータ 1 のコメントに「\"」で囲んだ文字列が必要ですが、「255」があります"},
        {"extra field at the end", exampleWith([](Lines& l) { l.push_back("0"); }), 62,
         "文書の終わりに余分なデータ「0」があります"},
        {"extra text after blank lines", test::exampleBytes() + "\r\n\r\n  x y", 64, "余分なデータ「x y」"},
        {"text for a number", exampleWith(setLine(7, "\"0\"")), 7,
         "グラフ 1 の枠の線種に整数が必要ですが、文字列 \"0\" があります"},
        {"malformed real", exampleWith(setLine(31, "2.0.1")), 31,
         "グラフ 1 のデータ 1 の値 2に数値が必要ですが、「2.0.1」"},
        {"infinity", exampleWith(setLine(31, "inf")), 31, "値 2に数値が必要ですが、「inf」"},
        {"NaN", exampleWith(setLine(16, "NaN")), 16, "グラフ 1 の最大値に数値が必要ですが、「NaN」"},
        {"hexadecimal", exampleWith(setLine(30, "0x1p3")), 30, "「0x1p3」"},
        {"real beyond the double range", exampleWith(setLine(30, "1E+400")), 30, "値 1に数値が必要"},
        {"real too small for a double", exampleWith(setLine(30, "1E-400")), 30, "値 1に数値が必要"},
        {"double sign", exampleWith(setLine(30, "+-1")), 30, "値 1に数値が必要"},
        {"Boolean in lower case", exampleWith(setLine(15, "#false#")), 15,
         "グラフ 1 の対数軸に#TRUE# か #FALSE# が必要ですが、「#false#」"},
        {"Boolean as a number", exampleWith(setLine(18, "1")), 18, "グラフ 1 の確率目盛りの表示に#TRUE# か #FALSE# "},
        {"quoted Boolean", exampleWith(setLine(18, "\"#TRUE#\"")), 18, "文字列 \"#TRUE#\" があります"},
        {"fraction in a count", exampleWith(setLine(3, "1.0")), 3,
         "グラフ 1 のデータ系列の数に整数が必要ですが、「1.0」"},
        {"count beyond 32 bits", exampleWith(setLine(2, "2147483648")), 2, "グラフの数の「2147483648」は大きすぎます"},
        {"integer property beyond 32 bits", exampleWith(setLine(13, "2147483648")), 13,
         "グラフ 1 の目盛り線の色の「2147483648」は大きすぎます"},
        {"integer property rounding beyond 32 bits", exampleWith(setLine(13, "2147483647.5")), 13, "は大きすぎます"},
        {"frame beyond 32-bit pixels", exampleWith(setLine(8, "1E+12")), 8,
         "グラフ 1 の枠の幅の「1E+12」は大きすぎます"},
        {"label position beyond single precision", exampleWith(setLine(52, "1E+39")), 52,
         "テキスト 1 の上端の「1E+39」は大きすぎます"},
        {"series count does not match", exampleWith(setLine(3, "2")), 55,
         "グラフ 1 のデータ 2 のCp の書式に「\"」で囲んだ文字列が必要ですが、「9」"},
        {"graph count does not match", exampleWith(setLine(2, "2")), 6, "用紙サイズのコード 0 は使えません"},
        {"label count does not match", exampleWith(setLine(51, "2")), 62, "テキスト 2 の上端がありません"},
        {"huge graph count", exampleWith(setLine(2, "2000000000")), 2,
         "グラフの数が 2000000000 ですが、ファイルの残りにはそれだけのデータがありません"},
        {"huge series count", exampleWith(setLine(3, "100000")), 3, "グラフ 1 のデータ系列の数が 100000 ですが"},
        {"huge value count", exampleWith(setLine(29, "2000000000")), 29,
         "グラフ 1 のデータ 1 の値の個数が 2000000000 ですが"},
        {"huge label count", exampleWith(setLine(51, "99999")), 51, "テキストの数が 99999 ですが"},
        {"negative graph count", exampleWith(setLine(2, "-1")), 2, "グラフの数が -1 です。負の数は使えません。"},
        {"series without values", exampleWith(setLine(29, "0")), 29,
         "グラフ 1 のデータ 1 の値の個数が 0 です。値のないデータは読み込めません。"},
        {"byte outside code page 932", exampleWith(setLine(34, "\"\x80\"")), 34,
         "グラフ 1 のデータ 1 のコメントを読めません: Shift_JIS として読めないバイト"},
        {"lead byte cut by the quote", exampleWith(setLine(34, "\"\x83\"")), 34, "Shift_JIS の文字の途中"},
        {"unterminated last caption", exampleWith(setLine(61, "\"" + test::cp932("ロットB"))), 61,
         "テキスト 1 の内容の文字列に終わりの \" がありません"},
        {"unterminated comment swallows a line", exampleWith(setLine(34, "\"" + test::cp932("試料A"))), 35,
         "グラフ 1 のデータ 1 のコメントの文字列の後に余分な「0.##\"」があります"},
        {"text after a closing quote", exampleWith(setLine(21, "\"mm\" cm")), 21,
         "グラフ 1 の単位の文字列の後に余分な「cm」"},
        {"unquoted text", exampleWith(setLine(21, "mm")), 21,
         "グラフ 1 の単位に「\"」で囲んだ文字列が必要ですが、「mm」があります"},
        {"empty number field", exampleWith(setLine(12, "")), 12, "グラフ 1 の分割数が空です（整数が必要です）"},
        // A quoted field is cut at 40 bytes of the message's UTF-8, not of the file's bytes,
        // and a control character never reaches the terminal.
        {"long text where a number belongs",
         exampleWith(
             setLine(12, "\"" + test::cp932("値値値値値値値値値値値値値値値値値値値値値値値値値値値値値値") + "\"")),
         12, "グラフ 1 の分割数に整数が必要ですが、文字列 \"値値値値値値値値値値値値値…\" があります"},
        {"control character where a number belongs", exampleWith(setLine(12, "1\x1b[2J")), 12,
         "グラフ 1 の分割数に整数が必要ですが、「1?[2J」があります"},
        {"lines of a text count", exampleWith([](Lines& l) {
             l.at(33) = "\"" + test::cp932("試\r\n料\nA") + "\"";
             l.at(35) = "abc";
         }),
         38, "グラフ 1 のデータ 1 のCp の種類に整数が必要ですが、「abc」"},
        {"lines of a caption count", exampleWith([](Lines& l) {
             l.at(60) = "\"" + test::cp932("ロット\r\nB") + "\"";
             l.push_back("#");
         }),
         63, "余分なデータ「#」"},
        {"paper code too short", exampleWith(setLine(5, "999")), 5, "用紙サイズのコード 999 は使えません"},
        {"paper without height", exampleWith(setLine(5, "210000")), 5, "用紙サイズのコード 210000 は使えません"},
        {"detail label record missing", exampleWith(setLine(50, "#TRUE#")), 53,
         "グラフ 1 のデータ 1 の詳細ラベルのフォント名に「\"」で囲んだ文字列が必要ですが、「4500」"},
        {"detail label colour damaged", exampleWith(withDetailLabel(setLine(59, "red"))), 59,
         "グラフ 1 のデータ 1 の詳細ラベルの文字色に整数が必要ですが、「red」"},
        {"byte order mark", "\xEF\xBB\xBF" + test::exampleBytes(), 1, "グラフの数に整数が必要ですが"},
    };
    for (const Damage& one : cases) {
        const auto result = readSheetBytes(one.bytes, "/home/user/lot 7.pbl");
        ASSERT_FALSE(result.ok()) << one.what;
        const Error& error = result.error();
        EXPECT_EQ(error.file, "/home/user/lot 7.pbl") << one.what;
        const std::string shown = errorText(error);
        EXPECT_EQ(error.line, one.line) << one.what << ": " << shown;
        EXPECT_NE(shown.find(one.message), std::string::npos) << one.what << ": " << shown;
        const std::string place = "/home/user/lot 7.pbl を読み込めません（" + std::to_string(one.line) + " 行目）: ";
        EXPECT_EQ(shown.rfind(place, 0), 0U) << one.what << ": " << shown;
        // The message is the reason alone; the file and line are data.
        EXPECT_EQ(shown, place + error.message) << one.what;
    }
}

TEST(SheetReaderTest, EachReaderTakesOnlyItsOwnLayout)
{
    const auto old = readOldSheetFileBytes(test::exampleBytes(), "a.pbl");
    ASSERT_FALSE(old.ok());
    EXPECT_EQ(old.error().line, 1);
    EXPECT_NE(old.error().message.find("グラフの数に整数が必要ですが、文字列 \"0100\""), std::string::npos);

    // A newer version text is taken for the old layout, whose first field must be a count.
    const auto newer = readSheetBytes(exampleWith(setLine(1, "\"0200\"")), "a.pbl");
    ASSERT_FALSE(newer.ok());
    EXPECT_EQ(newer.error().line, 1);
}

struct Accepted {
    const char* what;
    std::function<void(Lines&)> edit;
    std::function<void(const ChartSheet&)> check;
};

TEST(SheetReaderTest, FieldsAreConvertedAsTheirPropertiesConvertThem)
{
    const auto bunnkatu = [](std::int32_t expected) {
        return [expected](const ChartSheet& sheet) { EXPECT_EQ(sheet.graph(1)->bunnkatu(), expected); };
    };
    const auto width = [](std::int32_t expected) {
        return [expected](const ChartSheet& sheet) { EXPECT_EQ(sheet.graph(1)->frameWidth(), expected); };
    };
    const auto labels = [](std::size_t expected) {
        return [expected](const ChartSheet& sheet) { EXPECT_EQ(sheet.comLabels().size(), expected); };
    };
    const auto firstValue = [](double expected) {
        return [expected](const ChartSheet& sheet) {
            EXPECT_EQ(sheet.graph(1)->dataIfAny()->item(1).iniValues().front(), expected);
        };
    };
    const std::vector<Accepted> cases = {
        {"half in an integer property rounds to even", setLine(12, "10.5"), bunnkatu(10)},
        {"other half rounds up to even", setLine(12, "11.5"), bunnkatu(12)},
        {"exponent in an integer property", setLine(12, "1E+1"), bunnkatu(10)},
        {"plus sign", setLine(12, "+7"), bunnkatu(7)},
        {"blanks around a number", setLine(12, " \t7  "), bunnkatu(7)},
        {"frame half pixel rounds to even", setLine(8, "6007.5"), width(400)},
        {"other frame half pixel", setLine(8, "6022.5"), width(402)},
        {"tiny frame kept at two pixels", setLine(8, "0"), width(2)},
        {"first label count ignored (more)", setLine(4, "5"), labels(1)},
        {"first label count ignored (none)", setLine(4, "0"), labels(1)},
        {"first label count ignored (negative)", setLine(4, "-3"), labels(1)},
        {"no text labels",
         [](Lines& l) {
             l.resize(50);
             l.push_back("0");
         },
         labels(0)},
        {"leading point", setLine(30, ".5"), firstValue(0.5)},
        {"negative leading point", setLine(30, "-.25"), firstValue(-0.25)},
        {"trailing point", setLine(30, "5."), firstValue(5)},
        {"lower-case exponent", setLine(30, "2.5e-7"), firstValue(2.5E-07)},
        {"largest double's text", setLine(30, "-1.79769313486232E+308"),
         firstValue(-std::numeric_limits<double>::max())},
        {"colour below zero", setLine(60, "-2147483648"),
         [](const ChartSheet& sheet) { EXPECT_EQ(sheet.comLabel(1)->foreColor, INT32_MIN); }},
        {"LF inside a text becomes CR LF", setLine(61, "\"" + test::cp932("a\nb\r\nc") + "\""),
         [](const ChartSheet& sheet) { EXPECT_EQ(sheet.comLabel(1)->caption, "a\r\nb\r\nc"); }},
        {"detail label", withDetailLabel(),
         [](const ChartSheet& sheet) {
             const ChartLabel* label = sheet.sLabel(101);
             ASSERT_NE(label, nullptr);
             EXPECT_EQ(label->top, 20);
             EXPECT_EQ(label->left, 400);
             EXPECT_EQ(label->font, (CanvasFont{"IPAGothic", 9.75, true, false, false, false}));
             EXPECT_EQ(label->foreColor, 255);
             EXPECT_EQ(label->caption, "○:試料A\r\n平均 : 2");
             EXPECT_TRUE(label->visible);
             EXPECT_EQ(sheet.sLabels().size(), 1U);
         }},
        {"single precision positions", withDetailLabel(setLine(51, "100")),
         [](const ChartSheet& sheet) { EXPECT_EQ(sheet.sLabel(101)->top, static_cast<float>(100.0 / 15)); }},
    };
    for (const Accepted& one : cases) {
        SCOPED_TRACE(one.what);
        const auto result = readSheetBytes(exampleWith(one.edit), "a.pbl");
        ASSERT_TRUE(result.ok()) << result.error().message;
        one.check(*result.value());
    }
}

TEST(SheetReaderTest, OldLayoutWithTwoGraphsStartsWithTwo)
{
    ChartSheet sheet;
    sheet.addGraph();
    sheet.addGraph();
    sheet.graph(2)->data().add().setIniData({1, 2});
    const auto written = sheetFileBytes(sheet);
    ASSERT_TRUE(written.ok());
    const std::string old = written.value().substr(std::string("\"0100\"\r\n").size());
    ASSERT_EQ(old.substr(0, 3), "2\r\n");
    const auto read = readSheetBytes(old, "old.pbl");
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read.value()->myNormo().count(), 2);
    EXPECT_EQ(read.value()->graph(2)->dataIfAny()->item(1).iniValues(), (std::vector<double>{1, 2}));
}

}  // namespace
}  // namespace probel
