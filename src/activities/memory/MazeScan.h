#pragma once
// What a maze picture of the hand-eye game says: where its two pure red end areas lie and
// how far its pure black walls reach. The picture is sampled on a grid of every second
// pixel, column by column, as the game has always read its pictures: a sampled column
// without red between two red ones separates the left end area from the right one.
// Needs nothing but QtGui, so that the fuzzer can drive it alone.

#include <QImage>
#include <QPoint>
#include <QRect>

struct MazeAreas {
    QRect zoneA;   // the left red area: the box of its samples (right and bottom included)
    QRect zoneB;   // the right red area
    QRect wallBox; // the box of all black samples

    bool hasTwoRedAreas() const { return !zoneA.isNull() && !zoneB.isNull(); }
    bool hasWalls() const { return !wallBox.isNull(); }
    // A line can be started, drawn and finished.
    bool playable() const { return hasTwoRedAreas() && hasWalls(); }
};

inline constexpr QRgb MazeRed = 0xFF0000;
inline constexpr QRgb MazeBlack = 0x000000;

// Only pure red and pure black count; every other colour is free ground. Without a gap
// column there is one red area and no zones; with more than two areas, the last gap
// separates them.
MazeAreas ScanMaze(const QImage& picture);

// Whether p lies strictly within the box enlarged by 10 pixels on every side: the child's
// line may start or end a little beside a red area, and stray a little beyond the walls.
bool NearBox(const QRect& box, QPoint p);
