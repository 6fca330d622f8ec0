#include "drawing/PolygonTool.h"

#include "drawing/Frmboard.h"

#include <QPolygon>

PolygonTool::PolygonTool(Frmboard& canvas)
    : DrawingTool(canvas, true, Footprint::Hide)
{
}

void PolygonTool::press(Qt::MouseButton button, QPointF at)
{
    if (button != Qt::LeftButton) return;
    CanvasView& c = *canvas.Picture1;
    c.setFillColor(canvas.state().SecondaryColour);
    c.setForeColor(canvas.state().PrimaryColour);
    const QPoint vertex = nearestPixel(at.x(), at.y());
    points_[std::size_t(count_)] = vertex;
    if (count_ > 0) c.Line(points_[std::size_t(count_ - 1)], vertex, canvas.state().PrimaryColour);
    ++count_;
    // There is no room for another vertex: the polygon is complete.
    if (count_ == MaxVertices) close();
}

void PolygonTool::release(Qt::MouseButton button, QPointF)
{
    if (button == Qt::RightButton) close();
}

void PolygonTool::close()
{
    CanvasView& c = *canvas.Picture1;
    if (count_ > 1) {
        c.Line(points_[std::size_t(count_ - 1)], points_[0], canvas.state().PrimaryColour);
        c.Polygon(QPolygon(QList<QPoint>(points_.begin(), points_.begin() + count_)),
                  c.ForeColor());
    }
    count_ = 0;
}
