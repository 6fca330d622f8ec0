#include "activities/math/FrmXunxushshXue.h"

FrmXunxushshXue::FrmXunxushshXue(AppContext& app, const QString& name)
    : CountingRow(app, name,
                  {272,
                   true,
                   Strip::WithRewards,
                   std::nullopt,
                   {.sound = RoundCycle::Sound::Silent,
                    .reward = RoundCycle::Reward::Never,
                    .afterWrong = RoundCycle::AfterWrong::NextRound},
                   1000})
{
}

// Shows the position number of the clicked picture; after the tenth, a moment to look at
// the whole row before the next one.
void FrmXunxushshXue::Image1_Click(int k)
{
    ++ClickCount;
    markCell(k);
    if (ClickCount == 10) cycle.answer(true);
}
