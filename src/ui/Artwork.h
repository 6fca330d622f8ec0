#pragma once
// The program's own pictures: reward star and face, back and help pictures, and the good
// and bad pictures of the feedback cycle. Drawn once at a generous size and cached, so
// they stay crisp on any screen.

#include <QPixmap>

namespace Artwork {

QPixmap star();
QPixmap face();
QPixmap back();
QPixmap help();
QPixmap good(); // a beaming face with a tick: well done
QPixmap bad();  // a puzzled face with a gentle cross: try again

} // namespace Artwork
