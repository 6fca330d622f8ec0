#pragma once
// The classic form timer: it ticks every Interval milliseconds while Enabled and the
// interval is not 0. fire() runs one tick at once, so tests never wait.

#include <QObject>
#include <QTimer>

class Form;

class Timer : public QObject {
    Q_OBJECT
public:
    Timer(Form& form, const QString& name);

    int Interval() const { return interval_; }
    void setInterval(int ms); // restarts the countdown; 0 stops the ticks
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Interval and Enabled at once, as the windows start their pauses.
    void start(int ms)
    {
        enabled_ = true;
        setInterval(ms);
    }
    void stop() { setEnabled(false); }
    bool isRunning() const { return enabled_ && interval_ > 0; }

    void fire(); // one tick now, as the event loop would run it

signals:
    void Tick();

private:
    void apply();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
};
