#include "drawing/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Outline(60, 60, 60);

// The icon's own coordinates: 0..100 each way inside the cell's margin.
void toIconSpace(QPainter& p, const QRectF& cell)
{
    const double margin = cell.width() * 0.14;
    const QRectF inner = cell.adjusted(margin, margin, -margin, -margin);
    p.translate(inner.topLeft());
    p.scale(inner.width() / 100, inner.height() / 100);
}

QPen pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
}

void freeFormSelect(QPainter& p)
{
    QPainterPath blob(QPointF(20, 30));
    blob.cubicTo(35, 0, 90, 10, 85, 40);
    blob.cubicTo(80, 70, 95, 95, 55, 90);
    blob.cubicTo(20, 85, 0, 60, 20, 30);
    p.setPen(pen(Outline, 5, Qt::DashLine));
    p.drawPath(blob);
}

void select(QPainter& p)
{
    p.setPen(pen(Outline, 5, Qt::DashLine));
    p.drawRect(QRectF(12, 18, 76, 64));
}

void eraser(QPainter& p)
{
    p.save();
    p.translate(50, 50);
    p.rotate(-30);
    p.setPen(pen(Outline, 4));
    p.setBrush(QColor(255, 160, 180));
    p.drawRoundedRect(QRectF(-40, -18, 50, 36), 6, 6);
    p.setBrush(QColor(120, 170, 255));
    p.drawRoundedRect(QRectF(10, -18, 30, 36), 6, 6);
    p.restore();
}

void fill(QPainter& p)
{
    p.save();
    p.translate(42, 52);
    p.rotate(-35);
    p.setPen(pen(Outline, 4));
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(QRectF(-24, -22, 48, 44));
    p.setBrush(QColor(40, 120, 230));
    p.drawRect(QRectF(-24, -22, 48, 12));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 120, 230));
    QPainterPath drop(QPointF(82, 52));
    drop.cubicTo(72, 70, 74, 86, 82, 86);
    drop.cubicTo(90, 86, 92, 70, 82, 52);
    p.drawPath(drop);
}

void pickColour(QPainter& p)
{
    p.save();
    p.translate(50, 50);
    p.rotate(45);
    p.setPen(pen(Outline, 4));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(-8, -40, 16, 50));
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QRectF(-14, -52, 28, 22));
    p.drawLine(QPointF(0, 10), QPointF(0, 40));
    p.restore();
}

void magnifier(QPainter& p)
{
    p.setPen(pen(Outline, 8));
    p.setBrush(QColor(220, 240, 255));
    p.drawEllipse(QRectF(10, 10, 55, 55));
    p.setPen(pen(Outline, 14));
    p.drawLine(QPointF(60, 60), QPointF(90, 90));
}

void pencil(QPainter& p)
{
    p.save();
    p.translate(50, 50);
    p.rotate(45);
    p.setPen(pen(Outline, 4));
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRectF(-10, -45, 20, 62));
    p.setBrush(QColor(240, 210, 160));
    QPolygonF tip({QPointF(-10, 17), QPointF(10, 17), QPointF(0, 42)});
    p.drawPolygon(tip);
    p.setBrush(Outline);
    p.drawPolygon(QPolygonF({QPointF(-3, 34), QPointF(3, 34), QPointF(0, 42)}));
    p.restore();
}

void brush(QPainter& p)
{
    p.save();
    p.translate(50, 50);
    p.rotate(40);
    p.setPen(pen(Outline, 4));
    p.setBrush(QColor(160, 100, 50));
    p.drawRect(QRectF(-6, -48, 12, 50));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(-9, 2, 18, 12));
    p.setBrush(QColor(230, 50, 120));
    QPainterPath bristles(QPointF(-9, 14));
    bristles.cubicTo(-12, 30, -4, 44, 0, 48);
    bristles.cubicTo(4, 44, 12, 30, 9, 14);
    bristles.closeSubpath();
    p.drawPath(bristles);
    p.restore();
}

void spray(QPainter& p)
{
    p.setPen(pen(Outline, 4));
    p.setBrush(QColor(80, 180, 90));
    p.drawRoundedRect(QRectF(40, 35, 34, 58), 8, 8);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(50, 22, 14, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 180, 90));
    const QPointF dots[] = {{12, 12}, {24, 20}, {10, 28}, {30, 8}, {20, 34}, {34, 26}, {6, 18}};
    for (const QPointF& d : dots)
        p.drawEllipse(d, 3.5, 3.5);
}

void text(QPainter& p)
{
    p.setPen(pen(Outline, 10));
    p.drawLine(QPointF(15, 90), QPointF(50, 10));
    p.drawLine(QPointF(50, 10), QPointF(85, 90));
    p.drawLine(QPointF(30, 60), QPointF(70, 60));
}

void line(QPainter& p)
{
    p.setPen(pen(Outline, 7));
    p.drawLine(QPointF(10, 88), QPointF(90, 12));
}

void curve(QPainter& p)
{
    QPainterPath wave(QPointF(8, 80));
    wave.cubicTo(30, -10, 60, 120, 92, 20);
    p.setPen(pen(Outline, 7));
    p.drawPath(wave);
}

void rectangle(QPainter& p)
{
    p.setPen(pen(Outline, 7));
    p.setBrush(QColor(255, 230, 120));
    p.drawRect(QRectF(8, 20, 84, 60));
}

void polygon(QPainter& p)
{
    p.setPen(pen(Outline, 7));
    p.setBrush(QColor(150, 220, 255));
    p.drawPolygon(QPolygonF(
        {QPointF(10, 40), QPointF(45, 8), QPointF(90, 30), QPointF(75, 90), QPointF(25, 80)}));
}

void roundedRectangle(QPainter& p)
{
    p.setPen(pen(Outline, 7));
    p.setBrush(QColor(255, 190, 150));
    p.drawRoundedRect(QRectF(8, 20, 84, 60), 20, 20);
}

} // namespace

void paintToolIcon(QPainter& p, ToolIcon icon, const QRectF& cell, bool enabled)
{
    p.save();
    if (!enabled) p.setOpacity(0.3);
    toIconSpace(p, cell);
    switch (icon) {
    case ToolIcon::FreeFormSelect:
        freeFormSelect(p);
        break;
    case ToolIcon::Select:
        select(p);
        break;
    case ToolIcon::Eraser:
        eraser(p);
        break;
    case ToolIcon::Fill:
        fill(p);
        break;
    case ToolIcon::PickColour:
        pickColour(p);
        break;
    case ToolIcon::Magnifier:
        magnifier(p);
        break;
    case ToolIcon::Pencil:
        pencil(p);
        break;
    case ToolIcon::Brush:
        brush(p);
        break;
    case ToolIcon::Spray:
        spray(p);
        break;
    case ToolIcon::Text:
        text(p);
        break;
    case ToolIcon::Line:
        line(p);
        break;
    case ToolIcon::Curve:
        curve(p);
        break;
    case ToolIcon::Rectangle:
        rectangle(p);
        break;
    case ToolIcon::Polygon:
        polygon(p);
        break;
    case ToolIcon::RoundedRectangle:
        roundedRectangle(p);
        break;
    }
    p.restore();
}
