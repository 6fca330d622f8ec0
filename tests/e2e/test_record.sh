#!/bin/bash
# The record of play: a child's rounds are recorded in the user's data folder as the log
# shows them, a killed program leaves a record that mindlark-pack reads, the page for
# grown-ups opens from the help window, and a record that cannot be written is said once
# while play goes on.
. "$(dirname "$0")/lib.sh"

export XDG_DATA_HOME=$E2E_WORK/user-data
RECORD=$XDG_DATA_HOME/mindlark/record.sqlite

# Rounds and right answers of the record, all days together: "rounds right".
record_figures() {
    "$E2E_BIN/mindlark-pack" record --csv "$RECORD" |
        awk -F, 'NR > 1 { rounds += $4; right += $5 } END { print rounds + 0, right + 0 }'
}
log_figures() {
    echo "$(e2e_count_log '^reward (right|wrong)$') $(e2e_count_log '^reward right$')"
}

# Counts three pictures of 10以内数数(四) and confirms, n times.
play_counting() { # n
    local i k
    for i in $(seq "$1"); do
        local judged
        judged=$(e2e_count_log '^reward (right|wrong)$')
        for k in 0 1 2; do xdotool mousemove $((16 + k * 99 + 48)) 320 sleep 0.1 click 1; done
        xdotool mousemove 492 600 sleep 0.1 click 1
        e2e_wait_more '^reward (right|wrong)$' "$judged"
        sleep 2.6 # the good or bad picture, then the next row
    done
}

open_counting() {
    e2e_click_twips 9480 4800
    e2e_wait_log '^open FrmMulu$'
    e2e_click_twips 4447 6142
    e2e_wait_log '^open FrmXunxushsh$'
}

e2e_start
e2e_has_course 数学课程 || e2e_skip "the demo data has no 数学课程"
[ -x "$E2E_BIN/mindlark-pack" ] || e2e_skip "no mindlark-pack at $E2E_BIN"

e2e_step "play two counting rounds, close the window and end the program"
open_counting
play_counting 2
e2e_click_twips 14760 480
e2e_wait_log '^close FrmXunxushsh$'
expected=$(log_figures)
sleep 1.2
e2e_click_twips 14760 480 # the catalogue's back picture
sleep 0.5
e2e_click_twips 14880 480 # the main menu's: the program ends
for _ in $(seq 50); do kill -0 "$E2E_PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$E2E_PROGRAM_PID" 2>/dev/null && e2e_fail "the program did not end"
[ -f "$RECORD" ] || e2e_fail "no record at $RECORD"
[ "$(record_figures)" = "$expected" ] || e2e_fail "record $(record_figures), log $expected"
grep -q "record of play" "$E2E_LOG" && e2e_fail "a message about the record: $(grep "record of play" "$E2E_LOG")"

e2e_step "a program killed in the middle of play leaves a readable record"
e2e_run_program
open_counting
play_counting 1
before=$(echo "$expected" | awk '{ print $1 }')
kill -9 "$E2E_PROGRAM_PID"
wait "$E2E_PROGRAM_PID" 2>/dev/null
rounds=$(record_figures | awk '{ print $1 }')
[ "$rounds" = $((before + 1)) ] || e2e_fail "after the kill the record has $rounds rounds, not $((before + 1))"

e2e_step "the page for grown-ups opens from the help window"
e2e_run_program
xdotool mousemove 300 600
e2e_key F1
e2e_wait_log '^open FrmHelp$'
e2e_click_twips 5730 7480
e2e_wait_log '^open FrmRecord$'
e2e_view record-page
e2e_click_twips 14880 480
e2e_wait_log '^close FrmRecord$'
kill "$E2E_PROGRAM_PID"
wait "$E2E_PROGRAM_PID" 2>/dev/null

e2e_step "a record that cannot be written is said once, and play goes on"
rm -rf "$XDG_DATA_HOME"
echo "not a folder" >"$XDG_DATA_HOME"
e2e_run_program
open_counting
play_counting 1
[ "$(e2e_count_log 'record of play')" = 1 ] || e2e_fail "not one message about the record"
echo "PASS [$E2E_NAME]"
