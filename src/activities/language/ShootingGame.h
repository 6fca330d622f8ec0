#pragma once
// The shooting game without pixels: pictures in columns of their own, each bouncing at its
// own speed between the bar at the bottom and two picture heights above the window.
// Lengths are pixels of the window.

#include <vector>

class ShootingGame {
public:
    struct Picture {
        double left = 0;
        int top = 0;
        int step = 0; // down when positive
    };

    ShootingGame() = default;
    ShootingGame(int pictureHeight, int barTop)
        : height_(pictureHeight)
        , barTop_(barTop)
    {
    }

    void add(const Picture& picture) { pictures_.push_back(picture); }
    const std::vector<Picture>& pictures() const { return pictures_; }
    int count() const { return int(pictures_.size()); }

    // Every picture one step on; each turns before its bottom reaches the bar or its top
    // climbs to two heights above the window.
    void tick();
    // A hit picture starts again just above the window in a new column, its speed kept.
    void restart(int i, double left);

private:
    std::vector<Picture> pictures_;
    int height_ = 0;
    int barTop_ = 0;
};

// Place i (1-based) of a random order of `capacity` places drawn for a row of `span`
// places: the order holds at most `capacity` places, so on a row wider than that its
// columns are spread over the whole row, and a row narrower than the pictures it holds
// reuses its columns. 0 when the row has no place.
template <class Order> double PlaceOf(const Order& order, int span, int i)
{
    const int capacity = int(order.size()) - 1;
    const int places = span < capacity ? span : capacity;
    if (places < 1 || i < 1) return 0;
    const int column = order[size_t((i - 1) % places + 1)];
    return places == span ? column : double(column) * span / places;
}
