#pragma once
// The paint bucket of the colouring game, the drawing board and the maze: fills a connected
// area of an image with one colour, on plain images so that models without widgets can
// use it too.

#include <QImage>
#include <QPoint>
#include <QRect>

enum class FloodMode {
    Surface, // the 4-connected area of exactly `colour` around the start
    Border,  // the 4-connected area around the start bounded by `colour`
};

// Paints the area that contains start with fill and returns the rectangle of the painted
// pixels (empty when nothing was painted: the start lies outside the image, on a pixel
// that is not part of any area, or the area already has the fill colour in Surface mode).
// Colours are compared exactly. An image that is not of a 32-bit format is converted to
// one first.
QRect floodFill(QImage& image, QPoint start, QRgb fill, QRgb colour, FloodMode mode);
