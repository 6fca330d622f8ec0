#pragma once
// The window's pen: with the left button held the child draws on the window's background,
// to work a sum out. The drawing lies under the pictures and stays until it is wiped.

#include <QImage>
#include <QPointF>

class QPainter;
class QWidget;

class ScribblePen {
public:
    explicit ScribblePen(QWidget& surface);

    void press(QPointF at);  // a dot, and the pen stays there
    void drawTo(QPointF to); // a line from where the pen is
    void wipe();
    bool isEmpty() const { return empty_; }
    const QImage& ink() const { return ink_; }

    void paint(QPainter& p, const QRect& area) const;

private:
    void line(QPointF from, QPointF to);

    QWidget& surface_;
    QImage ink_; // the surface's size, transparent where nothing is drawn
    QPointF at_;
    bool empty_ = true;
};
