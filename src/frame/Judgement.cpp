#include "frame/Judgement.h"

#include "frame/ActivityForm.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

void PlayJudgement(ActivityForm& form, bool right)
{
    PlayWave(form.app(), right ? QStringLiteral("right") : QStringLiteral("error"));
}

void RewardJudgement(ActivityForm& form, bool right)
{
    if (right)
        RewardRight(form);
    else
        RewardWrong(form);
}
