#include "ui/PressAndHold.h"

#include "ui/Control.h"
#include "ui/Timer.h"

PressAndHold::PressAndHold(Control& control, Timer& timer, int ms, std::function<bool()> armed,
                           std::function<void()> action)
    : QObject(&control)
    , timer_(timer)
{
    timer_.stop();
    connect(&control, &Control::MouseDown, this,
            [this, ms, armed = std::move(armed)](Qt::MouseButton button, double, double) {
                if (button == Qt::LeftButton && armed()) timer_.start(ms);
            });
    // Letting go early, with any button, is a click and no more.
    connect(&control, &Control::MouseUp, this,
            [this](Qt::MouseButton, double, double) { timer_.stop(); });
    connect(&timer_, &Timer::Tick, this, [this, action = std::move(action)] {
        timer_.stop();
        action();
    });
}
