#include "MazePictures.h"

#include <QPainter>
#include <random>
#include <vector>

namespace {

QImage blankPicture(int side)
{
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

QImage spiralMaze(int side)
{
    QImage picture = blankPicture(side);
    QPainter p(&picture);
    p.setPen(Qt::black);
    // Each turn of the wall runs round the square two pixels further in than the last.
    QPoint at(0, 0);
    for (int k = 0; side - 1 - 4 * k > 2; ++k) {
        const int near = 2 * k;
        const int far = side - 1 - 2 * k;
        const QPoint corners[] = {{far, near}, {far, far}, {near, far}, {near, near + 2}};
        for (const QPoint& corner : corners) {
            p.drawLine(at, corner);
            at = corner;
        }
    }
    return picture;
}

QImage randomMaze(int side, unsigned seed)
{
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const int cells = (side - 1) / 2;
    std::vector<bool> visited(size_t(cells) * cells);
    std::vector<QPoint> path{{0, 0}};
    visited[0] = true;
    picture.setPixel(1, 1, qRgb(255, 255, 255));
    std::mt19937 random(seed);
    // A depth-first walk that carves a corridor to an unvisited neighbour, which makes long
    // corridors with few branches.
    while (!path.empty()) {
        const QPoint cell = path.back();
        QPoint next[4];
        int count = 0;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = cell + step;
            if (n.x() >= 0 && n.y() >= 0 && n.x() < cells && n.y() < cells &&
                !visited[size_t(n.y()) * cells + n.x()])
                next[count++] = n;
        }
        if (count == 0) {
            path.pop_back();
            continue;
        }
        const QPoint n = next[random() % count];
        visited[size_t(n.y()) * cells + n.x()] = true;
        picture.setPixel(cell.x() + n.x() + 1, cell.y() + n.y() + 1, qRgb(255, 255, 255));
        picture.setPixel(2 * n.x() + 1, 2 * n.y() + 1, qRgb(255, 255, 255));
        path.push_back(n);
    }
    return picture;
}
