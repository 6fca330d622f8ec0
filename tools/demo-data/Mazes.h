#pragma once
// The ten maze pictures of the hand-eye game: black walls, two pure red end areas to the
// left and the right, nothing else but white. Picture 1 is the easiest; the game plays
// 1, 2, ... 9 and then 0, the hardest.

#include <QImage>

QImage paintMaze(int pictureNumber);
