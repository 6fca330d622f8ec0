#pragma once
// A stage with the memory windows registered and a lesson of n pictures that the chooser
// has already loaded into ItemPictures, each a solid colour of its own; plus maze pictures
// for the hand-eye game.

#include "DataFixture.h"
#include "StageFixture.h"

#include <QImage>
#include <functional>

class Timer;

struct MemoryFixture {
    // A lesson of `pictures` pictures, on a stage of the given size (the 4:3 area in its middle).
    explicit MemoryFixture(int pictures = 10, QSize screen = QSize(1024, 768));

    DataFixture data;
    StageFixture fx;

    template <class T> T* open(const char* window)
    {
        return fx.windows.open<T>(QString::fromLatin1(window));
    }
    void click(QWidget* widget) { fx.click(widget); }
    QStringList sounds() const { return fx.services.soundNames(); }
    // The lesson item (1..n) whose picture this is, 0 for none.
    int itemShown(const QPixmap& picture) const;
};

// A maze the tests can find their way in: a black frame 4 pixels thick round a 200 x 100
// field (walls from 10, 10 to 209, 109), a black post in the middle (x 100..109, y 30..89),
// and two red squares of 20 pixels at 30, 50 and 170, 50. Wider pictures only add white
// ground on the right, so that each picture of a set can be told apart by its width.
QImage testMaze(int width = 240, int height = 130);
inline const QPoint LeftRed(40, 60);   // inside the left red square
inline const QPoint RightRed(180, 60); // inside the right one
