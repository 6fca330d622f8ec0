#include "activities/math/FrmJieshu.h"

#include "activities/math/NumberCards.h"
#include "frame/DataPictures.h"
#include "frame/Mdljifeng.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"

namespace {

constexpr double GroupSide = 313;
constexpr double CardTops[2] = {528, 632};
constexpr int Groups = 5; // each group holds 1 to 5 apples
constexpr int MaxPictures = 100;

} // namespace

FrmJieshu::FrmJieshu(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , cycle(*this, {.afterWrong = RoundCycle::AfterWrong::NextRound},
            Feedback::Pause{*Timer2, 2000}, {.nextRound = [this] {
                Image1->clearPicture();
                Image3->clearPicture();
                Label1->hide();
                Rndnum();
                Timer1->start(4000);
            }})
{
    Image1 = make<Image>(QStringLiteral("Image1"));
    Image1->Move(224, 72, GroupSide, GroupSide);
    Image1->setStretch(true);
    Label1 = make<Label>(QStringLiteral("Label1"));
    Label1->Move(224, 72, GroupSide, GroupSide);
    Label1->setBackColor(Qt::white);
    Label1->setHandCursor();
    Image3 = make<Image>(QStringLiteral("Image3"));
    Image3->Move(544, 72, GroupSide, GroupSide);
    Image3->setStretch(true);
    Image4 = make<AnimatedImage>(QStringLiteral("Image4"));
    Image4->Move(480, 392, 105, 105);

    makeNumberCards(*this, Label2, Shape1, CardTops);
    for (int k = 0; k < 10; ++k)
        Label2[k].setCaption(QString::number(k + 1));
    Label2.onClick([this](int k) { Label2_Click(k); });
    connect(Label1, &Control::Click, this, [this] { Label1_Click(); });
    connect(Timer1, &Timer::Tick, this, [this] { Timer1_Timer(); });
}

void FrmJieshu::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    LoadCourseItems(app(), *Txtini, QStringLiteral("数字"), QStringLiteral("1"),
                    QStringLiteral("数学课程"));
    const QStringList items = ItemsJustRead(app(), *Txtini);
    if (items.size() < Groups)
        app().services.warn(
            QStringLiteral("数学课程 [数字] 1= names %1 apple pictures; counting on "
                           "needs the pictures of 1 to %2 apples")
                .arg(items.size())
                .arg(Groups));
    for (const QString& item : items.mid(0, MaxPictures))
        PictureTable.push_back(LoadDataPicture(app(), QStringLiteral("pic/sxpic/苹果"), item));
    Label1->hide();
    Rndnum();
    Timer1->start(4000);
}

// A new first group of 1 to 5 apples; the judgement of the last round goes.
void FrmJieshu::Rndnum()
{
    Image4->clear();
    MakeRandomOrder(app(), Groups);
    FirstCount = app().RandomOrder[1];
    Image1->setPicture(apples(FirstCount));
    Image1->show();
}

// Four seconds on: the first group is covered and the second one shown.
void FrmJieshu::Timer1_Timer()
{
    Timer1->stop();
    Image1->hide();
    Label1->show();
    MakeRandomOrder2(app(), Groups);
    SecondCount = app().RandomOrder2[1];
    Image3->setPicture(apples(SecondCount));
}

// A look back at the covered group; it stays in view.
void FrmJieshu::Label1_Click()
{
    Label1->hide();
    Image1->show();
}

void FrmJieshu::Label2_Click(int k)
{
    const bool right = k + 1 == FirstCount + SecondCount;
    const QString picture =
        app().dataPath(right ? QStringLiteral("pic/good.gif") : QStringLiteral("pic/bad.gif"));
    if (!Image4->load(picture))
        app().services.warn(QStringLiteral("Cannot read picture %1").arg(picture));
    cycle.answer(right);
}

const QPixmap& FrmJieshu::apples(int n) const
{
    static const QPixmap none;
    return n >= 1 && n <= int(PictureTable.size()) ? PictureTable[n - 1] : none;
}
