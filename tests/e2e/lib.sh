# Shared steps of the end-to-end tests: the real program on a 1024x768 Xvfb screen, driven
# by xdotool, watched through its --log lines. Source it, then call e2e_start.
#   usage of a test: test_x.sh <bin folder> <screenshot folder>

set -u

E2E_BIN=${1:?bin folder}
E2E_SHOTS=${2:-$PWD/e2e-shots}
E2E_NAME=$(basename "$0" .sh)
E2E_WORK=$(mktemp -d)
E2E_LOG=$E2E_WORK/program.log
E2E_XVFB_PID=
E2E_PROGRAM_PID=
E2E_STEP=start
mkdir -p "$E2E_SHOTS"
# The program's user data (the record of play, drawings) stays with the test, never in the
# home folder of whoever runs the tests.
export XDG_DATA_HOME=$E2E_WORK/user-data

e2e_stop() {
    [ -n "$E2E_PROGRAM_PID" ] && kill "$E2E_PROGRAM_PID" 2>/dev/null && wait "$E2E_PROGRAM_PID" 2>/dev/null
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null && wait "$E2E_XVFB_PID" 2>/dev/null
    rm -rf "$E2E_WORK"
}
trap e2e_stop EXIT

e2e_shot() { # name
    import -display "$DISPLAY" -window root "$E2E_SHOTS/$E2E_NAME-$1.png" 2>/dev/null
}

e2e_fail() {
    echo "FAIL [$E2E_NAME] $E2E_STEP: $*" >&2
    e2e_shot "failed-$(echo "$E2E_STEP" | tr -c 'A-Za-z0-9_-' '_')"
    echo "--- program log ---" >&2
    cat "$E2E_LOG" >&2
    # A program that is still alive but silent: where it waits.
    if [ -n "$E2E_PROGRAM_PID" ] && kill -0 "$E2E_PROGRAM_PID" 2>/dev/null && command -v gdb >/dev/null; then
        echo "--- where the program is ---" >&2
        gdb -p "$E2E_PROGRAM_PID" -batch -ex "thread apply all bt 12" 2>/dev/null | grep -E '^(Thread|#)' >&2
    fi
    exit 1
}

e2e_skip() {
    echo "SKIP [$E2E_NAME] $*"
    exit 0
}

e2e_step() { E2E_STEP=$*; echo "step: $*"; }

# A display number that no X server holds yet.
e2e_free_display() {
    local n
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

# Starts Xvfb and the program; extra arguments go to the program.
e2e_start() {
    [ -x "$E2E_BIN/mindlark" ] || e2e_skip "no program at $E2E_BIN/mindlark"
    command -v Xvfb >/dev/null && command -v xdotool >/dev/null || e2e_skip "Xvfb or xdotool missing"
    local n
    n=$(e2e_free_display) || e2e_skip "no free X display"
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
        xdotool getmouselocation >/dev/null 2>&1 && break
        sleep 0.1
    done
    e2e_run_program "$@"
}

# Starts the program (again) on the running X server, with a fresh log.
e2e_run_program() {
    QT_QPA_PLATFORM=xcb "$E2E_BIN/mindlark" --log --data "$E2E_BIN" "$@" >"$E2E_LOG" 2>&1 &
    E2E_PROGRAM_PID=$!
    # Half a second as a rule; far longer with the sanitizers on a busy machine.
    e2e_wait_log '^open FrmChoose$' 30
}

# Waits until a line of the log matches the extended regular expression (default 10 s).
e2e_wait_log() { # regex [seconds]
    local deadline=$((SECONDS + ${2:-10}))
    while [ $SECONDS -lt $deadline ]; do
        grep -Eq -- "$1" "$E2E_LOG" && return 0
        kill -0 "$E2E_PROGRAM_PID" 2>/dev/null || e2e_fail "the program ended while waiting for /$1/"
        sleep 0.1
    done
    e2e_fail "no log line /$1/ within ${2:-10} s"
}

# How many log lines match, for waiting on the next occurrence.
e2e_count_log() { grep -Ec -- "$1" "$E2E_LOG"; }

# Clicks at design coordinates given in twips (15 to a pixel on the 1024x768 screen).
e2e_click_twips() { # x y
    xdotool mousemove $(($1 / 15)) $(($2 / 15)) sleep 0.15 click 1
}

e2e_key() { xdotool key "$1"; }

# True when the data folder holds the course's carrier.
e2e_has_course() { [ -f "$E2E_BIN/pic/fmpic/$1.bmp" ]; }

# With E2E_KEEP_SHOTS set, keeps a screenshot of a step that went well too.
e2e_view() { # name
    if [ -n "${E2E_KEEP_SHOTS:-}" ]; then sleep 0.3; e2e_shot "$1"; fi
}

# Waits until more than n log lines match (default 10 s).
e2e_wait_more() { # regex n [seconds]
    local deadline=$((SECONDS + ${3:-10}))
    while [ $SECONDS -lt $deadline ]; do
        [ "$(e2e_count_log "$1")" -gt "$2" ] && return 0
        kill -0 "$E2E_PROGRAM_PID" 2>/dev/null || e2e_fail "the program ended while waiting for /$1/"
        sleep 0.1
    done
    e2e_fail "no new log line /$1/ within ${3:-10} s"
}
