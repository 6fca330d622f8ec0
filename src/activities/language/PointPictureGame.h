#pragma once
// The point-picture game without pixels: one picture going up and down a column, the
// 30-second clock, and the turns at the edges that cost the child points. Lengths are
// twips, times milliseconds of the tick count.

#include <cstdint>

class PointPictureGame {
public:
    static constexpr int Step = 40;                // twips per tick
    static constexpr int64_t TimeUpAfter = 29'500; // 30 seconds, as a whole number, are up
    static constexpr int MissesPerTurn = 10;       // a picture that reaches an edge unclicked

    int top() const { return top_; }
    int left() const { return left_; }
    int step() const { return step_; } // down when positive
    bool running() const { return running_; }

    void placeAt(int left, int top)
    {
        left_ = left;
        top_ = top;
    }
    // A game starts where the picture stopped, in the direction it had.
    void start(int64_t now)
    {
        start_ = now;
        running_ = true;
    }

    struct Tick {
        bool timeUp = false; // this tick ended the game (and still moved the picture)
        bool turned = false; // the picture turned at an edge
    };
    Tick tick(int64_t now, int pictureHeight, int windowHeight);

    // A hit: the picture starts again at the top of a new column, falling.
    void restartAt(int left);

private:
    int top_ = 20;
    int left_ = 0;
    int step_ = Step;
    int64_t start_ = 0;
    bool running_ = false;
};
