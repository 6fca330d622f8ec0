#include "activities/math/Frmpaixu.h"

#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"
#include "ui/Artwork.h"

namespace {

// Where the two rows stand, in design pixels from the top and (negative) the bottom.
constexpr double TilesTop = 100;
constexpr double SlotsTop = -200;
constexpr double FaceSide = 185;

} // namespace

Frmpaixu::Frmpaixu(AppContext& app, const QString& name)
    : SortingRowsForm(app, name,
                      {.tileName = QStringLiteral("Picture2"),
                       .tile = {208, 112, 169, 169},
                       .slotName = QStringLiteral("Picture1"),
                       .slot = {56, 568, 169, 169},
                       .intoSlot = RasterOp::And},
                      [this](int) {
                          if (!row.complete()) return;
                          ++levels.level;
                          Image1->show();
                          cycle.answer(true);
                      })
    , cycle(*this,
            {.sound = RoundCycle::Sound::Silent, .reward = RoundCycle::Reward::WithNextRound},
            Feedback::Pause{*Timer2, 1000}, {.nextRound = [this] { PangDuang(); }})
{
    // An empty place is white, so a number copied into it by AND shows as it is.
    Picture1[0].setBackColor(Qt::white);
    Picture2[0].setHandCursor();
    Image1 = make<Image>(QStringLiteral("Image1"));
    Image1->Move(0, 0, FaceSide, FaceSide);
    Image1->setStretch(true);
    Image1->setPicture(Artwork::face());
    repeatsInstruction(*Image1);
}

void Frmpaixu::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    Image1->Move((ScaleWidth() - Image1->Width()) / 2, (ScaleHeight() - Image1->Height()) / 2);
    zhaiRu();
}

// Lays the level: its numbers shuffled in the top row, empty places below.
void Frmpaixu::zhaiRu()
{
    Image1->hide();
    const int n = readLevel(TilesTop, SlotsTop);
    if (n == 0) return;
    MakeRandomOrder(app(), n);
    std::vector<TileRow::Tile> tiles;
    for (int j = 0; j < n; ++j) {
        const int item = app().RandomOrder[j + 1];
        tiles.push_back({levels.items()[item - 1], levels.picture(item), j, item - 1});
    }
    row.layTiles(0, tiles);
    row.laySlots(0, n);
}

// The level is done: the next one.
void Frmpaixu::PangDuang()
{
    PlayWave(app(), QStringLiteral("win"));
    row.clear();
    zhaiRu();
}
