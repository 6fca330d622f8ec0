#include "activities/language/Frmkantshh.h"

#include "activities/language/Characters.h"
#include "activities/language/LessonText.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

Frmkantshh::Frmkantshh(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , row(*this, {QStringLiteral("Picture1"), QRectF(200, 512, 97, 97), QStringLiteral("Picture2"),
                  QRectF(200, 512, 97, 97), 0, false})
{
    Image1 = make<Image>(QStringLiteral("Image1"));
    Image1->Move(376, 128, 305, 289);
    Image1->setHandCursor();
    connect(Image1, &Control::Click, this, [this] { Image1_Click(); });
    connect(Timer2, &Timer::Tick, this, [this] { Timer2_Timer(); });
}

void Frmkantshh::Form_Load()
{
    ScaleForm(app(), *this);
    current_ = 1;
    Image1->setLeft((ScaleWidth() - Image1->Width()) / 2);
    items_ = readLessonItems(*this);
    chuchi();
    InitRewards(*this);
}

// The photo on show and its sentence, one character a tile, side by side in the middle.
void Frmkantshh::chuchi()
{
    if (items_.isEmpty()) return;
    Image1->setPicture(app().ItemPictures[current_]);
    const QStringList characters = charactersOf(readSentence(*this, items_[current_ - 1]));
    std::vector<TileRow::Tile> tiles;
    for (int i = 0; i < characters.size(); ++i)
        tiles.push_back({characters[i], {}, i});
    row.layTiles(1, tiles);
}

void Frmkantshh::Image1_Click()
{
    if (items_.isEmpty()) return;
    current_ = current_ % int(items_.size()) + 1;
    Timer2->start(500);
}

void Frmkantshh::Timer2_Timer()
{
    Timer2->stop();
    row.clear();
    chuchi();
}
