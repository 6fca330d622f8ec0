#pragma once
// The tools that drag a shape from the press point: while the left or right button is held
// a rubber band over the canvas follows the pointer, and the release of either button
// finishes the shape. The middle button finishes nothing.

#include "drawing/DrawingTool.h"
#include "ui/Shape.h"

#include <QSize>

class DragShapeTool : public DrawingTool {
public:
    using DrawingTool::DrawingTool;
    void move(Qt::MouseButtons held, QPointF at) override;
    void release(Qt::MouseButton button, QPointF at) override;

protected:
    QPointF start() const;
    virtual void band(QPointF to) = 0;
    virtual void finish(Qt::MouseButton button, QPointF to) = 0;
};

// 画直线 and 画曲线: a line in the button's colour.
class LineTool : public DragShapeTool {
public:
    explicit LineTool(Frmboard& canvas);

protected:
    void band(QPointF to) override;
    void finish(Qt::MouseButton button, QPointF to) override;
};

// 画矩形 and 画圆角矩形: the outline and inside as the fill-style option says; with any other
// option (a brush shape or a spray size chosen last) nothing is drawn and the band stays.
class RectangularTool : public DragShapeTool {
public:
    // cornerEllipse is empty for square corners.
    RectangularTool(Frmboard& canvas, Shape::Kind band, QSize cornerEllipse);

protected:
    void chosen() override;
    void band(QPointF to) override;
    void finish(Qt::MouseButton button, QPointF to) override;

private:
    Shape::Kind bandKind_;
    QSize cornerEllipse_;
};

// 选取: only the marquee; the marked area is not used.
class SelectTool : public DragShapeTool {
public:
    explicit SelectTool(Frmboard& canvas);
    void press(Qt::MouseButton button, QPointF at) override;

protected:
    void chosen() override;
    void band(QPointF to) override;
    void finish(Qt::MouseButton, QPointF) override {}
};
