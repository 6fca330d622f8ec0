#pragma once
// The classic drawing operations of a picture box on a plain image, for picture boxes and for
// models without widgets (the drawing board's document): a pen as wide as DrawWidth, shapes
// filled with FillColor when FillStyle is solid, and no antialiasing, so that the areas the
// lines bound can be flood-filled exactly. Points are whole pixels; every operation returns
// the rectangle of the image it may have changed (empty when it lies off the image).

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>

enum class ShapeFill { Solid, Transparent };

// What a picture box's shapes read besides their own colour.
struct ShapeStyle {
    int width = 1; // DrawWidth: the pen, in pixels
    QColor fill = Qt::black;
    ShapeFill fillStyle = ShapeFill::Transparent;
};

// The pixel a point in pixel coordinates falls on.
inline QPoint nearestPixel(double x, double y)
{
    return QPoint(qRound(x), qRound(y));
}

// A round dot as wide as the pen, centred on the pixel.
QRect drawDot(QImage& image, QPoint pixel, int width, QRgb colour);
// A line through both end pixels, with round ends.
QRect drawLine(QImage& image, QPoint from, QPoint to, const QColor& colour, int width);
// The outline of the rectangle with these corners (the outline runs through both corner
// pixels), inside in the style's fill when it is solid.
QRect drawBox(QImage& image, QPoint corner, QPoint opposite, const QColor& outline,
              const ShapeStyle& style);
// The same with round corners: quarter ellipses of the given width and height.
QRect drawRoundedBox(QImage& image, QPoint corner, QPoint opposite, QSize cornerEllipse,
                     const QColor& outline, const ShapeStyle& style);
// Every pixel from corner to opposite, both included, in one colour.
QRect fillBox(QImage& image, QPoint corner, QPoint opposite, const QColor& colour);
// A circle round the middle of the centre pixel.
QRect drawCircle(QImage& image, QPoint centre, double radius, const QColor& outline,
                 const ShapeStyle& style);
// The closed polygon through the vertices.
QRect drawPolygon(QImage& image, const QPolygon& vertices, const QColor& outline,
                  const ShapeStyle& style);
