#include "activities/language/Marks.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

const QColor MarkRed(220, 30, 30);

QPixmap draw(QSize size, const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return pixmap;
}

QPen thickRed(double width)
{
    return QPen(MarkRed, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A fat arrow in a tall picture, the way the page arrows stand beside the answers.
QPixmap arrow(bool right)
{
    return draw(QSize(130, 290), [right](QPainter& p) {
        if (!right) p.setTransform(QTransform(-1, 0, 0, 1, 130, 0));
        QPainterPath path;
        path.moveTo(10, 105);
        path.lineTo(60, 105);
        path.lineTo(60, 50);
        path.lineTo(122, 145);
        path.lineTo(60, 240);
        path.lineTo(60, 185);
        path.lineTo(10, 185);
        path.closeSubpath();
        p.setPen(QPen(QColor(30, 90, 170), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(90, 170, 240));
        p.drawPath(path);
    });
}

} // namespace

namespace Marks {

QPixmap tick()
{
    static const QPixmap pixmap = draw(QSize(202, 188), [](QPainter& p) {
        p.setPen(thickRed(28));
        p.drawPolyline(QPolygonF({QPointF(25, 100), QPointF(80, 160), QPointF(180, 25)}));
    });
    return pixmap;
}

QPixmap cross()
{
    static const QPixmap pixmap = draw(QSize(202, 188), [](QPainter& p) {
        p.setPen(thickRed(28));
        p.drawLine(QPointF(40, 25), QPointF(162, 163));
        p.drawLine(QPointF(162, 25), QPointF(40, 163));
    });
    return pixmap;
}

QPixmap previousPage()
{
    static const QPixmap pixmap = arrow(false);
    return pixmap;
}

QPixmap nextPage()
{
    static const QPixmap pixmap = arrow(true);
    return pixmap;
}

} // namespace Marks
