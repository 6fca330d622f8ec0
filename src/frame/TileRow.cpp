#include "frame/TileRow.h"

#include "frame/ActivityForm.h"
#include "shell/core/Mdlmain.h"

#include <cmath>

namespace {

// Every row of tiles takes a drop within 15 pixels of the slot's centre.
constexpr int DropDistance = 15;

PictureBox* makeTemplate(ActivityForm& form, const QString& name, const QRectF& design)
{
    auto* box = form.make<PictureBox>(name);
    box->Move(design.left(), design.top(), design.width(), design.height());
    box->setBorder(true);
    box->hide();
    return box;
}

PictureBox& element(ControlArray<PictureBox>& array, int i)
{
    return i == 0 ? array[0] : array.Load(i);
}

} // namespace

TileRow::TileRow(ActivityForm& form, const Design& design, std::function<void(int)> placed)
    : form_(form)
    , design_(design)
    , onPlaced_(placed ? std::move(placed) : [](int) {})
    , drag_(form, DropDistance,
            {.targetOf = [this](int i) -> Control* {
                 if (i < 0 || i >= int(slotOf_.size())) return nullptr;
                 PictureBox* slot = slotBoxes.at(slotOf_[i]);
                 return slot && slot->Visible() ? slot : nullptr;
             },
             .hit = [this](int i) { drop(i); }})
{
    tiles.setDesigned(makeTemplate(form, design.tileName, design.tile));
    slotBoxes.setDesigned(makeTemplate(form, design.slotName, design.slot));
    if (design.dragged) drag_.follow(tiles);
}

double TileRow::placeLeft(int count, int place) const
{
    const double step = std::round(tiles[0].Width()) + design_.gap;
    return (form_.ScaleWidth() - step * count) / 2 + step * place;
}

void TileRow::layTiles(int first, const std::vector<Tile>& row)
{
    const int count = int(row.size());
    names_.assign(first + count, QString());
    slotOf_.assign(first + count, -1);
    const double points = design_.textPoints * form_.app().ScaleX;
    for (int j = 0; j < count; ++j) {
        const Tile& face = row[j];
        const int i = first + j;
        PictureBox& tile = element(tiles, i);
        tile.raise();
        tile.Cls();
        if (face.picture.isNull()) {
            tile.setFont(QStringLiteral("黑体"), points, true);
            tile.Print(face.name);
        } else {
            tile.PaintPicture(face.picture, 0, 0, tile.width(), tile.height());
        }
        tile.Move(placeLeft(count, face.place), tiles[0].Top());
        tile.show();
        names_[i] = face.name;
        slotOf_[i] = face.slot;
    }
}

void TileRow::laySlots(int first, int count, const std::vector<QPixmap>& faces)
{
    firstSlot_ = first;
    slotCount_ = count;
    filledBy_.assign(count, -1);
    for (int j = 0; j < count; ++j) {
        PictureBox& slot = element(slotBoxes, first + j);
        slot.Cls();
        slot.Move(placeLeft(count, j), slotBoxes[0].Top());
        if (j < int(faces.size()) && !faces[j].isNull())
            slot.PaintPicture(faces[j], 0, 0, slot.width(), slot.height());
        slot.show();
    }
}

void TileRow::clear()
{
    tiles.UnloadAllButFirst();
    slotBoxes.UnloadAllButFirst();
    for (PictureBox* box : {&tiles[0], &slotBoxes[0]}) {
        box->clearPicture();
        box->Cls();
        box->hide();
    }
    names_.clear();
    slotOf_.clear();
    filledBy_.clear();
    slotCount_ = 0;
    placed_ = 0;
}

QStringList TileRow::built() const
{
    QStringList read;
    for (int tile : filledBy_)
        read << (tile >= 0 ? names_[tile] : QString());
    return read;
}

// The tile lands in its slot: the slot shows it from now on, and the tile is gone.
void TileRow::drop(int i)
{
    PictureBox& tile = tiles[i];
    PictureBox& slot = slotBoxes[slotOf_[i]];
    ++placed_;
    PlayWave(form_.app(), QStringLiteral("pingturight"));
    BitBlt(slot, 0, 0, tile.width(), tile.height(), tile, 0, 0, design_.intoSlot);
    const int k = slotOf_[i] - firstSlot_;
    if (k >= 0 && k < int(filledBy_.size())) filledBy_[k] = i;
    tile.clearPicture();
    tile.Cls();
    tile.hide();
    onPlaced_(i);
}
