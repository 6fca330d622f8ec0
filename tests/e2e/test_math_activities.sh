#!/bin/bash
# From the 数学 catalogue a child plays a counting round and a comparison round, hears
# the judgement, and the back pictures lead home.
. "$(dirname "$0")/lib.sh"

e2e_start
e2e_has_course 数学课程 || e2e_skip "the demo data has no 数学课程"

e2e_step "open the catalogue of 数学"
e2e_click_twips 9480 4800
e2e_wait_log '^open FrmMulu$'

e2e_step "open 10以内数数(四), the fourth entry"
e2e_click_twips 4447 6142
e2e_wait_log '^open FrmXunxushsh$'
e2e_view counting
e2e_step "count three pictures and confirm"
for k in 0 1 2; do xdotool mousemove $((16 + k * 99 + 48)) 320 sleep 0.1 click 1; done
xdotool mousemove 492 600 sleep 0.1 click 1
e2e_wait_log '^sound (right|error)$'
sleep 1.3
e2e_view counting-judged
e2e_step "the next row comes after the good or bad picture"
sleep 1.2
e2e_step "close the counting window"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmXunxushsh$'

e2e_step "open 比较, the sixth entry"
sleep 1.2 # the catalogue's back picture wakes a second after it is in front again
e2e_click_twips 10950 2947
e2e_wait_log '^open FrmBijiaoMulu$'
e2e_step "choose the first comparison"
xdotool mousemove 200 100 sleep 0.1 click 1
e2e_wait_log '^open FrmBijiao$'
e2e_wait_log '^sound (大|小)$'
e2e_view comparison
e2e_step "click the left picture"
xdotool mousemove 344 344 sleep 0.1 click 1
e2e_wait_log '^sound (right|error)$'
sleep 1.5
e2e_step "close the comparison: it cuts the sound with 无"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmBijiao$'
grep -q '^sound 无$' "$E2E_LOG" || e2e_fail "no sound 无 when the comparison closed"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmBijiaoMulu$'

e2e_step "back to the main menu"
sleep 1.3
e2e_click_twips 14760 480
e2e_wait_log '^close FrmMulu$'
echo "PASS [$E2E_NAME]"
