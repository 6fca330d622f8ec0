#!/bin/bash
# Classification over a data folder of plainly coloured categories, so that the test can
# see which pictures belong to the named one: a click on a picture of the other category
# deals the grid afresh and the count starts over; clicking every picture of the named
# category is rewarded, without a sound. Then, from the 认知 catalogue, a colour is told
# apart: a wrong patch is heard, the right one too.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/cognition_lib.sh"

[ -x "$E2E_PACK" ] || e2e_skip "no mindlark-pack at $E2E_PACK"
e2e_has_course 认知 || e2e_skip "the demo data has no 认知"
command -v convert >/dev/null || e2e_skip "ImageMagick convert missing"

# The demo folder, with categories of plain colours instead of its own.
demo=$(cd "$E2E_BIN" && pwd)
data=$E2E_WORK/data
mkdir -p "$data/pic/fmpic" "$data/pic/kcpic" "$data/pic/wzpic"
for f in "$demo"/*; do [ "$(basename "$f")" = pic ] || ln -s "$f" "$data/"; done
for f in "$demo"/pic/*; do
    case $(basename "$f") in fmpic | kcpic | wzpic) ;; *) ln -s "$f" "$data/pic/" ;; esac
done
for f in "$demo"/pic/fmpic/*; do ln -s "$f" "$data/pic/fmpic/"; done
rm -f "$data/pic/fmpic/分类.bmp" "$data/pic/fmpic/课程.bmp"
printf '[类别]\n类别=红 蓝 绿 黄\n' >"$E2E_WORK/分类.ini"
printf '[课程图片]\n红=红1 红2 红3\n蓝=蓝1 蓝2 蓝3\n绿=绿1 绿2\n黄=黄1 黄2\n[分辨颜色]\n颜色=红色 黄色 蓝色\n' \
    >"$E2E_WORK/课程.ini"
"$E2E_PACK" pack "$E2E_WORK/分类.ini" "$data/pic/fmpic/分类.bmp" >/dev/null 2>&1
"$E2E_PACK" pack "$E2E_WORK/课程.ini" "$data/pic/fmpic/课程.bmp" >/dev/null 2>&1
for entry in 红:#d01818 蓝:#1830d0 绿:#18b030 黄:#e0d020; do
    name=${entry%%:*}
    convert -size 96x96 "xc:${entry#*:}" "$E2E_WORK/$name.jpg"
    for k in 1 2 3; do
        "$E2E_PACK" split "$E2E_WORK/$name.jpg" "$data/pic/kcpic/$name$k.zic" "$data/pic/wzpic/$name$k.zic" 2>/dev/null
    done
done

# The six grid places of the first pair: one row, 158 pixels apart.
place_x() { echo $((108 + 158 * $1)); }
PLACE_Y=212
red_places() {
    local i p
    for i in 0 1 2 3 4 5; do
        p=$(e2e_pixel "$(place_x "$i")" "$PLACE_Y")
        [ $((16#${p:0:2})) -gt 160 ] && [ $((16#${p:2:2})) -lt 96 ] && [ $((16#${p:4:2})) -lt 96 ] && echo "$i"
    done
}
click_place() { xdotool mousemove "$(place_x "$1")" "$PLACE_Y" sleep 0.1 click 1 sleep 0.3; }

e2e_start --data "$data" --launch Frmfenglei --area 认知
e2e_wait_log '^open Frmfenglei$'
sleep 0.5
e2e_view classification
sounds=$(e2e_count_log '^sound ')

e2e_step "three red pictures among six"
red=($(red_places))
[ ${#red[@]} -eq 3 ] || e2e_fail "red pictures at places: ${red[*]}"
others=()
for i in 0 1 2 3 4 5; do [[ " ${red[*]} " == *" $i "* ]] || others+=("$i"); done

e2e_step "one red picture, then a blue one: the grid is dealt again"
click_place "${red[0]}"
click_place "${others[0]}"
e2e_view classification-dealt-again
[ "$(e2e_count_log '^reward ')" -eq 0 ] || e2e_fail "a reward before the category was complete"

e2e_step "the count starts over: two red pictures are not yet all three"
red=($(red_places))
[ ${#red[@]} -eq 3 ] || e2e_fail "red pictures after the new deal at places: ${red[*]}"
click_place "${red[0]}"
click_place "${red[1]}"
sleep 0.3
[ "$(e2e_count_log '^reward ')" -eq 0 ] || e2e_fail "rewarded although the wrong click started the count over"
click_place "${red[2]}"
e2e_wait_log '^reward right$'
[ "$(e2e_count_log '^sound ')" -eq "$sounds" ] || e2e_fail "the classification made a sound"
e2e_view classification-next-pair

e2e_step "close the classification"
e2e_click_twips 14760 480
e2e_wait_log '^close Frmfenglei$'
sleep 1.3

e2e_step "open 分辨颜色 from the catalogue"
entry=$(e2e_key_of 认知 目录 分辨颜色 "$data") || e2e_fail "no entry 分辨颜色 in 认知"
e2e_click_twips $(e2e_catalogue_entry "$entry")
e2e_wait_log '^open FrmFengbysh$'
e2e_view colours
e2e_step "click colour patches until a wrong and the right one"
rewarded=$(e2e_count_log '^reward right$')
xs=()
for i in 0 1 2 3 4 5 6 7 8; do xs+=($((160 + 72 * i + 32))); done
e2e_answer_right_and_wrong '^sound right$' '^sound error$' 560 "${xs[@]}"
e2e_wait_more '^reward right$' "$rewarded"

e2e_step "close the colours, then the catalogue"
e2e_click_twips 14760 480
e2e_wait_log '^close FrmFengbysh$'
sleep 1.3
e2e_click_twips 14760 480
e2e_wait_log '^close FrmMulu$'
echo "PASS [$E2E_NAME]"
