#include "drawing/FlowTools.h"

#include "drawing/Frmboard.h"
#include "drawing/MDIFrmHuatu.h"

#include <cmath>

void FlowTool::move(Qt::MouseButtons held, QPointF at)
{
    follow(at);
    if (const Qt::MouseButton button = drawingButton(held)) flow(button, at);
}

Pencil::Pencil(Frmboard& canvas)
    : FlowTool(canvas, true, Footprint::Hide)
{
}

void Pencil::press(Qt::MouseButton, QPointF at)
{
    canvas.Picture1->setCurrent(at);
}

void Pencil::flow(Qt::MouseButton button, QPointF at)
{
    canvas.Picture1->LineTo(at, canvas.colourOf(button));
}

Brush::Brush(Frmboard& canvas)
    : FlowTool(canvas, true, Footprint::Keep)
{
}

void Brush::follow(QPointF at)
{
    canvas.placeFootprint(at);
}

BrushMark brushMark(int n, QPointF at)
{
    if (n <= 3) {
        const double step = (4 - n) * 3;
        return {BrushMark::Kind::Dot, QLineF(at, at + QPointF(step, step)), step / 2};
    }
    if (n <= 6) {
        const double d = (n - 3) * 3;
        return {BrushMark::Kind::Square, QLineF(at, at + QPointF(d, d)), 0};
    }
    if (n <= 9) {
        const double d = (n - 6) * 3;
        return {BrushMark::Kind::Stroke, QLineF(at - QPointF(0, d), at - QPointF(d, 0)), 0};
    }
    const double d = (13 - n) * 3;
    return {BrushMark::Kind::Stroke, QLineF(at, at + QPointF(d, d)), 0};
}

void Brush::flow(Qt::MouseButton button, QPointF at)
{
    CanvasView& c = *canvas.Picture1;
    const QColor colour = canvas.colourOf(button);
    const BrushMark mark = brushMark(canvas.optionIndex(), at);
    switch (mark.kind) {
    case BrushMark::Kind::Dot:
        c.setFillStyle(ShapeFill::Solid);
        c.setFillColor(colour);
        c.Circle(at, mark.radius, colour);
        break;
    case BrushMark::Kind::Square:
        c.FilledBox(mark.reference.p1(), mark.reference.p2(), colour);
        break;
    case BrushMark::Kind::Stroke:
        c.Line(mark.reference.p1(), mark.reference.p2(), colour);
        break;
    }
    // Whatever the mark, shapes drawn next are hollow again.
    c.setFillStyle(ShapeFill::Transparent);
    canvas.placeLine(*canvas.Line6, mark.reference.p1(), mark.reference.p2());
    canvas.Line6->show();
}

Eraser::Eraser(Frmboard& canvas)
    : FlowTool(canvas, true, Footprint::Show)
{
}

void Eraser::follow(QPointF at)
{
    canvas.placeFootprint(at);
}

void Eraser::flow(Qt::MouseButton button, QPointF)
{
    const QRectF square = canvas.footprint();
    const Qt::MouseButton other = button == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
    canvas.Picture1->FilledBox(square.topLeft(),
                               square.topLeft() + QPointF(square.width(), square.height()),
                               canvas.colourOf(other));
}

Spray::Spray(Frmboard& canvas)
    : FlowTool(canvas, false, Footprint::Keep)
{
}

void Spray::aim(QPointF at)
{
    canvas.Timer1->setEnabled(true);
    sprayX_ = at.x();
    sprayY_ = int(std::lround(at.y()));
}

void Spray::press(Qt::MouseButton, QPointF at)
{
    aim(at);
}

void Spray::flow(Qt::MouseButton button, QPointF at)
{
    if (button == Qt::LeftButton) aim(at);
}

void Spray::release(Qt::MouseButton, QPointF)
{
    canvas.Timer1->setEnabled(false);
}

// 441 dots, each a fresh random fraction of up to ten spreads from the centre in each
// direction: most of them land near the centre.
void Spray::tick()
{
    Services& services = canvas.board().app().services;
    const double spread = canvas.state().SprayFactor;
    const QColor colour = canvas.state().PrimaryColour;
    for (int i = -10; i <= 10; ++i)
        for (int j = -10; j <= 10; ++j) {
            const double r1 = services.nextUniform();
            const double r2 = services.nextUniform();
            canvas.Picture1->PSet(QPointF(sprayX_ + spread * i * r1, sprayY_ + spread * j * r2),
                                  colour);
        }
}
