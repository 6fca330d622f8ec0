#include "activities/language/ShootingGame.h"

void ShootingGame::tick()
{
    for (Picture& p : pictures_) {
        if (p.top + p.step + height_ >= barTop_ || p.top + p.step <= -2 * height_) p.step = -p.step;
        p.top += p.step;
    }
}

void ShootingGame::restart(int i, double left)
{
    Picture& p = pictures_.at(size_t(i));
    p.left = left;
    p.top = -height_;
}
