#include "activities/language/TargetLearningForm.h"

#include "activities/language/LessonText.h"
#include "activities/language/Mdlpicwenzhi.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

#include <cmath>

int HitRate(int hits, int misses)
{
    const int answers = hits + misses;
    return answers > 0 ? hits * 100 / answers : 0;
}

const TargetLearningForm::Row TargetLearningForm::Rows[2] = {
    {"Frmtuxgzh", Target::Photo, QRectF(960, 712, 65, 57), "击中率%1%"},
    {"FrmtuxgzhWZ", Target::Word, QRectF(944, 672, 73, 73), "%1 分!"},
};

TargetLearningForm::TargetLearningForm(AppContext& app, const Row& row)
    : ActivityForm(app, QString::fromUtf8(row.name))
    , row_(row)
{
    setBackColor(QColor(0, 192, 192));

    Image2 = make<Image>(QStringLiteral("Image2"));
    Image2->Move(120, 96, 145, 145);
    Image2->setHandCursor();
    connect(Image2, &Control::MouseDown, this, [this] { Image2_MouseDown(); });
    connect(Image2, &Control::MouseUp, this, [this] { Image2_MouseUp(); });

    Image3 = make<Image>(QStringLiteral("Image3"));
    Image3->Move(row.hotSpot.left(), row.hotSpot.top(), row.hotSpot.width(), row.hotSpot.height());
    connect(Image3, &Control::Click, this, [this] { Image3_Click(); });

    Label1 = make<Label>(QStringLiteral("Label1"), QStringLiteral("         "));
    Label1->Move(928, 568, 261, 56);
    Label1->setForeColor(Qt::red);
    Label1->setFont(QStringLiteral("宋体"), 42, true);
    Label1->setTransparent(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoSize(true); // "击中率100%" is wider than the designed label
    Label1->hide();
    connect(Label1, &Control::Click, this, [this] { Label1_Click(); });

    PicWenzhi.setDesigned(makeCaptionTemplate(*this));
}

void TargetLearningForm::Form_Load()
{
    hits_ = 0;
    misses_ = 0;
    app().Score = 0;
    ScaleForm(app(), *this);
    items_ = readLessonItems(*this);
    InitRewards(*this);
    RenderCaptions(app(), PicWenzhi, items_);
    // The launcher has put the photos into ItemPictures; the target shows ItemPictures and
    // pressing it ItemPictures2.
    for (int i = 1; i <= items_.size(); ++i) {
        const QPixmap caption = captionOf(PicWenzhi, i);
        if (row_.target == Target::Photo) {
            app().ItemPictures2[i] = caption;
        } else {
            app().ItemPictures2[i] = app().ItemPictures[i];
            app().ItemPictures[i] = caption;
        }
    }
    NewTarget();
}

// A new random item at a random place below the row of reward faces; the same item may come
// twice in a row.
void TargetLearningForm::NewTarget()
{
    const double faces = ImgFace[0].Height();
    const double a = std::round(ScaleWidth() - Image2->Width());
    const double b = std::round(ScaleHeight() - Image2->Height() - faces);
    app().services.reseedRandom();
    const double x = std::floor(app().services.nextUniform() * a + 1);
    const double y = std::floor(app().services.nextUniform() * b + 1) + faces;
    Image2->Move(x, y);
    const int n = int(items_.size());
    MakeRandomOrder(app(), n);
    target_ = n > 0 ? app().RandomOrder[1] : 0;
    Image2->setPicture(target_ > 0 ? app().ItemPictures[target_] : QPixmap());
}

void TargetLearningForm::Image2_MouseDown()
{
    if (target_ == 0) return;
    Image2->setPicture(app().ItemPictures2[target_]);
    SpeakText(app(), items_[target_ - 1]);
}

void TargetLearningForm::Image2_MouseUp()
{
    ++hits_;
    Image2->clearPicture();
    RewardRight(*this);
    NewTarget();
}

void TargetLearningForm::Form_Click()
{
    ++misses_;
    RewardWrong(*this);
}

// The game pauses while the rate is on show.
void TargetLearningForm::Image3_Click()
{
    Image2->hide();
    Label1->setCaption(QString::fromUtf8(row_.rateText).arg(HitRate(hits_, misses_)));
    // Centred after the text is set, because the label fits its text.
    Label1->Move((ScaleWidth() - Label1->Width()) / 2, (ScaleHeight() - Label1->Height()) / 2);
    Label1->show();
}

void TargetLearningForm::Label1_Click()
{
    Label1->hide();
    Image2->show();
}
