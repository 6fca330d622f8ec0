// The maze scanner on arbitrary pictures: as bitmap files, the way the game reads them, and
// as small grids of the colours that matter, so the fuzzer reaches every split of the red
// areas quickly. The areas found must lie on the picture, left before right, and every
// pixel inside a zone's box must be reachable by its rule.

#include "FuzzApplication.h"
#include "activities/memory/MazeScan.h"

#include <QImage>
#include <cstddef>
#include <cstdint>

namespace {

void check(const QImage& picture)
{
    const MazeAreas areas = ScanMaze(picture);
    const QRect whole = picture.rect();
    for (const QRect& box : {areas.zoneA, areas.zoneB, areas.wallBox}) {
        if (box.isNull()) continue;
        if (!whole.contains(box) || box.left() % 2 || box.top() % 2) __builtin_trap();
    }
    if (areas.zoneA.isNull() != areas.zoneB.isNull()) __builtin_trap();
    if (areas.hasTwoRedAreas() && areas.zoneA.right() + 2 >= areas.zoneB.left()) __builtin_trap();
    if (areas.hasTwoRedAreas() && !NearBox(areas.zoneA, areas.zoneA.center())) __builtin_trap();
}

// Byte 0 and 1: width and height (1..64); then one pixel a byte: red, black, white or a
// near colour.
QImage grid(const uint8_t* data, size_t size)
{
    if (size < 2) return {};
    const int width = data[0] % 64 + 1, height = data[1] % 64 + 1;
    QImage picture(width, height, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(254, 0, 0),
                            qRgb(0, 0, 1)};
    for (int i = 0; i < width * height; ++i) {
        const size_t at = 2 + size_t(i);
        picture.setPixel(i % width, i / width, colours[(at < size ? data[at] : 2) % 5]);
    }
    return picture;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QImage file = QImage::fromData(data, int(size), "BMP");
    // A picture far beyond any screen is refused before it is scanned.
    if (!file.isNull() && qint64(file.width()) * file.height() <= 2048 * 2048) check(file);
    check(grid(data, size));
    return 0;
}
