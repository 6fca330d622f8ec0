#include "activities/cognition/FrmTupiangPl.h"

#include "activities/cognition/SequenceList.h"
#include "activities/cognition/ShrinkingRow.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"
#include "ui/Artwork.h"

#include <cmath>

namespace {

constexpr int MostPictures = 10;
constexpr double UpperRowTop = 100;
constexpr double LowerRowAboveBottom = 200;
const QColor Teal(0, 192, 192);

PictureBox* makeBox(Form& form, const QString& name, double left, double top)
{
    auto* box = form.make<PictureBox>(name);
    box->Move(left, top, 169, 169);
    box->setBackColor(Qt::white);
    box->setBorder(true);
    return box;
}

} // namespace

FrmTupiangPl::FrmTupiangPl(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , Picture2(makeBox(*this, QStringLiteral("Picture2"), 360, 112))
    , Picture1(makeBox(*this, QStringLiteral("Picture1"), 96, 568))
    , Timer2(makeTimer(QStringLiteral("Timer2")))
    , cycle(*this,
            {.sound = RoundCycle::Sound::Silent, .reward = RoundCycle::Reward::WithNextRound},
            Feedback::Pause{*Timer2, 1000}, {.nextRound = [this] { PangDuang(); }})
    , drag(*this, 15,
           {.targetOf = [this](int k) -> Control* { return Picture1.at(placeOf(k)); },
            .hit = [this](int k) { placed(k); },
            .miss = [](int) {}})
{
    setBackColor(Teal);
    Image3 = make<Image>(QStringLiteral("Image3"));
    Image3->Move(272, 568, 169, 169);
    Image3->hide();
    Image5 = make<Image>(QStringLiteral("Image5"));
    Image5->Move(48, 376, 89, 89);
    Image5->hide();
    Image1 = make<Image>(QStringLiteral("Image1"));
    Image1->Move(360, 368, 129, 129);
    Image1->setStretch(true);
    Image1->setPicture(Artwork::good());
    Image1->hide();
    drag.follow(Picture2);
}

void FrmTupiangPl::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    zhaiRu();
}

bool FrmTupiangPl::zhaiRu()
{
    AppContext& a = app();
    sequence_ = ReadSequenceList(*this);
    const int n = itemCount();
    if (n > MostPictures)
        a.services.message(QStringLiteral("只能设置10个图片!"), MessageIcon::None,
                           MessageButtons::Ok);
    for (int i = 1; i <= n; ++i)
        PictureTable[i] = LoadSequencePicture(a, sequence_[i - 1]);
    Image1->hide();
    if (!SequenceCanBePlayed(*this, sequence_)) return false;

    for (int i = 1; i < n; ++i) {
        Picture2.Load(i);
        Picture1.Load(i);
    }
    MakeRandomOrder(a, n);
    deal_.assign(a.RandomOrder.begin() + 1, a.RandomOrder.begin() + 1 + n);

    // The difference between the templates in whole pixels, as the design measured it.
    const double height = ShrinkingSide(
        Image3->Height(), Image3->Height() - std::nearbyint(Image3->Height() - Image5->Height()), n,
        ScaleWidth());
    const double width = ShrinkingSide(
        Image3->Width(), Image3->Width() - std::nearbyint(Image3->Width() - Image5->Width()), n,
        ScaleWidth());
    const double step = std::nearbyint(width);
    const double margin = (ScaleWidth() - n * step) / 2;
    for (int i = 0; i < n; ++i) {
        Picture2[i].Move(margin + i * step, UpperRowTop, width, height);
        Picture1[i].Move(margin + i * step, ScaleHeight() - LowerRowAboveBottom, width, height);
        Picture1[i].Cls();
        Picture1[i].show();
        Picture2[i].show();
        Picture2[i].ZOrder();
    }
    for (int i = 0; i < n; ++i) {
        Picture2[i].Cls();
        Picture2[i].PaintPicture(PictureTable[deal_[i]], 0, 0, Picture2[0].Width(),
                                 Picture2[0].Height());
    }
    return true;
}

// The picture goes into its place (laid over what the place shows, which is white while
// empty) and its box leaves the upper row. The last one finishes the arrangement.
void FrmTupiangPl::placed(int k)
{
    PictureBox& box = Picture2[k];
    PictureBox& place = Picture1[placeOf(k)];
    ++PlacedCount;
    BitBlt(place, 0, 0, place.width(), place.height(), box, 0, 0, RasterOp::And);
    box.Cls();
    box.hide();
    if (PlacedCount == itemCount()) {
        Image1->show();
        cycle.answer(true);
    }
}

// A second after the last picture: the same sequence, shuffled anew.
void FrmTupiangPl::PangDuang()
{
    PlacedCount = 0;
    for (int i = Picture1.UBound(); i >= 0; --i) {
        if (!Picture1.exists(i)) continue;
        Picture1[i].Cls();
        Picture2[i].show();
    }
    Picture2.UnloadAllButFirst();
    Picture1.UnloadAllButFirst();
    zhaiRu();
}
