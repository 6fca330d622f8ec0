#pragma once
// "点图游戏": a photo or a word of the lesson goes up and down a column of the window, and the
// child clicks it before it reaches an edge. "开始" starts a game of 30 seconds; a hit brings
// a new random picture at the top of a new column, a click beside it or a picture that
// reaches an edge costs points.

#include "activities/language/PointPictureGame.h"
#include "frame/ActivityForm.h"
#include "ui/Button.h"
#include "ui/ControlArray.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

#include <vector>

class Frmdiangtu : public ActivityForm {
    Q_OBJECT
public:
    Frmdiangtu(AppContext& app, const QString& name);

    PictureBox* Picture1; // the moving picture
    PictureBox* Picture2; // holds the next picture, hidden
    Button* Command1;     // "开始"
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1"));
    ControlArray<PictureBox> PicWenzhi;

    const PointPictureGame& game() const { return game_; }
    // The picture on show: 1..n the photo of an item, n + 1..2n the word of item r - n.
    int picture() const { return picture_; }

    void Form_Load() override;
    void Form_Click() override;

private:
    void Command1_Click();
    void Timer1_Timer();
    void Picture1_Click();
    void showPicture(int r);

    PointPictureGame game_;
    std::vector<QPixmap> pictures_; // 1..2n: the photos, then the words
    int picture_ = 0;
};
