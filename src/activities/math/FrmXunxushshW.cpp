#include "activities/math/FrmXunxushshW.h"

#include "frame/Judgement.h"
#include "shell/core/Mdlmain.h"

FrmXunxushshW::FrmXunxushshW(AppContext& app)
    : OrdinalRow(app, QStringLiteral("FrmXunxushshW"), 432, 88, Strip::WithRewards,
                 OnWrong::ShowNothing)
{
}

int FrmXunxushshW::drawNumber()
{
    MakeRandomOrder2(app(), 10);
    return app().RandomOrder2[2];
}

// The star strip moves only when the next row comes.
void FrmXunxushshW::rewardNewRow()
{
    RewardJudgement(*this, AnswerRight());
}
