#include "MenuPictures.h"

#include "Glyphs.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The largest bold sans font up to `maxPixels` that fits `text` into `width`.
QFont fittedFont(const QString& text, int maxPixels, double width) {
    int pixels = maxPixels;
    QFont font = Glyphs::sans(pixels);
    while (pixels > 10 && QFontMetrics(font).horizontalAdvance(text) > width)
        font = Glyphs::sans(--pixels);
    return font;
}

void drawOutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                      const QColor& fill, const QColor& outline) {
    QPainterPath path;
    const QFontMetricsF metrics(font);
    const double x = box.center().x() - metrics.horizontalAdvance(text) / 2;
    const double y = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    path.addText(QPointF(x, y), font, text);
    p.setPen(QPen(outline, font.pixelSize() / 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

} // namespace

QImage paintAreaPicture(const QString& area, const QString& emoji, const QColor& colour,
                        bool highlighted) {
    constexpr int side = 256;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    const QRectF card = QRectF(0, 0, side, side).adjusted(18, 18, -18, -18);
    if (highlighted) {
        QRadialGradient glow(QPointF(side / 2.0, side / 2.0), side / 2.0);
        glow.setColorAt(0.75, QColor(255, 236, 120, 230));
        glow.setColorAt(1.0, QColor(255, 236, 120, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRoundedRect(QRectF(0, 0, side, side), 56, 56);
    }
    const QColor face = highlighted ? colour.lighter(122) : colour;
    QLinearGradient shade(card.topLeft(), card.bottomLeft());
    shade.setColorAt(0, face.lighter(125));
    shade.setColorAt(1, face);
    p.setPen(QPen(highlighted ? QColor(255, 255, 255) : face.darker(130), highlighted ? 8 : 5));
    p.setBrush(shade);
    p.drawRoundedRect(card, 40, 40);

    Glyphs::drawFitted(
        p, Glyphs::emoji(emoji),
        QRectF(card.left() + 40, card.top() + 16, card.width() - 80, card.height() * 0.56));
    const QRectF label(card.left() + 8, card.top() + card.height() * 0.66, card.width() - 16,
                       card.height() * 0.3);
    drawOutlinedText(p, label, area, fittedFont(area, 46, label.width()), Qt::white,
                     face.darker(170));
    return image;
}

QImage paintStepThumbnail(const QString& title, const QString& emoji) {
    constexpr int width = 226, height = 178;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QColor base = Glyphs::pastel(title);
    p.fillRect(image.rect(), base);
    p.setPen(QPen(base.darker(125), 6));
    p.setBrush(base.lighter(112));
    p.drawRoundedRect(QRectF(3, 3, width - 6, height - 6), 22, 22);
    Glyphs::drawFitted(p, Glyphs::emoji(emoji), QRectF(50, 14, width - 100, 100));
    const QRectF label(8, 118, width - 16, 52);
    drawOutlinedText(p, label, title, fittedFont(title, 36, label.width()), base.darker(260),
                     Qt::white);
    return image;
}
