#!/bin/bash
# From the 认知 catalogue a child finds the identical picture and then the picture of the
# same kind: a wrong click is heard and costs a point, a right one is heard, and the back
# pictures lead home.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/cognition_lib.sh"

e2e_start
e2e_has_course 认知 && e2e_has_course 分类 && e2e_has_course 课程 || e2e_skip "no 认知, 分类 or 课程"
first=$(e2e_course_items 分类 类别 类别 | head -n 1)
n=$(e2e_course_count 课程 课程图片 "$first")
[ "$n" -ge 2 ] && [ "$n" -le 22 ] || e2e_skip "the first category $first has $n pictures"

e2e_step "open the catalogue of 认知"
e2e_click_twips 9480 7200
e2e_wait_log '^open FrmMulu$'

e2e_step "open 求同活动(相同)"
entry=$(e2e_key_of 认知 目录 '求同活动(相同)') || e2e_fail "no entry 求同活动(相同) in 认知"
e2e_click_twips $(e2e_catalogue_entry "$entry")
e2e_wait_log '^open FrmQtXiangtong$'
e2e_view identical
e2e_step "find the identical picture among the $n of $first"
side=$((169 - 8 * (n - 1)))
margin=$(((1024 - n * side) / 2))
xs=()
for ((k = 0; k < n; k++)); do xs+=($((margin + side * k + side / 2))); done
e2e_answer_right_and_wrong '^sound right$' '^sound error$' $((518 + side / 2)) "${xs[@]}"
e2e_wait_log '^reward wrong$'
e2e_view identical-answered

e2e_step "close the identical pictures"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmQtXiangtong$'
sleep 1.3 # the catalogue wakes a second after it is in front again

e2e_step "open 求同活动(同类)"
entry=$(e2e_key_of 认知 目录 '求同活动(同类)') || e2e_fail "no entry 求同活动(同类) in 认知"
e2e_click_twips $(e2e_catalogue_entry "$entry")
e2e_wait_log '^open FrmQtTonglei$'
e2e_view same-kind
e2e_step "find the picture of the same kind among four"
rewarded=$(e2e_count_log '^reward right$')
e2e_answer_right_and_wrong '^sound right$' '^sound error$' $((518 + 72)) 294 439 584 729
e2e_wait_more '^reward right$' "$rewarded"
e2e_view same-kind-answered

e2e_step "close the same kind, then the catalogue"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmQtTonglei$'
sleep 1.3
e2e_click_twips 14760 480
e2e_wait_log '^close FrmMulu$'
echo "PASS [$E2E_NAME]"
