#!/usr/bin/env python3
"""Where to click a moving picture of the reaction games, from a screenshot.

Reads a PPM screenshot (P6) on stdin and looks, in the play area (below the top row of
help and back pictures, above the bottom strip at BOTTOM), for pixels that differ from the
window's background colour. Prints "x y": the middle of the widest group of such columns,
and the middle of the longest run of such pixels down that column. Prints nothing when the
play area is empty.

usage: import -window root ppm:- | find_picture.py R G B [BOTTOM]
"""
import sys

STEP = 3      # pixels between samples
TOP = 70      # the help and back pictures lie above this line


def read_ppm(data):
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise SystemExit("not an 8-bit P6 picture")
    return int(fields[1]), int(fields[2]), data[pos + 1:]


def main():
    background = tuple(int(v) for v in sys.argv[1:4])
    width, height, pixels = read_ppm(sys.stdin.buffer.read())
    bottom = int(sys.argv[4]) if len(sys.argv) > 4 else height - 80

    def differs(x, y):
        i = (y * width + x) * 3
        return any(abs(pixels[i + k] - background[k]) > 24 for k in range(3))

    rows = range(TOP, bottom, STEP)
    counts = [sum(1 for y in rows if differs(x, y)) for x in range(0, width, STEP)]
    groups, start = [], None
    for k, c in enumerate(counts + [0]):
        if c >= 4 and start is None:
            start = k
        elif c < 4 and start is not None:
            groups.append((start, k - 1))
            start = None
    if not groups:
        return
    first, last = max(groups, key=lambda g: g[1] - g[0])
    x = (first + last) // 2 * STEP
    best, run_start, best_range = 0, None, None
    for y in list(rows) + [bottom]:
        on = y < bottom and differs(x, y)
        if on and run_start is None:
            run_start = y
        elif not on and run_start is not None:
            if y - run_start > best:
                best, best_range = y - run_start, (run_start, y)
            run_start = None
    if best_range:
        print(x, (best_range[0] + best_range[1]) // 2)


main()
