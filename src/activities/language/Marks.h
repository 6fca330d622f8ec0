#pragma once
// The pictures the recognition windows show besides the lesson's: the red tick and cross
// that judge an answer, and the arrows that turn the page of answers.

#include <QPixmap>

namespace Marks {

QPixmap tick();
QPixmap cross();
QPixmap previousPage(); // an arrow pointing left
QPixmap nextPage();     // an arrow pointing right

} // namespace Marks
