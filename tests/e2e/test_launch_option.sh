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

e2e_step "an unknown name says so and ends with status 2"
status=0
QT_QPA_PLATFORM=offscreen "$E2E_BIN/mindlark" --data "$E2E_BIN" --launch FrmNoSuchWindow \
    >"$E2E_WORK/unknown.log" 2>&1 || status=$?
[ "$status" -eq 2 ] || e2e_fail "status $status for an unknown --launch name"
grep -q 'FrmNoSuchWindow' "$E2E_WORK/unknown.log" || e2e_fail "no message naming FrmNoSuchWindow"
echo "PASS [$E2E_NAME]"
