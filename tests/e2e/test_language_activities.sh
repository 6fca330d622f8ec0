#!/bin/bash
# A lesson of 语言 through the real program: the child pairs every photo of a round with its
# word and is rewarded, then, back in the activity chooser, builds a word from its
# characters. The rows are shuffled by the program, so each photo or character is tried on
# the places in turn until it lands.
. "$(dirname "$0")/lib.sh"

# The lesson 种番茄 has six items of two characters each: a full round of six pairs, and
# words of two characters mixed with two others.
e2e_start --launch 图字配对 --area 语言 --lesson 种番茄
e2e_has_course 课程 && e2e_has_course 句子排序 || e2e_skip "the demo data has no 课程 or 句子排序"
e2e_wait_log '^open FrmpeiduiTu_zhi$'
e2e_view pairing

drops() { e2e_count_log '^sound (pingturight|mousemove)$'; }
landed() { e2e_count_log '^sound pingturight$'; }

# Drags from one point to another as a hand does, then waits until the drop is heard.
# Succeeds when the picture landed on its place.
drag() { # x1 y1 x2 y2
    local before placed
    before=$(drops)
    placed=$(landed)
    xdotool mousemove "$1" "$2" sleep 0.15 mousedown 1 sleep 0.1 \
        mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) sleep 0.1 \
        mousemove "$3" "$4" sleep 0.15 mouseup 1
    e2e_wait_more '^sound (pingturight|mousemove)$' "$before"
    [ "$(landed)" -gt "$placed" ]
}

# Drags the thing at x,y to each free point of the list in turn until it lands on one; the
# points taken are kept in TAKEN.
TAKEN=""
land() { # x y point...
    local x=$1 y=$2 point
    shift 2
    for point in "$@"; do
        case " $TAKEN " in *" $point "*) continue ;; esac
        if drag "$x" "$y" "${point%,*}" "${point#*,}"; then
            TAKEN="$TAKEN $point"
            return 0
        fi
    done
    return 1
}

# Six places of 134 pixels from x = 110; photos at the top (80), words at the bottom (552).
e2e_step "pair the six photos of a round with their words"
words=$(for q in 0 1 2 3 4 5; do echo "$((110 + 134 * q + 64)),616"; done)
for p in 0 1 2 3 4 5; do
    land $((110 + 134 * p + 64)) 144 $words
done
[ "$(landed)" -eq 6 ] || e2e_fail "only $(landed) of the six photos found their word"
e2e_wait_log '^reward right$'
e2e_wait_log '^sound win$'
e2e_view pairing-done
e2e_step "the next round comes"
sleep 0.5
e2e_view pairing-next

e2e_step "back to the activity chooser"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmpeiduiTu_zhi$'
sleep 0.5

e2e_step "open 看图组词, the eighth step"
e2e_click_twips 4197 4522
e2e_wait_log '^open Frmkantzc$'
e2e_view word-building

# Four tiles of 102 pixels from x = 308 at the bottom (592); two slots from x = 410 (392).
# The tiles of the other word land nowhere.
e2e_step "build the photo's word in the two slots"
rewards=$(e2e_count_log '^reward right$')
TAKEN=""
for p in 0 1 2 3; do
    land $((308 + 102 * p + 48)) 640 458,440 560,440 || true
done
e2e_wait_more '^reward right$' "$rewards"
[ "$(e2e_count_log '^sound win$')" -eq 2 ] || e2e_fail "no win for the built word"
e2e_view word-built

e2e_step "close the word building"
e2e_click_twips 14760 480
e2e_wait_log '^close Frmkantzc$'
echo "PASS [$E2E_NAME]"
