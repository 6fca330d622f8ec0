#pragma once
// The pixels of one rectangle of an image, kept for the undo history. They are copied as they
// are, at once, and packed later, when the child pauses: a child's drawing is mostly large
// areas of one colour, so packed pixels are runs of one colour, with stretches of differing
// pixels stored as they are. A whole-canvas fill then costs a few bytes, a sprayed area
// about its raw size.

#include <QImage>
#include <QRect>
#include <cstddef>
#include <vector>

class PixelPatch {
public:
    // Takes the pixels of area from a 32-bit image.
    PixelPatch(const QImage& image, const QRect& area);
    // The pixels of area, already taken: pixels holds them from its top left, or is a whole
    // image of which area is a part.
    PixelPatch(const QRect& area, QImage pixels);

    const QRect& rect() const { return rect_; }
    // Writes the pixels back to the same place of a 32-bit image of the same size.
    void putInto(QImage& image) const;
    // Packs the pixels and gives back the image that held them, for a new use.
    QImage pack();
    bool packed() const { return raw_.isNull(); }
    std::size_t bytes() const;

private:
    const QRgb* rawRow(int y) const; // row y of the rectangle, until packed

    QRect rect_;
    QImage raw_; // until packed
    std::vector<quint32> words_;
};
