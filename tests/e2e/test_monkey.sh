#!/bin/bash
# The monkey on the real program: a few of the registered windows, picked by the seed, each
# launched by name in kiosk mode (so a stray click never ends the program) and given random
# clicks, drags, double clicks, right clicks and keys through xdotool. The program must live
# through it and still answer: the back picture closes the window in front (F1 opens the help
# when the main menu is in front). A failure prints the seed and the last events.
# MINDLARK_MONKEY_SEED repeats a run; MINDLARK_MONKEY_WINDOWS and _EVENTS size it.
. "$(dirname "$0")/lib.sh"

monkey="$E2E_BIN/../tests/monkey"
[ -x "$monkey" ] || e2e_skip "no monkey program at $monkey"
# Random clicks record strokes and save drawings: the monkey plays on a copy of the data
# folder, beside links to the programs, so the data the other tests read stays as built.
bash "$(dirname "$0")/../robustness/copy_data.sh" "$E2E_BIN" "$E2E_WORK/bin"
E2E_BIN=$E2E_WORK/bin
seed=${MINDLARK_MONKEY_SEED:-$(( (RANDOM << 15) | RANDOM ))}
windows=${MINDLARK_MONKEY_WINDOWS:-3}
events=${MINDLARK_MONKEY_EVENTS:-60}
echo "monkey: seed $seed (again with MINDLARK_MONKEY_SEED=$seed)"
RANDOM=$seed

# The windows with a back picture, and where it is.
mapfile -t listed < <(QT_QPA_PLATFORM=offscreen "$monkey" --list --data "$E2E_BIN" 2>/dev/null | grep -v ' - -$')
[ ${#listed[@]} -gt 0 ] || e2e_fail "the monkey lists no window"

trail=()
event() {
    trail+=("$*")
    [ ${#trail[@]} -gt 30 ] && trail=("${trail[@]:1}")
    return 0
}
# Every failure, the library's waits included, prints the seed and the last events.
eval "$(declare -f e2e_fail | sed '1s/e2e_fail/e2e_fail_plainly/')"
e2e_fail() {
    {
        echo "monkey: FAILED with seed $seed (again with MINDLARK_MONKEY_SEED=$seed); the last events:"
        printf '  %s\n' "${trail[@]}"
    } >&2
    e2e_fail_plainly "$@"
}
monkey_fail() { e2e_fail "$@"; }
alive() {
    kill -0 "$E2E_PROGRAM_PID" 2>/dev/null || monkey_fail "the program died"
    ! grep -q 'ERROR: AddressSanitizer\|runtime error:' "$E2E_LOG" || monkey_fail "a sanitizer finding"
}

# The form in front, from the open and close lines of the log.
front() {
    # (a launched window that is open already comes to the front)
    awk 'function drop(w,  i, j) { for (i = n; i > 0; i--) if (s[i] == w) { for (j = i; j < n; j++) s[j] = s[j + 1]; n--; return 1 } return 0 }
         /^open / { s[++n] = $2 } /^close / { drop($2) } /^launch [^ ]+$/ { if (drop($2)) s[++n] = $2 }
         END { print s[n] }' "$E2E_LOG"
}

# Anywhere on the screen except the top right corner, where the back pictures lie: the
# window under test stays open for the check at the end.
spot() {
    local x y
    while :; do
        x=$((RANDOM % 1024)) y=$((RANDOM % 768))
        [ $x -lt 880 ] || [ $y -gt 90 ] && break
    done
    echo "$x $y"
}

keys=(space Return Left Right Up Down a 5 BackSpace Tab Delete ctrl+z ctrl+y Escape alt+F4)
play() {
    local kind x y x2 y2
    kind=$((RANDOM % 100))
    read -r x y <<< "$(spot)"
    if [ $kind -lt 45 ]; then
        event "click at $x,$y"; xdotool mousemove $x $y click 1
    elif [ $kind -lt 65 ]; then
        read -r x2 y2 <<< "$(spot)"
        event "drag from $x,$y to $x2,$y2"
        xdotool mousemove $x $y mousedown 1 sleep 0.05 mousemove $(((x + x2) / 2)) $(((y + y2) / 2)) \
            sleep 0.05 mousemove $x2 $y2 sleep 0.05 mouseup 1
    elif [ $kind -lt 78 ]; then
        event "double click at $x,$y"; xdotool mousemove $x $y click --repeat 2 --delay 60 1
    elif [ $kind -lt 83 ]; then
        event "right click at $x,$y"; xdotool mousemove $x $y click 3
    else
        local key=${keys[$((RANDOM % ${#keys[@]}))]}
        event "key $key"; xdotool key "$key"
    fi
    sleep 0.05
}

started=
for ((w = 0; w < windows; w++)); do
    read -r name bx by <<< "${listed[$((RANDOM % ${#listed[@]}))]}"
    e2e_step "$name: $events random events"
    trail=()
    if [ -z "$started" ]; then
        e2e_start --kiosk --launch "$name" --lesson 水果
        started=1
    else
        kill "$E2E_PROGRAM_PID" 2>/dev/null; wait "$E2E_PROGRAM_PID" 2>/dev/null
        QT_QPA_PLATFORM=xcb "$E2E_BIN/mindlark" --log --data "$E2E_BIN" --kiosk --launch "$name" \
            --lesson 水果 >"$E2E_LOG" 2>&1 &
        E2E_PROGRAM_PID=$!
        e2e_wait_log '^open FrmChoose$'
    fi
    # A window that only its menu opens is launched as that menu, which then is under test.
    e2e_wait_log '^launch [^ ]+$' 20
    launched=$(grep -E '^launch [^ ]+$' "$E2E_LOG" | tail -1 | cut -d' ' -f2)
    [ "$launched" = "$name" ] || { name=$launched bx=984 by=32; }
    e2e_wait_log "^open $name\$" 20
    event "launch $name"
    for ((i = 0; i < events; i++)); do
        play
        [ $((i % 10)) -eq 9 ] && alive
    done
    alive

    e2e_step "$name: it still answers"
    for _ in 1 2; do xdotool key Return; sleep 0.2; done # message boxes the events raised
    sleep 1.2 # a window in front again lets its back picture rest for a second
    top=$(front)
    if [ "$top" = FrmChoose ]; then
        event "F1 on the main menu"
        count=$(e2e_count_log '^open FrmHelp$')
        xdotool key F1
        e2e_wait_more '^open FrmHelp$' "$count" 5
    else
        [ "$top" = "$name" ] || { bx=984 by=32; }
        event "click on the back picture of $top at $bx,$by"
        count=$(e2e_count_log "^close $top\$")
        xdotool mousemove "$bx" "$by" sleep 0.15 click 1
        e2e_wait_more "^close $top\$" "$count" 5
    fi
    alive
    echo "monkey: $name lived through $events events and answered"
done
echo "PASS [$E2E_NAME] seed $seed"
