#include "ui/ImageDrawing.h"

#include <QPainter>
#include <functional>

namespace {

// Round shapes are centred on the middle of their pixel, not on its corner, so that they
// lie evenly round it.
QPointF pixelCentre(QPoint pixel)
{
    return QPointF(pixel) + QPointF(0.5, 0.5);
}

// Paints a shape with the pen and, when the style asks for it, the fill; bounds is the
// geometry of the shape without the pen.
QRect paintShape(QImage& image, const QColor& outline, const ShapeStyle& style, bool filled,
                 const QRectF& bounds, const std::function<void(QPainter&)>& shape)
{
    if (image.isNull()) return {};
    {
        QPainter p(&image);
        p.setPen(QPen(outline, style.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (filled && style.fillStyle == ShapeFill::Solid)
            p.setBrush(style.fill);
        else
            p.setBrush(Qt::NoBrush);
        shape(p);
    }
    // Half the pen reaches out on every side; a pixel more for the rasteriser's rounding.
    const int reach = style.width / 2 + 2;
    return bounds.normalized()
        .toAlignedRect()
        .adjusted(-reach, -reach, reach, reach)
        .intersected(image.rect());
}

QRect cornersRect(QPoint corner, QPoint opposite)
{
    return QRect(QPoint(std::min(corner.x(), opposite.x()), std::min(corner.y(), opposite.y())),
                 QPoint(std::max(corner.x(), opposite.x()), std::max(corner.y(), opposite.y())));
}

// A rectangle of the real width and height, so that its outline runs through both corner
// pixels.
QRectF outlineRect(QPoint corner, QPoint opposite)
{
    return QRectF(corner, opposite).normalized();
}

} // namespace

// Set pixel by pixel (the painter's small ellipses are lopsided): the pixels whose middle
// lies within half the width of the dot's centre. A dot of even width is centred on the
// corner of its pixel.
QRect drawDot(QImage& image, QPoint pixel, int width, QRgb colour)
{
    if (image.depth() != 32) image.convertTo(QImage::Format_RGB32);
    const QPointF centre = width % 2 ? pixelCentre(pixel) : QPointF(pixel);
    const double reach = width * width / 4.0;
    const QRect square = QRect(pixel - QPoint(width / 2, width / 2), QSize(width, width));
    const QRect area = square.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPointF d = pixelCentre(QPoint(x, y)) - centre;
            if (d.x() * d.x() + d.y() * d.y() <= reach) row[x] = colour;
        }
    }
    return area;
}

QRect drawLine(QImage& image, QPoint from, QPoint to, const QColor& colour, int width)
{
    return paintShape(image, colour, ShapeStyle{.width = width}, false, QRectF(from, to),
                      [&](QPainter& p) { p.drawLine(from, to); });
}

QRect drawBox(QImage& image, QPoint corner, QPoint opposite, const QColor& outline,
              const ShapeStyle& style)
{
    const QRectF box = outlineRect(corner, opposite);
    return paintShape(image, outline, style, true, box, [&](QPainter& p) { p.drawRect(box); });
}

QRect drawRoundedBox(QImage& image, QPoint corner, QPoint opposite, QSize cornerEllipse,
                     const QColor& outline, const ShapeStyle& style)
{
    const QRectF box = outlineRect(corner, opposite);
    return paintShape(image, outline, style, true, box, [&](QPainter& p) {
        p.drawRoundedRect(box, cornerEllipse.width() / 2.0, cornerEllipse.height() / 2.0);
    });
}

QRect fillBox(QImage& image, QPoint corner, QPoint opposite, const QColor& colour)
{
    if (image.isNull()) return {};
    const QRect box = cornersRect(corner, opposite).intersected(image.rect());
    if (!box.isEmpty()) QPainter(&image).fillRect(box, colour);
    return box;
}

QRect drawCircle(QImage& image, QPoint centre, double radius, const QColor& outline,
                 const ShapeStyle& style)
{
    const QPointF middle = pixelCentre(centre);
    const QRectF bounds(middle - QPointF(radius, radius), middle + QPointF(radius, radius));
    return paintShape(image, outline, style, true, bounds,
                      [&](QPainter& p) { p.drawEllipse(middle, radius, radius); });
}

QRect drawPolygon(QImage& image, const QPolygon& vertices, const QColor& outline,
                  const ShapeStyle& style)
{
    if (vertices.isEmpty()) return {};
    return paintShape(image, outline, style, true, QRectF(vertices.boundingRect()),
                      [&](QPainter& p) { p.drawPolygon(vertices); });
}
