#include "Judgement.h"

#include "ActivityForm.h"
#include "Mdljifeng.h"
#include "Mdlmain.h"

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
