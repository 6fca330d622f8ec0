#pragma once
// ? + ? = c: only the result is shown, and the child drags two number tiles into the two
// empty places (a tile lands within 18 pixels of a place's centre and always goes back to
// its row; the place keeps a copy). Any two numbers that make the result are right.
// FrmNumtk2 and FrmPictk2 are rows of one table.

#include "activities/math/SumForm.h"
#include "frame/DragAndDrop.h"
#include "ui/PictureBox.h"

class TwoTileSum : public SumForm {
    Q_OBJECT
public:
    static const SumRow Rows[2]; // FrmNumtk2, FrmPictk2

    TwoTileSum(AppContext& app, const SumRow& row);

    ControlArray<PictureBox> Picture2; // the tiles 1..10
    Timer* Timer2;
    DragAndDrop drag;

    bool FirstFilled = false;
    bool SecondFilled = false;
    int16_t FirstValue = 0;
    int16_t SecondValue = 0;

protected:
    void showAnswerPictures() override;
    void showProblem() override;
    bool judge() override;

private:
    void Picture2_MouseUp(int i);
    void emptyPlaces();
};
