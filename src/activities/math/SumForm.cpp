#include "activities/math/SumForm.h"

#include "activities/math/SumArtwork.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

namespace {

constexpr double PlaceSide = 145;
constexpr double PlaceLefts[2] = {176, 416};
constexpr double SignWidth = 80;
constexpr double SignHeight = 71;
constexpr double JudgedSide = 105;
constexpr double CheckSide = 97;

} // namespace

SumForm::SumForm(AppContext& app, const SumRow& row, const Layout& layout)
    : ActivityForm(app, QString::fromUtf8(row.name))
    , problems(*this, QString::fromUtf8(row.section), QLatin1Char(row.sign))
    , numbers(app, QString::fromUtf8(row.pictures))
    , cycle(*this,
            {.sound = row.sound,
             .reward = RoundCycle::Reward::AtAnswer,
             .afterWrong = RoundCycle::AfterWrong::SameAgain},
            makeJudgement(layout),
            {.nextRound =
                 [this] {
                     ++problems.ProblemNumber;
                     newProblem();
                 },
             .sameAgain = [this] { newProblem(); }})
{
    for (int i = 0; i < 2; ++i) {
        Image1.setDesigned(i, makePicture(QStringLiteral("Image1"), PlaceLefts[i], layout.placesTop,
                                          PlaceSide, PlaceSide));
        repeatsInstruction(Image1[i]);
        Image* sign = makePicture(QStringLiteral("Image2"), layout.signLefts[i], layout.signsTop,
                                  SignWidth, SignHeight);
        sign->setPicture(SumArtwork::sign(i == 0 ? QLatin1Char(row.sign) : QLatin1Char('=')));
        Image2.setDesigned(i, sign);
    }
}

// The good and bad pictures (Image6 0 and 1) and the check picture (Image6 2).
Feedback::Kind SumForm::makeJudgement(const Layout& layout)
{
    Image* good = nullptr;
    Image* bad = nullptr;
    const GoodBadPictures pictures =
        GoodBadPictures::make(*this, QStringLiteral("Image6"), QStringLiteral("Image6"),
                              QRectF(layout.judgedAt, QSizeF(JudgedSide, JudgedSide)), good, bad);
    Image6.setDesigned(0, good);
    Image6.setDesigned(1, bad);
    Image* check = makePicture(QStringLiteral("Image6"), layout.checkAt.x(), layout.checkAt.y(),
                               CheckSide, CheckSide);
    check->setPicture(SumArtwork::check());
    check->setHandCursor();
    Image6.setDesigned(2, check);
    Image6.onClick([this](int i) { Image6_Click(i); });
    pause_ = makeTimer(QString::fromLatin1(layout.pauseTimer));
    return Feedback::Picture{*pause_, pictures, 1000};
}

Image* SumForm::makePicture(const QString& name, double left, double top, double width,
                            double height)
{
    auto* picture = make<Image>(name);
    picture->Move(left, top, width, height);
    picture->setStretch(true);
    return picture;
}

void SumForm::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    showAnswerPictures();
    Image6[0].hide();
    Image6[1].hide();
    newProblem();
}

void SumForm::newProblem()
{
    const bool asked = problems.NextProblem();
    if (asked) showProblem();
    Image6[2].setVisible(asked);
}

// The check has the answer judged; the good and bad pictures only answer to the click.
void SumForm::Image6_Click(int i)
{
    if (i != 2) return;
    Image6[2].hide();
    cycle.answer(judge());
}
