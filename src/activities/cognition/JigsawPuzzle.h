#pragma once
// The jigsaw without pixels: the grid each thumbnail of the menu stands for, the cutting of a
// picture into its pieces, which pieces are in place, and the slide of a finished picture.

#include <QImage>
#include <QPointF>
#include <vector>

struct JigsawGrid {
    int rows = 2;
    int cols = 1;
    int pieces() const { return rows * cols; }
    bool operator==(const JigsawGrid&) const = default;
};

// The grid of puzzle type 0..5 (2 x 1, 2 x 2, 2 x 3, 3 x 3, 4 x 4, 5 x 5); any other type
// keeps the previous grid.
JigsawGrid GridOfPuzzleType(int type, JigsawGrid previous);

// Cuts a picture into rows x cols equal cells numbered row by row from 0, each (width / cols)
// x (height / rows) pixels; what does not divide evenly at the right and bottom is left out.
std::vector<QImage> CutIntoCells(const QImage& picture, JigsawGrid grid);

// The pieces of one picture: each belongs on the cell of its own number.
class JigsawPuzzle {
public:
    void cut(JigsawGrid grid);
    JigsawGrid grid() const { return grid_; }
    int PieceCount() const { return grid_.pieces(); }
    int PlacedCount() const { return placedCount_; }
    bool placed(int piece) const { return placed_.at(size_t(piece)); }
    // Piece i dropped on its cell; true when it was the last one.
    bool place(int piece);
    bool finished() const { return PlacedCount() >= PieceCount(); }

private:
    JigsawGrid grid_;
    std::vector<bool> placed_ = std::vector<bool>(2, false);
    int placedCount_ = 0;
};

// A finished picture slides 5 pixels left and 1 down each step until it is at or past the
// centre of the window's width; true when this step reached it.
bool SlideStep(QPointF& topLeft, double pictureWidth, double windowWidth);
