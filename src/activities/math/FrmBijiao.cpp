#include "activities/math/FrmBijiao.h"

#include "shell/core/Mdlmain.h"

FrmBijiao::FrmBijiao(AppContext& app)
    : ComparisonForm(app, QStringLiteral("FrmBijiao"))
{
}

int FrmBijiao::drawAskedWord()
{
    MakeRandomOrder2(app(), 2);
    return app().RandomOrder2[1];
}

// Leaves the comparison; the question still being spoken is cut short.
void FrmBijiao::ImgBack_Click()
{
    PlayWave(app(), QStringLiteral("无"));
    ComparisonForm::ImgBack_Click();
}
