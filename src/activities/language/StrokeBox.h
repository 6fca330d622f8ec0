#pragma once
// The 321 x 321 drawing box of the stroke recorder and the replay. Stroke files measure in
// pixels of the designed box, so a character recorded on one screen replays alike on any
// other.

#include "shell/data/StrokeFile.h"
#include "ui/PictureBox.h"

namespace StrokeBox {

// Picture1 of a stroke window: white, framed, with the recorder's pen.
PictureBox* make(Form& form, double left, double top);

// The pen drawn with 5 pixels wide on the designed box, as wide on the box as it is now.
void fitPen(PictureBox& box);

// A point of the box (in the box's own pixels) as the stroke file writes it, and back.
QPoint toFile(const PictureBox& box, double x, double y);
QPointF onScreen(const PictureBox& box, QPoint inFile);

// The frame round a stroke window, which lies over a writing window in the same colours.
void paintWindowFrame(QWidget& window);

} // namespace StrokeBox
