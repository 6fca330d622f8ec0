#include "activities/math/FrmXunxushshLX.h"

#include "shell/core/Mdlmain.h"

FrmXunxushshLX::FrmXunxushshLX(AppContext& app)
    : OrdinalRow(app, QStringLiteral("FrmXunxushshLX"), 488, 72, Strip::WithoutRewards,
                 OnWrong::ShowTheRightCell)
{
}

int FrmXunxushshLX::drawNumber()
{
    MakeRandomOrder3(app(), 10);
    return app().RandomOrder3[2];
}
