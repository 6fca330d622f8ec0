#include "activities/math/FrmShu_wu.h"

#include "frame/DataPictures.h"
#include "frame/Mdljifeng.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"

namespace {

constexpr int Boxes = 10;
constexpr double BoxSide = 161;
constexpr double BoxLefts[5] = {104, 272, 440, 608, 776};
constexpr double BoxTops[2] = {360, 528};
constexpr int MaxPictures = 100;

} // namespace

FrmShu_wu::FrmShu_wu(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , drag(*this, 10, {.drop = [this](int) { Picture2_MouseUp(); }})
    , cycle(*this, {.afterWrong = RoundCycle::AfterWrong::NextRound}, Feedback::None{},
            {.nextRound = [this] {
                for (int i = 0; i < Boxes; ++i)
                    Picture1[i].Cls();
                zhaiRu();
            }})
{
    for (int i = 0; i < Boxes; ++i) {
        auto* box = make<PictureBox>(QStringLiteral("Picture1"));
        box->Move(BoxLefts[i % 5], BoxTops[i / 5], BoxSide, BoxSide);
        box->setBackColor(Qt::white);
        box->setBorder(true);
        Picture1.setDesigned(i, box);
    }
    Label2 =
        makeRoundLabel(QStringLiteral("Label2"), QStringLiteral("Shape1"), 320, 120, 89, Shape1);
    repeatsInstruction(*Label2);
    Label1 =
        makeRoundLabel(QStringLiteral("Label1"), QStringLiteral("Shape2"), 632, 120, 81, Shape2);
    Label1->setCaption(QStringLiteral("OK"));
    Label1->setHandCursor();
    connect(Label1, &Control::Click, this, [this] { PangDuang(); });

    Picture2 = make<PictureBox>(QStringLiteral("Picture2"));
    Picture2->Move(440, 88, BoxSide, BoxSide);
    Picture2->setBackColor(Qt::white);
    Picture2->setHandCursor();
    drag.follow(*Picture2);
}

// A 48-point caption centred on a disc.
Label* FrmShu_wu::makeRoundLabel(const QString& name, const QString& discName, double left,
                                 double top, double height, Shape*& disc)
{
    disc = make<Shape>(discName, Shape::Kind::Circle);
    disc->Move(left, top, 89, height);
    disc->setFill(QColor(255, 214, 0));
    disc->setBorder(QColor(230, 150, 0), 3);
    auto* label = make<Label>(name);
    label->Move(left, top, 89, height);
    label->setFont(QStringLiteral("宋体"), 48, false);
    label->setTransparent(true);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(false);
    label->setFitInsideEllipse(true);
    return label;
}

void FrmShu_wu::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    ClickCount = 0;
    LoadCourseItems(app(), *Txtini, QStringLiteral("图片"), QStringLiteral("图片"),
                    QStringLiteral("数学课程"));
    for (const QString& item : ItemsJustRead(app(), *Txtini).mid(0, MaxPictures))
        PictureTable.push_back(LoadDataPicture(app(), QStringLiteral("pic/sxpic"), item));
    zhaiRu();
    Label1->raise();
}

// A new picture and a new number, from 1 to the number of the course's pictures.
void FrmShu_wu::zhaiRu()
{
    AppContext& a = app();
    ClickCount = 0;
    const int pictures = int(PictureTable.size());
    MakeRandomOrder(a, pictures);
    Picture2->Cls();
    if (pictures > 0)
        Picture2->PaintPicture(PictureTable[a.RandomOrder[1] - 1], 0, 0, Picture2->width(),
                               Picture2->height());
    MakeRandomOrder2(a, std::max(pictures, 1));
    N = a.RandomOrder2[1];
    Label2->setCaption(QString::number(N));
}

// A drop on a box leaves the picture there (the white box takes it by AND); dropped twice
// on one box, it counts twice. The picture always goes back.
void FrmShu_wu::Picture2_MouseUp()
{
    for (int i = 0; i < Boxes; ++i) {
        PictureBox& box = Picture1[i];
        if (!drag.within(drag.pointer(), box)) continue;
        ++ClickCount;
        BitBlt(box, 0, 0, box.width(), box.height(), *Picture2, 0, 0, RasterOp::And);
    }
    drag.returnHome(*Picture2);
}

// "OK": right when as many were taken as the number says.
void FrmShu_wu::PangDuang()
{
    cycle.answer(ClickCount == N);
}
