#pragma once
// a + b = c with one of the three numbers covered: the child clicks the card that belongs
// under the cover, which then shows in its place, and the check. FrmNumtk and FrmPictk are
// rows of one table.

#include "activities/math/CardSum.h"

class MissingCard : public CardSum {
    Q_OBJECT
public:
    static const SumRow Rows[2]; // FrmNumtk, FrmPictk

    MissingCard(AppContext& app, const SumRow& row);

    Timer* Timer1;
    int16_t HiddenPlace = 3; // 1 a, 2 b, 3 the result

protected:
    Image& answerPlace() override { return Image1[HiddenPlace - 1]; }
    int wanted() const override;
    void showProblem() override;
};
