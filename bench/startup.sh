#!/usr/bin/env bash
# Start-up and memory of the main menu under Xvfb, against a bare Qt window.
# Usage: bench/startup.sh BUILD_DIR [RUNS]   (a build with -DMINDLARK_BENCH=ON, no sanitizers)
# Prints the median wall time from start to the first painted frame of each, their ratio,
# and the peak RSS of Mindlark at the main menu.
set -euo pipefail
build=$(cd "${1:?usage: bench/startup.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-21}

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Prints "<milliseconds> <peak RSS in KB>" for one run of a command.
measure() {
    local start end rss_file
    rss_file=$(mktemp)
    start=$(date +%s%N)
    /usr/bin/time -o "$rss_file" -f '%M' "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000000 )) $(tail -n 1 "$rss_file")"
    rm -f "$rss_file"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

run_many() {
    local out=()
    "$@" >/dev/null 2>&1 || true # warm the file cache
    for _ in $(seq "$runs"); do out+=("$(measure "$@")"); done
    printf '%s\n' "${out[@]}"
}

bare=$(run_many "$build/bench/bare_window")
menu=$(run_many "$build/bin/mindlark" --data "$build/bin" --exit-after-first-paint)

bare_ms=$(echo "$bare" | awk '{ print $1 }' | median)
menu_ms=$(echo "$menu" | awk '{ print $1 }' | median)
menu_rss=$(echo "$menu" | awk '{ print $2 }' | sort -n | tail -n 1)
echo "bare Qt window, start to first paint: ${bare_ms} ms (median of $runs)"
echo "Mindlark main menu, start to first paint: ${menu_ms} ms (median of $runs)"
awk -v a="$menu_ms" -v b="$bare_ms" 'BEGIN { printf "ratio: %.2f\n", a / b }'
echo "Mindlark peak RSS at the main menu: $((menu_rss / 1024)) MB"
