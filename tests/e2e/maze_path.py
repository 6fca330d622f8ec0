#!/usr/bin/env python3
"""A way through a maze picture of the hand-eye game, for a test's hand to draw.

Reads a 24- or 32-bit BMP, finds the left and the right pure red areas, and searches
(breadth first) for a way from the middle of the left one to the middle of the right one
that keeps a few pixels clear of pure black everywhere. Prints the picture's size, then
points of the way about STEP pixels apart, one "x y" a line, in picture pixels.

usage: maze_path.py picture.bmp [STEP]
"""
import struct
import sys
from collections import deque

CLEARANCE = 4  # pixels kept free of black round the way


def read_bmp(path):
    data = open(path, "rb").read()
    if data[:2] != b"BM":
        raise SystemExit("not a BMP: " + path)
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bits = struct.unpack_from("<H", data, 28)[0]
    if bits not in (24, 32):
        raise SystemExit("unsupported BMP depth %d" % bits)
    top_down = height < 0
    height = abs(height)
    row_bytes = (width * bits // 8 + 3) // 4 * 4
    step = bits // 8
    pixels = []
    for y in range(height):
        row = y if top_down else height - 1 - y
        base = offset + row * row_bytes
        line = []
        for x in range(width):
            b, g, r = data[base + x * step : base + x * step + 3]
            line.append((r, g, b))
        pixels.append(line)
    return width, height, pixels


def red_areas(width, height, pixels):
    columns = sorted({x for y in range(height) for x in range(width) if pixels[y][x] == (255, 0, 0)})
    if not columns:
        raise SystemExit("no red area")
    split = max(range(1, len(columns)), key=lambda i: columns[i] - columns[i - 1])
    areas = []
    for xs in (columns[:split], columns[split:]):
        lo, hi = xs[0], xs[-1]
        ys = [y for y in range(height) for x in (lo, (lo + hi) // 2, hi) if pixels[y][x] == (255, 0, 0)]
        areas.append(((lo + hi) // 2, (min(ys) + max(ys)) // 2))
    return areas


def way(width, height, pixels, start, goal):
    # Distance of every pixel from the nearest black one, then a search through the pixels
    # far enough from black.
    far = [[CLEARANCE + 1] * width for _ in range(height)]
    queue = deque()
    for y in range(height):
        for x in range(width):
            if pixels[y][x] == (0, 0, 0):
                far[y][x] = 0
                queue.append((x, y))
    while queue:
        x, y = queue.popleft()
        d = far[y][x] + 1
        if d > CLEARANCE:
            continue
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1), (x + 1, y + 1), (x - 1, y - 1), (x + 1, y - 1), (x - 1, y + 1)):
            if 0 <= nx < width and 0 <= ny < height and far[ny][nx] > d:
                far[ny][nx] = d
                queue.append((nx, ny))
    came = {start: None}
    queue = deque([start])
    while queue:
        p = queue.popleft()
        if p == goal:
            break
        x, y = p
        for n in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            nx, ny = n
            if 0 <= nx < width and 0 <= ny < height and n not in came and far[ny][nx] > CLEARANCE:
                came[n] = p
                queue.append(n)
    if goal not in came:
        raise SystemExit("no way from %s to %s" % (start, goal))
    path = [goal]
    while came[path[-1]] is not None:
        path.append(came[path[-1]])
    return path[::-1]


def main():
    path = sys.argv[1]
    step = int(sys.argv[2]) if len(sys.argv) > 2 else 6
    width, height, pixels = read_bmp(path)
    start, goal = red_areas(width, height, pixels)
    points = way(width, height, pixels, start, goal)
    print(width, height)
    for i in range(0, len(points), step):
        print(*points[i])
    if (len(points) - 1) % step:
        print(*points[-1])


main()
