#include "activities/math/FrmXunxushsh.h"

#include "shell/core/Mdlmain.h"

FrmXunxushsh::FrmXunxushsh(AppContext& app, const QString& name)
    : CountingRow(app, name,
                  {272,
                   false,
                   Strip::WithRewards,
                   QPointF(392, 296),
                   {.reward = RoundCycle::Reward::AtAnswer,
                    .afterWrong = RoundCycle::AfterWrong::NextRound},
                   1000})
{
    Label2 = makeNumberLabel(QStringLiteral("Label2"), 472, 96, 49, 97);
    Label2->setAutoSize(true); // "10" is wider than the one digit the design leaves room for
    repeatsInstruction(*Label2);

    Command1 = make<Button>(QStringLiteral("Command1"), QStringLiteral("确   定"));
    Command1->Move(440, 568, 105, 65);
    Command1->setFont(QStringLiteral("宋体"), 14, true);
    connect(Command1, &Control::Click, this, [this] { Command1_Click(); });
}

// Turns a picture into a disc: one more counted. A disc cannot be taken back.
void FrmXunxushsh::Image1_Click(int k)
{
    ++ClickCount;
    Image1[k].hide();
    Shape1[k].show();
}

// Judges the count; right or wrong, the row ends after the pauses.
void FrmXunxushsh::Command1_Click()
{
    cycle.answer(ClickCount == app().RandomOrder2[2]);
}

// A new number to count to, and the button to confirm it.
void FrmXunxushsh::drawTarget()
{
    MakeRandomOrder2(app(), 10);
    Label2->setCaption(QString::number(app().RandomOrder2[2]));
    Label2->show();
    Command1->show();
}

void FrmXunxushsh::hideTarget()
{
    Label2->hide();
    Command1->hide();
}
