#include "ItemPainter.h"

#include "Glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

// Shapes are drawn in a square of side 1 (y grows downwards), centred on (0.5, 0.5),
// so the long and the short thing of a comparison share one scale.

void drawPencil(QPainter& p, double length)
{
    const double h = 0.17, left = 0.5 - length / 2, top = 0.5 - h / 2, tip = 0.12;
    const double bodyEnd = left + length - tip;
    p.setPen(QPen(QColor(0x5d, 0x40, 0x37), 0.008));
    p.setBrush(QColor(0xf4, 0x8f, 0xb1)); // eraser
    p.drawRoundedRect(QRectF(left, top, 0.07, h), 0.02, 0.02);
    p.setBrush(QColor(0xb0, 0xbe, 0xc5)); // ferrule
    p.drawRect(QRectF(left + 0.07, top, 0.04, h));
    p.setBrush(QColor(0xff, 0xca, 0x28)); // body
    p.drawRect(QRectF(left + 0.11, top, bodyEnd - left - 0.11, h));
    p.setBrush(QColor(0xff, 0xe0, 0x82));
    p.drawRect(QRectF(left + 0.11, top + h / 3, bodyEnd - left - 0.11, h / 3));
    QPainterPath wood;
    wood.moveTo(bodyEnd, top);
    wood.lineTo(bodyEnd + tip, 0.5);
    wood.lineTo(bodyEnd, top + h);
    wood.closeSubpath();
    p.setBrush(QColor(0xf5, 0xd6, 0xa8));
    p.drawPath(wood);
    QPainterPath lead;
    lead.moveTo(bodyEnd + tip * 0.65, 0.5 - h * 0.18);
    lead.lineTo(bodyEnd + tip, 0.5);
    lead.lineTo(bodyEnd + tip * 0.65, 0.5 + h * 0.18);
    lead.closeSubpath();
    p.setBrush(QColor(0x37, 0x47, 0x4f));
    p.drawPath(lead);
}

void drawRibbon(QPainter& p, double length, const QColor& colour)
{
    const double h = 0.15;
    const QRectF bar(0.5 - length / 2, 0.5 - h / 2, length, h);
    p.setPen(QPen(colour.darker(140), 0.008));
    p.setBrush(colour);
    p.drawRoundedRect(bar, h / 2, h / 2);
    p.setPen(QPen(colour.lighter(140), 0.012));
    for (double x = bar.left() + 0.05; x < bar.right() - 0.03; x += 0.06)
        p.drawLine(QPointF(x, bar.top() + 0.02), QPointF(x + 0.03, bar.bottom() - 0.02));
}

void drawCaterpillar(QPainter& p, int segments)
{
    const double d = 0.15, step = d * 0.78;
    const double width = step * segments + d * 1.12; // the head stands out by 0.62 d
    const double left = 0.5 - width / 2;
    p.setPen(QPen(QColor(0x33, 0x69, 0x1e), 0.008));
    for (int i = 0; i < segments; ++i) {
        const double cx = left + d / 2 + i * step;
        const double cy = 0.55 + ((i % 2) ? 0.015 : -0.015);
        p.setBrush(i % 2 ? QColor(0x9c, 0xcc, 0x65) : QColor(0x7c, 0xb3, 0x42));
        p.drawEllipse(QPointF(cx, cy), d / 2, d / 2);
        p.drawLine(QPointF(cx, cy + d / 2), QPointF(cx - 0.01, cy + d / 2 + 0.03)); // a leg
    }
    const QPointF head(left + d / 2 + segments * step, 0.5);
    p.setBrush(QColor(0xaf, 0xd5, 0x6d));
    p.drawEllipse(head, d * 0.62, d * 0.62);
    p.setBrush(Qt::white);
    p.drawEllipse(head + QPointF(0.02, -0.015), 0.02, 0.022);
    p.setBrush(Qt::black);
    p.drawEllipse(head + QPointF(0.025, -0.013), 0.009, 0.011);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(head.x() - 0.01, head.y() + 0.005, 0.05, 0.035), 200 * 16, 140 * 16);
    p.drawLine(head + QPointF(-0.01, -0.07), head + QPointF(-0.03, -0.11)); // feelers
    p.drawLine(head + QPointF(0.02, -0.07), head + QPointF(0.04, -0.11));
}

