#pragma once
// The frame every activity window shares: the hidden course text box, the reward strip
// (score number, stars for tens, faces for units), the help picture and the back picture
// that closes the window.

#include "shell/core/AppContext.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

#include <QPointF>

class RoundCycle;

class ActivityForm : public Form {
    Q_OBJECT
public:
    enum class Strip { WithRewards, WithoutRewards };

    ActivityForm(AppContext& app, const QString& name, ScaleUnit unit = ScaleUnit::Pixels,
                 Strip strip = Strip::WithRewards);

    AppContext& app() const { return app_; }
    bool hasRewardStrip() const { return LblNum.exists(0); }

    TextBox* Txtini;
    ControlArray<Label> LblNum;
    ControlArray<Image> ImgStar;
    ControlArray<Image> ImgFace;
    Image* ImgHelp;
    Image* ImgBack;

    // The round cycle that judges this window's answers, if it judges any (for tools that
    // play rounds without a child, such as the soak test).
    RoundCycle* roundCycle() const { return roundCycle_; }
    void setRoundCycle(RoundCycle* cycle) { roundCycle_ = cycle; }

    // Speaks the window's instruction, if it has one.
    void speakInstruction();

    // Puts the help and back pictures over everything again, after a picture was raised
    // over them: a picture let go on the back picture must not lock the child in.
    void raiseFramePictures();

    // Moves the reward strip from the top of the window (the score number and the first
    // star and face, in the form's unit); before InitRewards, which lines up the rest.
    void moveRewardStrip(QPointF number, QPointF pictures);

protected:
    // Closes the window; the one it was opened from is in front again.
    virtual void ImgBack_Click();
    // A click on this control (the window's question or target) speaks the instruction again.
    void repeatsInstruction(Control& control);

private:
    AppContext& app_;
    RoundCycle* roundCycle_ = nullptr;
};
