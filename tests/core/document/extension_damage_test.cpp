// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/sheet_reader.h"
#include "core/util/error_text.h"
#include "sheet_documents.h"

namespace probel {
namespace {

// The example document (61 lines) followed by `block`, its first line being line 62.
std::string exampleWithBlock(const std::vector<std::string>& block)
{
    return test::exampleBytes() + test::cp932(test::crlfText(block));
}

// A block of the example: the header, then `records` from line 63 on.
std::string records(const std::vector<std::string>& lines)
{
    std::vector<std::string> block = {"ProbelExtension 1"};
    block.insert(block.end(), lines.begin(), lines.end());
    return exampleWithBlock(block);
}

struct Damage {
    const char* what;
    std::string bytes;
    int line;
    std::string message;
};

TEST(ExtensionDamageTest, DamagedBlocksAreRefusedWithTheirLine)
{
    const std::vector<Damage> cases = {
        {"header without version", exampleWithBlock({"ProbelExtension"}), 62,
         "拡張ブロックの見出し「ProbelExtension」が正しくありません（「ProbelExtension 1」が必要です）"},
        {"version that is no number", exampleWithBlock({"ProbelExtension 1.0"}), 62, "見出し「ProbelExtension 1.0」"},
        {"version zero", exampleWithBlock({"ProbelExtension 0"}), 62, "見出し「ProbelExtension 0」"},
        {"header with more words", exampleWithBlock({"ProbelExtension 1 graph 1 band=none"}), 62, "見出し"},
        {"newer version", exampleWithBlock({"", "ProbelExtension 2"}), 63,
         "拡張ブロックの版 2 はこのプログラムでは読めません（読めるのは版 1 までです）"},
        {"record before the header", exampleWithBlock({"graph 1 band=none"}), 62,
         "文書の終わりに余分なデータ「graph 1 band=none」があります"},
        {"record without a value", records({"graph 1 band"}), 63,
         "拡張ブロックの「graph 1 band」に「名前=値」がありません"},
        {"empty value", records({"graph 1 band=  "}), 63, "拡張ブロックの「graph 1 band」の値が空です"},
        {"record without an object", records({"band=none"}), 63, "「band」に設定の対象がありません"},
        {"name that is no name", records({"graph 1 1band=none"}), 63, "「=」の前に設定の名前"},
        {"blank before the equals sign", records({"graph 1 band =none"}), 63, "「=」の前に設定の名前"},
        {"quote inside a bare value", records({"graph 1 note=a\"b\""}), 63, "値の途中に「\"」があります"},
        {"unterminated title", records({"graph 1 title=\"月報", "", "graph 1 band=none"}), 63,
         "拡張ブロックの「graph 1 title」の文字列に終わりの \" がありません"},
        {"text after a closing quote", records({"graph 1 title=\"月\r\n報\" x"}), 64,
         "「graph 1 title」の文字列の後に余分な「x」があります"},
        {"lines of a title count", records({"graph 1 title=\"a\r\nb\nc\"", "graph 1 bandLevel=42"}), 66,
         "グラフ 1 の信頼帯の信頼水準に90、95、99 のどれかが必要ですが、「42」があります"},
        {"band level out of range", records({"graph 1 bandLevel=42"}), 63, "信頼帯の信頼水準に90、95、99 のどれか"},
        {"band level as a fraction", records({"graph 1 bandLevel=95.0"}), 63, "「95.0」があります"},
        {"unknown band", records({"graph 1 band=wide"}), 63,
         "グラフ 1 の信頼帯にnone、pointwise、simultaneous のどれかが必要ですが、「wide」"},
        {"quoted band", records({"graph 1 band=\"pointwise\""}), 63, "文字列 \"pointwise\" があります"},
        {"unknown sigma divisor", records({"series 1 1 sigma=n-2"}), 63,
         "グラフ 1 のデータ 1 のσ の分母にn、n-1 のどれかが必要ですが、「n-2」"},
        {"unknown paper", records({"graph 1 paper=lognormal"}), 63, "グラフ 1 の確率紙にnormal、weibull のどれか"},
        {"unknown Weibull fit", records({"graph 1 fit=lsq"}), 63,
         "グラフ 1 のワイブルの当てはめにmle、regression のどれか"},
        {"unknown plotting positions", records({"graph 1 positions=median"}), 63,
         "グラフ 1 のプロット位置にweibull、benard、blom、hazen のどれかが必要ですが、「median」"},
        {"unknown legend corner", records({"graph 1 legend=centre"}), 63,
         "グラフ 1 の凡例の位置にnone、topLeft、topRight、bottomLeft、bottomRight のどれか"},
        {"percentage of 0", records({"graph 1 percentiles=0 50"}), 63,
         "グラフ 1 の累積確率の線に0 より大きく 100 より小さい数値の並びが必要ですが、「0 50」"},
        {"percentage of 100", records({"graph 1 percentiles=50 100"}), 63, "「50 100」"},
        {"percentage that is no number", records({"graph 1 percentiles=50 nan"}), 63, "「50 nan」"},
        // Saved with 15 digits it would be 100.
        {"percentage just below 100", records({"graph 1 percentiles=99.99999999999999"}), 63, "「99.99999999999999」"},
        {"Boolean in lower case", records({"graph 1 specLines=#true#"}), 63,
         "グラフ 1 の規格線に#TRUE# か #FALSE# が必要ですが、「#true#」"},
        {"quoted Boolean", records({"series 1 1 cpk=\"#TRUE#\""}), 63,
         "グラフ 1 のデータ 1 のCpk の表示に#TRUE# か #FALSE# が必要ですが、文字列 \"#TRUE#\""},
        {"bare title", records({"graph 1 title=月報"}), 63,
         "グラフ 1 の表題に「\"」で囲んだ文字列が必要ですが、「月報」"},
        {"frame as a number", records({"label 1 frame=1"}), 63, "テキスト 1 の枠の表示に#TRUE# か #FALSE# "},
        {"setting given twice", records({"graph 1 band=pointwise", "label 1 frame=#TRUE#", "graph 1 band=pointwise"}),
         65, "グラフ 1 の信頼帯が 2 度あります"},
        {"graph that does not exist", records({"graph 2 specLines=#TRUE#"}), 63,
         "拡張ブロックの「graph 2 specLines」のグラフ 2 はありません"},
        {"series that does not exist", records({"series 1 2 cpk=#TRUE#"}), 63, "のグラフ 1 のデータ 2 はありません"},
        {"text label that does not exist", records({"label 2 frame=#TRUE#"}), 63, "のテキスト 2 はありません"},
        {"graph number zero", records({"graph 0 gridOpacity=1"}), 63,
         "「graph 0 gridOpacity」の対象が正しくありません（「graph i」の形で、番号は 1 以上の整数です）"},
        {"graph without number", records({"graph band=none"}), 63, "「graph i」の形"},
        {"series with one number", records({"series 1 cpk=#TRUE#"}), 63, "「series i j」の形"},
        {"sheet with a number", records({"sheet 1 x=1"}), 63, "の対象が正しくありません（「sheet」だけです）"},
        {"byte outside code page 932", test::exampleBytes() + "ProbelExtension 1\r\nsheet note=\"\x80\"\r\n", 63,
         "拡張ブロックの「sheet note」を読めません: Shift_JIS として読めないバイト"},
    };
    for (const Damage& one : cases) {
        const auto result = readSheetBytes(one.bytes, "/tmp/lot.pbl");
        ASSERT_FALSE(result.ok()) << one.what;
        const Error& error = result.error();
        const std::string shown = errorText(error);
        EXPECT_EQ(error.file, "/tmp/lot.pbl") << one.what;
        EXPECT_EQ(error.line, one.line) << one.what << ": " << shown;
        EXPECT_NE(error.message.find(one.message), std::string::npos) << one.what << ": " << shown;
        EXPECT_EQ(shown.rfind("/tmp/lot.pbl を読み込めません（" + std::to_string(one.line) + " 行目）: ", 0), 0U)
            << one.what << ": " << shown;
    }
}

TEST(ExtensionDamageTest, RecordsOfAnotherVersionAreKeptNotJudged)
{
    // Names this version does not know, on objects of any kind and whether they exist or not,
    // and values of any form: kept for the version that wrote them.
    const auto sheet =
        readSheetBytes(records({"graph 7 shade=\"x\ny\"", "chart 1 2 3 a=b c", "label 9 frame2=1"}), "a");
    ASSERT_TRUE(sheet.ok()) << sheet.error().message;
    EXPECT_EQ(sheet.value()->unknownExtensionRecords,
              (std::vector<std::string>{"graph 7 shade=\"x\r\ny\"", "chart 1 2 3 a=b c", "label 9 frame2=1"}));
}

}  // namespace
}  // namespace probel
