#include "activities/math/OrdinalRow.h"

OrdinalRow::OrdinalRow(AppContext& app, const QString& name, double targetLeft, double targetTop,
                       Strip strip, OnWrong onWrong)
    : CountingRow(app, {name, 320, true, strip, QPointF(400, 304)})
    , onWrong_(onWrong)
{
    Label2 = makeNumberLabel(QStringLiteral("Label2"), targetLeft, targetTop, 49, 97);
    Label2->setAutoSize(true); // "10" is wider than the one digit the design leaves room for
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
    else if (onWrong_ == OnWrong::ShowTheRightCell)
        markCell(target_ - 1);
    judge(right, 1000);
}

// A new N.
void OrdinalRow::drawTarget()
{
    target_ = drawNumber();
    Label2->setCaption(QString::number(target_));
    Label2->show();
}

void OrdinalRow::hideTarget()
{
    Label2->hide();
}
