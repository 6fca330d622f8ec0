#pragma once
// The colouring game without pixels: the palette, where an outline picture lies on the
// canvas, which pixels are outline, and the turning of the pages with one reward a page.

#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QRgb>
#include <QSizeF>

namespace Palette {

constexpr int Swatches = 48;
constexpr int Columns = 6;
// The colour of swatch k; pure black is not among them (the darkest is 001000).
QRgb colour(int k);
// The column and row (from 0) where swatch k stands in the palette.
QPoint place(int k);

} // namespace Palette

// The rectangle an outline picture of that size is stretched over on a canvas of that size:
// a wide picture over the whole width (10 pixels more) and centred up and down, any other from
// the top, centred across and 5 pixels larger each way; what runs past the canvas is cut off.
// Empty for a picture without pixels.
QRectF OutlinePlacement(QSizeF picture, QSizeF canvas);

// The canvas with the outline picture stretched over its place, white around it. The picture
// is stretched without smoothing, so every pixel is one of its own colours: black lines stay
// black and the areas between them can be filled exactly.
QImage OutlinePage(const QImage& picture, QSize canvas);

// A pixel of the outlines: exactly black. A fill never starts there.
constexpr bool isOutline(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0;
}

// The pages of the book: going back from the first shows the last, going on from the last
// the first; a page is declared finished once, and turning a page opens the next one for it.
class ColouringBook {
public:
    explicit ColouringBook(int pages = 0)
        : pages_(pages)
    {
    }
    int pages() const { return pages_; }
    int PictureIndex() const { return index_; }
    void previous();
    void next();
    // True the first time for the page in front.
    bool finish();
    bool finished() const { return finished_; }

private:
    int pages_;
    int index_ = 1;
    bool finished_ = false;
};
