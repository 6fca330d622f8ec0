#pragma once
// Outline pictures for the colouring game: hard black lines on white, no grey edge
// pixels, every part a closed area that a flood fill colours by itself.

#include <QImage>
#include <QString>

// Stops the generator for a name it has no drawing for.
QImage paintOutline(const QString& name);
