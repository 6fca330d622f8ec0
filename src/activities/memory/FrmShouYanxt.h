#pragma once
// The hand-eye game: a maze picture with black walls and two red areas; the child presses
// in one red area and draws a line to the other without touching black. A solved picture
// earns a reward and, a second later, the next picture.

#include "activities/memory/MazeGame.h"
#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/Image.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

class FrmShouYanxt : public ActivityForm {
    Q_OBJECT
public:
    FrmShouYanxt(AppContext& app, const QString& name);

    static constexpr int Pictures = 10; // 1..9, then 0

    PictureBox* Picture1;                                  // the maze
    Image* Image1 = make<Image>(QStringLiteral("Image1")); // well done, for a second
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1"));
    RoundCycle cycle;

    int16_t MazeNumber = 1;
    const MazeGame& maze() const { return maze_; }

    void Form_Load() override;

private:
    // Shows picture MazeNumber (or the next playable one) and finds its areas.
    void NewMaze();
    void Picture1_MouseDown(Qt::MouseButton button, double x, double y);
    void Picture1_MouseMove(Qt::MouseButtons buttons, double x, double y);
    void Picture1_MouseUp(Qt::MouseButton button, double x, double y);
    void draw(const MazeGame::Step& step);
    // The maze picture n, or why it cannot be played.
    QImage loadMaze(int n, QString& problem) const;

    MazeGame maze_;
};
