#include "drawing/DrawingTool.h"

#include "drawing/FrmColor.h"
#include "drawing/Frmboard.h"
#include "drawing/MDIFrmHuatu.h"

DrawingTool::DrawingTool(Frmboard& canvas, bool dotsAtPress, Footprint footprint)
    : canvas(canvas)
    , dotsAtPress_(dotsAtPress)
    , footprint_(footprint)
{
}

void DrawingTool::choose()
{
    if (footprint_ != Footprint::Keep) canvas.Shape1->setVisible(footprint_ == Footprint::Show);
    canvas.showMarquee(false);
    chosen();
}

Qt::MouseButton drawingButton(Qt::MouseButtons held)
{
    if (held & Qt::LeftButton) return Qt::LeftButton;
    if (held & Qt::RightButton) return Qt::RightButton;
    return Qt::NoButton;
}

FillTool::FillTool(Frmboard& canvas)
    : DrawingTool(canvas, false, Footprint::Hide)
{
}

void FillTool::release(Qt::MouseButton button, QPointF at)
{
    if (button != Qt::LeftButton) return;
    canvas.Picture1->setFillColor(canvas.state().PrimaryColour);
    canvas.Picture1->FloodFill(at);
}

PickColourTool::PickColourTool(Frmboard& canvas)
    : DrawingTool(canvas, true, Footprint::Hide)
{
}

void PickColourTool::move(Qt::MouseButtons, QPointF at)
{
    // Off the canvas (a drag that left it) there is no colour to show.
    const QColor under = canvas.Picture1->Point(at);
    if (under.isValid()) canvas.board().colourPanel->Picture9->setBackColor(under);
}

void PickColourTool::release(Qt::MouseButton button, QPointF)
{
    FrmColor& colours = *canvas.board().colourPanel;
    const QColor preview = colours.Picture9->BackColor();
    if (button == Qt::LeftButton) colours.Picture11->setBackColor(preview);
    if (button == Qt::RightButton) colours.Picture10->setBackColor(preview);
}
