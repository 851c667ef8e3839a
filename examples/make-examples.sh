#!/bin/sh
# SPDX-License-Identifier: MIT
# Makes the example sheets of this folder from the tables in data/ with probel-cli plot.
#   examples/make-examples.sh [PROBEL_CLI]
# PROBEL_CLI defaults to build/src/cli/probel-cli under the source tree. Label positions
# follow the measured width of the label text, so other fonts may move them a few pixels.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-"$here/../build/src/cli/probel-cli"}
data="$here/data"

# A4 upright, linear axis, three lots with detail labels and a two-line title.
"$cli" plot --labels --format 0.### --unit mm --title "シャフト外径 (呼び寸法 12 mm)
ライン 2 抜き取り検査" -o "$here/shaft-diameter.pbl" "$data/shaft-diameter.csv"

# A4 lying, linear axis with the range given, two suppliers.
"$cli" plot --labels --format 0.0 --paper 297210 --min 350 --max 450 --unit MPa --title "引張強さ 受入検査
供給元別 各 25 本" -o "$here/tensile-strength.pbl" "$data/tensile-strength.csv"

# A4 upright, logarithmic axis: particle sizes of three batches.
"$cli" plot --labels --log --unit μm --title "粒子径分布 (対数正規)" \
    -o "$here/particle-size.pbl" "$data/particle-size.csv"

# A3 lying, logarithmic axis: times to failure at five temperatures.
"$cli" plot --labels --format 0 --log --paper 420297 --unit h --title "寿命試験 故障時間
温度加速 5 水準、各 12 個
2024 年 信頼性評価" -o "$here/failure-times.pbl" "$data/failure-times.csv"

# A4 lying, linear axis: eight filling heads, their labels in two columns.
"$cli" plot --labels --format 0.0 --paper 297210 --unit g --title "充填重量 ヘッド別 (規格 500 g)" \
    -o "$here/fill-weight.pbl" "$data/fill-weight.csv"

# A4 upright, linear axis: the three lots of the shaft with the analysis on the page: limit
# lines, a pointwise 95 % band, percentile lines, a legend, a graph title and the count of the
# values left of an axis that starts inside the data.
"$cli" plot --labels --format 0.### --unit mm --title "シャフト外径 工程能力 (規格 11.99 〜 12.025 mm)" \
    --lower 11.99 --upper 12.025 --spec-lines --min 11.985 --max 12.025 --beyond-axis \
    --band pointwise --percentiles 0.135,50,99.865 --legend bottom-right --graph-title "ロット別 外径分布" \
    -o "$here/shaft-capability.pbl" "$data/shaft-diameter.csv"

# A4 upright, logarithmic axis: the particle sizes with a simultaneous 90 % band.
"$cli" plot --labels --log --unit μm --title "粒子径分布 (対数正規) 90 % 同時信頼帯" \
    --band simultaneous --level 90 --percentiles 10,50,90 --legend top-left \
    -o "$here/particle-size-band.pbl" "$data/particle-size.csv"

# A4 upright, Weibull paper: times to failure at five temperatures, each with its maximum
# likelihood line and pointwise 90 % band, the B10 line and a legend.
"$cli" plot --labels --format 0 --paper-kind weibull --band pointwise --level 90 --percentiles 10 \
    --legend bottom-right --unit h --title "寿命試験 ワイブル確率紙 (最尤推定、90 % 信頼帯)" \
    -o "$here/failure-times-weibull.pbl" "$data/failure-times.csv"
