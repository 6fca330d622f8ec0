#include "activities/language/TileBuildingForm.h"

#include "shell/core/Mdlmain.h"

TileBuildingForm::TileBuildingForm(AppContext& app, const QString& name,
                                   const TileRow::Design& design)
    : ActivityForm(app, name)
    , row(*this, design,
          [this](int) {
              if (!row.complete()) return;
              roundBuilt();
              cycle.answer(true);
          })
    , cycle(*this,
            {.reward = RoundCycle::Reward::AtAnswer, .rightSound = "win", .wrongSound = nullptr},
            Feedback::Pause{*Timer2, 2000}, {.nextRound = [this] {
                row.clear();
                chuchi();
            }})
{
}

void TileBuildingForm::layCharacters(const QStringList& characters, int slotCount)
{
    const int total = int(characters.size());
    MakeRandomOrder2(app(), total);
    std::vector<TileRow::Tile> tiles;
    for (int j = 1; j <= total; ++j)
        tiles.push_back(
            {characters[j - 1], {}, app().RandomOrder2[j] - 1, j <= slotCount ? j : -1});
    row.layTiles(1, tiles);
    row.laySlots(1, slotCount);
}
