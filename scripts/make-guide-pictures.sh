#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes every picture of docs/guide-ja.md (PNG files in docs/guide/): starts the real program
# on a virtual screen (Xvfb) under the openbox window manager, works through the guide's
# steps with xdotool like a user (menus, dialogs, typing, pasting, dragging, hovering) and
# takes each picture with ImageMagick; the probel-cli pictures are drawn by probel-cli itself.
#   scripts/make-guide-pictures.sh [BUILD]      (make guide does the same)
# BUILD (default build) must hold a built probel and probel-cli. Settings, documents and the
# program's per-user files go to the session folder /tmp/probel-guide (PROBEL_GUIDE_SESSION),
# made afresh on each run and kept afterwards for a look; the real home folder is not touched.
# The folder's name shows in the pictures (title bars, file dialogs), so it is fixed.
#
# The script clicks at places measured on the dialogs as they are laid out now. When a dialog
# changes its layout, the places in the dialog sections below change with it; a picture that
# shows the wrong thing, or a step that waits for a window in vain, points to the section.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
program="$build/src/app/probel"
cli="$build/src/cli/probel-cli"
out="$root/docs/guide"
examples="$root/examples"

# What this script needs beyond the build's own list: the window manager, the tools that
# drive and photograph the screen, the clipboard tool and the PNG shrinker.
"$root/scripts/install-deps.sh" openbox xdotool x11-utils imagemagick xclip pngquant

for tool in "$program" "$cli"; do
    if [ ! -x "$tool" ]; then
        echo "make-guide-pictures: $tool is missing; build first (make build BUILD=$build)." >&2
        exit 1
    fi
done

session="${PROBEL_GUIDE_SESSION:-/tmp/probel-guide}"
# Only a folder this script made is removed: it carries a mark.
mark=".probel-guide-session"
if [ -e "$session" ] && [ ! -e "$session/$mark" ]; then
    echo "make-guide-pictures: $session is not a session folder of this script; set PROBEL_GUIDE_SESSION" >&2
    exit 1
fi
rm -rf "$session"
mkdir -p "$session/home/config" "$session/home/data" "$session/run" "$session/pictures" "$out"
touch "$session/$mark"
chmod 700 "$session/run"
# The program's settings, its file type registration and its single-instance link stay here.
export HOME="$session/home" XDG_CONFIG_HOME="$session/home/config" XDG_DATA_HOME="$session/home/data"
export XDG_RUNTIME_DIR="$session/run" LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# The documents the guide saves and opens; the file dialogs start in this folder.
documents="$session/測定データ"
mkdir -p "$documents"

started=()
cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

# ---------------------------------------------------------------------------------------
# The screen and the window manager
# ---------------------------------------------------------------------------------------

# Xvfb picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$session/display" 2>"$session/xvfb.log" &
started+=("$!")
for _ in $(seq 100); do
    [ -s "$session/display" ] && break
    sleep 0.1
done
[ -s "$session/display" ] || { echo "make-guide-pictures: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$session/display")"
export DISPLAY
openbox >"$session/openbox.log" 2>&1 &
started+=("$!")
sleep 1

pause() { sleep "${1:-0.4}"; }

# Waits until the active window has the title $1.
wait_for_window() {
    local title
    for _ in $(seq 100); do
        title=$(xdotool getactivewindow getwindowname 2>/dev/null || true)
        [ "$title" = "$1" ] && { pause 0.3; return 0; }
        sleep 0.1
    done
    echo "make-guide-pictures: no window \"$1\" (the active one is \"$title\")" >&2
    exit 1
}

# Sets X, Y, W, H to the place of window $1 with its window manager frame.
frame_of() {
    local frame
    frame=$(xwininfo -tree -id "$1" | awk '/Parent window id/ {print $4}')
    eval "$(xwininfo -id "$frame" | awk '/Absolute upper-left X/ {print "X=" $4}
        /Absolute upper-left Y/ {print "Y=" $4} /Width/ {print "W=" $2} /Height/ {print "H=" $2}')"
}

# Sets DX, DY to the top-left corner of the active dialog's frame.
dialog_origin() {
    frame_of "$(xdotool getactivewindow)"
    DX=$X DY=$Y
}

# A click, or a typed text, at a place measured from the active dialog's frame.
dialog_click() { xdotool mousemove $((DX + $1)) $((DY + $2)) click 1; pause 0.2; }
dialog_type() {
    dialog_click "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 30 "$3"
}

