#include "activities/cognition/FrmShunxutl.h"

#include "activities/cognition/SequenceList.h"
#include "frame/Mdljifeng.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"
#include "ui/Artwork.h"

namespace {

constexpr double Gap = 5;
const QColor Teal(0, 192, 192);

} // namespace

FrmShunxutl::FrmShunxutl(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , cycle(*this, {.sound = RoundCycle::Sound::Silent, .reward = RoundCycle::Reward::AtAnswer},
            Feedback::None{},
            {.nextRound =
                 [this] {
                     Image3.UnloadAllButFirst();
                     ShowSequenceItem();
                     Zhair();
                 },
             .sameAgain =
                 [this] {
                     Image1[1].show();
                     Image1[0].hide();
                 }})
{
    setBackColor(Teal);
    Image2 = make<Image>(QStringLiteral("Image2"));
    Image2->Move(384, 80, 265, 265);
    Image2->setStretch(true);
    repeatsInstruction(*Image2);

    auto* candidate = make<Image>(QStringLiteral("Image3"));
    candidate->Move(72, 600, 129, 129);
    candidate->setStretch(true);
    candidate->setHandCursor();
    Image3.setDesigned(candidate);
    Image3.onClick([this](int k) { Image3_Click(k); });

    const QPixmap judgements[2] = {Artwork::good(), Artwork::bad()};
    for (int i = 0; i < 2; ++i) {
        auto* judgement = make<Image>(QStringLiteral("Image1"));
        judgement->Move(472, 392, 101, 94);
        judgement->setStretch(true);
        judgement->setPicture(judgements[i]);
        judgement->hide();
        Image1.setDesigned(i, judgement);
    }
}

void FrmShunxutl::Form_Load()
{
    AppContext& a = app();
    ScaleForm(a, *this);
    InitRewards(*this);
    QStringList lessonItems;
    if (!a.CurrentLesson.isEmpty()) {
        LoadCourseItems(a, *Txtini, QStringLiteral("课程图片"), a.CurrentLesson,
                        QStringLiteral("课程"));
        lessonItems = ItemsJustRead(a, *Txtini);
    }
    sequence_ = ReadSequenceList(*this);
    if (!SequenceCanBePlayed(*this, sequence_)) return;
    preparePictures(lessonItems);
    fitRowToWindow();
    ShowSequenceItem();
    Zhair();
}

void FrmShunxutl::preparePictures(const QStringList& lessonItems)
{
    if (lessonItems == sequence_) return; // the chooser has put them in ItemPictures
    AppContext& a = app();
    a.services.warn(
        QStringLiteral("FrmShunxutl: the lesson \"%1\" is not the sequence of 顺序推理; "
                       "the sequence's own pictures are shown")
            .arg(a.CurrentLesson));
    for (int i = 1; i <= sequence_.size(); ++i)
        a.ItemPictures[i] = LoadSequencePicture(a, sequence_[i - 1]);
}

// A sequence too long for one row of the designed candidates gets smaller candidates.
void FrmShunxutl::fitRowToWindow()
{
    const int n = int(sequence_.size());
    const double fitting = ScaleWidth() / n - Gap;
    Image& first = Image3[0];
    if (first.Width() > fitting) first.Move(first.Left(), first.Top(), fitting, fitting);
}

// Any item but the last, which has no item after it.
void FrmShunxutl::ShowSequenceItem()
{
    AppContext& a = app();
    MakeRandomOrder2(a, int(sequence_.size()) - 1);
    shown_ = a.RandomOrder2[1];
    Image2->setPicture(a.ItemPictures[shown_]);
}

// The whole sequence shuffled into a row, centred with gaps of 5 pixels.
void FrmShunxutl::Zhair()
{
    AppContext& a = app();
    const int n = int(sequence_.size());
    Image1[0].hide();
    Image1[1].hide();
    for (int r = 1; r < n; ++r)
        Image3.Load(r);
    MakeRandomOrder(a, n);
    deal_.assign(a.RandomOrder.begin() + 1, a.RandomOrder.begin() + 1 + n);
    const double pitch = Image3[0].Width() + Gap;
    for (int r = 0; r < n; ++r) {
        Image3[r].setPicture(a.ItemPictures[deal_[r]]);
        Image3[r].setLeft((ScaleWidth() - pitch * n) / 2 + pitch * r);
        Image3[r].show();
    }
}

// Right for any candidate named like the item after the shown one.
void FrmShunxutl::Image3_Click(int k)
{
    cycle.answer(sequence_[deal_[k] - 1] == sequence_[shown_]);
}
