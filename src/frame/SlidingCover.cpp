#include "frame/SlidingCover.h"

#include "ui/Control.h"
#include "ui/Timer.h"

void SlidingCover::start()
{
    cover_.show();
    cover_.raise();
    timer_.start(TickMs);
}

bool SlidingCover::step()
{
    cover_.setLeft(cover_.Left() + StepPixels);
    if (picture_.Left() + picture_.Width() >= cover_.Left()) return false;
    timer_.setInterval(0);
    cover_.setLeft(picture_.Left());
    return true;
}

void SlidingCover::hide()
{
    cover_.hide();
}
