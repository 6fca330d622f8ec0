#include "activities/math/ResultCard.h"

#include <QPaintEvent>
#include <QPainter>

const SumRow ResultCard::Rows[3] = {
    {"frmNumjia", "加法", '+', "数字", RoundCycle::Sound::RightOrError, true},
    {"frmNumjiang", "减法", '-', "数字", RoundCycle::Sound::RightOrError, true},
    {"Frmpicjia", "加法", '+', "苹果", RoundCycle::Sound::Silent, false},
};

namespace {

constexpr double AnswerLeft = 656;
const SumForm::Layout CardLayout{136, 176, {328, 568}, {432, 320}, {440, 328}, "Timer1"};

} // namespace

ResultCard::ResultCard(AppContext& app, const SumRow& row)
    : CardSum(app, row, CardLayout, AnswerLeft)
{
    Image5 = makePicture(QStringLiteral("Image5"), AnswerLeft, CardLayout.placesTop, 145, 145);
    Picture1->raise(); // the empty box lies over the answer place
    Timer1 = &pauseTimer();
    if (row.scribbles) pen_.emplace(*this);
}

void ResultCard::showProblem()
{
    Image1[0].setPicture(numbers.of(problems.FirstNumber));
    Image1[1].setPicture(numbers.of(problems.SecondNumber));
    Image5->clearPicture();
    Picture1->show();
}

// Any of the three pictures wipes the drawing; the check also has the answer judged.
void ResultCard::Image6_Click(int i)
{
    if (pen_) pen_->wipe();
    CardSum::Image6_Click(i);
}

void ResultCard::Form_MouseDown(Qt::MouseButton button, double x, double y)
{
    if (pen_ && button == Qt::LeftButton) pen_->press(QPointF(x, y));
}

void ResultCard::Form_MouseMove(Qt::MouseButtons buttons, double x, double y)
{
    if (pen_ && (buttons & Qt::LeftButton)) pen_->drawTo(QPointF(x, y));
}

void ResultCard::paintEvent(QPaintEvent* e)
{
    CardSum::paintEvent(e);
    if (!pen_) return;
    QPainter p(this);
    pen_->paint(p, e->rect());
}
