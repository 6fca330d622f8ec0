#pragma once
// A stage with the mathematics windows registered and a small 数学课程: three counting
// pictures and comparison entries whose pairs are lesson photos. Every picture is a solid
// colour, so a test can tell which one a control shows.

#include "DataFixture.h"
#include "StageFixture.h"

#include <QColor>
#include <vector>

class Control;
class Timer;

struct MathFixture {
    // A stage of the given size; stretched or, by default, the 4:3 area in its middle.
    explicit MathFixture(QSize screen = QSize(1024, 768), bool stretch = false);

    DataFixture data;
    StageFixture fx;

    template <class T> T* open(const char* window)
    {
        return fx.windows.open<T>(QString::fromLatin1(window));
    }
    void click(QWidget* widget) { fx.click(widget); }
    QStringList sounds() const { return fx.services.soundNames(); }

    // A permutation of 1..n whose elements from position 2 on start with the values given.
    static std::vector<int> startingAtSecond(int n, std::vector<int> values);
};

inline const QColor Red(220, 30, 30);
inline const QColor Green(30, 160, 60);
inline const QColor Blue(40, 70, 220);
inline const QColor Orange(250, 150, 20);

// Whether a picture is (nearly) the solid colour given; JPEG keeps it within a few steps.
bool shows(const QPixmap& picture, const QColor& colour);
// Ticks a timer n times, as the event loop would.
void fire(Timer& timer, int times = 1);
