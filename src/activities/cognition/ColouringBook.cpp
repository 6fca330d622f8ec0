#include "activities/cognition/ColouringBook.h"

#include <QPainter>
#include <array>

namespace {

// In swatch order; the palette shows 0..4 and 47 in its first row, then six a row.
constexpr std::array<QRgb, Palette::Swatches> Colours{
    0xFFFFFF, 0xE0E0E0, 0xC0C0C0, 0x808080, 0x404040,           // 0..4
    0xFFC0C0, 0xFF8080, 0xFF0000, 0xC00000, 0x800000, 0x400000, // 5..10
    0xFFE0C0, 0xFFC080, 0xFF8000, 0xC04000, 0x804000, 0x804040, // 11..16
    0xFFFFC0, 0xFFFF80, 0xFFFF00, 0xC0C000, 0x808000, 0x404000, // 17..22
    0xC0FFC0, 0x80FF80, 0x00FF00, 0x00C000, 0x008000, 0x004000, // 23..28
    0xC0FFFF, 0x80FFFF, 0x00FFFF, 0x00C0C0, 0x008080, 0x004040, // 29..34
    0xC0C0FF, 0x8080FF, 0x0000FF, 0x0000C0, 0x000080, 0x000040, // 35..40
    0xFFC0FF, 0xFF80FF, 0xFF00FF, 0xC000C0, 0x800080, 0x400040, // 41..46
    0x001000,                                                   // 47
};

} // namespace

QRgb Palette::colour(int k)
{
    if (k < 0 || k >= Swatches) return qRgb(255, 255, 255);
    return 0xFF000000 | Colours[size_t(k)];
}

QPoint Palette::place(int k)
{
    if (k == Swatches - 1) return {Columns - 1, 0};
    if (k < Columns - 1) return {k, 0};
    return {(k - (Columns - 1)) % Columns, 1 + (k - (Columns - 1)) / Columns};
}

QRectF OutlinePlacement(QSizeF picture, QSizeF canvas)
{
    if (picture.isEmpty()) return {};
    const double ratio = picture.width() / picture.height();
    const double w = canvas.width();
    const double h = canvas.height();
    if (ratio > 1) return {0, (h - h / ratio) / 2, w + 10, h / ratio};
    return {(w - w * ratio) / 2, 0, w * ratio + 5, h + 5};
}

QImage OutlinePage(const QImage& picture, QSize canvas)
{
    QImage page(canvas, QImage::Format_RGB32);
    page.fill(Qt::white);
    const QRect to = OutlinePlacement(picture.size(), canvas).toRect();
    if (to.isEmpty()) return page;
    QPainter(&page).drawImage(
        to.topLeft(), picture.scaled(to.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return page;
}

void ColouringBook::previous()
{
    if (pages_ <= 0) return;
    finished_ = false;
    if (--index_ <= 0) index_ = pages_;
}

void ColouringBook::next()
{
    if (pages_ <= 0) return;
    finished_ = false;
    if (++index_ > pages_) index_ = 1;
}

bool ColouringBook::finish()
{
    if (finished_) return false;
    finished_ = true;
    return true;
}
