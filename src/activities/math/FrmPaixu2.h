#pragma once
// Which number is hidden? The numbers of a level stand in order in a row at the top with
// one of them covered, and the same numbers shuffled in a row below; the child clicks the
// one that belongs under the cover. A right click uncovers it ("right", a reward) and a
// second later brings a new question; after as many right answers as the level has
// numbers, the next level. A wrong click ("error") leaves the question.

#include "activities/math/SortingRowsForm.h"
#include "frame/RoundCycle.h"
#include "ui/Timer.h"

class FrmPaixu2 : public SortingRowsForm {
    Q_OBJECT
public:
    FrmPaixu2(AppContext& app, const QString& name);

    PictureBox* Picture3; // the white cover
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1"));
    ControlArray<PictureBox>& Picture1 = row.tiles;     // the shuffled numbers
    ControlArray<PictureBox>& Picture2 = row.slotBoxes; // the numbers in order
    RoundCycle cycle;

    int16_t RightCount = 0; // right answers in this level

    void Form_Load() override;

private:
    void zhaiRu();
    void Picture1_Click(int index);
};
