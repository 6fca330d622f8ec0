#include "activities/math/FrmXunxuDuo.h"

#include "shell/core/Mdlmain.h"

namespace {

constexpr int Targets = 4;
constexpr double TargetLefts[Targets] = {240, 392, 528, 664};
constexpr double TargetTop = 88;
constexpr double TargetSide = 97;

} // namespace

FrmXunxuDuo::FrmXunxuDuo(AppContext& app, const QString& name)
    : CountingRow(app, name,
                  {320,
                   true,
                   Strip::WithRewards,
                   QPointF(400, 304),
                   {.reward = RoundCycle::Reward::WithNextRound,
                    .afterWrong = RoundCycle::AfterWrong::NextRound},
                   700})
{
    for (int i = 0; i < Targets; ++i) {
        auto* disc = make<Shape>(QStringLiteral("Shape2"), Shape::Kind::Circle);
        disc->Move(TargetLefts[i], TargetTop, TargetSide, TargetSide);
        disc->setFill(QColor(255, 214, 0));
        disc->setNoBorder();
        Shape2.setDesigned(i, disc);
        Label* number = makeNumberLabel(QStringLiteral("Label2"), TargetLefts[i], TargetTop,
                                        TargetSide, TargetSide);
        number->setFitInsideEllipse(true); // "10" stays on its disc
        Label2.setDesigned(i, number);
        repeatsInstruction(*number);
    }
}

// Marks the clicked position; the fourth click judges the order, and so does every click
// after it until the pause is over.
void FrmXunxuDuo::Image1_Click(int k)
{
    ++ClickCount;
    if (ClickCount < int(ClickedPositions.size())) ClickedPositions[ClickCount] = int16_t(k + 1);
    markCell(k);
    bool inOrder = ClickCount == Targets;
    for (int i = 1; inOrder && i <= Targets; ++i)
        inOrder = ClickedPositions[i] == app().RandomOrder2[i + 1];
    if (inOrder)
        cycle.answer(true);
    else if (ClickCount > Targets - 1)
        cycle.answer(false);
}

// Four new positions to find.
void FrmXunxuDuo::drawTarget()
{
    MakeRandomOrder2(app(), 10);
    for (int i = 0; i < Targets; ++i) {
        Label2[i].setCaption(QString::number(app().RandomOrder2[i + 2]));
        Shape2[i].show();
        Label2[i].show();
    }
}

void FrmXunxuDuo::hideTarget()
{
    for (int i = 0; i < Targets; ++i) {
        Label2[i].hide();
        Shape2[i].hide();
    }
}
