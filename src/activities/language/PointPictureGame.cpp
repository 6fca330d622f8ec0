#include "activities/language/PointPictureGame.h"

#include <cstdlib>

PointPictureGame::Tick PointPictureGame::tick(int64_t now, int pictureHeight, int windowHeight)
{
    Tick result;
    if (running_ && now - start_ >= TimeUpAfter) {
        running_ = false;
        result.timeUp = true;
    }
    if (top_ + pictureHeight + step_ > windowHeight || top_ + step_ < 0) {
        step_ = -step_;
        result.turned = true;
    }
    top_ += step_;
    return result;
}

void PointPictureGame::restartAt(int left)
{
    left_ = left;
    top_ = 0;
    // Rising from the top, it would turn at once and cost the ten points of a miss.
    step_ = std::abs(step_);
}
