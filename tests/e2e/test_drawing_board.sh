#!/bin/bash
# From the 填色 catalogue a child opens the drawing board, draws a rectangle, fills it red and
# saves twice within one second: two drawings, neither replacing the other, each with the
# pixels of the canvas on the screen.
. "$(dirname "$0")/lib.sh"

command -v compare >/dev/null || e2e_skip "ImageMagick's compare missing"
# The drawings go to the data folder: a copy made of links, so the build's stays clean.
DATA=$E2E_WORK/data
mkdir -p "$DATA"
cp -as "$(cd "$E2E_BIN" && pwd)/." "$DATA/"
rm -rf "$DATA/我的绘画作品"
e2e_start --data "$DATA" # after the library's own --data, so this one counts
e2e_has_course tianshe || e2e_skip "the demo data has no tianshe course"

# Design pixels of the 1024 x 768 screen: the canvas lies at 156, 8 and is 751 x 601.
CANVAS_X=156
CANVAS_Y=8
canvas() { xdotool mousemove $((CANVAS_X + $1)) $((CANVAS_Y + $2)); }

e2e_step "open the catalogue of 填色"
e2e_click_twips 13200 2400
e2e_wait_log '^open FrmMulu$'
e2e_step "open 画图板, the second entry"
e2e_click_twips 4447 4012
e2e_wait_log '^open MDIFrmHuatu$'

e2e_step "draw a rectangle"
e2e_click_twips 607 6487 # 画矩形
canvas 100 100
xdotool mousedown 1 sleep 0.1
canvas 250 200
xdotool sleep 0.1
canvas 400 300
xdotool sleep 0.1 mouseup 1

e2e_step "fill it red"
e2e_click_twips 4155 10649 # the red cell
e2e_click_twips 1567 1567  # 颜色填充
canvas 250 200
xdotool sleep 0.1 click 1
sleep 0.3
e2e_view drawn

e2e_step "save twice within one second"
# Start at the beginning of a second, so that both saves fall within it.
while [ "$(date +%N | cut -c1)" != 0 ]; do sleep 0.02; done
for n in 1 2; do
    asked=$(e2e_count_log '^message 请确定是否保存')
    e2e_click_twips 14497 4147 # 保   存
    e2e_wait_more '^message 请确定是否保存' "$asked"
    sleep 0.15
    # The question box has the keyboard: Return presses its default button, 确定.
    box=$(xdotool search --name '保存提示' | tail -1)
    [ -n "$box" ] && xdotool windowfocus "$box" 2>/dev/null
    xdotool key Return
    e2e_wait_more '^saved ' $((n - 1))
done
sleep 0.3

e2e_step "two drawings, each the canvas as the screen shows it"
mapfile -t saved < <(grep '^saved ' "$E2E_LOG" | sed 's/^saved //')
[ "${#saved[@]}" -eq 2 ] || e2e_fail "expected two saves, got ${#saved[@]}"
[ "${saved[0]}" != "${saved[1]}" ] || e2e_fail "both saves wrote ${saved[0]}"
for f in "${saved[@]}"; do
    case "$f" in "$DATA/我的绘画作品/"*.bmp) ;; *) e2e_fail "saved outside the drawings folder: $f" ;; esac
    [ -f "$f" ] || e2e_fail "no file $f"
done
echo "saved: ${saved[*]}"
import -display "$DISPLAY" -window root "$E2E_WORK/screen.png"
convert "$E2E_WORK/screen.png" -crop "751x601+$CANVAS_X+$CANVAS_Y" +repage "$E2E_WORK/canvas.png"
for f in "${saved[@]}"; do
    size=$(identify -format '%wx%h' "$f")
    [ "$size" = 751x601 ] || e2e_fail "$f is $size, not the canvas's 751x601"
    differing=$(compare -metric AE "$f" "$E2E_WORK/canvas.png" null: 2>&1)
    [ "$differing" = 0 ] || e2e_fail "$f differs from the screen in $differing pixels"
done
inside=$(convert "${saved[0]}" -format '%[pixel:p{250,200}]' info:)
case "$inside" in srgb\(255,0,0\) | red) ;; *) e2e_fail "the rectangle's inside is $inside" ;; esac
corner=$(convert "${saved[0]}" -format '%[pixel:p{100,100}]' info:)
case "$corner" in srgb\(0,0,0\) | black) ;; *) e2e_fail "the rectangle's corner is $corner" ;; esac

e2e_step "exit the board"
e2e_click_twips 14497 4987 # 退   出
e2e_wait_log '^close MDIFrmHuatu$'
echo "PASS [$E2E_NAME]"
