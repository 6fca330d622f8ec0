#include "ui/FloodFill.h"

#include <algorithm>
#include <vector>

namespace {

// Row y is still to be explored under the columns left..right; the row y - dy, where the
// span came from, has been painted there.
struct Span {
    int y;
    int left;
    int right;
    int dy;
};

// Surface mode: painting takes a pixel out of the area, because the fill colour differs
// from the area's colour, so no pixel is painted twice.
struct SameColour {
    QRgb colour;
    QRgb fill;

    bool inside(const QRgb* row, int x, int) const { return row[x] == colour; }
    void paint(QRgb* row, int left, int right, int) const
    {
        std::fill(row + left, row + right + 1, fill);
    }
};

// Border mode: a painted pixel may still differ from the border colour, so a mask of the
// painted pixels keeps the fill from visiting it again.
struct InsideBorder {
    QRgb border;
    QRgb fill;
    int width;
    std::vector<unsigned char> painted;

    bool inside(const QRgb* row, int x, int y) const
    {
        return row[x] != border && !painted[size_t(y) * size_t(width) + size_t(x)];
    }
    void paint(QRgb* row, int left, int right, int y)
    {
        std::fill(row + left, row + right + 1, fill);
        auto* mask = painted.data() + size_t(y) * size_t(width);
        std::fill(mask + left, mask + right + 1, 1);
    }
};

// A span fill: every row of the area is scanned and painted run by run, and the work list
// holds spans, not pixels, so a maze of long corridors needs no deep recursion and a list
// far smaller than the area. Each painted run adds at most three spans.
template <class Area> QRect fillArea(QImage& image, QPoint start, Area& area)
{
    const int width = image.width();
    const int height = image.height();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const auto row = [bits, stride](int y) { return reinterpret_cast<QRgb*>(bits + y * stride); };

    QRgb* line = row(start.y());
    if (!area.inside(line, start.x(), start.y())) return {};

    int left = start.x();
    int right = start.x();
    while (left > 0 && area.inside(line, left - 1, start.y()))
        --left;
    while (right < width - 1 && area.inside(line, right + 1, start.y()))
        ++right;
    area.paint(line, left, right, start.y());
    QRect painted(QPoint(left, start.y()), QPoint(right, start.y()));

    std::vector<Span> work;
    work.reserve(256);
    if (start.y() + 1 < height) work.push_back({start.y() + 1, left, right, 1});
    if (start.y() > 0) work.push_back({start.y() - 1, left, right, -1});

    while (!work.empty()) {
        const Span span = work.back();
        work.pop_back();
        const int y = span.y;
        const int next = y + span.dy;
        const int back = y - span.dy;
        const bool nextInside = next >= 0 && next < height;
        line = row(y);
        int x = span.left;
        while (x <= span.right) {
            if (!area.inside(line, x, y)) {
                ++x;
                continue;
            }
            // Only a run that starts under the span's left end can reach further left:
            // any later run starts right after a pixel outside the area.
            left = x;
            if (x == span.left)
                while (left > 0 && area.inside(line, left - 1, y))
                    --left;
            right = x;
            while (right < width - 1 && area.inside(line, right + 1, y))
                ++right;
            area.paint(line, left, right, y);
            painted.setTop(std::min(painted.top(), y));
            painted.setBottom(std::max(painted.bottom(), y));
            painted.setLeft(std::min(painted.left(), left));
            painted.setRight(std::max(painted.right(), right));
            if (nextInside) work.push_back({next, left, right, span.dy});
            // Where the run overhangs the span, the row it came from may go on around a
            // wall (a U-turn of a corridor).
            if (left < span.left) work.push_back({back, left, span.left - 1, -span.dy});
            if (right > span.right) work.push_back({back, span.right + 1, right, -span.dy});
            x = right + 2;
        }
    }
    return painted;
}

} // namespace

QRect floodFill(QImage& image, QPoint start, QRgb fill, QRgb colour, FloodMode mode)
{
    if (!image.rect().contains(start)) return {};
    switch (image.format()) {
    case QImage::Format_RGB32:
        // Every pixel of this format is opaque, whatever alpha the caller's colours carry.
        fill |= 0xff000000u;
        colour |= 0xff000000u;
        break;
    case QImage::Format_ARGB32:
        break;
    case QImage::Format_ARGB32_Premultiplied:
        fill = qPremultiply(fill);
        colour = qPremultiply(colour);
        break;
    default:
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        return floodFill(image, start, fill, colour, mode);
    }

    if (mode == FloodMode::Surface) {
        if (fill == colour) return {}; // nothing would change
        SameColour area{colour, fill};
        return fillArea(image, start, area);
    }
    InsideBorder area{colour, fill, image.width(),
                      std::vector<unsigned char>(size_t(image.width()) * size_t(image.height()))};
    return fillArea(image, start, area);
}
