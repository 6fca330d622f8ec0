#include "activities/math/NumberCards.h"

#include "ui/Form.h"

namespace {

constexpr int Cards = 10;
constexpr double CardSide = 89;
constexpr double CardLefts[Cards] = {80, 192, 304, 416, 528, 424, 536, 648, 760, 872};
const QColor Disc(255, 214, 0);

} // namespace

void makeNumberCards(Form& form, ControlArray<Label>& Label2, ControlArray<Shape>& Shape1,
                     const double (&tops)[2])
{
    for (int k = 0; k < Cards; ++k) {
        auto* disc = form.make<Shape>(QStringLiteral("Shape1"), Shape::Kind::Circle);
        disc->Move(CardLefts[k], tops[k / 5], CardSide, CardSide);
        disc->setFill(Disc);
        disc->setBorder(QColor(230, 150, 0), 3);
        Shape1.setDesigned(k, disc);

        auto* card = form.make<Label>(QStringLiteral("Label2"));
        card->Move(CardLefts[k], tops[k / 5], CardSide, CardSide);
        card->setFont(QStringLiteral("宋体"), 48, false);
        card->setTransparent(true);
        card->setAlignment(Qt::AlignCenter);
        card->setWordWrap(false);
        card->setFitInsideEllipse(true); // "10" and "20" stay on their discs
        card->setHandCursor();
        Label2.setDesigned(k, card);
    }
}
