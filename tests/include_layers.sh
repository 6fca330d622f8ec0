#!/bin/bash
# The layers of the program, lowest first, must be visible in the includes: a file may
# include headers of its own folder and of lower layers only, never of a higher layer or
# of another folder on its own layer (one area never includes another).
#   usage: include_layers.sh <source root>
set -u
root=${1:?source root}
cd "$root/src" || exit 2

# folder of the including file -> its layer
layer_of() {
    case $1 in
        ui | shell/data | shell/record) echo 0 ;;
        shell/core) echo 1 ;;
        frame | shell/windows) echo 2 ;;
        activities/* | drawing) echo 3 ;;
        windows) echo 4 ;;
        *) echo "unknown folder $1" >&2; echo 99 ;;
    esac
}

status=0
while IFS= read -r file; do
    folder=$(dirname "$file")
    own=$(layer_of "$folder")
    while IFS= read -r included; do
        target=$(dirname "$included")
        [ "$target" = "$folder" ] && continue
        if [ "$target" = "." ]; then
            echo "$file: \"$included\" does not name its layer"
            status=1
            continue
        fi
        theirs=$(layer_of "$target")
        if [ "$theirs" -ge "$own" ]; then
            echo "$file (layer $own) includes \"$included\" (layer $theirs)"
            status=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | grep -v '^windows/')

[ $status -eq 0 ] && echo "PASS include layers"
exit $status
