#!/bin/bash
# 写字1 from a lesson of 语言: the child starts the clock, writes 一 on the handwriting pad
# with the mouse, picks it among the pad's candidates, and is rewarded; 演　示 replays it.
. "$(dirname "$0")/lib.sh"

e2e_start
e2e_has_course 输入法.ini || e2e_skip "the demo data has no writing lessons"
[ -f /usr/share/tegaki/models/zinnia/handwriting-zh_CN.model ] ||
    e2e_skip "no handwriting model (tegaki-zinnia-simplified-chinese)"

e2e_step "open the first lesson of 语言"
e2e_click_twips 9480 2400
e2e_wait_log '^open FrmMulu$'
e2e_click_twips 4447 2947
e2e_wait_log '^open FrmChoosekecheng$'

e2e_step "launch 写字1, the thirteenth step"
e2e_click_twips 1967 7057
e2e_wait_log '^open FrmShurufa$'
e2e_wait_log '^pad ready$' 20
e2e_view opened

e2e_step "start the clock"
xdotool mousemove 115 598 sleep 0.15 click 1
sleep 0.3

e2e_step "write 一 on the pad"
# The pad's square: 380 x 380 pixels from (600, 146) on the 1024 x 768 screen.
xdotool mousemove 630 336 sleep 0.1 mousedown 1
for x in $(seq 650 20 950); do xdotool mousemove "$x" 338 sleep 0.02; done
xdotool mouseup 1
e2e_wait_log '^handwriting [^c]'
e2e_view written

e2e_step "pick 一 among the candidates"
read -r -a candidates < <(grep -E '^handwriting [^c]' "$E2E_LOG" | tail -n 1 | cut -d' ' -f2-)
index=-1
for i in "${!candidates[@]}"; do
    [ "${candidates[$i]}" = "一" ] && index=$i && break
done
[ "$index" -ge 0 ] || e2e_fail "一 is not among the candidates: ${candidates[*]}"
# Candidate buttons: three a row, 121 x 72 pixels, 8 apart, from (600, 536).
xdotool mousemove $((600 + (index % 3) * 129 + 60)) $((536 + (index / 3) * 80 + 36)) sleep 0.15 click 1
e2e_wait_log '^handwriting chose 一$'
e2e_wait_log '^reward right$'
e2e_view rewarded

e2e_step "show how the next character is written"
xdotool mousemove 285 598 sleep 0.15 click 1
e2e_wait_log '^open FrmShuruys$'
sleep 2.5
e2e_view replay

e2e_step "close the replay and the window"
xdotool mousemove 545 463 sleep 0.15 click 1
e2e_wait_log '^close FrmShuruys$'
e2e_click_twips 14760 480
e2e_wait_log '^close FrmShurufa$'
echo "PASS [$E2E_NAME]"
