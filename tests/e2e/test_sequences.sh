#!/bin/bash
# In the lesson 种番茄 of 记忆力训练 a child finds what comes next (a wrong and a right
# answer, both rewarded as they deserve), then drags the shuffled pictures into their order
# until the arrangement is complete and rewarded; the back pictures lead home.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/cognition_lib.sh"

e2e_start
e2e_has_course 顺序推理 && e2e_has_course 课程 && e2e_has_course 步骤 ||
    e2e_skip "no 顺序推理, 课程 or 步骤"
lesson=$(e2e_course_index 课程 课程目录 课程目录 种番茄) || e2e_skip "no lesson 种番茄"
[ -n "$lesson" ] || e2e_skip "no lesson 种番茄"
n=$(e2e_course_count 顺序推理 顺序推理 1)
[ "$n" -ge 2 ] && [ "$n" -le 7 ] || e2e_skip "a sequence of $n pictures"

e2e_step "open the catalogue of 记忆力训练 and the lesson 种番茄"
e2e_click_twips 13200 7200
e2e_wait_log '^open FrmMulu$'
e2e_click_twips $(e2e_catalogue_entry "$lesson")
e2e_wait_log '^open FrmChoosekecheng$'

# Step k of the chooser, six to a row.
step_twips() { echo "$((720 + 400 + 847 + 2230 * (($1 - 1) % 6))) $((1987 + 2535 * (($1 - 1) / 6)))"; }

e2e_step "launch 顺序推理"
step=$(e2e_key_of 步骤 记忆力训练 顺序推理) || e2e_fail "no step 顺序推理"
e2e_click_twips $(step_twips "$step")
e2e_wait_log '^open FrmShunxutl$'
e2e_view reasoning
e2e_step "click what comes next until a wrong and a right answer"
left=$(((1024 - 134 * n) / 2))
xs=()
for ((r = 0; r < n; r++)); do xs+=($((left + 134 * r + 64))); done
e2e_answer_right_and_wrong '^reward right$' '^reward wrong$' 664 "${xs[@]}"
e2e_view reasoning-answered
e2e_step "close the reasoning"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmShunxutl$'

e2e_step "launch 图片排列"
step=$(e2e_key_of 步骤 记忆力训练 图片排列) || e2e_fail "no step 图片排列"
e2e_click_twips $(step_twips "$step")
e2e_wait_log '^open FrmTupiangPl$'
sleep 0.5
e2e_view arrangement
side=$((169 - 8 * (n - 1)))
margin=$(((1024 - n * side) / 2))
upper_y=$((100 + side / 2))
lower_y=$((568 + side / 2))
box_x() { echo $((margin + side * $1 + side / 2)); }
e2e_step "drag every picture to each place in turn until it stays there"
rewarded=$(e2e_count_log '^reward right$')
for ((i = 0; i < n; i++)); do
    for ((s = 0; s < n; s++)); do
        [ "$(e2e_pixel "$(box_x "$i")" "$upper_y")" = 00C0C0 ] && break # gone: placed
        e2e_drag "$(box_x "$i")" "$upper_y" "$(box_x "$s")" "$lower_y"
    done
    [ "$(e2e_pixel "$(box_x "$i")" "$upper_y")" = 00C0C0 ] || e2e_fail "picture $i found no place"
done
e2e_view arrangement-complete
e2e_wait_more '^reward right$' "$rewarded"
e2e_view arrangement-next

e2e_step "close the arrangement, the chooser and the catalogue"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmTupiangPl$'
e2e_click_twips 14880 480
e2e_wait_log '^close FrmChoosekecheng$'
sleep 1.3
e2e_click_twips 14760 480
e2e_wait_log '^close FrmMulu$'
echo "PASS [$E2E_NAME]"