void drawBackground(QPainter& p, const PictureRecipe& recipe, int side)
{
    const QColor base =
        recipe.background.isValid() ? recipe.background : Glyphs::pastel(recipe.name);
    p.fillRect(QRect(0, 0, side, side), base);
    QRadialGradient glow(QPointF(side * 0.5, side * 0.45), side * 0.55);
    glow.setColorAt(0, QColor(255, 255, 255, 200));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, side, side), glow);
    if (recipe.ground) {
        const double top = side * 0.86;
        QLinearGradient grass(0, top, 0, side);
        grass.setColorAt(0, QColor(0x9c, 0xd8, 0x6a));
        grass.setColorAt(1, QColor(0x6a, 0xb0, 0x3c));
        p.fillRect(QRectF(0, top, side, side - top), grass);
    }
}

// Where copies of a thing stand: `count` squares of equal size in centred rows.
QList<QRectF> copyBoxes(const PictureRecipe& recipe, int side)
{
    const int n = recipe.count;
    double cell = recipe.cell > 0 ? recipe.cell * side : 0;
    if (cell <= 0) {
        const int columns = int(std::ceil(std::sqrt(double(n))));
        cell = side * 0.84 / columns;
    }
    const int perRow = std::max(1, int(side * 0.92 / cell));
    const int rows = (n + perRow - 1) / perRow;
    const double top = (side - rows * cell) / 2;
    QList<QRectF> boxes;
    for (int i = 0; i < n; ++i) {
        const int row = i / perRow;
        const int inRow = std::min(perRow, n - row * perRow);
        const double left = (side - inRow * cell) / 2;
        boxes.append(QRectF(left + (i % perRow) * cell, top + row * cell, cell, cell)
                         .adjusted(cell * 0.06, cell * 0.06, -cell * 0.06, -cell * 0.06));
    }
    return boxes;
}

void drawEmoji(QPainter& p, const PictureRecipe& recipe, int side)
{
    const QImage glyph = Glyphs::emoji(recipe.subject);
    if (recipe.count > 1) {
        for (const QRectF& box : copyBoxes(recipe, side))
            Glyphs::drawFitted(p, glyph, box);
        return;
    }
    // Fit the height to `size`, never wider than the picture, then stretch.
    double scale = recipe.size * side / glyph.height();
    scale = std::min(scale, side * 0.9 / glyph.width());
    double w = glyph.width() * scale * recipe.stretch.x();
    double h = glyph.height() * scale * recipe.stretch.y();
    const double shrink = std::min({1.0, side * 0.94 / w, side * 0.94 / h});
    w *= shrink;
    h *= shrink;
    const double bottom = recipe.ground ? side * 0.9 : (side + h) / 2;
    p.drawImage(QRectF((side - w) / 2, bottom - h, w, h), glyph);
}

} // namespace

QImage paintItem(const PictureRecipe& recipe, int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    drawBackground(p, recipe, side);
    if (recipe.isShape()) {
        p.save();
        p.scale(side, side);
        if (recipe.subject == QLatin1String("pencil"))
            drawPencil(p, recipe.length);
        else if (recipe.subject == QLatin1String("ribbon"))
            drawRibbon(p, recipe.length, recipe.colour.isValid() ? recipe.colour : QColor(Qt::red));
        else
            drawCaterpillar(p, recipe.count);
        p.restore();
    } else {
        drawEmoji(p, recipe, side);
    }
    if (recipe.frame.isValid()) {
        const double w = side * 0.06;
        p.setPen(QPen(recipe.frame, w));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(w / 2, w / 2, side - w, side - w), side * 0.08, side * 0.08);
    }
    return image;
}
