#!/bin/bash
# From the 数学 catalogue a child sorts the first level of 10以内排序(一) by dragging each
# number into its place (the level is won and rewarded), then drags one tile of the hundred
# board (数字1-100) onto its own square; the back pictures lead home.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/cognition_lib.sh"

e2e_start
e2e_has_course 数学课程 || e2e_skip "the demo data has no 数学课程"

# Opens the catalogue entry with this title, turning pages forward as needed (ten entries
# a page; the catalogue keeps its page while a window lies over it).
page_now=1
open_entry() { # title window
    local k at
    k=$(e2e_key_of 数学课程 目录 "$1") || e2e_fail "no catalogue entry $1"
    while [ "$page_now" -lt $(((k + 9) / 10)) ]; do
        e2e_click_twips 9847 9907
        page_now=$((page_now + 1))
        sleep 0.4
    done
    at=$(e2e_catalogue_entry $(((k - 1) % 10 + 1)))
    e2e_click_twips $at
    e2e_wait_log "^open $2\$"
}

close_window() { # window
    e2e_click_twips 14760 480
    e2e_wait_log "^close $1\$"
    sleep 1.2 # the catalogue's back picture wakes a second after it is in front again
}

e2e_step "open the catalogue of 数学"
e2e_click_twips 9480 4800
e2e_wait_log '^open FrmMulu$'

e2e_step "open 10以内排序(一)"
open_entry "10以内排序(一)" Frmpaixu
n=$(e2e_course_count 数学课程 排序 1)
[ "$n" -ge 2 ] || e2e_fail "level 1 of 排序 has $n numbers"
side=$(((169 * 10 - 80 * (n - 1)) / 10))
first=$(((1024 - n * side) / 2 + side / 2))
e2e_view sorting
e2e_step "drag each of the $n numbers into its place"
for tile in $(seq 0 $((n - 1))); do
    for slot in $(seq 0 $((n - 1))); do
        landed=$(e2e_count_log '^sound pingturight$')
        drops=$(e2e_count_log '^sound (pingturight|mousemove)$')
        e2e_drag $((first + tile * side)) $((100 + side / 2)) $((first + slot * side)) $((568 + side / 2))
        e2e_wait_more '^sound (pingturight|mousemove)$' "$drops" 5
        [ "$(e2e_count_log '^sound pingturight$')" -gt "$landed" ] && break
    done
done
[ "$(e2e_count_log '^sound pingturight$')" -eq "$n" ] || e2e_fail "not every number landed"
e2e_view sorting-done
e2e_step "the level is won"
e2e_wait_log '^sound win$'
e2e_wait_log '^reward right$'
e2e_view sorting-level-2
close_window Frmpaixu

e2e_step "open 数字1-100"
open_entry "数字1-100" Frm100
sounds=$(e2e_count_log '^sound')
e2e_view hundred
e2e_step "drag the top tile of the first stack onto its square in the first column"
for row in $(seq 0 9); do
    e2e_drag 84 52 276 $((52 + 73 * row))
    sleep 0.2
    grep -Eq '^tile [0-9]+ placed$' "$E2E_LOG" && break
done
e2e_wait_log '^tile ([0-9]*1) placed$'
[ "$(e2e_count_log '^sound')" -eq "$sounds" ] || e2e_fail "the board made a sound"
e2e_view hundred-placed
close_window Frm100

e2e_step "back to the main menu"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmMulu$'
echo "PASS [$E2E_NAME]"
