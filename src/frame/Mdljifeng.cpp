#include "frame/Mdljifeng.h"

#include "frame/ActivityForm.h"
#include "frame/PlayRecording.h"

namespace {

// The tens digit is the second-last character of the score written with a "0" in front,
// so 100 counts as 0 tens and 0 units: the hundred is shown by ten stars alone.
void digits(int score, int& tens, int& units)
{
    const QString text = QLatin1Char('0') + QString::number(score);
    tens = text.at(text.size() - 2).digitValue();
    units = text.at(text.size() - 1).digitValue();
}

void setShown(ControlArray<Image>& array, int i, bool shown)
{
    if (Image* image = array.at(i)) image->setVisible(shown);
}

void placeFacesAfterStar(ActivityForm& form, int star)
{
    const double faceWidth = form.ImgFace[0].Width();
    for (int i = 1; i <= 10; ++i) {
        const double left = star == 0 ? form.ImgStar[0].Left() + (i - 1) * faceWidth
                                      : form.ImgStar[star].Left() + i * faceWidth;
        form.ImgFace[i].setLeft(left);
    }
}

void showScore(ActivityForm& form)
{
    form.LblNum[0].setCaption(QString::number(form.app().Score));
}

} // namespace

void InitRewards(ActivityForm& form)
{
    form.app().Score = 0;
    if (form.hasRewardStrip()) {
        for (int i = 1; i <= 10; ++i) {
            Image& star = form.ImgStar.Load(i);
            star.setLeft(form.ImgStar[0].Left() + (i - 1) * form.ImgStar[0].Width());
            star.hide();
            Image& face = form.ImgFace.Load(i);
            face.setLeft(form.ImgFace[0].Left() + (i - 1) * form.ImgFace[0].Width());
            face.hide();
        }
    }
    form.ImgHelp->hide();
}

void RewardRight(ActivityForm& form)
{
    AppContext& app = form.app();
    app.services.log(QStringLiteral("reward right"));
    RecordPlay(form, PlayEvent::Kind::Right);
    app.Score = int16_t(std::min(app.Score + 1, 100));
    if (!form.hasRewardStrip()) return;
    int tens = 0, units = 0;
    digits(app.Score, tens, units);
    if (app.Score == 100) {
        for (int i = 1; i <= 10; ++i) {
            setShown(form.ImgFace, i, false);
            setShown(form.ImgStar, i, true);
        }
    }
    if (units == 0)
        for (int i = 0; i <= 9; ++i)
            setShown(form.ImgFace, i, false);
    setShown(form.ImgFace, units, units != 0);
    if (tens != 0) {
        setShown(form.ImgStar, tens, true);
        placeFacesAfterStar(form, tens);
    } else {
        setShown(form.ImgStar, 0, false);
    }
    showScore(form);
}

void RewardWrong(ActivityForm& form)
{
    AppContext& app = form.app();
    app.services.log(QStringLiteral("reward wrong"));
    RecordPlay(form, PlayEvent::Kind::Wrong);
    app.Score = int16_t(std::max(app.Score - 1, 0));
    if (!form.hasRewardStrip()) return;
    int tens = 0, units = 0;
    digits(app.Score, tens, units);
    if (units == 9) // just dropped below a multiple of ten: the nine faces come back
        for (int i = 1; i <= 9; ++i)
            setShown(form.ImgFace, i, true);
    setShown(form.ImgFace, units + 1, false);
    setShown(form.ImgStar, tens + 1, false);
    placeFacesAfterStar(form, tens);
    showScore(form);
}
