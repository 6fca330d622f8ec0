#!/bin/bash
# A fresh copy of a data folder for the tests whose random clicks write into it (recorded
# strokes, saved drawings): its folders are copied, the files beside them (the programs,
# the handbook) linked.
#   usage: copy_data.sh FROM TO
set -eu
rm -rf "$2"
mkdir -p "$2"
for entry in "$1"/*; do
    if [ -d "$entry" ]; then cp -r "$entry" "$2/"; else ln -s "$(realpath "$entry")" "$2/"; fi
done
