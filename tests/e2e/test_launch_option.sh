#!/bin/bash
# --launch opens a step over the catalogue and the chooser of the given area and lesson.
. "$(dirname "$0")/lib.sh"

[ -f "$E2E_BIN/pic/fmpic/步骤.bmp" ] || e2e_skip "the demo data has no 步骤 yet"
e2e_start --launch 单图学习 --area 语言 --lesson 水果
e2e_step "the step is launched from the chooser"
e2e_wait_log '^open FrmMulu$'
e2e_wait_log '^open FrmChoosekecheng$'
e2e_wait_log '^launch 单图学习'
grep -q '没有找到' "$E2E_LOG" && e2e_fail "a photo of the lesson 水果 is missing"
echo "PASS [$E2E_NAME]"
