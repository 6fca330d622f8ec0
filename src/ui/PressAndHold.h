#pragma once
// A control that acts only after the left button has been held on it for a while: in kiosk
// mode a child's stray click on the back picture never ends the program, a grown-up's
// two-second press does. While the hold is off (armed() false) the control is left alone.

#include <QObject>
#include <functional>

class Control;
class Timer;

class PressAndHold : public QObject {
public:
    PressAndHold(Control& control, Timer& timer, int ms, std::function<bool()> armed,
                 std::function<void()> action);

private:
    Timer& timer_;
};
