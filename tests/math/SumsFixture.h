#pragma once
// The mathematics fixture with numbers: a 数学课程 with the three counting pictures and the
// given lines of 加法, 减法 and 数字, the pictures of the numbers 1..10 as numerals and as
// apples (each a solid colour of its own, so that a test can tell which one a control
// shows), the good and bad animations, and the child's drags.

#include "MathFixture.h"

#include <QPoint>

struct SumsFixture : MathFixture {
    explicit SumsFixture(const QString& additions, const QString& subtractions = {},
                         QSize screen = QSize(1024, 768));

    // Writes the course anew with these lines ("1=2+3\n2=4+4").
    void setCourse(const QString& additions, const QString& subtractions = {},
                   const QString& numbers = QStringLiteral("1=1 2 3 4 5 6 7 8 9 10"));

    static QColor numeral(int n);
    // A 1 x 1 GIF of one colour, which QMovie plays as a still animation.
    static QByteArray gifOf(const QColor& c);
    static QColor apples(int n);
    // The colour of the good (and bad) animation.
    static const QColor GoodGif;
    static const QColor BadGif;

    QWindow* screen() { return fx.stage.windowHandle(); }
    // The true centre of a control on the stage (QRect::center() rounds down).
    QPoint centreOf(QWidget* w) const;
    // Presses the picture at its centre, drags it to a point of the stage and lets go there.
    void drag(QWidget* picture, QPoint to);
    // The same, to the centre of a control moved by an offset.
    void dragOnto(QWidget* picture, QWidget* target, QPoint offset = {});
};

// The colour of a widget's pixel at its centre, as painted on the screen.
QColor paintedCentre(QWidget* widget);
