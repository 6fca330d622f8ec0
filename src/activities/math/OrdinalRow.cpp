#include "activities/math/OrdinalRow.h"

#include "shell/core/Mdlmain.h"

const OrdinalRow::Row OrdinalRow::Rows[2] = {
    // For practice: no rewards, and a wrong click shows where the N-th picture is.
    {"FrmXunxushshLX", 488, 72, Strip::WithoutRewards, OnWrong::ShowTheRightCell, 3},
    {"FrmXunxushshW", 432, 88, Strip::WithRewards, OnWrong::ShowNothing, 2},
};

namespace {

CountingRow::Design designOf(const OrdinalRow::Row& row)
{
    const bool rewarded = row.strip == ActivityForm::Strip::WithRewards;
    return {320,
            true,
            row.strip,
            QPointF(400, 304),
            {.reward = rewarded ? RoundCycle::Reward::WithNextRound : RoundCycle::Reward::Never,
             .afterWrong = RoundCycle::AfterWrong::NextRound},
            1000};
}

} // namespace

OrdinalRow::OrdinalRow(AppContext& app, const Row& row)
    : CountingRow(app, QString::fromUtf8(row.name), designOf(row))
    , row_(row)
{
    Label2 = makeNumberLabel(QStringLiteral("Label2"), row.targetLeft, row.targetTop, 49, 97);
    Label2->setAutoSize(true); // "10" is wider than the one digit the design leaves room for
    repeatsInstruction(*Label2);
}

void OrdinalRow::Form_Load()
{
    CountingRow::Form_Load();
    Label2->setLeft(int(Label2->Width() + ScaleWidth()) / 2);
}

// Right when the child clicked the N-th picture, which turns into its numbered disc.
void OrdinalRow::Image1_Click(int k)
{
    const bool right = k + 1 == target_;
    if (right)
        markCell(k);
    else if (row_.onWrong == OnWrong::ShowTheRightCell)
        markCell(target_ - 1);
    cycle.answer(right);
}

// A new N.
void OrdinalRow::drawTarget()
{
    if (row_.randomOrder == 3) {
        MakeRandomOrder3(app(), 10);
        target_ = app().RandomOrder3[2];
    } else {
        MakeRandomOrder2(app(), 10);
        target_ = app().RandomOrder2[2];
    }
    Label2->setCaption(QString::number(target_));
    Label2->show();
}

void OrdinalRow::hideTarget()
{
    Label2->hide();
}
