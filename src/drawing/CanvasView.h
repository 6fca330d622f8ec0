#pragma once
// The canvas of the drawing board: shows the drawing and takes the classic drawing
// operations of a picture box in its own pixels, with the box's attributes (pen width, fore
// and fill colour, fill style). The drawing itself is a DrawingDocument; the marks of the
// tools (the eraser's square, the rubber bands, the marquee) are controls lying over the
// canvas and never part of the drawing.

#include "drawing/DrawingDocument.h"
#include "ui/Control.h"
#include "ui/ImageDrawing.h"

#include <memory>

class CanvasView : public Control {
    Q_OBJECT
public:
    CanvasView(Form& form, QWidget* container, const QString& name);
    ~CanvasView() override;

    // A white drawing the size of the canvas, with no history (the board has been laid out).
    void newDocument();
    DrawingDocument& document() const { return *document_; }
    const QImage& image() const { return document_->image(); }

    // Drawing attributes.
    int DrawWidth() const { return style_.width; }
    void setDrawWidth(int width) { style_.width = std::max(1, width); }
    QColor FillColor() const { return style_.fill; }
    void setFillColor(const QColor& colour) { style_.fill = colour; }
    ShapeFill FillStyle() const { return style_.fillStyle; }
    void setFillStyle(ShapeFill style) { style_.fillStyle = style; }
    double CurrentX() const { return current_.x(); }
    double CurrentY() const { return current_.y(); }
    void setCurrent(QPointF at) { current_ = at; }

    // Drawing operations in pixels of the canvas; the drawing operations move the current
    // point to their end, as a picture box's do.
    void PSet(QPointF at, const QColor& colour);
    void Line(QPointF from, QPointF to, const QColor& colour);
    void LineTo(QPointF to, const QColor& colour);
    // A box with its outline in colour, inside in FillColor when FillStyle is solid.
    void Box(QPointF corner, QPointF opposite, const QColor& colour);
    void RoundedBox(QPointF corner, QPointF opposite, QSize cornerEllipse, const QColor& colour);
    void FilledBox(QPointF corner, QPointF opposite, const QColor& colour);
    void Circle(QPointF centre, double radius, const QColor& colour);
    void Polygon(const QPolygon& vertices, const QColor& colour);
    // Paints with FillColor the area of the colour of the pixel at that point.
    void FloodFill(QPointF at);
    QColor Point(QPointF at) const; // invalid off the canvas
    void Cls();                     // white again, as one step that undo takes back

    Control* cloneControl() const override { return nullptr; } // the board has one canvas

signals:
    // The classic mouse events in pixels of the canvas.
    void PixelMouseDown(Qt::MouseButton button, QPointF at);
    void PixelMouseMove(Qt::MouseButtons buttons, QPointF at);
    void PixelMouseUp(Qt::MouseButton button, QPointF at);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void changed(const QRect& area) { document_->changed(area); }
    void repaintArea(const QRect& area);

    std::unique_ptr<DrawingDocument> document_;
    ShapeStyle style_;
    QPointF current_;
    // What changed since the last paint, as one rectangle: a burst of the spray sets
    // hundreds of dots, which the paint should not meet as hundreds of regions.
    QRect unpainted_;
};
