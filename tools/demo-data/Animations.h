#pragma once
// The animations of the data folder: the lark over the hills on the main menu, and the
// tick and the cross that answer right and wrong.

#include "GifWriter.h"

QList<GifFrame> larkOverHills(); // 313 x 241
QList<GifFrame> goodTick();      // 200 x 200
QList<GifFrame> badCross();      // 200 x 200
