#include "activities/language/RecognitionForm.h"

#include "activities/language/LessonText.h"
#include "activities/language/Marks.h"
#include "activities/language/Mdlpicwenzhi.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

namespace {

constexpr int PerPage = 5;
constexpr double Gap = 5;

} // namespace

const RecognitionForm::Row RecognitionForm::Rows[2] = {
    {"FrmTu_zhi", Question::Photo, QRectF(40, 576, 65, 145)},
    {"FrmZhi_tu", Question::Word, QRectF(48, 576, 65, 153)},
};

RecognitionForm::RecognitionForm(AppContext& app, const Row& row)
    : ActivityForm(app, QString::fromUtf8(row.name))
    , cycle(*this,
            {.sound = RoundCycle::Sound::RightOrError,
             .reward = RoundCycle::Reward::WithNextRound,
             .afterWrong = RoundCycle::AfterWrong::SameAgain},
            Feedback::PauseWhenRight{*Timer1, 1000},
            {.nextRound =
                 [this] {
                     hideMarks();
                     NextQuestion();
                 }})
    , row_(row)
{
    Image2 = make<Image>(QStringLiteral("Image2"));
    Image2->Move(384, 80, 265, 265);
    repeatsInstruction(*Image2);

    auto* answer = make<Image>(QStringLiteral("Image3"));
    answer->Move(112, 576, 145, 145);
    answer->setHandCursor();
    Image3.setDesigned(answer);
    Image3.onClick([this](int index) { Image3_Click(index); });

    const QRectF arrows[2] = {row.previousArrow, QRectF(904, 576, 65, 145)};
    const QPixmap arrowPictures[2] = {Marks::previousPage(), Marks::nextPage()};
    for (int i = 0; i < 2; ++i) {
        auto* arrow = make<Image>(QStringLiteral("Image5"));
        arrow->Move(arrows[i].left(), arrows[i].top(), arrows[i].width(), arrows[i].height());
        arrow->setPicture(arrowPictures[i]);
        arrow->setHandCursor();
        Image5.setDesigned(i, arrow);
    }
    Image5.onClick([this](int index) { Image5_Click(index); });

    const QPixmap marks[2] = {Marks::tick(), Marks::cross()};
    for (int i = 0; i < 2; ++i) {
        auto* mark = make<Image>(QStringLiteral("Image1"));
        mark->Move(472, 408, 101, 94);
        mark->setPicture(marks[i]);
        mark->hide();
        Image1.setDesigned(i, mark);
    }

    PicWenzhi.setDesigned(makeCaptionTemplate(*this));
}

void RecognitionForm::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    items_ = readLessonItems(*this);
    RenderCaptions(app(), PicWenzhi, items_);
    // The launcher has put the lesson's photos into ItemPictures; the question is asked from
    // ItemPictures2 and the answers are shown from ItemPictures.
    for (int i = 1; i <= items_.size(); ++i) {
        const QPixmap caption = captionOf(PicWenzhi, i);
        if (row_.question == Question::Photo) {
            app().ItemPictures2[i] = app().ItemPictures[i];
            app().ItemPictures[i] = caption;
        } else {
            app().ItemPictures2[i] = caption;
        }
    }
    for (int i = 1; i < PerPage; ++i)
        Image3.Load(i);
    NextQuestion();
    Zhair();
}

// A fresh draw: the same item may be asked twice in a row.
void RecognitionForm::NextQuestion()
{
    const int n = int(items_.size());
    MakeRandomOrder2(app(), n);
    question_ = n > 0 ? app().RandomOrder2[1] : 0;
    Image2->setPicture(question_ >= 1 && question_ <= n ? app().ItemPictures2[question_]
                                                        : QPixmap());
}

// The first page of answers, centred, with the next arrow when there are more.
void RecognitionForm::Zhair()
{
    hideMarks();
    for (int i = 0; i < 2; ++i)
        Image5[i].hide();
    page_ = 0;
    const int n = int(items_.size());
    const int shown = std::min(n, PerPage);
    const double step = Image3[0].Width() + Gap;
    for (int i = shown; i < PerPage; ++i)
        Image3[i].hide();
    for (int i = 0; i < shown; ++i) {
        Image3[i].setLeft((ScaleWidth() - step * shown) / 2 + step * i);
        Image3[i].setPicture(answerPicture(i + 1));
        Image3[i].show();
    }
    if (n > PerPage) {
        Image5[1].setLeft(Image3[PerPage - 1].Left() + step);
        Image5[1].setEnabled(true);
        Image5[1].show();
    }
}

// Right when the chosen answer has the question's name: two items of one name are one answer.
// A place left empty on the last page answers with no item and is wrong.
void RecognitionForm::Image3_Click(int index)
{
    const int chosen = PerPage * page_ + index + 1;
    const int n = int(items_.size());
    const bool right = question_ >= 1 && question_ <= n && chosen <= n &&
                       items_[chosen - 1] == items_[question_ - 1];
    Image1[0].setVisible(right);
    Image1[1].setVisible(!right);
    cycle.answer(right);
}

void RecognitionForm::Image5_Click(int index)
{
    const int n = int(items_.size());
    if (index == 1) {
        Image5[0].setLeft(Image3[0].Left() - Image5[0].Width() - Gap);
        Image5[0].setEnabled(true);
        Image5[0].show();
        ++page_;
        // The next arrow goes with the first page that has an empty place, so a lesson that
        // fills its last page exactly shows one empty page.
        if (PerPage * page_ + PerPage > n) {
            Image5[1].hide();
            Image5[1].setEnabled(false);
        }
    } else {
        Image5[1].setEnabled(true);
        Image5[1].show();
        if (--page_ < 1) {
            page_ = 0;
            Image5[0].hide();
            Image5[0].setEnabled(false);
        }
    }
    showPage();
}

void RecognitionForm::showPage()
{
    for (int i = 0; i < PerPage; ++i)
        Image3[i].setPicture(answerPicture(PerPage * page_ + i + 1));
}

void RecognitionForm::hideMarks()
{
    Image1[0].hide();
    Image1[1].hide();
}

QPixmap RecognitionForm::answerPicture(int item) const
{
    return item >= 1 && item <= items_.size() ? app().ItemPictures[item] : QPixmap();
}
