#!/bin/bash
# F1 on the main menu opens the help window, which leads to the About window; both close.
. "$(dirname "$0")/lib.sh"

e2e_start
e2e_step "F1 opens the help window"
xdotool mousemove 300 600
e2e_key F1
e2e_wait_log '^open FrmHelp$'
e2e_view help

e2e_step "the About link opens the About window"
e2e_click_twips 7050 4830
e2e_wait_log '^open frmAbout$'
e2e_view about

e2e_step "确定 closes the About window"
e2e_click_twips 9840 7327
e2e_wait_log '^close frmAbout$'

e2e_step "the closing link closes the help window"
e2e_click_twips 8730 7480
e2e_wait_log '^close FrmHelp$'
echo "PASS [$E2E_NAME]"
