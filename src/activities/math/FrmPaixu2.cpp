#include "activities/math/FrmPaixu2.h"

#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

namespace {

// Where the two rows stand, in design pixels from the top and (negative) the bottom.
constexpr double OrderedTop = 100;
constexpr double ShuffledTop = -250;

} // namespace

FrmPaixu2::FrmPaixu2(AppContext& app, const QString& name)
    : SortingRowsForm(app, name,
                      {.tileName = QStringLiteral("Picture1"),
                       .tile = {48, 568, 169, 169},
                       .slotName = QStringLiteral("Picture2"),
                       .slot = {200, 136, 169, 169},
                       .gap = 2,
                       .dragged = false})
    , cycle(*this, {.afterWrong = RoundCycle::AfterWrong::SameAgain},
            Feedback::PauseWhenRight{*Timer1, 1000}, {.nextRound = [this] {
                row.clear();
                zhaiRu();
            }})
{
    Picture1[0].setHandCursor();
    Picture1.onClick([this](int index) { Picture1_Click(index); });
    Picture3 = make<PictureBox>(QStringLiteral("Picture3"));
    Picture3->Move(232, 320, 169, 169);
    Picture3->setBackColor(Qt::white);
    Picture3->setBorder(true);
    repeatsInstruction(*Picture3);
}

void FrmPaixu2::Form_Load()
{
    RightCount = 0;
    ScaleForm(app(), *this);
    InitRewards(*this);
    zhaiRu();
}

// A new question: the level in order with one number covered, and the numbers shuffled.
void FrmPaixu2::zhaiRu()
{
    Picture3->hide();
    const int n = readLevel(ShuffledTop, OrderedTop);
    if (n == 0) return;
    MakeRandomOrder(app(), n);
    MakeRandomOrder2(app(), n);
    std::vector<TileRow::Tile> shuffled;
    std::vector<QPixmap> ordered;
    for (int i = 1; i <= n; ++i) {
        const int item = app().RandomOrder[i];
        shuffled.push_back({levels.items()[item - 1], levels.picture(item), i - 1});
        ordered.push_back(levels.picture(i));
    }
    row.layTiles(0, shuffled);
    row.laySlots(0, n, ordered);
    const PictureBox& hidden = Picture2[app().RandomOrder2[1] - 1];
    Picture3->Move(hidden.Left(), hidden.Top(), hidden.Width(), hidden.Height());
    Picture3->show();
    Picture3->raise();
}

// Right when the clicked number is the covered one.
void FrmPaixu2::Picture1_Click(int index)
{
    // The right answer is already being shown: a second click must not count it twice.
    if (cycle.isShowing() || Picture3->isHidden()) return;
    const bool right = app().RandomOrder[index + 1] == app().RandomOrder2[1];
    if (right) {
        if (++RightCount == levels.count()) {
            RightCount = 0;
            ++levels.level;
        }
        Picture3->lower();
    }
    cycle.answer(right);
}
