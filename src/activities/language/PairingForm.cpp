#include "activities/language/PairingForm.h"

#include "activities/language/LessonText.h"
#include "activities/language/Mdlpicwenzhi.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"
#include "ui/Artwork.h"

namespace {

constexpr double Gap = 5;
constexpr double DraggedTop = 80;

PictureBox* makeBox(ActivityForm& form, const QString& name, double left, double top)
{
    auto* box = form.make<PictureBox>(name);
    box->Move(left, top, 129, 129);
    box->setBorder(true);
    return box;
}

} // namespace

const PairingForm::Row PairingForm::Rows[2] = {
    {"FrmpeiduiTu_zhi", OnTop::Photos},
    {"FrmpeiduiZhi_tu", OnTop::Words},
};

PairingForm::PairingForm(AppContext& app, const Row& row)
    : ActivityForm(app, QString::fromUtf8(row.name))
    , drag(
          *this, 15,
          {.targetOf = [this](int i) -> Control* { return i < pairs() ? Picture1.at(i) : nullptr; },
           .hit = [this](int i) { placePair(i); }})
    , cycle(*this,
            {.reward = RoundCycle::Reward::AtAnswer, .rightSound = "win", .wrongSound = nullptr},
            Feedback::Pause{*Timer2, 100},
            {.nextRound =
                 [this] {
                     PicWenzhi.UnloadAllButFirst();
                     NewRound();
                 }})
    , row_(row)
{
    Picture3.setDesigned(makeBox(*this, QStringLiteral("Picture3"), 120, 88));
    Picture1.setDesigned(makeBox(*this, QStringLiteral("Picture1"), 96, 552));
    drag.follow(Picture3);

    Image1 = make<Image>(QStringLiteral("Image1"));
    Image1->Move(64, 352, 129, 131);
    Image1->setPicture(Artwork::face());

    PicWenzhi.setDesigned(makeCaptionTemplate(*this));
}

void PairingForm::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    items_ = readLessonItems(*this);
    // The launcher has put the lesson's photos into ItemPictures; the rounds write captions
    // over them, so the window keeps its own copy.
    photos_.assign(app().ItemPictures.begin(), app().ItemPictures.begin() + items_.size() + 1);
    Picture1[0].hide();
    Picture3[0].hide();
    Image1->hide();
    for (int i = 1; i < pairs(); ++i) {
        Picture3.Load(i);
        Picture1.Load(i);
    }
    for (int i = 0; i < pairs(); ++i)
        Picture1[i].show();
    NewRound();
}

// Up to six items drawn afresh, their pictures in both rows, shuffled over the places.
void PairingForm::NewRound()
{
    placed_ = 0;
    const int n = int(items_.size());
    MakeRandomOrder(app(), n);
    RenderCaptions(app(), PicWenzhi, items_);
    for (int i = 1; i <= n; ++i) {
        const int item = app().RandomOrder[i];
        const QPixmap caption = captionOf(PicWenzhi, item);
        if (row_.onTop == OnTop::Photos) {
            app().ItemPictures2[i] = caption;
        } else {
            app().ItemPictures2[i] = photos_[item];
            app().ItemPictures[i] = caption;
        }
    }
    for (int i = 1; i <= pairs(); ++i) {
        const QPixmap& dragged = row_.onTop == OnTop::Photos
                                     ? app().ItemPictures[app().RandomOrder[i]]
                                     : app().ItemPictures[i];
        PictureBox& top = Picture3[i - 1];
        top.show();
        top.raise();
        top.Cls();
        top.PaintPicture(dragged, 0, 0, Picture3[0].width(), Picture3[0].height());
        PictureBox& target = Picture1[i - 1];
        target.Cls();
        target.PaintPicture(app().ItemPictures2[i], 0, 0, Picture1[0].width(),
                            Picture1[0].height());
    }
    DingWei();
}

// Both rows over the same centred places, each in its own random order.
void PairingForm::DingWei()
{
    const int k = pairs();
    const double step = Picture1[0].Width() + Gap;
    const double x0 = (ScaleWidth() - step * k) / 2;
    MakeRandomOrder(app(), k);
    MakeRandomOrder2(app(), k);
    for (int i = 1; i <= k; ++i) {
        Picture1[i - 1].setLeft(x0 + (app().RandomOrder[i] - 1) * step);
        Picture3[i - 1].Move(x0 + (app().RandomOrder2[i] - 1) * step, DraggedTop * app().ScaleY);
    }
}

// The picture is gone from the top row and its partner smiles.
void PairingForm::placePair(int i)
{
    ++placed_;
    PlayWave(app(), QStringLiteral("pingturight"));
    Picture3[i].clearPicture();
    Picture3[i].hide();
    Picture1[i].PaintPicture(Image1->Picture(), 0, 0, Picture1[0].width(), Picture1[0].height());
    PangDuang();
}

void PairingForm::PangDuang()
{
    if (placed_ < pairs()) return;
    cycle.answer(true);
    for (int i = 0; i < pairs(); ++i)
        Picture3[i].clearPicture();
}
