#pragma once
// "看图说话": a photo of the lesson with its sentence shown as a row of characters below it.
// A click on the photo brings the next photo and its sentence half a second later, round and
// round the lesson. Nothing is judged.

#include "frame/ActivityForm.h"
#include "frame/TileRow.h"
#include "ui/Image.h"
#include "ui/Timer.h"

class Frmkantshh : public ActivityForm {
    Q_OBJECT
public:
    Frmkantshh(AppContext& app, const QString& name);

    Image* Image1;
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2"));
    TileRow row;
    ControlArray<PictureBox>& Picture1 = row.tiles;

    // The item whose photo is on show, 1..n.
    int current() const { return current_; }

    void Form_Load() override;

private:
    void chuchi();
    void Image1_Click();
    void Timer2_Timer();

    QStringList items_;
    int current_ = 1;
};
