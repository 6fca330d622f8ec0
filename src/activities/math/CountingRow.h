#pragma once
// The row of ten picture cells that the counting windows share: one counting picture of the
// course shown ten times, yellow discs (with their position numbers) on the cells the child
// has clicked, and the round cycle after an answer: the answer stays in view, the good or
// bad picture follows, then a new row. A counting window adds its target and what a click
// on a cell means.

#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
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
        double rowTop;                   // top of the cells
        bool numbered;                   // position numbers on the discs (Label1)
        Strip strip;                     // with or without the reward strip
        std::optional<QPointF> judgedAt; // where the good and bad pictures stand, if any
        RoundCycle::Rules rules;         // sound and reward of a judged answer
        int answerInViewMs;              // how long the answer stays before the row goes
    };

    CountingRow(AppContext& app, const QString& name, const Design& design);

    ControlArray<Image> Image1;
    ControlArray<Shape> Shape1;
    ControlArray<Label> Label1; // no elements in a window without position numbers
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1"));
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2"));
    Image* Imggood = nullptr; // none in a window that never judges
    Image* Imgbad = nullptr;
    RoundCycle cycle;

    int16_t ClickCount = 0;

    void Form_Load() override;

protected:
    virtual void Image1_Click(int k) = 0;
    // Draws the window's target for a new row and shows it.
    virtual void drawTarget() {}
    // Hides the target when the good or bad picture comes.
    virtual void hideTarget() {}

    // A 72-point number as the windows show targets and positions.
    Label* makeNumberLabel(const QString& name, double left, double top, double width,
                           double height);
    // The cell turns into the disc with its position number.
    void markCell(int k);

private:
    Feedback::Kind feedbackFor(const Design& design);
    RoundCycle::Hooks hooks();
    // Draws the item of the new row and returns its counting picture.
    QPixmap drawRowPicture();
    void hideRow();
    // A new row with a new picture and a new target.
    void newRow();

    QStringList items_; // the counting pictures of the course
};
