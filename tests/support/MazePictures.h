#pragma once
// Black-on-white pictures whose white ground is one long winding area, the worst case of a
// flood fill: every row of the area is cut into many short runs.

#include <QImage>

// A square spiral of one-pixel walls and one-pixel corridors; the corridor starts at 1, 1.
QImage spiralMaze(int side);

// A perfect maze of one-pixel corridors on the odd pixels (the same one for the same seed);
// every corridor pixel is reachable from 1, 1.
QImage randomMaze(int side, unsigned seed);
