#include "activities/memory/MemoryBoard.h"

#include <cmath>

namespace {

constexpr double Gap = 3;
constexpr int RowLength = 5;

// Whole pixels as the design rounds them: halves to the even neighbour.
double roundHalfEven(double v)
{
    return v - std::floor(v) == 0.5 ? 2 * std::round(v / 2) : std::round(v);
}

} // namespace

MemoryBoard::MemoryBoard(int cards)
    : faceUp_(size_t(std::max(0, cards)), false)
{
}

void MemoryBoard::newQuestion(int target)
{
    target_ = target;
    allowTurning();
}

MemoryBoard::Turn MemoryBoard::turn(int card)
{
    if (!canTurn_ || card < 0 || card >= cards()) return Turn::Refused;
    canTurn_ = false;
    faceUp_[size_t(card)] = true;
    return card + 1 == target_ ? Turn::Right : Turn::Wrong;
}

void MemoryBoard::turnAllDown()
{
    faceUp_.assign(faceUp_.size(), false);
}

void MemoryBoard::allowTurning()
{
    turnAllDown();
    canTurn_ = true;
}

CardLayout LayOutCards(int n, double innerWidth, double innerHeight, double scaleX)
{
    CardLayout layout;
    if (n <= 0) return layout;
    if (n < RowLength) {
        layout.side = (n < 4 ? 289 : 225) * scaleX;
        const double step = layout.side + Gap;
        const double top = roundHalfEven((innerHeight - layout.side) / 2);
        for (int i = 0; i < n; ++i)
            layout.topLefts.emplace_back(i * step + (innerWidth - n * step) / 2, top);
        return layout;
    }
    layout.side = 177 * scaleX;
    const double step = layout.side + Gap;
    const int rows = (n - 1) / RowLength + 1;
    const double top0 = roundHalfEven((innerHeight - rows * step) / 2);
    for (int k = 0; k < n; ++k)
        layout.topLefts.emplace_back(k % RowLength * step + (innerWidth - RowLength * step) / 2,
                                     k / RowLength * step + top0);
    return layout;
}
