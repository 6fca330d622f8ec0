#include "activities/math/ComparisonForm.h"

#include "frame/Mdljifeng.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"

namespace {

constexpr double PictureSide = 273;
constexpr double PictureTop = 208;
constexpr double PictureLefts[3] = {0, 208, 568};
const QRectF JudgedAt(400, 208, PictureSide, PictureSide);

Label* makeQuestionLabel(Form& form, const QString& name, const QColor& colour)
{
    auto* label = form.make<Label>(name);
    label->Move(344, 64, 1, 1);
    label->setFont(QStringLiteral("宋体"), 21.75, true);
    label->setForeColor(colour);
    label->setTransparent(true);
    label->setHalfWidthBlanks(true);
    label->setAutoSize(true);
    return label;
}

} // namespace

ComparisonForm::ComparisonForm(AppContext& app, const ComparisonRow& row)
    : ActivityForm(app, QString::fromUtf8(row.name))
    , cycle(*this,
            {.reward = RoundCycle::Reward::WithNextRound,
             .afterWrong = RoundCycle::AfterWrong::SameAgain},
            makeJudgementPictures(),
            {.roundGivesWay = [this] { showPictures(false); },
             .nextRound = [this] { GetFile(); },
             .sameAgain = [this] { showPictures(true); }})
    , row_(row)
{
    for (int i = 1; i <= 2; ++i) {
        auto* picture = make<Image>(QStringLiteral("Image1"));
        picture->Move(PictureLefts[i], PictureTop, PictureSide, PictureSide);
        picture->setStretch(true);
        picture->setHandCursor();
        Image1.setDesigned(i, picture);
    }
    Image1.onClick([this](int i) { Image1_Click(i); });

    Label3 = makeQuestionLabel(*this, QStringLiteral("Label3"), Qt::black);
    Label4 = makeQuestionLabel(*this, QStringLiteral("Label4"), QColor(230, 0, 0));
    repeatsInstruction(*Label3);
    repeatsInstruction(*Label4);
    // The judgement lies over the pictures and the cover over the judgement.
    Picture2->raise();
    Picture3->raise();
    Picture1->raise();
}

// The good and bad pictures and the cover in the window's colour that slides off them.
Feedback::Kind ComparisonForm::makeJudgementPictures()
{
    const GoodBadPictures pictures =
        GoodBadPictures::make(*this, QStringLiteral("Picture2"), QStringLiteral("Picture3"),
                              JudgedAt, Picture2, Picture3);
    Picture2->setBackColor(BackColor());
    Picture3->setBackColor(BackColor());
    Picture1 = make<PictureBox>(QStringLiteral("Picture1"));
    Picture1->Move(JudgedAt.left(), JudgedAt.top(), PictureSide, PictureSide);
    Picture1->setBackColor(BackColor());
    Picture1->hide();
    Timer1 = makeTimer(QStringLiteral("Timer1"));
    return Feedback::Cover{SlidingCover(*Picture1, *Timer1, *Picture2), pictures};
}

QString ComparisonForm::questionText()
{
    return QStringLiteral("哪个 ") + QStringLiteral(" ") + QStringLiteral("？请点 ") +
           QStringLiteral(" ") + QStringLiteral(" 的图片。");
}

QString ComparisonForm::wordsText(const QString& word)
{
    return QStringLiteral("    ") + word + QStringLiteral("      ") + word;
}

void ComparisonForm::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    cycle.AnswerRight = false;
    app().RoundIndex = 1;
    Words[1] = app().ComparisonEntry.mid(2, 1);
    Words[2] = app().ComparisonEntry.mid(3, 1);
    GetFile();
}

// A new pair in random left/right order, and the question, written and spoken. After the
// entry's last pair the read comes back empty and the pair stays: it is asked once more,
// and its right answer starts the entry again from round 1.
void ComparisonForm::GetFile()
{
    AppContext& a = app();
    LoadCourseItems(a, *Txtini, a.ComparisonEntry, QString::number(a.RoundIndex),
                    QStringLiteral("数学课程"));
    MakeRandomOrder(a, 2);
    Picture1->hide();
    Picture2->hide();
    Picture3->hide();
    for (int i = 1; i <= 2; ++i) {
        Image1[i].setPicture(LoadItemPicture(a, a.ItemList[a.RandomOrder[i]]));
        Image1[i].show();
    }
    asked_ = drawAskedWord();
    Label3->setCaption(questionText());
    Label4->setCaption(wordsText(askedWord()));
    Label3->show();
    Label4->show();
    PlayWave(a, askedWord());
}

// Right when the clicked picture shows the item of the asked word; a wrong click repeats
// the question, which also cuts the sound "error" short.
void ComparisonForm::Image1_Click(int i)
{
    if (row_.cutsSoundOnClick) PlayWave(app(), QStringLiteral("无"));
    if (app().RandomOrder[i] == asked_) {
        ++app().RoundIndex;
        Label3->hide();
        Label4->hide();
        cycle.answer(true);
    } else {
        cycle.answer(false);
        PlayWave(app(), askedWord());
    }
}

void ComparisonForm::showPictures(bool shown)
{
    Image1[1].setVisible(shown);
    Image1[2].setVisible(shown);
}

// Which word (1 or 2) the next question asks for: the window's own, or either at random.
int ComparisonForm::drawAskedWord()
{
    if (row_.askedWord != 0) return row_.askedWord;
    MakeRandomOrder2(app(), 2);
    return app().RandomOrder2[1];
}

// Leaves the comparison; FrmBijiao first cuts short the question still being spoken.
void ComparisonForm::ImgBack_Click()
{
    if (row_.cutsSoundOnBack) PlayWave(app(), QStringLiteral("无"));
    ActivityForm::ImgBack_Click();
}
