#include "Outlines.h"

#include "Fatal.h"

#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int Side = 540;
constexpr double Pi = std::numbers::pi;

// Drawings are made in a 100 x 100 square; the painter scales them to the picture.
using Drawing = std::function<void(QPainter&)>;

QPolygonF star(QPointF centre, double outer, double inner, int points, double turn = -Pi / 2)
{
    QPolygonF polygon;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = turn + i * Pi / points;
        polygon << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return polygon;
}

void smile(QPainter& p, QPointF centre, double size)
{
    p.drawEllipse(centre + QPointF(-size * 0.35, -size * 0.2), size * 0.08, size * 0.08);
    p.drawEllipse(centre + QPointF(size * 0.35, -size * 0.2), size * 0.08, size * 0.08);
    p.drawArc(QRectF(centre.x() - size * 0.35, centre.y() - size * 0.1, size * 0.7, size * 0.5),
              200 * 16, 140 * 16);
}

void sun(QPainter& p)
{
    for (int i = 0; i < 12; ++i) {
        const double a = i * Pi / 6;
        const QPointF tip(50 + 45 * std::cos(a), 50 + 45 * std::sin(a));
        const QPointF b1(50 + 28 * std::cos(a - 0.17), 50 + 28 * std::sin(a - 0.17));
        const QPointF b2(50 + 28 * std::cos(a + 0.17), 50 + 28 * std::sin(a + 0.17));
        p.drawPolygon(QPolygonF({b1, tip, b2}));
    }
    p.drawEllipse(QPointF(50, 50), 26, 26);
    smile(p, QPointF(50, 50), 30);
}

void house(QPainter& p)
{
    p.drawRect(QRectF(64, 18, 9, 20)); // chimney, behind the roof
    p.drawRect(QRectF(22, 45, 56, 43));
    p.drawPolygon(QPolygonF({QPointF(14, 46), QPointF(50, 14), QPointF(86, 46)}));
    p.drawRect(QRectF(44, 62, 14, 26));
    p.drawEllipse(QPointF(55, 76), 1.2, 1.2);
    p.drawRect(QRectF(27, 54, 12, 12));
    p.drawLine(QPointF(33, 54), QPointF(33, 66));
    p.drawLine(QPointF(27, 60), QPointF(39, 60));
    p.drawRect(QRectF(63, 54, 10, 10));
    p.drawEllipse(QPointF(50, 33), 5, 5);
    p.drawLine(QPointF(4, 88), QPointF(96, 88));
}

void fish(QPainter& p)
{
    p.drawPolygon(QPolygonF({QPointF(70, 50), QPointF(93, 30), QPointF(93, 70)}));
    p.drawPolygon(QPolygonF({QPointF(38, 32), QPointF(50, 18), QPointF(60, 33)}));
    p.drawEllipse(QRectF(12, 28, 64, 44));
    p.drawEllipse(QPointF(28, 44), 4.5, 4.5);
    p.drawArc(QRectF(18, 50, 12, 8), 200 * 16, 140 * 16);
    for (int i = 0; i < 3; ++i)
        p.drawArc(QRectF(40 + i * 9, 38, 10, 24), -70 * 16, 140 * 16);
    p.drawEllipse(QPointF(10, 20), 3, 3);
    p.drawEllipse(QPointF(6, 10), 2, 2);
}

void flower(QPainter& p)
{
    p.drawRect(QRectF(47.5, 45, 5, 37));
    p.save();
    p.translate(40, 66);
    p.rotate(-30);
    p.drawEllipse(QRectF(-10, -4, 20, 8));
    p.restore();
    p.save();
    p.translate(60, 62);
    p.rotate(30);
    p.drawEllipse(QRectF(-10, -4, 20, 8));
    p.restore();
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(50, 34);
        p.rotate(i * 60);
        p.drawEllipse(QRectF(8, -7, 22, 14));
        p.restore();
    }
    p.drawEllipse(QPointF(50, 34), 10, 10);
    p.drawPolygon(QPolygonF({QPointF(32, 80), QPointF(68, 80), QPointF(63, 97), QPointF(37, 97)}));
}

void apple(QPainter& p)
{
    p.drawRect(QRectF(48, 12, 4, 16));
    p.save();
    p.translate(62, 18);
    p.rotate(-25);
    p.drawEllipse(QRectF(-10, -5, 20, 10));
    p.restore();
    QPainterPath body;
    body.moveTo(50, 28);
    body.cubicTo(70, 16, 94, 30, 88, 58);
    body.cubicTo(84, 80, 66, 94, 50, 86);
    body.cubicTo(34, 94, 16, 80, 12, 58);
    body.cubicTo(6, 30, 30, 16, 50, 28);
    p.drawPath(body);
    p.drawEllipse(QRectF(24, 38, 8, 14));
}

void car(QPainter& p)
{
    p.drawPolygon(QPolygonF({QPointF(24, 46), QPointF(34, 26), QPointF(66, 26), QPointF(78, 46)}));
    p.drawPolygon(QPolygonF({QPointF(31, 44), QPointF(38, 30), QPointF(49, 30), QPointF(49, 44)}));
    p.drawPolygon(QPolygonF({QPointF(53, 44), QPointF(53, 30), QPointF(64, 30), QPointF(72, 44)}));
    p.drawRoundedRect(QRectF(8, 45, 84, 24), 6, 6);
    p.drawRect(QRectF(86, 50, 6, 6));
    p.drawEllipse(QPointF(28, 70), 10, 10);
    p.drawEllipse(QPointF(72, 70), 10, 10);
    p.drawEllipse(QPointF(28, 70), 4, 4);
    p.drawEllipse(QPointF(72, 70), 4, 4);
    p.drawLine(QPointF(2, 80), QPointF(98, 80));
}

