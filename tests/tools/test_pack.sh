#!/usr/bin/env bash
# mindlark-pack end to end: a GBK course round trip, LF and CRLF line ends, a stray carriage
# return refused, the exact items output, split photos that join back, check finding what
# is missing, and no Qt platform warnings without a desktop session.
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

# LF and CRLF give the same carrier (Windows line ends inside); unpack gives this
# platform's line ends back.
tr -d '\r' < "$work/数学课程.ini" > "$work/lf.ini"
"$pack" pack "$work/lf.ini" "$work/lf.bmp"
cmp -s "$work/lf.bmp" "$work/data/pic/fmpic/数学课程.bmp" || fail "LF input differs from CRLF input"
"$pack" unpack "$work/lf.bmp" | cmp -s - "$work/lf.ini" || fail "unpack does not write LF line ends"

# A lone carriage return would end up inside an item name: refused, with its line.
printf '[图片]\n图片=苹果\r香蕉\n' > "$work/stray.ini"
if "$pack" pack "$work/stray.ini" "$work/stray.bmp" 2> "$work/stray.txt"; then
    fail "pack accepted a carriage return inside a value"
fi
grep -q 'line 2: a carriage return inside the line' "$work/stray.txt" || fail "no line number: $(cat "$work/stray.txt")"
[ ! -e "$work/stray.bmp" ] || fail "a refused course was still written"

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

# On a machine without a desktop session no command says more than its own lines.
for command in "unpack $work/lf.bmp" "items --data $work/data 数学课程 图片 图片" "check --data $work/data" "--help"; do
    env -u XDG_RUNTIME_DIR -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$pack" $command > /dev/null 2> "$work/stderr.txt" || true
    if grep -Eq 'QStandardPaths|qt\.qpa|XDG_RUNTIME_DIR' "$work/stderr.txt"; then
        fail "mindlark-pack $command printed Qt's platform warnings: $(cat "$work/stderr.txt")"
    fi
done

echo "mindlark-pack: every check passed"
