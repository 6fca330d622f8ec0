#include "activities/math/PictureCards.h"

#include "activities/math/NumberCards.h"
#include "frame/DataPictures.h"
#include "frame/Mdljifeng.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"

const PictureCards::Row PictureCards::Rows[2] = {
    {"frmWu_shu", {520, 624}, 1, true, 50},
    {"frmQunshu", {528, 632}, 2, false, 48},
};

namespace {

constexpr int Cells = 10;
constexpr double CellSide = 145;
constexpr double CellLefts[5] = {120, 288, 456, 624, 792};
constexpr double CellTops[2] = {80, 248};
constexpr int MaxPictures = 100;

} // namespace

PictureCards::PictureCards(AppContext& app, const Row& row)
    : ActivityForm(app, QString::fromUtf8(row.name))
    , cycle(*this, {.afterWrong = RoundCycle::AfterWrong::SameAgain}, Feedback::None{},
            {.nextRound =
                 [this] {
                     clearPictures();
                     Rndnum();
                 }})
    , row_(row)
{
    for (int k = 0; k < Cells; ++k) {
        auto* cell = make<Image>(QStringLiteral("Image1"));
        cell->Move(CellLefts[k % 5], CellTops[k / 5], CellSide, CellSide);
        cell->setStretch(true);
        Image1.setDesigned(k, cell);
    }
    makeNumberCards(*this, Label2, Shape1, row.cardTops);
    Label2.onClick([this](int k) { Label2_Click(k); });
    for (int k = 0; k < Cells; ++k)
        Label2[k].setCaption(QString::number(row.step * (k + 1)));
}

void PictureCards::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    if (row_.coursePictures) {
        LoadCourseItems(app(), *Txtini, QStringLiteral("图片"), QStringLiteral("图片"),
                        QStringLiteral("数学课程"));
        for (const QString& item : ItemsJustRead(app(), *Txtini).mid(0, MaxPictures))
            PictureTable.push_back(LoadDataPicture(app(), QStringLiteral("pic/sxpic"), item));
    } else {
        PictureTable.push_back(
            LoadDataPicture(app(), QStringLiteral("pic/sxpic/苹果"), QStringLiteral("2")));
    }
    Rndnum();
}

// A new number of pictures, 1 to 10.
void PictureCards::Rndnum()
{
    AppContext& a = app();
    MakeRandomOrder2(a, Cells);
    int drawn = 1;
    if (row_.coursePictures) {
        MakeRandomOrder(a, int(PictureTable.size()));
        drawn = a.RandomOrder[1];
    }
    N = a.RandomOrder2[1];
    const QPixmap picture =
        drawn >= 1 && drawn <= int(PictureTable.size()) ? PictureTable[drawn - 1] : QPixmap();
    for (int k = 0; k < N; ++k)
        Image1[k].setPicture(picture);
    for (int k = 0; k < Cells; ++k) {
        Label2[k].setCaption(QString::number(row_.step * (k + 1)));
        Label2[k].setFontSize(row_.roundFontSize * a.ScaleX);
    }
}

// Right when the card tells how many there are (counted in twos: twice the pictures).
void PictureCards::Label2_Click(int k)
{
    cycle.answer(Label2[k].Caption().toInt() == row_.step * N);
}

void PictureCards::clearPictures()
{
    for (int k = 0; k < Cells; ++k)
        Image1[k].clearPicture();
}