void tree(QPainter& p)
{
    p.drawPolygon(QPolygonF({QPointF(43, 94), QPointF(45, 50), QPointF(55, 50), QPointF(57, 94)}));
    p.drawEllipse(QPointF(31, 46), 17, 15);
    p.drawEllipse(QPointF(69, 46), 17, 15);
    p.drawEllipse(QPointF(50, 30), 24, 22);
    for (const QPointF& at : {QPointF(40, 26), QPointF(60, 36), QPointF(28, 50), QPointF(72, 50)})
        p.drawEllipse(at, 4, 4);
    p.drawLine(QPointF(4, 94), QPointF(96, 94));
}

void starPicture(QPainter& p)
{
    p.drawPolygon(star(QPointF(50, 54), 46, 20, 5));
    smile(p, QPointF(50, 56), 22);
    p.drawPolygon(star(QPointF(12, 12), 8, 3.5, 5));
    p.drawPolygon(star(QPointF(88, 14), 7, 3, 5));
}

void butterfly(QPainter& p)
{
    p.drawEllipse(QRectF(10, 14, 38, 38));
    p.drawEllipse(QRectF(52, 14, 38, 38));
    p.drawEllipse(QRectF(16, 50, 32, 30));
    p.drawEllipse(QRectF(52, 50, 32, 30));
    for (const QPointF& at : {QPointF(28, 32), QPointF(72, 32)})
        p.drawEllipse(at, 8, 8);
    for (const QPointF& at : {QPointF(32, 65), QPointF(68, 65)})
        p.drawEllipse(at, 5, 5);
    p.drawEllipse(QRectF(45, 22, 10, 60));
    p.drawEllipse(QPointF(50, 18), 6, 6);
    p.drawLine(QPointF(47, 13), QPointF(38, 3));
    p.drawLine(QPointF(53, 13), QPointF(62, 3));
    p.drawEllipse(QPointF(37, 3), 2.2, 2.2);
    p.drawEllipse(QPointF(63, 3), 2.2, 2.2);
}

void balloons(QPainter& p)
{
    const QPointF hand(50, 94);
    const QPointF centres[] = {{30, 32}, {70, 30}, {50, 22}};
    for (const QPointF& c : centres) {
        p.drawLine(QPointF(c.x(), c.y() + 19), hand);
        p.drawPolygon(QPolygonF({QPointF(c.x() - 3, c.y() + 21), QPointF(c.x(), c.y() + 16),
                                 QPointF(c.x() + 3, c.y() + 21)}));
        p.drawEllipse(c, 15, 18);
        p.drawArc(QRectF(c.x() - 10, c.y() - 13, 10, 12), 90 * 16, 90 * 16);
    }
}

void sailboat(QPainter& p)
{
    p.drawRect(QRectF(48.5, 10, 3, 62));
    p.drawPolygon(QPolygonF({QPointF(46, 14), QPointF(46, 64), QPointF(14, 64)}));
    p.drawPolygon(QPolygonF({QPointF(54, 20), QPointF(54, 64), QPointF(82, 64)}));
    p.drawPolygon(QPolygonF({QPointF(51.5, 10), QPointF(64, 14), QPointF(51.5, 18)}));
    p.drawPolygon(QPolygonF({QPointF(8, 70), QPointF(92, 70), QPointF(80, 84), QPointF(20, 84)}));
    QPainterPath waves;
    waves.moveTo(2, 92);
    for (int i = 0; i < 8; ++i)
        waves.quadTo(QPointF(8 + i * 12, 86), QPointF(14 + i * 12, 92));
    p.drawPath(waves);
}

void mushroom(QPainter& p)
{
    p.drawRoundedRect(QRectF(38, 50, 24, 38), 8, 8);
    QPainterPath cap;
    cap.moveTo(8, 56);
    cap.cubicTo(8, 6, 92, 6, 92, 56);
    cap.closeSubpath();
    p.drawPath(cap);
    for (const QPointF& at : {QPointF(30, 38), QPointF(52, 24), QPointF(72, 40), QPointF(50, 46)})
        p.drawEllipse(at, 6, 5);
    p.drawLine(QPointF(4, 88), QPointF(96, 88));
    for (int i = 0; i < 5; ++i)
        p.drawPolygon(QPolygonF(
            {QPointF(10 + i * 18, 88), QPointF(14 + i * 18, 80), QPointF(18 + i * 18, 88)}));
}

const QMap<QString, Drawing>& drawings()
{
    static const QMap<QString, Drawing> all{
        {QStringLiteral("太阳"), sun},       {QStringLiteral("房子"), house},
        {QStringLiteral("小鱼"), fish},      {QStringLiteral("花朵"), flower},
        {QStringLiteral("苹果"), apple},     {QStringLiteral("汽车"), car},
        {QStringLiteral("大树"), tree},      {QStringLiteral("星星"), starPicture},
        {QStringLiteral("蝴蝶"), butterfly}, {QStringLiteral("气球"), balloons},
        {QStringLiteral("帆船"), sailboat},  {QStringLiteral("蘑菇"), mushroom},
    };
    return all;
}

// Anything that is not pure white becomes pure black, so no edge pixel can stop a fill.
void hardenLines(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == 0xFFFFFF ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
}

} // namespace

QImage paintOutline(const QString& name)
{
    const auto it = drawings().constFind(name);
    if (it == drawings().constEnd()) fatal(QStringLiteral("no outline drawing for %1").arg(name));
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.scale(Side / 100.0, Side / 100.0);
        p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white); // a shape drawn later hides the lines behind it
        (*it)(p);
    }
    hardenLines(image);
    return image;
}
