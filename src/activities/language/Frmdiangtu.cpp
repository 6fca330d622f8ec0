#include "activities/language/Frmdiangtu.h"

#include "activities/language/LessonText.h"
#include "activities/language/Mdlpicwenzhi.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

#include <cmath>

namespace {

constexpr double Tw = 15; // twips to a design pixel

} // namespace

Frmdiangtu::Frmdiangtu(AppContext& app, const QString& name)
    : ActivityForm(app, name, ScaleUnit::Twips)
{
    moveRewardStrip(QPointF(16 * Tw, 696 * Tw), QPointF(80 * Tw, 688 * Tw));

    Picture1 = make<PictureBox>(QStringLiteral("Picture1"));
    Picture1->Move(352 * Tw, 56 * Tw, 153 * Tw, 153 * Tw);
    Picture1->setBorder(true);
    Picture1->setBackColor(Qt::white);
    Picture1->setHandCursor();
    // A moving picture is hit when it is pressed: by the release it may have moved on.
    connect(Picture1, &Control::MouseDown, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton) Picture1_Click();
    });

    Picture2 = make<PictureBox>(QStringLiteral("Picture2"));
    Picture2->Move(192 * Tw, 80 * Tw, 81 * Tw, 81 * Tw);
    Picture2->hide();

    Command1 = make<Button>(QStringLiteral("Command1"), QStringLiteral("开始"));
    Command1->Move(416 * Tw, 344 * Tw, 201 * Tw, 97 * Tw);
    Command1->setFont(QStringLiteral("宋体"), 36, true);
    connect(Command1, &Control::Click, this, [this] { Command1_Click(); });

    connect(Timer1, &Timer::Tick, this, [this] { Timer1_Timer(); });
    Timer1->setInterval(0);

    PicWenzhi.setDesigned(makeCaptionTemplate(*this));
}

void Frmdiangtu::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    app().Score = 0;
    const QStringList items = readLessonItems(*this);
    RenderCaptions(app(), PicWenzhi, items);
    const int n = int(items.size());
    pictures_.assign(size_t(2 * n + 1), QPixmap());
    for (int i = 1; i <= n; ++i) {
        pictures_[size_t(i)] = app().ItemPictures[i];
        pictures_[size_t(n + i)] = captionOf(PicWenzhi, i);
    }
    showPicture(1);
    game_.placeAt(int(std::lround(ScreenSize(app()).width() * Tw / 2)), game_.top());
    Picture1->Move(game_.left(), game_.top());
    Picture1->hide();
    Command1->setLeft((ScaleWidth() - Command1->Width()) / 2);
}

// A new game: the score counts down to 0 on the strip, then 30 seconds start.
void Frmdiangtu::Command1_Click()
{
    for (int k = app().Score; k > 0; --k)
        RewardWrong(*this);
    app().Score = 0;
    Command1->hide();
    Command1->setEnabled(false);
    game_.start(app().services.tickCount());
    Timer1->start(10);
    Picture1->setEnabled(true);
    Picture1->show();
}

void Frmdiangtu::Timer1_Timer()
{
    const PointPictureGame::Tick tick = game_.tick(
        app().services.tickCount(), int(std::lround(Picture1->Height())), int(ScaleHeight()));
    if (tick.timeUp) {
        Timer1->setEnabled(false);
        Picture1->setEnabled(false); // stays where it stopped
        Command1->show();
        Command1->setEnabled(true);
    }
    if (tick.turned)
        for (int k = 0; k < PointPictureGame::MissesPerTurn; ++k)
            RewardWrong(*this);
    Picture1->Move(game_.left(), game_.top());
}

// A hit: a new random photo or word starts at the top of a new column.
void Frmdiangtu::Picture1_Click()
{
    Picture1->clearPicture();
    PlayWave(app(), QStringLiteral("pingturight"));
    RewardRight(*this);
    const int pictures = int(pictures_.size()) - 1;
    MakeRandomOrder(app(), pictures);
    const double span = ScreenSize(app()).width() * Tw - Picture1->Width();
    game_.restartAt(int(std::floor(span * app().services.nextUniform())));
    Picture1->Move(game_.left(), game_.top());
    showPicture(pictures > 0 ? app().RandomOrder[1] : 0);
}

void Frmdiangtu::Form_Click()
{
    PlayWave(app(), QStringLiteral("clickform"));
    RewardWrong(*this);
}

// Through the holder, as the designed window does: a plain copy stretched over the box.
void Frmdiangtu::showPicture(int r)
{
    picture_ = r >= 1 && r < int(pictures_.size()) ? r : 0;
    Picture2->setPicture(picture_ > 0 ? pictures_[size_t(picture_)] : QPixmap());
    Picture1->Cls();
    const QImage& box = Picture1->image();
    if (!Picture2->Picture().isNull())
        Picture1->PaintPicture(Picture2->Picture(), 0, 0, box.width(), box.height());
}
