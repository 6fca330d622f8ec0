#!/usr/bin/env bash
# The handbook's command examples run as written, in document order, in a copy of the demo
# data: each `mindlark-pack ...` and `mindlark ...` line of its <pre> blocks and <code>
# examples (syntax lines with placeholders such as INI or DIR are skipped). The editing
# steps its comments describe are done here, and the photos it assumes are provided.
# Usage: test_handbook.sh BIN_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
handbook="$bin/mindlark_handbook.htm"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -f "$handbook" ] || fail "no handbook at $handbook"

data="$work/data"
cp -r "$bin" "$data"
rm -f "$data/mindlark" "$data/mindlark-pack" "$data/mindlark-demo-data"
export PATH="$bin:$PATH" QT_QPA_PLATFORM=offscreen MINDLARK_DATA="$data"

# One example per line: <pre> lines and <code>mindlark...</code>, entities decoded.
perl -0777 -ne '
    while (/<pre>(.*?)<\/pre>|<code>(mindlark[^<]*)<\/code>/sg) {
        my $text = defined $1 ? $1 : $2;
        $text =~ s/&gt;/>/g; $text =~ s/&lt;/</g; $text =~ s/&amp;/&/g;
        print "$_\n" for split /\n/, $text;
    }' "$handbook" > "$work/examples.txt"

lesson_line= # the key=value line the handbook tells the teacher to add
ran=0
while IFS= read -r line; do
    line=${line%%$'\r'}
    case "$line" in
    '# '*后面加上*)
        # "in [课程目录] append “ 海洋动物” after 课程目录=": the appended text is quoted.
        addition=$(sed -n 's/.*“\(.*\)”.*/\1/p' <<< "$line")
        [ -n "$addition" ] || fail "cannot follow: $line"
        sed -i "s/^课程目录=.*/&$addition/" "$data/课程.ini"
        grep -q "^课程目录=.*$addition\$" "$data/课程.ini" || fail "课程.ini has no 课程目录= line"
        ;;
    '# '*加一行*)
        lesson_line=$(sed 's/.*加一行[：:] *//' <<< "$line")
        [[ "$lesson_line" == *=* ]] || fail "cannot follow: $line"
        sed -i "/^\[课程图片\]/a $lesson_line" "$data/课程.ini"
        ;;
    '#'*) fail "the test does not know how to follow: $line" ;;
    mindlark-pack\ * | mindlark\ *)
        command=${line%%#*}
        command=${command%"${command##*[![:space:]]}"}
        if grep -Eq '(^| )[A-Z][A-Z0-9_]+(\.[a-z]+)?( |$)' <<< "$command"; then
            continue # a syntax line: INI, OUT.bmp, DIR ...
        fi
        commands=("$command")
        if [[ "$line" == *每张图片都做一次* ]]; then
            # "do this for every picture": once per item of the lesson that was added.
            [ -n "$lesson_line" ] || fail "no lesson added before: $line"
            first=$(sed 's/^[^=]*=//; s/ .*//' <<< "$lesson_line")
            commands=()
            for item in ${lesson_line#*=}; do
                cat "$data/pic/kcpic/苹果.zic" "$data/pic/wzpic/苹果.zic" > "$data/$item.jpg"
                commands+=("${command//$first/$item}")
            done
        fi
        for c in "${commands[@]}"; do
            echo "run: $c"
            if [[ "$c" == mindlark\ * ]]; then
                # The program itself: up to its first painted frame, with the event log.
                (cd "$data" && timeout 60 bash -c "$c --log --exit-after-first-paint") \
                    > "$work/out.txt" 2>&1 || { cat "$work/out.txt"; fail "$c"; }
                grep -q '^open FrmChoose$' "$work/out.txt" || { cat "$work/out.txt"; fail "$c: no main menu"; }
                if grep -q 'no such window' "$work/out.txt"; then cat "$work/out.txt"; fail "$c"; fi
            else
                (cd "$data" && bash -c "$c") > "$work/out.txt" 2>&1 || { cat "$work/out.txt"; fail "$c"; }
            fi
            ran=$((ran + 1))
        done
        ;;
    esac
done < "$work/examples.txt"

[ "$ran" -ge 5 ] || fail "only $ran examples found in the handbook"
# The lesson the walk-through added is there for the program to read.
if [ -n "$lesson_line" ]; then
    key=${lesson_line%%=*}
    count=$(wc -w <<< "${lesson_line#*=}")
    mindlark-pack items --data "$data" 课程 课程图片 "$key" | grep -qx "ItemCount=$count" ||
        fail "the added lesson $key does not read back with $count items"
fi
echo "handbook: $ran examples ran as written"
