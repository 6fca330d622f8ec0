#pragma once
// A cover in the window's colour laid over the good or bad picture and slid off to the
// right one step per timer tick, so the child sees the judgement appear bit by bit.

class Control;
class Timer;

class SlidingCover {
public:
    static constexpr int StepPixels = 6;
    // The slide was designed as 1 ms ticks on a system timer that ticks every 15.6 ms, so
    // the child watched it for about three quarters of a second; true 1 ms ticks would flash
    // the judgement for less than a tenth.
    static constexpr int TickMs = 16;

    SlidingCover(Control& cover, Timer& timer, Control& picture)
        : cover_(cover)
        , timer_(timer)
        , picture_(picture)
    {
    }

    // Lays the cover over the picture and starts sliding it.
    void start();
    // One step; true when the cover has slid wholly past the picture, the timer has stopped
    // and the cover is back in place for the next time.
    bool step();
    void hide();

    Timer& timer() const { return timer_; }

private:
    Control& cover_;
    Timer& timer_;
    Control& picture_; // the good picture; the bad one has the same place
};
