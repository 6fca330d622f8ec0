#include "frame/FeedbackPauses.h"

#include "frame/Judgement.h"
#include "ui/Timer.h"

void FeedbackPauses::judge(bool right, int firstPauseMs)
{
    AnswerRight = right;
    PlayJudgement(form_, right);
    first_.start(firstPauseMs);
}

void FeedbackPauses::showJudgement()
{
    first_.stop();
    pictures_.show(AnswerRight);
    second_.start(PicturePauseMs);
}

void FeedbackPauses::endJudgement()
{
    second_.stop();
    pictures_.hide();
}