# Puts $1 on the clipboard. xdotool types characters outside ASCII unreliably, so Japanese
# text goes through the clipboard and Ctrl+V, the way an input method user would paste it.
clipboard_pid=""
set_clipboard() {
    if [ -n "$clipboard_pid" ]; then
        kill "$clipboard_pid" 2>/dev/null || true
    fi
    printf '%s' "$1" | xclip -quiet -selection clipboard -i 2>/dev/null &
    clipboard_pid=$!
    started+=("$clipboard_pid")
    pause 0.3
}
dialog_paste() {
    set_clipboard "$3"
    dialog_click "$1" "$2"
    xdotool key ctrl+a ctrl+v
    pause 0.2
}

# Pictures are made in the session folder and go to docs/guide at the end (publish).
pictures="$session/pictures"

# Saves the screen part X, Y, W, H (or the given one) as picture $1.
# SNAP_PAUSE lets the screen settle first; a short one takes the picture before a tooltip shows.
snap() {
    local name=$1 x=${2:-$X} y=${3:-$Y} w=${4:-$W} h=${5:-$H}
    pause "${SNAP_PAUSE:-0.5}"
    import -window root "$session/screen.png"
    convert "$session/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$pictures/$name"
    echo "  $name"
}
# Tooltips of buttons must not cover a dialog's picture: the pointer rests off the dialogs.
rest_pointer() { xdotool mousemove 1270 1015; }
snap_dialog() {
    rest_pointer
    frame_of "$(xdotool getactivewindow)"
    snap "$1"
}
snap_main() {
    frame_of "$main"
    snap "$1"
}

# Puts picture $1 into docs/guide with 256 colours (plenty for window pictures, and a few dozen
# KiB), unless it shows what the picture there shows: shades the colour reduction picks anew and a
# text cursor caught in the other phase of its blinking (a few pixels) are no change worth a new
# file in the repository.
publish() {
    local new=$1 old
    old="$out/$(basename "$1")"
    pngquant --force --skip-if-larger --quality 70-100 --strip --output "$new" "$new" 2>/dev/null || true
    if [ -f "$old" ]; then
        local differing
        differing=$(compare -metric AE -fuzz 10% "$old" "$new" null: 2>&1 || true)
        case $differing in
        '' | *[!0-9]*) ;;
        *) [ "$differing" -le 40 ] && return 0 ;;
        esac
    fi
    cp "$new" "$old"
    echo "  changed: $(basename "$1")"
}

# ---------------------------------------------------------------------------------------
# The main window
# ---------------------------------------------------------------------------------------

echo "Pictures of the program:"
cd "$documents"
# The user last chose this folder in a file dialog, so the dialogs of a new sheet open there.
mkdir -p "$XDG_CONFIG_HOME/Probel"
printf '[FileDialogs]\nLastFolder=%s\n' "$documents" >"$XDG_CONFIG_HOME/Probel/Probel.ini"
PROBEL_REPORT_OPENED=1 "$program" >"$session/probel.out" 2>"$session/probel.err" &
started+=("$!")
for _ in $(seq 100); do
    grep -q '^ready' "$session/probel.out" 2>/dev/null && break
    sleep 0.1
done
main=$(xdotool search --sync --name '^NormoProbel$' | head -n 1)
# As wide as the sheet window of an A4 upright page and as high as the guide's sheet needs, so
# the pictures hold no empty area.
xdotool windowsize --sync "$main" 838 840
xdotool windowmove --sync "$main" 20 20
xdotool windowactivate --sync "$main"
wait_for_window NormoProbel
eval "$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print "MX=" $4} /Absolute upper-left Y/ {print "MY=" $4}')"
snap_main main-window.png

# The paper of a sheet window at the top-left of the area, scrolled to its corner, lies this far
# from the main window's inner corner: the menu bar and the sheet window's title bar and border.
paper_dx=4
paper_dy=42
paper_move() { xdotool mousemove $((MX + paper_dx + $1)) $((MY + paper_dy + $2)); pause 0.2; }
paper_click() { paper_move "$1" "$2"; xdotool click "${3:-1}"; pause 0.2; }
# Marks the pointer at paper point ($2, $3), which screen pictures leave out, with a small
# cross on picture $1, taken of the main window.
mark_pointer() {
    local px=$((MX + paper_dx + $2 - X)) py=$((MY + paper_dy + $3 - Y))
    convert "$pictures/$1" -stroke '#d00000' -strokewidth 2 \
        -draw "line $((px - 8)),$py $((px + 8)),$py" -draw "line $px,$((py - 8)) $px,$((py + 8))" "$pictures/$1"
}

