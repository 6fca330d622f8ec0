#!/bin/bash
# The colouring game from the 填色 catalogue: the child picks red and fills the page around the
# first outline, picks blue and fills an area inside it, and declares the picture finished.
# The jigsaw in the first lesson of 手眼协调: the child picks the grid of two pieces and drags
# both onto their cells; the finished picture slides away and is rewarded. Both are checked
# on the pixels of the screen.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/cognition_lib.sh"

e2e_start
e2e_has_course tianshe && e2e_has_course 课程 && e2e_has_course 步骤 ||
    e2e_skip "no tianshe, 课程 or 步骤"
page=$(e2e_course_items 课程 填色图片 1 | head -n 1)
[ "$page" = 太阳 ] || e2e_skip "the first outline is not 太阳 (the points below are on it)"

expect_pixel() { # x y rrggbb what
    local got
    got=$(e2e_pixel "$1" "$2")
    [ "$got" = "$3" ] || e2e_fail "$4: the pixel at $1,$2 is $got, not $3"
}

e2e_step "open the colouring game from the catalogue of 填色"
e2e_click_twips 13200 2400
e2e_wait_log '^open FrmMulu$'
entry=$(e2e_key_of tianshe 目录 填色游戏) || e2e_fail "no entry 填色游戏 in 填色"
e2e_click_twips $(e2e_catalogue_entry "$entry")
e2e_wait_log '^open FrmdrawColor$'
sleep 0.5
e2e_view colouring

# The canvas lies at 320, 48 and the 540 x 540 page is stretched over it from its corner.
around=(340 68)  # the page around the sun
inside=(666 274) # inside the sun's disc, above its eyes
red=(136 152)    # swatch 7
blue=(136 472)   # swatch 37
expect_pixel "${around[@]}" FFFFFF "the page before colouring"
expect_pixel "${inside[@]}" FFFFFF "the sun before colouring"

e2e_step "fill the page around the sun with red"
xdotool mousemove "${red[@]}" sleep 0.15 click 1 sleep 0.2
xdotool mousemove "${around[@]}" sleep 0.15 click 1 sleep 0.4
expect_pixel "${around[@]}" FF0000 "the page around the sun"
expect_pixel "${inside[@]}" FFFFFF "the fill stopped at the sun's outline"

e2e_step "fill the inside of the sun with blue"
xdotool mousemove "${blue[@]}" sleep 0.15 click 1 sleep 0.2
xdotool mousemove "${inside[@]}" sleep 0.15 click 1 sleep 0.4
expect_pixel "${inside[@]}" 0000FF "the sun's disc"
expect_pixel "${around[@]}" FF0000 "the page around the sun is still red"
e2e_view colouring-filled

e2e_step "declare the picture finished"
xdotool mousemove 152 716 sleep 0.15 click 1
e2e_wait_log '^reward right$'

e2e_step "close the colouring game and the catalogue"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmdrawColor$'
sleep 1.3
e2e_click_twips 14760 480
e2e_wait_log '^close FrmMulu$'

e2e_step "open the first lesson of 手眼协调 and its step 拼图"
e2e_click_twips 13200 4800
e2e_wait_more '^open FrmMulu$' 1
e2e_click_twips $(e2e_catalogue_entry 1)
e2e_wait_log '^open FrmChoosekecheng$'
step=$(e2e_key_of 步骤 手眼协调 拼图) || e2e_fail "no step 拼图"
e2e_click_twips $((720 + 400 + 847 + 2230 * ((step - 1) % 6))) $((1987 + 2535 * ((step - 1) / 6)))
e2e_wait_log '^open FrmPingtuMenu$'
e2e_view jigsaw-menu

e2e_step "choose the grid of two pieces"
xdotool mousemove 520 160 sleep 0.15 click 1
e2e_wait_log '^open Frmpingtu2$'
sleep 0.5
e2e_view jigsaw

# Two pieces of 529 x 260 rest on the bottom edge at random places; both cover x 495..530,
# and the one in front there is piece 1, the lower half. The cells lie on the canvas at 432, 48,
# one pixel apart.
grab=(512 638)
upper=(696 178)
lower=(696 439)
expect_pixel "${lower[@]}" E0E0E0 "the empty lower cell"
e2e_step "drag the lower half onto its cell"
e2e_drag "${grab[@]}" "${lower[@]}"
e2e_wait_log '^sound pingturight$'
[ "$(e2e_pixel "${lower[@]}")" != E0E0E0 ] || e2e_fail "the lower cell still looks empty"
expect_pixel "${upper[@]}" E0E0E0 "the empty upper cell"
e2e_view jigsaw-one-piece

e2e_step "drag the upper half onto its cell; the picture slides away"
rewarded=$(e2e_count_log '^reward right$')
e2e_drag "${grab[@]}" "${upper[@]}"
e2e_wait_log '^sound win$'
e2e_wait_more '^reward right$' "$rewarded" 10
sleep 0.3
expect_pixel "${lower[@]}" E0E0E0 "the next picture's empty lower cell"
e2e_view jigsaw-next

e2e_step "close the puzzle, the menu, the chooser and the catalogue"
e2e_click_twips 14760 480
e2e_wait_log '^close Frmpingtu2$'
e2e_click_twips 14760 480
e2e_wait_log '^close FrmPingtuMenu$'
e2e_click_twips 14880 480
e2e_wait_log '^close FrmChoosekecheng$'
sleep 1.3
e2e_click_twips 14760 480
e2e_wait_more '^close FrmMulu$' 1
echo "PASS [$E2E_NAME]"
