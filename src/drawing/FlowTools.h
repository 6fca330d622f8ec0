#pragma once
// The tools that draw as the pointer flows with a button held: pencil, brush, eraser and
// spray. The base sends every move to follow() and, while the left or right button is held,
// to flow() with that button.

#include "drawing/DrawingTool.h"

#include <QLineF>

class FlowTool : public DrawingTool {
public:
    using DrawingTool::DrawingTool;
    void move(Qt::MouseButtons held, QPointF at) override;

protected:
    virtual void follow(QPointF) {}
    virtual void flow(Qt::MouseButton button, QPointF at) = 0;
};

// 画笔: a line from the last point to the pointer.
class Pencil : public FlowTool {
public:
    explicit Pencil(Frmboard& canvas);
    void press(Qt::MouseButton button, QPointF at) override;

protected:
    void flow(Qt::MouseButton button, QPointF at) override;
};

// One mark of brush shape n (the option index) at a point, larger to smaller in each kind:
// round dots for 3 and less, squares for 4 to 6, strokes rising to the left for 7 to 9 and
// falling to the right for 10 to 12.
struct BrushMark {
    enum class Kind { Dot, Square, Stroke };
    Kind kind;
    // The stroke, the square's diagonal, or for a dot from its centre outwards; Line6 shows it.
    QLineF reference;
    double radius; // of a dot
};
BrushMark brushMark(int n, QPointF at);

// 刷子: a mark of the chosen brush shape at every move.
class Brush : public FlowTool {
public:
    explicit Brush(Frmboard& canvas);

protected:
    void follow(QPointF at) override;
    void flow(Qt::MouseButton button, QPointF at) override;
};

// 橡皮擦: the eraser's square, painted in the other button's colour.
class Eraser : public FlowTool {
public:
    explicit Eraser(Frmboard& canvas);

protected:
    void follow(QPointF at) override;
    void flow(Qt::MouseButton button, QPointF at) override;
};

// 喷枪: while a button is down the canvas's timer sprays PrimaryColour round the point.
class Spray : public FlowTool {
public:
    explicit Spray(Frmboard& canvas);
    void press(Qt::MouseButton button, QPointF at) override;
    void release(Qt::MouseButton button, QPointF at) override;
    void tick() override; // one burst

    double SprayX() const { return sprayX_; }
    int SprayY() const { return sprayY_; }

protected:
    void flow(Qt::MouseButton button, QPointF at) override;

private:
    void aim(QPointF at);

    double sprayX_ = 0;
    int sprayY_ = 0; // whole pixels
};
