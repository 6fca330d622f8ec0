#pragma once
// The arithmetic windows: a sum of the course in number pictures (numerals or apples), a way
// for the child to answer, and the check picture to have the answer looked at. The good or
// bad picture then shows for a second; a right answer brings the next sum, a wrong one the
// same sum again. The seven windows are rows of one table on three classes, which differ in
// how the child answers: a card for the result, a card for a covered number, two tiles.

#include "activities/math/NumberPictures.h"
#include "activities/math/SumList.h"
#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Timer.h"

#include <QPointF>

struct SumRow {
    const char* name;
    const char* section;  // 加法 or 减法
    char sign;            // '+' or '-'
    const char* pictures; // numerals (数字) or apples (苹果)
    RoundCycle::Sound sound;
    bool scribbles; // the child may work the sum out with the window's pen
};

class SumForm : public ActivityForm {
    Q_OBJECT
public:
    // Where a class of window puts the sum and the judgement.
    struct Layout {
        double placesTop;
        double signsTop;
        double signLefts[2];
        QPointF judgedAt;       // the good and bad pictures
        QPointF checkAt;        // the check picture
        const char* pauseTimer; // the name of the timer of the pause after an answer
    };

    SumForm(AppContext& app, const SumRow& row, const Layout& layout);

    ControlArray<Image> Image1; // the places of the sum
    ControlArray<Image> Image2; // the sign and the equals sign
    ControlArray<Image> Image6; // good, bad and the check

private:
    Timer* pause_ = nullptr; // made with the judgement, before the cycle that runs it

public:
    SumList problems;
    NumberPictures numbers;
    RoundCycle cycle;

    void Form_Load() override;

protected:
    // The answer pictures (cards or tiles) once the window has its size.
    virtual void showAnswerPictures() = 0;
    // Shows the sum just read and makes the answer empty again.
    virtual void showProblem() = 0;
    // Whether the answer given is right.
    virtual bool judge() = 0;
    // A click on any of the Image6 pictures.
    virtual void Image6_Click(int i);

    Timer& pauseTimer() const { return *pause_; }
    // A picture control, stretched over its design rectangle.
    Image* makePicture(const QString& name, double left, double top, double width, double height);

private:
    Feedback::Kind makeJudgement(const Layout& layout);
    // The sum of the turn (ProblemNumber); without any sum the check picture stays away.
    void newProblem();
};
