#pragma once
// "射击游戏": one picture for each item of the lesson rises and falls in a column of its own
// above a bar at the bottom of the window. Every picture hit is rewarded and starts again
// above the window with a new random photo in a new column; a click beside them is a miss.
// There is no time limit.

#include "activities/language/ShootingGame.h"
#include "frame/ActivityForm.h"
#include "ui/ControlArray.h"
#include "ui/PictureBox.h"
#include "ui/Shape.h"
#include "ui/Timer.h"

class FrmdiangTuDuo : public ActivityForm {
    Q_OBJECT
public:
    FrmdiangTuDuo(AppContext& app, const QString& name);

    ControlArray<PictureBox> Picture1; // the moving pictures
    Shape* Shape1;                     // the bar at the bottom
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1"));

    const ShootingGame& game() const { return game_; }
    // The item whose photo picture i shows, 1..n.
    int itemOf(int i) const { return items_.at(size_t(i)); }

    void Form_Load() override;
    void Form_Click() override;

private:
    void Zairu();
    void Timer1_Timer();
    void Picture1_Click(int index);
    void showItem(int i, int item);
    // The places a picture's left edge can take on this window.
    int columns() const;

    ShootingGame game_;
    std::vector<int> items_;
};
