#pragma once
// The arithmetic windows' own pictures: the signs of a sum, the empty place that waits for
// a number, and the button the child presses to have the answer looked at.

#include <QPixmap>

namespace SumArtwork {

QPixmap sign(QChar sign); // '+', '-' or '='
QPixmap emptyPlace();     // a white box with a dashed border and a grey question mark
QPixmap check();          // a round green button with a white tick

} // namespace SumArtwork
