#include "ui/Timer.h"

#include "ui/Form.h"

Timer::Timer(Form& form, const QString& name)
    : QObject(&form)
{
    setObjectName(name);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::fire);
}

void Timer::setInterval(int ms)
{
    interval_ = std::max(0, ms);
    apply();
}

void Timer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    apply();
}

void Timer::apply()
{
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

void Timer::fire()
{
    emit Tick();
}