# A menu is a window of its own, shown without the window manager: it is there once the
# program shows a window that was not visible before ($1, from visible_windows).
visible_windows() { xdotool search --onlyvisible --classname probel 2>/dev/null | sort; }
wait_for_menu() {
    for _ in $(seq 50); do
        [ -n "$(comm -13 <(echo "$1") <(visible_windows))" ] && { pause 0.3; return 0; }
        sleep 0.1
    done
    echo "make-guide-pictures: no menu opened" >&2
    exit 1
}
# Right-clicks paper point ($1, $2) and waits for its menu.
paper_menu() {
    local before
    before=$(visible_windows)
    paper_click "$1" "$2" 3
    wait_for_menu "$before"
}
# In an open menu, Down picks the first entry and each further Down the next.
menu_entry() {
    local i
    for i in $(seq "$1"); do
        xdotool key Down
        pause 0.15
    done
    xdotool key Return
}

# ---------------------------------------------------------------------------------------
# A new sheet and its paper
# ---------------------------------------------------------------------------------------

xdotool key ctrl+n
wait_for_window "用紙サイズの設定"
snap_dialog paper-size.png
xdotool key Return
wait_for_window NormoProbel
pause 1

# ---------------------------------------------------------------------------------------
# A graph: the paper's menu and Normo分布の設定
# ---------------------------------------------------------------------------------------

paper_menu 60 90
frame_of "$main"
snap paper-menu.png "$((MX + paper_dx + 30))" "$((MY + paper_dy + 70))" 190 120
menu_entry 2
wait_for_window "Normo分布の設定"
dialog_origin
dialog_type 128 70 40         # 位置 X
dialog_type 263 70 70         # 位置 Y
dialog_type 128 99 460        # 幅
dialog_type 263 99 600        # 高さ
dialog_type 193 159 11.97     # 最小値
dialog_type 193 187 12.03     # 最大値
dialog_type 558 70 mm         # 単位
dialog_type 513 125 1         # 表示ステップ間隔
dialog_type 405 247 6         # 分割数
snap_dialog graph-settings.png
dialog_click 565 529          # OK
wait_for_window NormoProbel
pause 1

# The frame's top-left corner must be where the paper offset puts it, or every later click
# on the paper misses.
import -window root "$session/screen.png"
corner=$(convert "$session/screen.png" -crop "1x1+$((MX + paper_dx + 40))+$((MY + paper_dy + 70))" \
    -format '%[fx:int(255*luminance)]' info:)
if [ "$corner" -gt 60 ]; then
    echo "make-guide-pictures: the graph frame is not where expected; measure paper_dx, paper_dy again" >&2
    exit 1
fi

# ---------------------------------------------------------------------------------------
# Data: typed, with details and limits; then pasted
# ---------------------------------------------------------------------------------------

column() { tail -n +2 "$examples/data/shaft-diameter.csv" | cut -d, -f"$1"; }

paper_menu 300 400
frame_of "$main"
snap graph-menu.png "$((MX + paper_dx + 270))" "$((MY + paper_dy + 370))" 190 215
menu_entry 1
wait_for_window "データの追加"
dialog_origin
dialog_paste 140 80 "ロット A"
dialog_type 635 89 20         # データ数
xdotool key Return
pause 0.3
dialog_click 455 71           # No,1
typed=0
for value in $(column 1); do
    xdotool key ctrl+a
    xdotool type --delay 20 "$value"
    xdotool key Return
    typed=$((typed + 1))
    # Half way the grid shows values typed and the row the next one goes into.
    [ "$typed" -eq 12 ] && snap_dialog data-typing.png
done
dialog_click 50 291           # 詳細の表示
dialog_click 31 372           # 平均, 最小値, 最大値
dialog_click 31 400           # σ
dialog_click 31 429           # Probel(%)
dialog_click 31 457           # Cp値
dialog_type 217 372 0.000
dialog_type 217 400 0.0000
dialog_type 217 429 0.00
dialog_type 217 457 0.00
dialog_type 582 335 12.02     # 上限
dialog_type 582 363 11.98     # 下限
dialog_click 321 384          # 上下限有り
snap_dialog data-details.png
dialog_click 593 545          # OK
wait_for_window NormoProbel
pause 1
snap_main sheet-first-series.png

