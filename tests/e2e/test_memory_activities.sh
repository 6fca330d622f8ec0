#!/bin/bash
# A lesson of 手眼协调: the child draws a line through the first maze of the demo data along
# a way searched on the maze picture itself, and earns the reward. A lesson of 记忆力训练:
# the child turns up two cards of the memory game, sees their pictures, and goes on turning
# cards until the target's card is found.
. "$(dirname "$0")/lib.sh"

e2e_start
e2e_has_course 课程 && e2e_has_course 步骤 || e2e_skip "the demo data has no 课程 or 步骤"
[ -f "$E2E_BIN/pic/handeye/1.bmp" ] || e2e_skip "the demo data has no maze pictures"
command -v python3 >/dev/null || e2e_skip "python3 missing (it searches the way through the maze)"

# The colour of a screen pixel as rrggbb.
e2e_pixel() { # x y
    import -display "$DISPLAY" -window root -crop "1x1+$1+$2" -depth 8 rgb:- 2>/dev/null |
        od -An -tx1 | tr -d ' \n'
}

e2e_step "open the catalogue of 手眼协调"
e2e_click_twips 13200 4800
e2e_wait_log '^open FrmMulu$'
e2e_step "open the first lesson"
e2e_click_twips 4447 2947
e2e_wait_log '^open FrmChoosekecheng$'
e2e_step "launch the third step, 手眼协调"
e2e_click_twips 6427 1987
e2e_wait_log '^open FrmShouYanxt$'
e2e_view maze

# Draws a line through maze n along a way searched on its picture; the maze stands in the
# middle of the 1024 x 768 screen at its own size.
solve_maze() { # n
    local way width height left top first x y moves=()
    e2e_step "search a way through maze $1"
    way=$(python3 "$(dirname "$0")/maze_path.py" "$E2E_BIN/pic/handeye/$1.bmp" 6) ||
        e2e_fail "no way found through the maze picture"
    read -r width height <<<"$(head -n 1 <<<"$way")"
    left=$(((1024 - width + 1) / 2))
    top=$(((768 - height + 1) / 2))
    while read -r x y; do
        [ -z "${first:-}" ] && first="$((left + x)) $((top + y))"
        moves+=(mousemove $((left + x)) $((top + y)) sleep 0.01)
    done < <(tail -n +2 <<<"$way")
    e2e_step "draw the line through maze $1 with the button held ($((${#moves[@]} / 4)) moves)"
    # shellcheck disable=SC2086
    xdotool mousemove $first sleep 0.1 mousedown 1 sleep 0.05 "${moves[@]}" sleep 0.1
    e2e_view "maze$1-drawn"
    xdotool mouseup 1
}

solve_maze 1
e2e_wait_log '^reward right$'
grep -q '^sound win$' "$E2E_LOG" || e2e_fail "no sound win for the solved maze"
e2e_view maze-solved
sleep 1.3 # the well-done picture for a second, then maze 2
solve_maze 2
e2e_wait_more '^reward right$' 1
grep -Eq '^sound (no|mousemove)$' "$E2E_LOG" && e2e_fail "a line touched a wall or missed its goal"
e2e_view maze2-solved
sleep 1.3

e2e_step "close the maze, the chooser and the catalogue"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmShouYanxt$'
e2e_click_twips 14880 480
e2e_wait_log '^close FrmChoosekecheng$'
sleep 1.3
e2e_click_twips 14760 480
e2e_wait_log '^close FrmMulu$'

e2e_step "open the first lesson of 记忆力训练"
e2e_click_twips 13200 7200
e2e_wait_log '^open FrmMulu$'
e2e_click_twips 4447 2947
e2e_wait_more '^open FrmChoosekecheng$' 1
e2e_step "launch the first step, 记忆力游戏"
e2e_click_twips 1967 1987
e2e_wait_log '^open FrmMemory$'
sleep 0.5
e2e_view cards

# Ten lesson pictures: two rows of five cards of 177 pixels from 62, 204.
card_x() { echo $((62 + $1 % 5 * 180 + 88)); }
card_y() { echo $((204 + $1 / 5 * 180 + 88)); }
flips=0
found=
for card in 0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9; do
    x=$(card_x $card)
    y=$(card_y $card)
    [ "$(e2e_pixel "$x" "$y")" = ffffff ] || e2e_fail "card $card is not face down before it is clicked"
    rights=$(e2e_count_log '^reward right$')
    e2e_step "turn up card $card"
    xdotool mousemove "$x" "$y" sleep 0.1 click 1 sleep 0.2
    [ "$(e2e_pixel "$x" "$y")" != ffffff ] || e2e_fail "card $card shows no picture"
    [ $flips = 0 ] && e2e_view card-up
    flips=$((flips + 1))
    if [ "$(e2e_count_log '^reward right$')" -gt "$rights" ]; then
        grep -q '^sound pingturight$' "$E2E_LOG" || e2e_fail "no sound pingturight for the target's card"
        found=$card
        sleep 1.2 # the target's card stays up a second, then a new target comes
    else
        sleep 0.8 # a wrong card turns back after 600 ms
    fi
    [ "$(e2e_pixel "$x" "$y")" = ffffff ] || e2e_fail "card $card did not turn back"
    [ -n "$found" ] && [ $flips -ge 2 ] && break
done
[ -n "$found" ] || e2e_fail "no card hid the target"
echo "turned $flips cards; card $found hid the target"

e2e_step "close the memory game"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmMemory$'
echo "PASS [$E2E_NAME]"
