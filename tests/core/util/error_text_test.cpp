// SPDX-License-Identifier: MIT
#include "core/util/error_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/util/file_errors.h"

namespace probel {
namespace {

struct ShownCase {
    Error error;
    std::string text;
};

// Each action puts the file and place where users of the program and of probel-cli have
// always read them; the message itself never repeats them.
TEST(ErrorTextTest, TheActionPlacesFileAndLine)
{
    const std::vector<ShownCase> cases = {
        {openFileError("/d/a.pbl", "No such file or directory"),
         "ファイルを開けません: /d/a.pbl: No such file or directory"},
        {readFileError("/d/a.pbl", "Input/output error"), "ファイルを読み込めません: /d/a.pbl: Input/output error"},
        {saveFileError("/d/out.png", "PNG 形式に変換できません。"),
         "ファイルを保存できません: /d/out.png: PNG 形式に変換できません。"},
        {Error{"テキスト 1 の内容がありません。", "/d/a.pbl", 61, 0, FileAction::ReadingDocument},
         "/d/a.pbl を読み込めません（61 行目）: テキスト 1 の内容がありません。"},
        {Error{"理由", "/d/a.pbl", 0, 0, FileAction::ReadingDocument}, "/d/a.pbl を読み込めません: 理由"},
        {Error{"グラフ 1 の単位を保存できません: 文字", "/d/a.pbl", 0, 0, FileAction::SavingDocument},
         "/d/a.pbl に保存できません: グラフ 1 の単位を保存できません: 文字"},
        // Tables and streams: the file:line:column form, each part only where it is known.
        {Error{"数値ではありません: \"x\"", "data.csv", 3, 2}, "data.csv:3:2: 数値ではありません: \"x\""},
        {Error{"数値ではありません: \"x\"", "values.txt", 3}, "values.txt:3: 数値ではありません: \"x\""},
        {Error{"ファイルを開けません。", "in.csv", 0, 4}, "in.csv: ファイルを開けません。"},
        {Error{"標準出力に書き込めません。", "", 5, 1}, "標準出力に書き込めません。"},
    };
    for (const ShownCase& one : cases) {
        EXPECT_EQ(errorText(one.error), one.text);
    }
}

}  // namespace
}  // namespace probel
