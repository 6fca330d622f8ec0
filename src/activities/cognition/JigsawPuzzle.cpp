#include "activities/cognition/JigsawPuzzle.h"

#include <array>

namespace {

constexpr std::array<JigsawGrid, 6> Grids{{{2, 1}, {2, 2}, {2, 3}, {3, 3}, {4, 4}, {5, 5}}};

} // namespace

JigsawGrid GridOfPuzzleType(int type, JigsawGrid previous)
{
    if (type < 0 || type >= int(Grids.size())) return previous;
    return Grids[size_t(type)];
}

std::vector<QImage> CutIntoCells(const QImage& picture, JigsawGrid grid)
{
    std::vector<QImage> cells;
    if (grid.rows <= 0 || grid.cols <= 0) return cells;
    cells.reserve(size_t(grid.pieces()));
    const int width = picture.width() / grid.cols;
    const int height = picture.height() / grid.rows;
    for (int i = 0; i < grid.pieces(); ++i)
        cells.push_back(
            picture.copy((i % grid.cols) * width, (i / grid.cols) * height, width, height));
    return cells;
}

void JigsawPuzzle::cut(JigsawGrid grid)
{
    grid_ = grid;
    placed_.assign(size_t(grid.pieces()), false);
    placedCount_ = 0;
}

bool JigsawPuzzle::place(int piece)
{
    if (piece < 0 || piece >= PieceCount() || placed_[size_t(piece)]) return finished();
    placed_[size_t(piece)] = true;
    ++placedCount_;
    return finished();
}

bool SlideStep(QPointF& topLeft, double pictureWidth, double windowWidth)
{
    topLeft += QPointF(-5, 1);
    return (windowWidth - pictureWidth) / 2 >= topLeft.x();
}
