#include "activities/math/HundredBoard.h"

HundredBoard::Marker HundredBoard::markerOf(int k)
{
    if (k < Side) return Marker::UpToTen;
    return k == Tiles - 1 ? Marker::Hundred : Marker::TwoDigits;
}

QString HundredBoard::numberOf(int k)
{
    // The small numbers stand a blank in from the edge, as wide as the bigger digits need.
    const QString n = QString::number(k + 1);
    return markerOf(k) == Marker::UpToTen ? QLatin1Char(' ') + n : n;
}

void HundredBoard::deal(const std::array<int, Side>& stackRows)
{
    stackRows_ = stackRows;
    placed_.reset();
}

bool HundredBoard::drop(int k, int square)
{
    if (k < 0 || k >= Tiles || square != k || placed_.test(k)) return false;
    placed_.set(k);
    return true;
}
