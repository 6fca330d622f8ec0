#pragma once
// The canvas panel of the drawing board: the drawing (Picture1) with the marks the tools lay
// over it, and the tools themselves. A press, the moves and the release of a mouse button
// on the drawing go to the tool in hand.

#include "drawing/CanvasView.h"
#include "drawing/DrawingTool.h"
#include "drawing/MdlHuatu.h"
#include "drawing/Panel.h"
#include "ui/Label.h"
#include "ui/Line.h"
#include "ui/Shape.h"
#include "ui/Timer.h"

#include <map>
#include <memory>

class PolygonTool;

class Frmboard : public Panel {
    Q_OBJECT
public:
    explicit Frmboard(MDIFrmHuatu& board);
    ~Frmboard() override;

    CanvasView* Picture1;
    Shape* Shape1;                       // the eraser's square; its top left follows the pointer
    Shape* Shape2;                       // rubber band of the rectangles
    Line* Line1;                         // rubber band of the line
    Line *Line2, *Line3, *Line4, *Line5; // the marquee's four sides
    Line* Line6;                         // the last brush mark
    Label* lindex;                       // holds the option index
    Timer* Timer1;                       // the spray

    // The last press point.
    double StartX = 0;
    double StartY = 0;

    MdlHuatu& state() const;
    void Form_Load();

    // The one option index of brush shapes, fill styles and spray sizes.
    int optionIndex() const;
    void setOptionIndex(int index);

    // The tool with that number (画直线 and 画曲线 share one).
    DrawingTool* tool(ToolNumber number) const;
    DrawingTool* toolInHand() const { return tool(state().Tool); }
    PolygonTool& polygon() const;
    // The marks of a newly chosen tool.
    void toolChosen();

    // The colour a button draws with: PrimaryColour for the left one, SecondaryColour for
    // any other.
    QColor colourOf(Qt::MouseButton button) const;
    // The marks in pixels of the canvas.
    void placeFootprint(QPointF topLeft);
    QRectF footprint() const;
    void setFootprintSize(QSizeF pixels);
    void placeBand(Control& band, QPointF corner, QPointF opposite);
    void placeLine(Line& line, QPointF from, QPointF to);
    void outlineMarquee(QPointF corner, QPointF opposite);
    void showMarquee(bool shown);
    bool marqueeShown() const;

private:
    void Picture1_MouseDown(Qt::MouseButton button, QPointF at);
    void Picture1_MouseMove(Qt::MouseButtons buttons, QPointF at);
    void Picture1_MouseUp(Qt::MouseButton button, QPointF at);
    double units(double pixels) const;

    std::map<ToolNumber, std::unique_ptr<DrawingTool>> tools_;
};
