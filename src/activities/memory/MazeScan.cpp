#include "activities/memory/MazeScan.h"

namespace {

constexpr int Grid = 2;
constexpr int Margin = 10;

QRect extended(const QRect& box, QPoint p)
{
    return box.isNull() ? QRect(p, p) : box.united(QRect(p, p));
}

} // namespace

MazeAreas ScanMaze(const QImage& source)
{
    MazeAreas areas;
    if (source.isNull()) return areas;
    const QImage picture =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
            ? source
            : source.convertToFormat(QImage::Format_RGB32);
    // Red samples before the last gap column belong to the left area, the rest to the right.
    QRect beforeGap, sinceGap, walls;
    int lastRedX = -1;
    for (int x = Grid; x < picture.width(); x += Grid) {
        for (int y = Grid; y < picture.height(); y += Grid) {
            const QRgb colour =
                reinterpret_cast<const QRgb*>(picture.constScanLine(y))[x] & 0xFFFFFF;
            if (colour == MazeRed) {
                if (lastRedX >= 0 && x - lastRedX > Grid) {
                    beforeGap = beforeGap.isNull() ? sinceGap : beforeGap.united(sinceGap);
                    sinceGap = QRect();
                }
                sinceGap = extended(sinceGap, QPoint(x, y));
                lastRedX = x;
            } else if (colour == MazeBlack) {
                walls = extended(walls, QPoint(x, y));
            }
        }
    }
    if (!beforeGap.isNull()) {
        areas.zoneA = beforeGap;
        areas.zoneB = sinceGap;
    }
    areas.wallBox = walls;
    return areas;
}

bool NearBox(const QRect& box, QPoint p)
{
    if (box.isNull()) return false;
    return box.left() - Margin < p.x() && p.x() < box.right() + Margin &&
           box.top() - Margin < p.y() && p.y() < box.bottom() + Margin;
}