# The new detail label lies right of the graph's frame (40, 70, 460 × 600); it is moved a little.
drag_on_paper() {
    local x=$1 y=$2 to_x=$3 to_y=$4 picture=${5:-} i
    paper_move "$x" "$y"
    xdotool mousedown 1
    for i in $(seq 1 10); do
        paper_move $((x + (to_x - x) * i / 10)) $((y + (to_y - y) * i / 10))
    done
    if [ -n "$picture" ]; then
        snap_main "$picture"
        mark_pointer "$picture" "$to_x" "$to_y"
    fi
    xdotool mouseup 1
    pause 1
}
drag_on_paper 520 80 560 110 move-label.png

paper_menu 300 400
menu_entry 1
wait_for_window "データの追加"
dialog_origin
dialog_paste 140 80 "ロット B"
dialog_paste 118 171 "△"      # マーカーの形状
dialog_type 582 335 12.02
dialog_type 582 363 11.98
dialog_click 321 384          # 上下限有り
# The whole table, as a spreadsheet copies it (tabs, a header row): the dialog asks which
# column to take and names the series after its header.
set_clipboard "$(tr ',' '\t' <"$examples/data/shaft-diameter.csv")"
dialog_click 635 241          # クリップボードから張り付け
wait_for_window "列の選択"
xdotool key Down
snap_dialog column-choice.png
xdotool key Return
wait_for_window "データの追加"
dialog_origin
snap_dialog data-paste.png
dialog_click 593 545
wait_for_window NormoProbel
pause 1
drag_on_paper 20 100 540 260

# ---------------------------------------------------------------------------------------
# A text label
# ---------------------------------------------------------------------------------------

paper_menu 650 600
menu_entry 1
wait_for_window "コメント入力"
dialog_origin
dialog_paste 250 100 "シャフト外径 抜き取り検査
ライン 2　呼び寸法 12 mm"
dialog_click 45 258           # 枠の表示
dialog_click 143 258          # Font
wait_for_window "フォントの選択"
dialog_origin
dialog_type 455 56 14
xdotool key Return
wait_for_window "コメント入力"
dialog_origin
snap_dialog text-label.png
dialog_click 363 258          # OK
wait_for_window NormoProbel
pause 1
# The label went to the top-left of the view; it goes above the graph.
drag_on_paper 15 15 45 15

# ---------------------------------------------------------------------------------------
# Undo and redo
# ---------------------------------------------------------------------------------------

xdotool key ctrl+z
pause 1
xdotool key ctrl+y
pause 1
frame_of "$main"
before=$(visible_windows)
xdotool mousemove $((MX + 83)) $((MY + 8)) click 1
wait_for_menu "$before"
snap edit-menu.png "$X" "$Y" 420 120
xdotool key Escape
pause 0.3

# ---------------------------------------------------------------------------------------
# The read-off in the status bar and the tooltip of a graph
# ---------------------------------------------------------------------------------------

# Where value $1 at cumulative percentage $2 lies on the graph at (40, 70), 460 × 600, axis
# 11.97 … 12.03: the paper's own mapping (the quantile scale ends at ±3.71947).
graph_point() {
    python3 - "$1" "$2" <<'EOF'
import sys
from statistics import NormalDist
value, percent = float(sys.argv[1]), float(sys.argv[2])
x = 40 + (value - 11.97) * 460 / 0.06
y = 70 + 300 - 300 * NormalDist().inv_cdf(percent / 100) / 3.71947
print(round(x), round(y))
EOF
}
read -r rx ry <<<"$(graph_point 12.0115 93)"
paper_move "$rx" "$ry"
xdotool mousemove_relative 1 0
SNAP_PAUSE=0.1 snap_main read-off.png
mark_pointer read-off.png "$((rx + 1))" "$ry"

# The tooltip over a marker: the 12th of 20 values of ロット A lies at 100 × 12 / 21 %.
twelfth=$(column 1 | sort -n | sed -n 12p)
read -r tx ty <<<"$(graph_point "$twelfth" 57.142857)"
# Off the graph first, so the tooltip of the read-off point goes and a new one comes up here.
rest_pointer
pause 1
paper_move "$tx" "$ty"
pause 2
snap_main tooltip.png

# ---------------------------------------------------------------------------------------
# Saving, the File menu, PDF保存 and the other exports
# ---------------------------------------------------------------------------------------

