#include "activities/cognition/ShrinkingRow.h"

#include <algorithm>

double ShrinkingSide(double largest, double smallest, int count, double rowWidth)
{
    count = std::max(count, 1);
    const double side = largest - (largest - smallest) / 10 * (count - 1);
    if (side >= 1) return side;
    return std::max(1.0, std::min(smallest, rowWidth / count));
}
