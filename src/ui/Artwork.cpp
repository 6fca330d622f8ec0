#include "ui/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace {

constexpr int Side = 256;

QPixmap draw(const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return pixmap;
}

QPainterPath starPath(QPointF centre, double outer, double inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        i ? path.lineTo(pt) : path.moveTo(pt);
    }
    path.closeSubpath();
    return path;
}

// A round face; mood 1 smiles, -1 frowns gently.
void drawFace(QPainter& p, const QRectF& box, const QColor& skin, double mood)
{
    p.setPen(QPen(QColor(200, 120, 0), box.width() * 0.04));
    p.setBrush(skin);
    p.drawEllipse(box);
    const double w = box.width();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 20));
    p.drawEllipse(QPointF(box.left() + w * 0.34, box.top() + w * 0.38), w * 0.06, w * 0.08);
    p.drawEllipse(QPointF(box.left() + w * 0.66, box.top() + w * 0.38), w * 0.06, w * 0.08);
    p.setBrush(QColor(255, 140, 140, 150));
    p.drawEllipse(QPointF(box.left() + w * 0.22, box.top() + w * 0.56), w * 0.08, w * 0.05);
    p.drawEllipse(QPointF(box.left() + w * 0.78, box.top() + w * 0.56), w * 0.08, w * 0.05);
    QPainterPath mouth;
    const double y = box.top() + w * (mood > 0 ? 0.62 : 0.72);
    mouth.moveTo(box.left() + w * 0.3, y);
    mouth.quadTo(box.left() + w * 0.5, y + mood * w * 0.2, box.left() + w * 0.7, y);
    p.setPen(QPen(QColor(60, 40, 20), w * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

} // namespace

namespace Artwork {

QPixmap star()
{
    static const QPixmap pixmap = draw([](QPainter& p) {
        p.setPen(QPen(QColor(230, 120, 0), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QRadialGradient glow(QPointF(128, 120), 130);
        glow.setColorAt(0, QColor(255, 250, 150));
        glow.setColorAt(1, QColor(255, 190, 0));
        p.setBrush(glow);
        p.drawPath(starPath(QPointF(128, 138), 118, 50));
    });
    return pixmap;
}

QPixmap face()
{
    static const QPixmap pixmap =
        draw([](QPainter& p) { drawFace(p, QRectF(12, 12, 232, 232), QColor(255, 214, 60), 1); });
    return pixmap;
}

QPixmap back()
{
    static const QPixmap pixmap = draw([](QPainter& p) {
        QRadialGradient fill(QPointF(110, 100), 150);
        fill.setColorAt(0, QColor(255, 160, 120));
        fill.setColorAt(1, QColor(235, 80, 60));
        p.setPen(QPen(Qt::white, 12));
        p.setBrush(fill);
        p.drawEllipse(QRectF(10, 10, 236, 236));
        QPainterPath arrow;
        arrow.moveTo(60, 128);
        arrow.lineTo(124, 68);
        arrow.lineTo(124, 104);
        arrow.lineTo(196, 104);
        arrow.lineTo(196, 152);
        arrow.lineTo(124, 152);
        arrow.lineTo(124, 188);
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(arrow);
    });
    return pixmap;
}

QPixmap help()
{
    static const QPixmap pixmap = draw([](QPainter& p) {
        p.setPen(QPen(Qt::white, 12));
        p.setBrush(QColor(70, 140, 230));
        p.drawEllipse(QRectF(10, 10, 236, 236));
        QFont font(QStringLiteral("Noto Sans"));
        font.setPixelSize(170);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, Side, Side), Qt::AlignCenter, QStringLiteral("?"));
    });
    return pixmap;
}

QPixmap good()
{
    static const QPixmap pixmap = draw([](QPainter& p) {
        // Three stars in an arch over the face, the middle one highest.
        for (int i = 0; i < 3; ++i)
            p.fillPath(starPath(QPointF(40 + i * 88, 46 - (i % 2) * 16), 28, 12),
                       QColor(255, 200, 0));
        drawFace(p, QRectF(43, 72, 170, 170), QColor(255, 214, 60), 1);
        p.setPen(QPen(QColor(40, 180, 70), 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF{QPointF(170, 200), QPointF(200, 232), QPointF(246, 166)});
    });
    return pixmap;
}

QPixmap bad()
{
    static const QPixmap pixmap = draw([](QPainter& p) {
        drawFace(p, QRectF(38, 38, 180, 180), QColor(170, 210, 255), -1);
        p.setPen(QPen(QColor(230, 90, 90), 18, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(188, 186), QPointF(236, 234));
        p.drawLine(QPointF(236, 186), QPointF(188, 234));
    });
    return pixmap;
}

} // namespace Artwork
