#pragma once
// Paints the picture of one item (a lesson photo, a counting picture, a colour picture,
// a comparison picture) from its line in the picture table, as a square of `side` pixels.

#include "PictureRecipe.h"

#include <QImage>

QImage paintItem(const PictureRecipe& recipe, int side);
