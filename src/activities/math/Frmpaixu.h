#pragma once
// Sorting by dragging: the numbers of a level stand shuffled in a row at the top, and the
// child drags each one into its place in the row of empty boxes below (within 15 pixels of
// the box's centre), where it stays. When every number is in place a smiling face shows
// for a second, then "win", a reward, and the next level.

#include "activities/math/SortingRowsForm.h"
#include "frame/RoundCycle.h"
#include "ui/Timer.h"

class Frmpaixu : public SortingRowsForm {
    Q_OBJECT
public:
    Frmpaixu(AppContext& app, const QString& name);

    Image* Image1; // the smiling face of a finished level
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2"));
    ControlArray<PictureBox>& Picture2 = row.tiles;     // the numbers to drag
    ControlArray<PictureBox>& Picture1 = row.slotBoxes; // their places
    RoundCycle cycle;

    void Form_Load() override;

private:
    void zhaiRu();
    void PangDuang();
};
