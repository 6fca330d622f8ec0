#include "activities/math/CardSum.h"

#include "activities/math/SumArtwork.h"

namespace {

constexpr int Cards = 10;
constexpr double CardSide = 113;
constexpr double CardLefts[Cards] = {48, 160, 272, 384, 496, 384, 496, 608, 720, 832};
constexpr double CardTops[2] = {496, 624};
constexpr double PlaceSide = 145;

} // namespace

CardSum::CardSum(AppContext& app, const SumRow& row, const Layout& layout, double answerLeft)
    : SumForm(app, row, layout)
{
    Picture1 = make<PictureBox>(QStringLiteral("Picture1"));
    Picture1->Move(answerLeft, layout.placesTop, PlaceSide, PlaceSide);
    Picture1->setStretch(true);
    Picture1->setPicture(SumArtwork::emptyPlace());
    Picture1->setBackColor(BackColor());

    for (int k = 0; k < Cards; ++k) {
        Image* card = makePicture(QStringLiteral("Image3"), CardLefts[k], CardTops[k / 5], CardSide,
                                  CardSide);
        card->setHandCursor();
        Image3.setDesigned(k, card);
    }
    Image3.onClick([this](int k) { Image3_Click(k); });
}

void CardSum::showAnswerPictures()
{
    for (int k = 0; k < Cards; ++k)
        Image3[k].setPicture(numbers.of(k + 1));
}

// The card goes into the answer place; the child may change it any number of times.
void CardSum::Image3_Click(int k)
{
    ChosenNumber = int16_t(k + 1);
    Picture1->hide();
    answerPlace().setPicture(Image3[k].Picture());
}
