#pragma once
// A picture box with persistent drawing: one opaque image of the box's size that starts as
// the background colour and the picture, takes every drawing operation, and is what the
// child sees. Coordinates are pixels of the box.

#include "ui/Control.h"
#include "ui/FloodFill.h"
#include "ui/ImageDrawing.h"

#include <QImage>
#include <QPixmap>

enum class RasterOp {
    Copy, // the source over the destination; transparent source pixels keep what is under
    And,  // source AND destination, bit by bit on red, green and blue
};

enum class LineShape {
    Line,
    Box,       // outline in the line colour, inside in FillColor when FillStyle is solid
    FilledBox, // filled with the line colour
};

class PictureBox : public Control {
    Q_OBJECT
public:
    PictureBox(Form& form, QWidget* container, const QString& name);

    // The picture under the drawing, at its natural size at the top left or stretched over
    // the box. Setting it, like Cls, starts the image afresh and drops what was drawn.
    const QPixmap& Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    void setPicture(const QImage& picture) { setPicture(QPixmap::fromImage(picture)); }
    void clearPicture() { setPicture(QPixmap()); }
    bool Stretch() const { return stretch_; }
    void setStretch(bool stretch);
    void setBorder(bool border);

    // What the child sees: background, picture and drawing, the size of the box, in one
    // 32-bit opaque format so that exact colours compare.
    const QImage& image() const;

    // Drawing attributes.
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }
    int DrawWidth() const { return style_.width; } // pen width in pixels
    void setDrawWidth(int width) { style_.width = std::max(1, width); }
    QColor FillColor() const { return style_.fill; }
    void setFillColor(const QColor& colour) { style_.fill = colour; }
    ShapeFill FillStyle() const { return style_.fillStyle; }
    void setFillStyle(ShapeFill style) { style_.fillStyle = style; }

    // Drawing operations. A colour left out (invalid) is the ForeColor. Lines and shapes are
    // drawn without antialiasing, so that the areas they bound can be flood-filled.
    void Cls(); // back to the background colour and the picture; CurrentX/Y to 0, 0
    // Stretches the source rectangle of picture (all of it when null) over the rectangle
    // x, y, width, height of the box.
    void PaintPicture(const QImage& picture, double x, double y, double width, double height,
                      const QRect& source = {}, RasterOp op = RasterOp::Copy);
    void PaintPicture(const QPixmap& picture, double x, double y, double width, double height,
                      const QRect& source = {}, RasterOp op = RasterOp::Copy);
    // Draws text in the font and ForeColor with the top of its line at CurrentY, then moves
    // to the start of the next line. An empty text only moves down a line. Lines and blanks
    // of the designed faces keep their designed size (textLinesOf).
    void Print(const QString& text = {});
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    void PSet(double x, double y, const QColor& colour = {}); // a dot of DrawWidth
    QColor Point(double x, double y) const;                   // invalid outside the box
    void Line(double x1, double y1, double x2, double y2, const QColor& colour = {},
              LineShape shape = LineShape::Line);
    void LineTo(double x, double y, const QColor& colour = {}); // from CurrentX, CurrentY
    void Circle(double x, double y, double radius, const QColor& colour = {});
    // Paints with FillColor (whatever FillStyle says) the area at x, y: of exactly colour
    // (Surface) or bounded by colour (Border). Returns the painted rectangle.
    QRect FloodFill(double x, double y, const QColor& colour, FloodMode mode);

    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void backColorChanged() override;

private:
    void restart();
    void fitImage() const;
    QImage freshImage(QSize size) const;
    QImage* drawingImage();
    void changed(const QRect& area) { update(area); }
    QColor orFore(const QColor& colour) const { return colour.isValid() ? colour : ForeColor(); }

    QPixmap picture_;
    bool stretch_ = false;
    bool border_ = false;
    // Built on first use at the box's size: windows size their controls after creating them.
    mutable QImage image_;
    mutable bool stale_ = true;  // background or picture changed since the image was built
    mutable bool drawn_ = false; // drawn on since the image was built
    double currentX_ = 0;
    double currentY_ = 0;
    ShapeStyle style_;
};

// Copies the rectangle sx, sy, width, height of source's image unscaled to x, y of dest's.
// The boxes may be the same.
void BitBlt(PictureBox& dest, int x, int y, int width, int height, const PictureBox& source, int sx,
            int sy, RasterOp op = RasterOp::Copy);
