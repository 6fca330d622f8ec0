#!/bin/bash
# A lesson of 语言 opens the activity chooser, a step launches, and the back pictures of
# the chooser and the catalogue lead home.
. "$(dirname "$0")/lib.sh"

e2e_start
e2e_has_course 课程 && e2e_has_course 步骤 || e2e_skip "the demo data has no 课程 or 步骤 yet"

e2e_step "open the catalogue of 语言"
e2e_click_twips 9480 2400
e2e_wait_log '^open FrmMulu$'

e2e_step "open the first lesson"
e2e_click_twips 4447 2947
e2e_wait_log '^open FrmChoosekecheng$'
e2e_view chooser
# The pointer on step 2 shows its title.
xdotool mousemove $(((720 + 2630 + 847) / 15)) $(((600 + 720 + 667) / 15))
e2e_view chooser-hover

e2e_step "launch the first step"
opened=$(e2e_count_log '^open [A-Za-z_0-9]+$')
e2e_click_twips 1967 1987
e2e_wait_log '^launch [^:]+$'
e2e_view step-launched
# The step's window, when it exists, closes with its back picture like every activity.
if grep -Eq '^launch [^:]+: no window$' "$E2E_LOG"; then
    echo "note: the first step has no window in this build"
else
    e2e_wait_more '^open [A-Za-z_0-9]+$' "$opened" # the step's own window, not the chooser
    window=$(grep -E '^open ' "$E2E_LOG" | tail -n 1 | cut -d' ' -f2)
    e2e_step "close the step's window $window"
    e2e_click_twips 14760 480
    e2e_wait_log "^close $window\$"
fi

e2e_step "close the chooser"
e2e_click_twips 14880 480
e2e_wait_log '^close FrmChoosekecheng$'

e2e_step "close the catalogue a second after it is in front again"
sleep 1.3
e2e_click_twips 14760 480
e2e_wait_log '^close FrmMulu$'
echo "PASS [$E2E_NAME]"
