# Steps the end-to-end tests of the cognition windows share: reading the course through
# mindlark-pack, reading the screen, answering row by row, dragging. Source it after lib.sh.

E2E_PACK=$E2E_BIN/mindlark-pack

# The items of a course value, one a line.
e2e_course_items() { # course section key [data folder]
    "$E2E_PACK" items --data "${4:-$E2E_BIN}" "$1" "$2" "$3" 2>/dev/null |
        sed -n 's/^Txtini=//p' | tr ' ' '\n' | sed '/^$/d'
}

# The number of items of a course value.
e2e_course_count() { # course section key [data folder]
    e2e_course_items "$@" | wc -l
}

# The place (from 1) of an item in a course value, or nothing.
e2e_course_index() { # course section key item
    e2e_course_items "$1" "$2" "$3" | grep -nx -- "$4" | head -n 1 | cut -d: -f1
}

# The first key 1, 2, ... of a section whose value is the title (catalogue entries, steps).
e2e_key_of() { # course section title [data folder]
    local k value
    for k in $(seq 1 50); do
        value=$(e2e_course_items "$1" "$2" "$k" "${4:-}")
        [ -z "$value" ] && return 1
        [ "$value" = "$3" ] && { echo "$k"; return 0; }
    done
    return 1
}

# The colour of one pixel of the screen as RRGGBB.
e2e_pixel() { # x y
    import -display "$DISPLAY" -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        tail -n 1 | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr -d '#'
}

# Clicks the answers at the given x positions of one row (pixels, at height y) one after
# another, each time waiting for its judgement, until a right and a wrong one have been
# logged. After a right answer the next question starts again at the next position.
e2e_answer_right_and_wrong() { # right-regex wrong-regex y x...
    local right=$1 wrong=$2 y=$3
    shift 3
    local xs=("$@") n=$# round i r w seen_right=0 seen_wrong=0
    for round in 1 2 3 4 5 6 7 8; do
        for ((i = 0; i < n; i++)); do
            r=$(e2e_count_log "$right")
            w=$(e2e_count_log "$wrong")
            xdotool mousemove "${xs[$(((i + round) % n))]}" "$y" sleep 0.1 click 1
            e2e_wait_more "($right)|($wrong)" $((r + w))
            [ "$(e2e_count_log "$wrong")" -gt "$w" ] && seen_wrong=1
            if [ "$(e2e_count_log "$right")" -gt "$r" ]; then
                seen_right=1
                [ $seen_wrong = 1 ] && return 0
                break
            fi
            [ $seen_right = 1 ] && return 0
        done
    done
    e2e_fail "no right and wrong answer within eight questions"
}

# Drags with the left button from one point to another, as a hand does.
e2e_drag() { # x1 y1 x2 y2
    xdotool mousemove "$1" "$2" sleep 0.1 mousedown 1 sleep 0.05 \
        mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) sleep 0.05 \
        mousemove "$3" "$4" sleep 0.1 mouseup 1 sleep 0.1
}

# The centre of catalogue entry k (from 1) in twips: five a column, two columns.
e2e_catalogue_entry() { # k
    local row=$((($1 - 1) % 5))
    if [ "$1" -le 5 ]; then echo "4447 $((2947 + 1065 * row))"; else echo "10950 $((2947 + 1065 * row))"; fi
}
