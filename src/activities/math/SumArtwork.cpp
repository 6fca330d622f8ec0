#include "activities/math/SumArtwork.h"

#include <QPainter>
#include <functional>
#include <map>

namespace {

constexpr int Side = 256;

QPixmap draw(QSize size, const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return pixmap;
}

} // namespace

namespace SumArtwork {

QPixmap sign(QChar sign)
{
    static std::map<char16_t, QPixmap> drawn;
    auto it = drawn.find(sign.unicode());
    if (it != drawn.end()) return it->second;
    // The signs are 80 x 71 in the design: bars drawn as thick rounded strokes.
    const QPixmap pixmap = draw(QSize(Side, 227), [sign](QPainter& p) {
        p.setPen(QPen(QColor(200, 60, 40), 34, Qt::SolidLine, Qt::RoundCap));
        const double cx = Side / 2.0, cy = 227 / 2.0, arm = 80;
        if (sign == QLatin1Char('=')) {
            p.drawLine(QPointF(cx - arm, cy - 36), QPointF(cx + arm, cy - 36));
            p.drawLine(QPointF(cx - arm, cy + 36), QPointF(cx + arm, cy + 36));
            return;
        }
        p.drawLine(QPointF(cx - arm, cy), QPointF(cx + arm, cy));
        if (sign == QLatin1Char('+')) p.drawLine(QPointF(cx, cy - arm), QPointF(cx, cy + arm));
    });
    drawn.emplace(sign.unicode(), pixmap);
    return pixmap;
}

QPixmap emptyPlace()
{
    static const QPixmap pixmap = draw(QSize(Side, Side), [](QPainter& p) {
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(90, 140, 220), 10, Qt::DashLine, Qt::RoundCap));
        p.drawRoundedRect(QRectF(8, 8, Side - 16, Side - 16), 28, 28);
        QFont font(QStringLiteral("Noto Sans"));
        font.setPixelSize(170);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(200, 200, 210));
        p.drawText(QRectF(0, 0, Side, Side), Qt::AlignCenter, QStringLiteral("?"));
    });
    return pixmap;
}

QPixmap check()
{
    static const QPixmap pixmap = draw(QSize(Side, Side), [](QPainter& p) {
        QRadialGradient fill(QPointF(100, 90), 170);
        fill.setColorAt(0, QColor(120, 220, 120));
        fill.setColorAt(1, QColor(30, 150, 60));
        p.setPen(QPen(Qt::white, 12));
        p.setBrush(fill);
        p.drawEllipse(QRectF(10, 10, Side - 20, Side - 20));
        p.setPen(QPen(Qt::white, 30, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF{QPointF(70, 132), QPointF(112, 176), QPointF(190, 88)});
    });
    return pixmap;
}

} // namespace SumArtwork
