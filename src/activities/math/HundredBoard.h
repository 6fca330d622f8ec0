#pragma once
// The hundred board without pixels: tile k shows the number k + 1 and belongs on square k
// of a ten-by-ten board (column k mod 10, row k div 10), so the finished board reads 1..100
// row by row. The tiles wait in ten stacks, one per decade, standing one below the other in
// a random order. A tile lands only on its own square; the board is done when all hundred
// have landed.

#include <QPoint>
#include <QString>
#include <array>
#include <bitset>

class HundredBoard {
public:
    static constexpr int Side = 10;
    static constexpr int Tiles = Side * Side;

    // The printed size of a number follows one of three markers: 1..10 (with a leading
    // blank), 11..99, and 100.
    enum class Marker { UpToTen, TwoDigits, Hundred };

    static QPoint squareOf(int k) { return {k % Side, k / Side}; }
    static int decadeOf(int k) { return k / Side; }
    static Marker markerOf(int k);
    // The text printed on tile k.
    static QString numberOf(int k);

    // A new board: every tile in its stack, none placed. stackRows[decade] is the row,
    // from 0 at the top, of that decade's stack: a permutation of 0..9.
    void deal(const std::array<int, Side>& stackRows);
    int stackRowOf(int k) const { return stackRows_[decadeOf(k)]; }

    // Tile k let go over a square (-1: over none of them). True when it lands: only its
    // own square takes it, and only once.
    bool drop(int k, int square);
    bool isPlaced(int k) const { return placed_.test(k); }
    int placed() const { return int(placed_.count()); }
    bool complete() const { return placed_.all(); }

private:
    std::array<int, Side> stackRows_{};
    std::bitset<Tiles> placed_;
};
