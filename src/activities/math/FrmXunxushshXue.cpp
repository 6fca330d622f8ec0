#include "activities/math/FrmXunxushshXue.h"

FrmXunxushshXue::FrmXunxushshXue(AppContext& app)
    : CountingRow(app, {QStringLiteral("FrmXunxushshXue"), 272, true, Strip::WithRewards, {}})
{
}

// Shows the position number of the clicked picture; after the tenth, a moment to look at
// the whole row before the next one.
void FrmXunxushshXue::Image1_Click(int k)
{
    ++ClickCount;
    markCell(k);
    if (ClickCount == 10) Timer1->start(1000);
}
