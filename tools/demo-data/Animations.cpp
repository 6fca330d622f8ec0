#include "Animations.h"

#include "Glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

constexpr double Tau = 2 * std::numbers::pi;

void drawCloud(QPainter& p, QPointF at, double scale) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(at, 22 * scale, 13 * scale);
    p.drawEllipse(at + QPointF(-18 * scale, 4 * scale), 14 * scale, 10 * scale);
    p.drawEllipse(at + QPointF(18 * scale, 4 * scale), 15 * scale, 10 * scale);
}

void drawHill(QPainter& p, double baseY, double amplitude, double phase, const QColor& colour,
              int width, int height) {
    QPainterPath hill;
    hill.moveTo(0, height);
    for (int x = 0; x <= width; x += 4)
        hill.lineTo(x, baseY - amplitude * std::sin(Tau * x / width * 1.3 + phase));
    hill.lineTo(width, height);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(hill);
}

// A small brown lark seen from the side; `wing` runs from -1 (down) to 1 (up).
void drawLark(QPainter& p, QPointF at, double wing) {
    p.save();
    p.translate(at);
    p.setPen(QPen(QColor(0x5d, 0x40, 0x37), 1.5));
    QPainterPath tail;
    tail.moveTo(-16, 0);
    tail.lineTo(-30, -6);
    tail.lineTo(-28, 6);
    tail.closeSubpath();
    p.setBrush(QColor(0x8d, 0x6e, 0x63));
    p.drawPath(tail);
    p.setBrush(QColor(0xa1, 0x88, 0x7f));
    p.drawEllipse(QPointF(0, 0), 19, 11);
    p.setBrush(QColor(0xff, 0xe0, 0xb2));
    p.drawEllipse(QPointF(4, 4), 11, 6); // pale breast
    p.setBrush(QColor(0xa1, 0x88, 0x7f));
    p.drawEllipse(QPointF(17, -6), 9, 8); // head
    p.setBrush(QColor(0x8d, 0x6e, 0x63));
    QPainterPath crest;
    crest.moveTo(13, -12);
    crest.lineTo(15, -20);
    crest.lineTo(19, -13);
    p.drawPath(crest);
    p.setBrush(QColor(0xff, 0xa7, 0x26));
    QPainterPath beak;
    beak.moveTo(25, -7);
    beak.lineTo(32, -5);
    beak.lineTo(25, -3);
    beak.closeSubpath();
    p.drawPath(beak);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(20, -8), 1.8, 1.8);
    QPainterPath w;
    w.moveTo(-6, -2);
    w.cubicTo(-4, -2 - 24 * wing, 12, -2 - 26 * wing, 10, -2);
    w.closeSubpath();
    p.setBrush(QColor(0x6d, 0x4c, 0x41));
    p.drawPath(w);
    p.restore();
}

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

QList<GifFrame> larkOverHills() {
    constexpr int width = 313, height = 241, frames = 12;
    QList<GifFrame> out;
    for (int f = 0; f < frames; ++f) {
        const double t = double(f) / frames;
        QImage image = canvas(width, height);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, height);
        sky.setColorAt(0, QColor(0x81, 0xd4, 0xfa));
        sky.setColorAt(1, QColor(0xe1, 0xf5, 0xfe));
        p.fillRect(image.rect(), sky);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd5, 0x4f));
        p.drawEllipse(QPointF(260, 42), 24, 24);
        // Clouds drift one picture width per loop, so the last frame leads into the first.
        drawCloud(p, QPointF(std::fmod(60 + t * width, width + 60) - 30, 40), 1.0);
        drawCloud(p, QPointF(std::fmod(220 + t * width, width + 60) - 30, 75), 0.7);
        drawHill(p, 185, 14, t * Tau, QColor(0x9c, 0xcc, 0x65), width, height);
        drawHill(p, 210, 10, 1.7 - t * Tau, QColor(0x7c, 0xb3, 0x42), width, height);
        p.setBrush(QColor(0xff, 0xf1, 0x76));
        for (int i = 0; i < 5; ++i) // flowers in the grass
            p.drawEllipse(QPointF(30 + i * 62, 225 - (i % 2) * 8), 4, 4);
        const QPointF lark(150 + 40 * std::sin(Tau * t), 110 + 18 * std::sin(2 * Tau * t));
        drawLark(p, lark, std::sin(2 * Tau * t));
        out.append({image, 120});
    }
    return out;
}

QList<GifFrame> goodTick() {
    constexpr int side = 200, frames = 10, drawingFrames = 6;
    QPainterPath tick;
    tick.moveTo(58, 102);
    tick.lineTo(88, 134);
    tick.lineTo(146, 70);
    QList<GifFrame> out;
    for (int f = 0; f < frames; ++f) {
        QImage image = canvas(side, side);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double pulse = f >= drawingFrames ? 4 * std::sin((f - drawingFrames) * Tau / 4) : 0;
        p.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 6));
        p.setBrush(QColor(0x66, 0xbb, 0x6a));
        p.drawEllipse(QPointF(100, 100), 80 + pulse, 80 + pulse);
        // The tick is drawn stroke by stroke over the first frames, as a hand would.
        const double drawn = std::min(1.0, (f + 1) / double(drawingFrames));
        QPainterPath part;
        part.moveTo(tick.pointAtPercent(0));
        for (int i = 1; i <= 40; ++i)
            part.lineTo(tick.pointAtPercent(tick.percentAtLength(tick.length() * drawn * i / 40)));
        p.setPen(QPen(Qt::white, 20, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(part);
        if (f >= drawingFrames) { // sparkles around the finished tick
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xff, 0xd5, 0x4f));
            for (int i = 0; i < 6; ++i) {
                const double a = Tau * i / 6 + f * 0.4;
                p.drawEllipse(QPointF(100 + 92 * std::cos(a), 100 + 92 * std::sin(a)), 5, 5);
            }
        }
        out.append({image, f == frames - 1 ? 600 : 70});
    }
    return out;
}

QList<GifFrame> badCross() {
    constexpr int side = 200, frames = 8;
    QList<GifFrame> out;
    for (int f = 0; f < frames; ++f) {
        QImage image = canvas(side, side);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double sway = f < 6 ? 10 * std::sin(f * Tau / 3) * (1 - f / 6.0) : 0; // a shake
        p.translate(100 + sway, 100);
        p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 6));
        p.setBrush(QColor(0xef, 0x53, 0x50));
        p.drawEllipse(QPointF(0, 0), 80, 80);
        p.setPen(QPen(Qt::white, 20, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-36, -36), QPointF(36, 36));
        p.drawLine(QPointF(36, -36), QPointF(-36, 36));
        out.append({image, f == frames - 1 ? 700 : 80});
    }
    return out;
}
