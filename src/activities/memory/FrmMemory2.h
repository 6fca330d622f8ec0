#pragma once
// Memory training: four pictures are shown one after the other; then four rows of four
// pictures appear and the child ticks the row that shows the same pictures in the same
// order. After a wrong tick the same pictures and rows come again.

#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Shape.h"
#include "ui/Timer.h"

#include <array>

class FrmMemory2 : public ActivityForm {
    Q_OBJECT
public:
    FrmMemory2(AppContext& app, const QString& name);

    static constexpr int Rows = 4;
    static constexpr int RowLength = 4;

    Image* Image1; // start button, the sequence, then the good or bad picture
    ControlArray<Image> Image2, Image3, Image4, Image5;  // rows 1..4
    ControlArray<Shape> Shape1;                          // frames behind rows 2, 3, 4, 1
    ControlArray<Shape> Shape2;                          // discs behind the tick boxes
    ControlArray<Label> Label1;                          // tick box k of row k + 1
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1")); // the tick stays a moment
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2")); // the sequence
    Timer* Timer4 = makeTimer(QStringLiteral("Timer4")); // the rows come
    RoundCycle cycle;

    int16_t ItemTotal = 0;
    std::array<std::array<int, RowLength + 1>, Rows + 1> RowItems{}; // (1..4, 1..4)
    int16_t TargetRow = 0;
    std::array<int, RowLength + 1> TargetSequence{}; // (1..4)
    int16_t ChosenRow = 0;
    int16_t ShowStep = 0;
    bool LastAnswerWrong = false;

    // The image array of row r (1..4).
    ControlArray<Image>& row(int r);

    void Form_Load() override;

private:
    void Image1_Click();
    // Deals the four rows: each the first four items of its own permutation.
    void chuchi();
    void Label1_Click(int k);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer4_Timer();
    // Tick boxes, frames and discs shown or hidden together.
    void showTicking(bool shown);
    void centreImage1();

    QPixmap startPicture_, goodPicture_, badPicture_;
};
