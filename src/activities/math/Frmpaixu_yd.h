#pragma once
// Catching numbers in order: the numbers of a level float about the window, bouncing off its
// edges and off the bar at the bottom, one step every 400 ms. Only the next number in order
// can be caught; a click on it drops it into its box on the bar ("pingturight"). When all
// are caught, "win", a reward, and two seconds later the next level.

#include "activities/math/SortingLevels.h"
#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/PictureBox.h"
#include "ui/Shape.h"
#include "ui/Timer.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

class Frmpaixu_yd : public ActivityForm {
    Q_OBJECT
public:
    Frmpaixu_yd(AppContext& app, const QString& name);

    ControlArray<PictureBox> Picture1; // the floating numbers
    ControlArray<Image> Image1;        // their boxes on the bar
    Shape* Shape1;                     // the bar
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1"));
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2"));
    SortingLevels levels;
    RoundCycle cycle;

    int16_t CaughtCount = 0; // numbers caught in this level

    // One step of a floating box within an area (0, 0 to area): a step that would reach an
    // edge turns back first, so the box never leaves the area.
    static QRectF bounce(const QRectF& box, QPointF& velocity, QSizeF area);

    void Form_Load() override;

private:
    void Zairu();
    void Timer1_Timer();
    void Picture1_Click(int index);
    void setCatchable(PictureBox& number, bool catchable);

    std::vector<QPointF> velocity_; // by number
};
