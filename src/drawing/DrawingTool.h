#pragma once
// A tool of the drawing board: what the press, the moves and the release of a mouse button on
// the canvas do with it, and what choosing it does to the marks over the canvas. The families
// share bases (FlowTool, DragShapeTool); the tools that act on one click live here.

#include <QPointF>
#include <Qt>

class Frmboard;

class DrawingTool {
public:
    // What choosing the tool does to the eraser's square.
    enum class Footprint { Hide, Show, Keep };

    DrawingTool(Frmboard& canvas, bool dotsAtPress, Footprint footprint);
    virtual ~DrawingTool() = default;
    DrawingTool(const DrawingTool&) = delete;
    DrawingTool& operator=(const DrawingTool&) = delete;

    // Most tools set a dot of SecondaryColour where the button goes down.
    bool dotsAtPress() const { return dotsAtPress_; }
    void choose();

    virtual void press(Qt::MouseButton, QPointF) {}
    virtual void move(Qt::MouseButtons, QPointF) {}
    virtual void release(Qt::MouseButton, QPointF) {}
    virtual void tick() {} // the canvas's timer

protected:
    // Marks of the tool's own, after the footprint and the marquee are seen to.
    virtual void chosen() {}

    Frmboard& canvas;

private:
    bool dotsAtPress_;
    Footprint footprint_;
};

// The button a move is drawn with: the left one when held, else the right one, else none.
Qt::MouseButton drawingButton(Qt::MouseButtons held);

// 颜色填充: the release of the left button fills the area of one colour with PrimaryColour.
class FillTool : public DrawingTool {
public:
    explicit FillTool(Frmboard& canvas);
    void release(Qt::MouseButton button, QPointF at) override;
};

// 取色: the preview field shows the colour under the pointer; the release gives it to the
// button's swatch.
class PickColourTool : public DrawingTool {
public:
    explicit PickColourTool(Frmboard& canvas);
    void move(Qt::MouseButtons held, QPointF at) override;
    void release(Qt::MouseButton button, QPointF at) override;
};
