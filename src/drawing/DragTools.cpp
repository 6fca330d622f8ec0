#include "drawing/DragTools.h"

#include "drawing/Frmboard.h"

void DragShapeTool::move(Qt::MouseButtons held, QPointF at)
{
    if (drawingButton(held)) band(at);
}

void DragShapeTool::release(Qt::MouseButton button, QPointF at)
{
    if (button == Qt::LeftButton || button == Qt::RightButton) finish(button, at);
}

QPointF DragShapeTool::start() const
{
    return QPointF(canvas.StartX, canvas.StartY);
}

LineTool::LineTool(Frmboard& canvas)
    : DragShapeTool(canvas, true, Footprint::Hide)
{
}

void LineTool::band(QPointF to)
{
    canvas.placeLine(*canvas.Line1, start(), to);
    canvas.Line1->show();
}

void LineTool::finish(Qt::MouseButton button, QPointF to)
{
    canvas.Picture1->Line(start(), to, canvas.colourOf(button));
    canvas.Line1->hide();
}

RectangularTool::RectangularTool(Frmboard& canvas, Shape::Kind band, QSize cornerEllipse)
    : DragShapeTool(canvas, true, Footprint::Hide)
    , bandKind_(band)
    , cornerEllipse_(cornerEllipse)
{
}

void RectangularTool::chosen()
{
    canvas.Shape2->setKind(bandKind_);
}

void RectangularTool::band(QPointF to)
{
    canvas.placeBand(*canvas.Shape2, start(), to);
    canvas.Shape2->show();
}

// Option 0: the outline in the button's colour; 1: and the inside in the other button's; 2:
// outline and inside in the other button's. The inside is painted only while the canvas's
// fill style is solid.
void RectangularTool::finish(Qt::MouseButton button, QPointF to)
{
    const int n = canvas.optionIndex();
    if (n < 0 || n > 2) return;
    const Qt::MouseButton other = button == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
    CanvasView& c = *canvas.Picture1;
    if (n > 0) c.setFillColor(canvas.colourOf(other));
    const QColor outline = canvas.colourOf(n == 2 ? other : button);
    if (cornerEllipse_.isEmpty())
        c.Box(start(), to, outline);
    else
        c.RoundedBox(start(), to, cornerEllipse_, outline);
    canvas.Shape2->hide();
}

SelectTool::SelectTool(Frmboard& canvas)
    : DragShapeTool(canvas, true, Footprint::Hide)
{
}

void SelectTool::chosen()
{
    canvas.outlineMarquee(QPointF(0, 0), QPointF(0, 0));
    canvas.showMarquee(true);
}

void SelectTool::press(Qt::MouseButton, QPointF at)
{
    canvas.outlineMarquee(at, at);
}

void SelectTool::band(QPointF to)
{
    canvas.outlineMarquee(start(), to);
}
