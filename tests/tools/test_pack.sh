#!/usr/bin/env bash
# mindlark-pack end to end: a GBK course round trip, the exact items output, split photos
# that join back, and check finding what is missing.
# Usage: test_pack.sh BIN_DIR
set -euo pipefail
pack="$1/mindlark-pack"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/data/kc" "$work/data/pic/fmpic" "$work/data/pic/kcpic" "$work/data/pic/wzpic"
touch "$work/data/kc/课程.mdb"
printf '[图片]\r\n图片 = 苹果 香蕉  梨\r\n[目录]\r\n1=10以内数数(一)\r\n' > "$work/数学课程.ini"

# UTF-8 in, carrier out; unpack gives the same text back.
"$pack" pack "$work/数学课程.ini" "$work/data/pic/fmpic/数学课程.bmp"
head -c 2 "$work/data/pic/fmpic/数学课程.bmp" | grep -q BM || fail "carrier is not a bitmap"
"$pack" unpack "$work/data/pic/fmpic/数学课程.bmp" > "$work/unpacked.ini"
diff <(tr -d '\r' < "$work/数学课程.ini") <(tr -d '\r' < "$work/unpacked.ini") || fail "round trip"

# GBK in works the same.
iconv -f UTF-8 -t GBK "$work/数学课程.ini" > "$work/gbk.ini"
"$pack" pack "$work/gbk.ini" "$work/gbk.bmp"
cmp -s "$work/gbk.bmp" "$work/data/pic/fmpic/数学课程.bmp" || fail "GBK input differs from UTF-8 input"

# The items output, exactly.
"$pack" items --data "$work/data" 数学课程 图片 图片 > "$work/items.txt"
expected=$'ItemCount=4\nItemTextLength=8\nTxtini=苹果 香蕉  梨\nItemList(1)=苹果\nItemList(2)=香蕉\nItemList(3)=\nItemList(4)=梨'
[ "$(cat "$work/items.txt")" = "$expected" ] || { cat "$work/items.txt"; fail "items output"; }
if "$pack" items --data "$work/data" 没有这门课 图片 图片 > /dev/null 2>&1; then
    fail "items on a missing carrier should fail"
fi

# Split halves join back to the photo.
head -c 5000 /dev/urandom > "$work/photo.jpg"
"$pack" split "$work/photo.jpg" "$work/a.zic" "$work/b.zic"
cat "$work/a.zic" "$work/b.zic" | cmp -s - "$work/photo.jpg" || fail "halves do not join"

# check reports what the courses name but the folder lacks, and fails.
if "$pack" check --data "$work/data" > "$work/check.txt" 2>&1; then
    fail "check passed on an incomplete folder"
fi
grep -q '课程' "$work/check.txt" || fail "check does not name the missing course 课程"

echo "mindlark-pack: every check passed"
