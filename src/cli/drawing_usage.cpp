// SPDX-License-Identifier: MIT
// The usage of the commands that draw, apart from their code: probel-cli prints them without Qt.
#include "cli/commands.h"

namespace probel::cli {

std::string plotUsage()
{
    return "  probel-cli plot [--log] [--min A] [--max B] [--paper CODE] -o OUT FILE...\n"
           "                  [--labels] [--format F] [--title TEXT] [--unit TEXT]\n"
           "                  [--lower X] [--upper Y] [--spec-lines] [--legend CORNER] [--beyond-axis]\n"
           "                  [--band pointwise|simultaneous [--level 90|95|99]] [--percentiles LIST]\n"
           "                  [--graph-title TEXT] [--positions weibull|benard|blom|hazen] [--sigma n|n-1]\n"
           "                  [--paper-kind normal|weibull [--fit mle|regression]]\n"
           "      FILE (- は標準入力) の各列 (カンマ、タブ、セミコロン区切り、一行目が数値でなければ\n"
           "      系列名) を系列として正規確率紙に描き、OUT (.png .bmp .svg .pdf) に保存します。\n"
           "      OUT が .pbl なら画像ではなく文書を書きます。\n"
           "      --min/--max がなければ値がすべて入る範囲にします (--log では 10 のべき乗に広げます)。\n"
           "      --labels: 各系列の詳細ラベル (マーカー、コメント、平均、最小値、最大値、σ) をグラフの横に置きます。\n"
           "      --format: 詳細ラベルの数値の書式 (既定 0.##)。\n"
           "      --title: グラフの上に置くテキスト (改行で複数行)。--unit: 横軸の単位。\n"
           "      --lower/--upper: 全系列の規格の下限と上限。詳細ラベルに Cp (両方あれば Probel も) を加えます。\n"
           "      片方だけなら Cp はその限界だけで求め、もう一方は軸の端のままです。\n"
           "      --spec-lines: 規格の限界に縦の破線を引き、上に値を書きます。\n"
           "      --min/--max で決めない軸の端は限界まで広げます。\n"
           "      --band: 当てはめ線の信頼帯 (pointwise: 点ごと、simultaneous: 線全体)。\n"
           "      --level: 信頼帯の信頼水準 % (既定 95)。\n"
           "      --percentiles: 累積確率 % (1,50,99 のようにカンマ区切り、0 と 100 の間) に横線を引き、\n"
           "      各系列の当てはめた値を線の上、枠の右端に書きます。\n"
           "      --legend: 凡例を置く枠の隅 (top-left, top-right, bottom-left, bottom-right)。\n"
           "      --graph-title: グラフの枠の上の中央に書く表題 (グラフの設定として文書に残ります)。\n"
           "      --beyond-axis: 軸の範囲の外にある値の数を枠の左右の端に矢印で示します。\n"
           "      --positions: 点を描く累積確率 (weibull: i/(n+1) 既定、benard: (i-0.3)/(n+0.4)、\n"
           "      blom: (i-3/8)/(n+1/4)、hazen: (i-0.5)/n)。\n"
           "      --sigma: 各系列の σ の分母 (n 既定、n-1: 標本標準偏差 s)。回帰線、Probel、Cp、信頼帯が従い、\n"
           "      詳細ラベルには n-1 のとき s と書きます。\n"
           "      --paper-kind weibull: ワイブル確率紙 (縦軸 ln(-ln(1-p))、横軸は対数) に描き、各系列にワイブル分布を\n"
           "      当てはめます (--fit mle: 最尤推定 既定、regression: プロット位置での最小二乗)。値は 0 "
           "より大きい数だけです。\n"
           "      CODE: 297420 420297 210297 297210 148210 210148 250354 354250 182257 257182\n"
           "      (幅と高さの mm、既定 210297 = A4 縦)。\n"
           "  probel-cli plot [オプション] --output-dir DIR --output-format png|bmp|svg|pdf|pbl FILE...\n"
           "      FILE ごとに別のグラフを描き、DIR/<FILE の名前>.<形式> に保存します (オプションは上と同じ)。\n"
           "      読めない FILE があっても残りを描き、一つでも失敗すれば終了コード 1 で終わります。\n";
}

std::string renderUsage()
{
    return "  probel-cli render SHEET.pbl -o OUT\n"
           "      文書 SHEET.pbl の用紙全体 (グラフとラベルの文字) を OUT (.png .bmp .svg .pdf) に描きます。\n"
           "      画像は 1 ピクセル 15 twip、PDF は文書の用紙の大きさの 1 ページです。\n"
           "  probel-cli render SHEET.pbl... --output-dir DIR --format png|bmp|svg|pdf\n"
           "      各文書を DIR/<SHEET の名前>.<形式> に描きます。読めない文書があっても残りを描き、\n"
           "      一つでも失敗すれば終了コード 1 で終わります。\n";
}

}  // namespace probel::cli
