#include "activities/cognition/FrmPingtu.h"

#include "activities/cognition/PuzzlePictures.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

#include <cmath>

namespace {

const QColor Teal(0, 192, 192);
constexpr int DropDistance = 8;
constexpr int PieceGap = 10;

} // namespace

QSizeF MissingPiecePictureSize(QSizeF natural)
{
    if (natural.isEmpty()) return {500, 500};
    const double ratio = natural.width() / natural.height();
    if (ratio >= 1) return {500, 500 / ratio};
    return {450 * ratio, 450};
}

FrmPingtu::FrmPingtu(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , Timer2(makeTimer(QStringLiteral("Timer2")))
    , cycle(*this, {.reward = RoundCycle::Reward::AtAnswer, .rightSound = "pingturight"},
            Feedback::None{}, {.nextRound = [this] { chuchi(); }})
    , drag(*this, DropDistance,
           {.targetOf = [this](int i) -> Control* { return i == 0 ? Picture4.at(0) : nullptr; },
            .hit = [this](int) { solved(); }})
{
    setBackColor(Teal);
    Picture2 = make<PictureBox>(QStringLiteral("Picture2"));
    Picture2->Move(224, 72, 505, 369);
    Picture2->setBackColor(Teal);
    repeatsInstruction(*Picture2);

    Picture3 = make<PictureBox>(QStringLiteral("Picture3"));
    Picture3->Move(704, 48, 1, 1);
    Picture3->hide();

    auto* marker = make<PictureBox>(QStringLiteral("Picture4"));
    marker->Move(144, 120, 145, 97);
    marker->setBackColor(Teal);
    marker->hide();
    Picture4.setDesigned(marker);

    auto* piece = make<PictureBox>(QStringLiteral("Picture1"));
    piece->Move(144, 600, 145, 97);
    piece->setHandCursor();
    piece->hide();
    Picture1.setDesigned(piece);
    drag.follow(Picture1);

    QObject::connect(Timer2, &Timer::Tick, this, [this] { Timer2_Timer(); });
}

void FrmPingtu::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    pictureCount_ = PreparePuzzlePictures(*this);
    if (pictureCount_ == 0) {
        Picture2->hide(); // nothing to show: an empty window whose back works
        return;
    }
    chuchi();
}

void FrmPingtu::chuchi()
{
    AppContext& a = app();
    MakeRandomOrder(a, pictureCount_);
    const QPixmap& picture = a.ItemPictures[size_t(a.RandomOrder[1])];
    Picture3->Move(Picture3->Left(), Picture3->Top(), picture.width(), picture.height());
    Picture3->setPicture(picture);

    const QSizeF size = MissingPiecePictureSize(picture.size());
    Picture2->Move((ScaleWidth() - size.width()) / 2, 50, size.width(), size.height());
    Picture2->clearPicture();
    Picture2->PaintPicture(picture, 0, 0, Picture2->Width(), Picture2->Height());
    Picture2->show();
    Picture2->lower();

    for (int i = 1; i < Pieces; ++i)
        Picture4.Load(i);
    const double width = Picture4[0].Width();
    const double height = Picture4[0].Height();
    for (int i = 1; i <= Pieces; ++i) {
        MarkerX[size_t(i)] = std::floor(a.services.nextUniform() * (Picture2->Width() - width + 1) +
                                        Picture2->Left());
        MarkerY[size_t(i)] = int(std::floor(
            a.services.nextUniform() * (Picture2->Height() - height + 1) + Picture2->Top()));
        Picture4[i - 1].Move(MarkerX[size_t(i)], MarkerY[size_t(i)]);
    }
    Timer2->start(10);
}

void FrmPingtu::Timer2_Timer()
{
    Timer2->stop();
    AppContext& a = app();
    for (int i = 1; i < Pieces; ++i)
        Picture1.Load(i);
    MakeRandomOrder2(a, Pieces);
    const double width = Picture1[0].Width();
    const double height = Picture1[0].Height();
    const QImage& drawn = Picture2->image();
    for (int b = 1; b <= Pieces; ++b) {
        PictureBox& piece = Picture1[b - 1];
        piece.Move((width + PieceGap) * a.RandomOrder2[size_t(b)], ScaleHeight() - 1.2 * height);
        // Exactly the pixels that marker b - 1 lies on.
        const QPoint corner = Picture4[b - 1].pos() - Picture2->pos();
        piece.setPicture(drawn.copy(QRect(corner, Picture4[0].size())));
        piece.show();
        piece.ZOrder();
    }
    Picture4[0].show();
    Picture4[0].ZOrder();
}

void FrmPingtu::solved()
{
    Picture4[0].hide();
    Picture1[0].hide();
    Picture2->clearPicture();
    Picture1.UnloadAllButFirst();
    Picture4.UnloadAllButFirst();
    cycle.answer(true);
}
