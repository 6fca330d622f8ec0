#!/usr/bin/env bash
# cmake --install into a temporary prefix: the FHS layout, a menu entry and metainfo that
# validate, and an installed program that finds its data without options and writes
# nothing into the prefix.
# Usage: test_install.sh BUILD_DIR
set -euo pipefail
build="$1"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix="$work/usr"
id=org.mindlark.Mindlark

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; fail "install"; }

for file in bin/mindlark bin/mindlark-pack share/mindlark/kc/课程.mdb \
    share/mindlark/pic/fmpic/课程.bmp share/mindlark/mindlark_handbook.htm \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$prefix/$file" ] || fail "missing $file"
done
[ -x "$prefix/bin/mindlark" ] || fail "bin/mindlark is not executable"
programs=$(find "$prefix/share/mindlark" -type f -perm -u+x -name 'mindlark*')
[ -z "$programs" ] || fail "programs installed as data: $programs"

appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" > "$work/validate.log" 2>&1 ||
    { cat "$work/validate.log"; fail "metainfo does not validate"; }
if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
fi
grep -q '^Exec=mindlark$' "$prefix/share/applications/$id.desktop" || fail "Exec is not mindlark"
grep -q '^Name\[zh_CN\]=' "$prefix/share/applications/$id.desktop" || fail "no Chinese name"

# Read-only as for a user (root ignores the write bits, so the listing is compared too).
listing() { find "$prefix" -printf '%p %s %T@\n' | sort; }
chmod -R a-w "$prefix"
before=$(listing)
# No options and no MINDLARK_DATA: ../share/mindlark beside the program is the data.
env -u MINDLARK_DATA QT_QPA_PLATFORM=offscreen "$prefix/bin/mindlark" --log \
    --exit-after-first-paint > "$work/run.log" 2>&1 || { cat "$work/run.log"; fail "mindlark did not start"; }
grep -q '^open FrmChoose$' "$work/run.log" || { cat "$work/run.log"; fail "the main menu did not open"; }
grep -q 'No course data' "$work/run.log" && { cat "$work/run.log"; fail "the data was not found"; }
[ "$(listing)" = "$before" ] || fail "the program wrote into the prefix"
"$prefix/bin/mindlark-pack" check --data "$prefix/share/mindlark" > /dev/null 2>&1 ||
    fail "the installed data is incomplete"
echo "install: every check passed"
