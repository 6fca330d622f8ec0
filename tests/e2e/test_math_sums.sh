#!/bin/bash
# From the 数学 catalogue a child answers a sum with a number card and the check, then
# splits a number into two boxes by dragging the picture and clicks OK; the judgement is
# heard and rewarded, and the back pictures lead home.
. "$(dirname "$0")/lib.sh"

e2e_start
e2e_has_course 数学课程 || e2e_skip "the demo data has no 数学课程"

# Drags with the left button held from one screen point to another, in small steps.
drag() { # x1 y1 x2 y2
    xdotool mousemove "$1" "$2" sleep 0.1 mousedown 1
    local i
    for i in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8)) sleep 0.03
    done
    xdotool sleep 0.1 mouseup 1
}

e2e_step "open the catalogue of 数学"
e2e_click_twips 9480 4800
e2e_wait_log '^open FrmMulu$'

e2e_step "turn to the second page and open 10以内加法, its ninth entry"
e2e_click_twips 9847 9907
sleep 0.5
e2e_click_twips 10950 6142
e2e_wait_log '^open frmNumjia$'
e2e_view sum
e2e_step "the first sum is 1+1: card 2, then the check"
xdotool mousemove 216 552 sleep 0.1 click 1
xdotool mousemove 488 376 sleep 0.1 click 1
e2e_wait_log '^sound right$'
e2e_wait_log '^reward right$'
e2e_view sum-judged
e2e_step "the next sum comes after the good picture"
sleep 1.3
e2e_step "close the sum"
e2e_click_twips 14760 480
e2e_wait_log '^close frmNumjia$'

e2e_step "open 10以内数的分解, the third entry of the page"
sleep 1.2 # the catalogue's back picture wakes a second after it is in front again
e2e_click_twips 4447 5077
e2e_wait_log '^open frmFengjie$'
e2e_view decomposition
e2e_step "1+1: the picture into the left box and into the right box"
drag 116 439 456 536
e2e_wait_log '^sound pingturight$'
drag 116 439 784 536
e2e_wait_more '^sound pingturight$' 1
e2e_view decomposition-dropped
e2e_step "OK"
xdotool mousemove 116 584 sleep 0.1 click 1
e2e_wait_more '^sound right$' 1
e2e_wait_more '^reward right$' 1
e2e_view decomposition-judged
sleep 2.2
e2e_step "close the decomposition"
e2e_click_twips 14760 480
e2e_wait_log '^close frmFengjie$'

e2e_step "back to the main menu"
sleep 1.3
e2e_click_twips 14760 480
e2e_wait_log '^close FrmMulu$'
echo "PASS [$E2E_NAME]"
