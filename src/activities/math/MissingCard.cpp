#include "activities/math/MissingCard.h"

#include "shell/core/Mdlmain.h"

const SumRow MissingCard::Rows[2] = {
    {"FrmNumtk", "加法", '+', "数字", RoundCycle::Sound::Silent, false},
    {"FrmPictk", "加法", '+', "苹果", RoundCycle::Sound::Silent, false},
};

namespace {

constexpr double ResultLeft = 664;
const SumForm::Layout CardLayout{136, 176, {328, 568}, {432, 320}, {440, 328}, "Timer1"};

} // namespace

MissingCard::MissingCard(AppContext& app, const SumRow& row)
    : CardSum(app, row, CardLayout, 656)
{
    Image1.setDesigned(
        2, makePicture(QStringLiteral("Image1"), ResultLeft, CardLayout.placesTop, 145, 145));
    Picture1->raise(); // the cover lies over the place it hides
    Timer1 = &pauseTimer();
}

int MissingCard::wanted() const
{
    switch (HiddenPlace) {
    case 1:
        return problems.FirstNumber;
    case 2:
        return problems.SecondNumber;
    default:
        return problems.result();
    }
}

// The three numbers of the sum, and one of them covered, drawn afresh for every sum.
void MissingCard::showProblem()
{
    MakeRandomOrder(app(), 3);
    HiddenPlace = app().RandomOrder[1];
    Image1[0].setPicture(numbers.of(problems.FirstNumber));
    Image1[1].setPicture(numbers.of(problems.SecondNumber));
    Image1[2].setPicture(numbers.of(problems.result()));
    Picture1->setLeft(Image1[HiddenPlace - 1].Left());
    Picture1->show();
}
