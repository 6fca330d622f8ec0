#include "Glyphs.h"

#include "Fatal.h"

#include <QHash>
#include <QPainter>

namespace Glyphs {

namespace {

QRect visibleRect(const QImage& image) {
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 8) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

QImage emoji(const QString& text) {
    static QHash<QString, QImage> cache;
    if (const auto it = cache.constFind(text); it != cache.constEnd()) return *it;

    // 136 pixels is the size the font's bitmaps are made at; larger only blurs them.
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(136);
    const int width = 200 * int(text.size() + 1);
    QImage canvas(width, 300, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setFont(font);
        p.drawText(QRect(0, 0, width, 300), Qt::AlignCenter, text);
    }
    const QRect visible = visibleRect(canvas);
    if (visible.isEmpty())
        fatal(QStringLiteral("the emoji font draws nothing for \"%1\"").arg(text));
    const QImage cropped = canvas.copy(visible);
    cache.insert(text, cropped);
    return cropped;
}

static QFont cjk(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont sans(int pixelSize, bool bold) {
    return cjk(QStringLiteral("Noto Sans CJK SC"), pixelSize, bold);
}

QFont serif(int pixelSize, bool bold) {
    return cjk(QStringLiteral("Noto Serif CJK SC"), pixelSize, bold);
}

QColor pastel(const QString& name) {
    // FNV-1a: qHash is seeded per process, and the pictures must not change between runs.
    quint32 hash = 2166136261u;
    for (const char byte : name.toUtf8())
        hash = (hash ^ quint8(byte)) * 16777619u;
    return QColor::fromHsl(int(hash % 360), 150, 232);
}

void drawFitted(QPainter& painter, const QImage& image, const QRectF& box) {
    const double scale = std::min(box.width() / image.width(), box.height() / image.height());
    const QSizeF size(image.width() * scale, image.height() * scale);
    const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                        size.width(), size.height());
    painter.drawImage(target, image);
}

} // namespace Glyphs