file_menu() {
    local before
    rest_pointer
    before=$(visible_windows)
    xdotool mousemove $((MX + 25)) $((MY + 8)) click 1
    wait_for_menu "$before"
}
# The entries of ﾌｧｲﾙ(F), measured from the main window's inner corner: 新規作成, 開く, 閉じる,
# 上書き保存, 名前を付けて保存, 印刷…, 印刷プレビュー…, PDF保存, ビットマップ保存, 画像として保存…,
# 最近使ったファイル.
file_entry_y=(27 50 72 94 117 139 160 180 203 224 246)
file_entry() {
    file_menu
    xdotool mousemove $((MX + 60)) $((MY + file_entry_y[$1 - 1])) click 1
}
save_as() {
    file_entry "$1"
    wait_for_window "$2"
    xdotool type --delay 30 "$3"
    [ -n "${4:-}" ] && snap_dialog "$4"
    xdotool key Return
    wait_for_window NormoProbel
    pause 1
}
cp "$examples/sample-sheet.pbl" "$examples/shaft-diameter.pbl" "$documents/"
touch -d '2024-06-03 09:00' "$documents"/*.pbl
save_as 5 "名前を付けて保存" "shaft-check.pbl" save-dialog.png
save_as 8 "PDF保存" "shaft-check.pdf"
save_as 9 "ビットマップ保存" "shaft-check.bmp"
save_as 10 "画像として保存" "shaft-check.png"
pdftoppm -r 60 -png -singlefile "$documents/shaft-check.pdf" "$session/pdf-page"
convert "$session/pdf-page.png" -bordercolor '#888888' -border 1 "$pictures/pdf-page.png"
echo "  pdf-page.png"

file_menu
xdotool mousemove $((MX + 60)) $((MY + file_entry_y[10]))
pause 0.8
frame_of "$main"
snap file-menu.png "$X" "$Y" "$W" 355
xdotool key Escape Escape
pause 0.3

# ---------------------------------------------------------------------------------------
# Messages: wrong input, a damaged document
# ---------------------------------------------------------------------------------------

paper_menu 300 400
menu_entry 5                  # グラフの編集 (データの追加, データの編集, データの削除, 表から貼り付け above it)
wait_for_window "Normo分布の設定"
dialog_origin
dialog_type 128 99 abc        # 幅
dialog_click 565 529
wait_for_window "データエラー"
snap_dialog error-invalid-data.png
xdotool key Return
wait_for_window "Normo分布の設定"
dialog_origin
dialog_click 650 529          # キャンセル
wait_for_window NormoProbel

head -c 300 "$examples/sample-sheet.pbl" >"$documents/broken.pbl"
# A second start hands the file to the running program, which reports what it cannot read.
"$program" "$documents/broken.pbl"
wait_for_window "読み込みエラー"
snap_dialog error-damaged-file.png
xdotool key Return
pause 0.5

# ---------------------------------------------------------------------------------------
# The analysis on the page: an example sheet that has it, and the settings that draw it
# ---------------------------------------------------------------------------------------

# The guide's sheet was saved and is unchanged since: it closes without a question.
xdotool key ctrl+w
pause 0.5
cp "$examples/shaft-capability.pbl" "$documents/"
"$program" "$documents/shaft-capability.pbl"
wait_for_window NormoProbel
pause 1
snap_main analysis-sheet.png
paper_menu 300 400
menu_entry 5                  # グラフの編集
wait_for_window "Normo分布の設定"
snap_dialog analysis-settings.png
xdotool key Escape
wait_for_window NormoProbel

# Weibull paper: the example sheet of failure times, alone in the area.
xdotool key ctrl+w
pause 0.5
cp "$examples/failure-times-weibull.pbl" "$documents/"
"$program" "$documents/failure-times-weibull.pbl"
wait_for_window NormoProbel
pause 1
snap_main weibull-sheet.png

# ---------------------------------------------------------------------------------------
# probel-cli, and how to read the paper
# ---------------------------------------------------------------------------------------

echo "Pictures drawn by probel-cli:"
cd "$session"
"$cli" plot --labels --format 0.### --unit mm --title "シャフト外径" -o shaft.pbl "$examples/data/shaft-diameter.csv"
"$cli" render shaft.pbl -o "$pictures/cli-plot.png"
echo "  cli-plot.png"
"$cli" render "$examples/particle-size-band.pbl" -o "$pictures/cli-band.png"
echo "  cli-band.png"
python3 "$here/guide/reading_paper.py" "$cli" "$root/docs/guide/data" "$session/reading" "$pictures/reading-paper.png"
echo "  reading-paper.png"

echo "Into docs/guide:"
for picture in "$pictures"/*.png; do
    publish "$picture"
done
