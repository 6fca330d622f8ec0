#!/bin/bash
# The two reaction games of a 语言 lesson through the real program, ten seconds each: the
# child starts the point-picture game and clicks the picture running up and down its column;
# back in the activity chooser, the child shoots at the pictures rising and falling above the
# bar. Where the pictures are is read from screenshots.
. "$(dirname "$0")/lib.sh"

FIND="$(dirname "$0")/find_picture.py"
e2e_start --launch 点图游戏 --area 语言 --lesson 水果
e2e_has_course 课程 || e2e_skip "the demo data has no 课程"
e2e_wait_log '^open Frmdiangtu$'
sleep 0.5
e2e_view point-picture

# The picture of the point-picture game, as "x y"; the window's background is 255,250,232.
picture_at() { # r g b [bottom]
    import -display "$DISPLAY" -window root -depth 8 ppm:- 2>/dev/null | python3 "$FIND" "$@"
}

e2e_step "a click beside the picture before the game is a miss"
e2e_click_twips 3000 3000
e2e_wait_log '^sound clickform$'

e2e_step "start the game"
e2e_click_twips 7680 5880 # 开始, in the middle of the window
sleep 0.3
hits() { e2e_count_log '^sound pingturight$'; }
[ -z "$(picture_at 255 250 232 680)" ] && e2e_fail "no moving picture after 开始"

e2e_step "ten seconds of the point-picture game"
# The picture keeps its column until it is hit: find the column, then click across its middle
# until the picture passes and a hit is heard.
end=$((SECONDS + 10))
while [ $SECONDS -lt $end ]; do
    at=$(picture_at 255 250 232 680)
    [ -n "$at" ] || { sleep 0.1; continue; }
    x=${at% *}
    before=$(hits)
    for _ in $(seq 30); do
        xdotool mousemove "$x" 384 click 1
        sleep 0.08
        [ "$(hits)" -gt "$before" ] && break
        [ $SECONDS -lt $end ] || break
    done
done
e2e_view point-picture-played
[ "$(hits)" -ge 2 ] || e2e_fail "only $(hits) hits in ten seconds"
[ "$(e2e_count_log '^reward right$')" -eq "$(hits)" ] || e2e_fail "a hit without its reward"
grep -q '^close Frmdiangtu$' "$E2E_LOG" && e2e_fail "the game closed"

e2e_step "back to the activity chooser"
e2e_click_twips 14760 480
e2e_wait_log '^close Frmdiangtu$'
sleep 0.5

e2e_step "open 射击游戏, the tenth step"
e2e_click_twips 8657 4522
e2e_wait_log '^open FrmdiangTuDuo$'
sleep 1
e2e_view shooting

e2e_step "ten seconds of the shooting game"
before=$(hits)
misses=$(e2e_count_log '^sound clickform$')
end=$((SECONDS + 10))
while [ $SECONDS -lt $end ]; do
    at=$(picture_at 255 255 255 650)
    [ -n "$at" ] || { sleep 0.2; continue; }
    xdotool mousemove ${at% *} ${at#* } click 1
    sleep 0.2
done
e2e_view shooting-played
[ "$(hits)" -ge $((before + 3)) ] || e2e_fail "only $(($(hits) - before)) hits in ten seconds"

e2e_step "a click on the bar is a miss"
e2e_click_twips 7680 10800
e2e_wait_more '^sound clickform$' "$misses"
echo "PASS [$E2E_NAME] $(hits) hits"
