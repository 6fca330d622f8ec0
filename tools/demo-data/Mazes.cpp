#include "Mazes.h"

#include <QPainter>
#include <array>
#include <vector>

namespace {

constexpr int Width = 600, Height = 420, Wall = 6;

struct Size {
    int rows, columns;
};

// Grid sizes from easiest to hardest; the first is a straight tunnel.
constexpr std::array<Size, 10> Levels{
    {{1, 3}, {2, 4}, {3, 5}, {3, 6}, {4, 7}, {4, 8}, {5, 9}, {5, 10}, {6, 11}, {6, 12}}};

// A small fixed generator: the same maze on every machine and every run.
class Dice {
public:
    explicit Dice(quint32 seed)
        : m_state(seed * 2654435761u + 1)
    {
    }
    int below(int n)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return int((m_state >> 8) % quint32(n));
    }

private:
    quint32 m_state;
};

struct Grid {
    int rows, columns;
    std::vector<bool> eastOpen, southOpen; // passages out of each cell
    int at(int r, int c) const { return r * columns + c; }
};

// Carves a perfect maze (one way between any two cells) with a depth-first walk.
Grid carve(Size size, Dice& dice)
{
    Grid g{size.rows, size.columns, {}, {}};
    const int cells = g.rows * g.columns;
    g.eastOpen.assign(cells, false);
    g.southOpen.assign(cells, false);
    std::vector<bool> seen(cells, false);
    std::vector<int> stack{0};
    seen[0] = true;
    while (!stack.empty()) {
        const int cell = stack.back();
        const int r = cell / g.columns, c = cell % g.columns;
        std::vector<int> next;
        if (c + 1 < g.columns && !seen[g.at(r, c + 1)]) next.push_back(g.at(r, c + 1));
        if (c > 0 && !seen[g.at(r, c - 1)]) next.push_back(g.at(r, c - 1));
        if (r + 1 < g.rows && !seen[g.at(r + 1, c)]) next.push_back(g.at(r + 1, c));
        if (r > 0 && !seen[g.at(r - 1, c)]) next.push_back(g.at(r - 1, c));
        if (next.empty()) {
            stack.pop_back();
            continue;
        }
        const int to = next[size_t(dice.below(int(next.size())))];
        if (to == cell + 1)
            g.eastOpen[size_t(cell)] = true;
        else if (to == cell - 1)
            g.eastOpen[size_t(to)] = true;
        else if (to > cell)
            g.southOpen[size_t(cell)] = true;
        else
            g.southOpen[size_t(to)] = true;
        seen[size_t(to)] = true;
        stack.push_back(to);
    }
    return g;
}

} // namespace

QImage paintMaze(int pictureNumber)
{
    const int level = pictureNumber == 0 ? 10 : pictureNumber;
    const Size size = Levels[size_t(level - 1)];
    Dice dice{quint32(level)};
    const Grid grid = carve(size, dice);

    const int cell = std::min((Width - 40) / size.columns, (Height - 40) / size.rows);
    const int left = (Width - cell * size.columns) / 2, top = (Height - cell * size.rows) / 2;
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image); // no antialiasing: only pure black, pure red and white
    const QColor black(0, 0, 0), red(255, 0, 0);
    auto wall = [&](int x1, int y1, int x2, int y2) {
        p.fillRect(
            QRect(QPoint(x1 - Wall / 2, y1 - Wall / 2), QPoint(x2 + Wall / 2, y2 + Wall / 2)),
            black);
    };
    const int right = left + cell * size.columns, bottom = top + cell * size.rows;
    wall(left, top, right, top);
    wall(left, bottom, right, bottom);
    wall(left, top, left, bottom);
    wall(right, top, right, bottom);
    for (int r = 0; r < size.rows; ++r)
        for (int c = 0; c < size.columns; ++c) {
            const int x = left + c * cell, y = top + r * cell;
            if (c + 1 < size.columns && !grid.eastOpen[size_t(grid.at(r, c))])
                wall(x + cell, y, x + cell, y + cell);
            if (r + 1 < size.rows && !grid.southOpen[size_t(grid.at(r, c))])
                wall(x, y + cell, x + cell, y + cell);
        }

    // The end areas: a red square in a cell of the first and of the last column.
    const int mark = cell * 3 / 5;
    auto endArea = [&](int r, int c) {
        p.fillRect(QRect(left + c * cell + (cell - mark) / 2, top + r * cell + (cell - mark) / 2,
                         mark, mark),
                   red);
    };
    endArea(dice.below(size.rows), 0);
    endArea(dice.below(size.rows), size.columns - 1);
    return image;
}
