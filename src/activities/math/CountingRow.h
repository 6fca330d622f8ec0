#pragma once
// The row of ten picture cells that the counting windows share: one counting picture of the
// course shown ten times, yellow discs (with their position numbers) on the cells the child
// has clicked, and the two pauses after an answer. A counting window adds its target and
// what a click on a cell means.

#include "frame/ActivityForm.h"
#include "frame/FeedbackPauses.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Shape.h"
#include "ui/Timer.h"

#include <optional>

class CountingRow : public ActivityForm {
    Q_OBJECT
public:
    struct Design {
        QString name;
        double rowTop;                   // top of the cells
        bool numbered;                   // position numbers on the discs (Label1)
        Strip strip;                     // with or without the reward strip
        std::optional<QPointF> judgedAt; // where the good and bad pictures stand
    };

    CountingRow(AppContext& app, const Design& design);

    ControlArray<Image> Image1;
    ControlArray<Shape> Shape1;
    ControlArray<Label> Label1; // no elements in a window without position numbers
    Image* Imggood = nullptr;
    Image* Imgbad = nullptr;
    Timer* Timer1;
    Timer* Timer2;

    int16_t ClickCount = 0;
    bool AnswerRight() const { return pauses_ && pauses_->AnswerRight; }

    void Form_Load() override;

protected:
    virtual void Image1_Click(int k) = 0;
    // Draws the window's target for a new row and shows it.
    virtual void drawTarget() {}
    // Hides the target when the good or bad picture comes.
    virtual void hideTarget() {}
    // The reward for the last answer, when the next row comes.
    virtual void rewardNewRow() {}

    // A 72-point number as the windows show targets and positions.
    Label* makeNumberLabel(const QString& name, double left, double top, double width,
                           double height);
    // The cell turns into the disc with its position number.
    void markCell(int k);
    // Judges the answer and starts the first pause.
    void judge(bool right, int firstPauseMs) { pauses_->judge(right, firstPauseMs); }

    // End of the first pause: the row gives way to the good or bad picture.
    void Timer2_Timer();
    // End of the last pause: a new row with a new picture and a new target.
    void Timer1_Timer();

private:
    // Draws the item of the new row and returns its counting picture.
    QPixmap drawRowPicture();
    void hideRow();

    std::optional<FeedbackPauses> pauses_;
};
