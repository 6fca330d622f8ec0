#!/bin/bash
# Every area of the main menu opens its catalogue, and the catalogue's back picture leads
# home again; the 数学 catalogue turns to its last page.
. "$(dirname "$0")/lib.sh"

# area, course it needs, centre of its main-menu picture in twips
AREAS=(
    "语言 课程 9480 2400"
    "数学 数学课程 9480 4800"
    "认知 认知 9480 7200"
    "填色 tianshe 13200 2400"
    "手眼协调 课程 13200 4800"
    "记忆力训练 课程 13200 7200"
)

e2e_start
skipped=()
for entry in "${AREAS[@]}"; do
    read -r area course x y <<<"$entry"
    if ! e2e_has_course "$course"; then
        skipped+=("$area (no course $course)")
        continue
    fi
    e2e_step "open the catalogue of $area"
    opened=$(e2e_count_log '^open FrmMulu$')
    e2e_click_twips "$x" "$y"
    e2e_wait_more '^open FrmMulu$' "$opened"
    e2e_view "catalogue-$area"

    if [ "$area" = 数学 ]; then
        e2e_step "turn the 数学 catalogue to its last page"
        for _ in 1 2; do e2e_click_twips 9847 9907; done
        e2e_view "catalogue-数学-last-page"
    fi

    e2e_step "close the catalogue of $area"
    closed=$(e2e_count_log '^close FrmMulu$')
    e2e_click_twips 14760 480
    e2e_wait_more '^close FrmMulu$' "$closed"
done
for s in "${skipped[@]}"; do echo "SKIP area $s"; done
echo "PASS [$E2E_NAME]"
