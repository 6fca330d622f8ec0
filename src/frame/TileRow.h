#pragma once
// A row of tiles and a row of slots: the child drags every tile into the slot it belongs in,
// and the slots then read as the answer (a word, a sentence, numbers in order). Each row is
// centred on the window with its tiles side by side; a tile shows a character or a picture.
// A tile dropped on its own slot is copied into it and disappears ("pingturight"); anywhere
// else it goes back to where it was picked up ("mousemove"). Tiles and slots are elements of
// two picture-box arrays whose hidden element 0 is the template of their size and place:
// a window that changes the size of its boxes moves the templates before it lays a row.

#include "frame/DragAndDrop.h"
#include "ui/ControlArray.h"
#include "ui/PictureBox.h"

#include <QPixmap>
#include <QRectF>
#include <QStringList>
#include <functional>
#include <vector>

class ActivityForm;

class TileRow {
public:
    struct Design {
        QString tileName; // the designed names of the two arrays
        QRectF tile;      // template of the tiles, design pixels
        QString slotName;
        QRectF slot;         // template of the slots
        double gap = 0;      // window pixels between neighbours of a row
        bool dragged = true; // false: the tiles are only shown
        RasterOp intoSlot = RasterOp::Copy;
        double textPoints = 65; // the printed character, 黑体 bold, times ScaleX
    };

    struct Tile {
        QString name;    // what the tile stands for: its character, or what its picture shows
        QPixmap picture; // stretched over the tile; without one the name is printed
        int place;       // in the row of tiles, from 0 on the left
        int slot = -1;   // the element of the slot it belongs in; -1: no slot takes it
    };

    // placed(tile) follows every tile that lands in its slot.
    TileRow(ActivityForm& form, const Design& design, std::function<void(int tile)> placed = {});
    TileRow(const TileRow&) = delete;
    TileRow& operator=(const TileRow&) = delete;

    ControlArray<PictureBox> tiles;
    ControlArray<PictureBox> slotBoxes; // the slots ("slots" is a word Qt keeps for itself)

    // Lays tiles as elements first, first + 1, ... in a row of tiles.size() places.
    void layTiles(int first, const std::vector<Tile>& row);
    // Lays count empty slots as elements first, first + 1, ... in reading order; with faces,
    // slot j shows faces[j] stretched over it from the start (a row already filled in).
    void laySlots(int first, int count, const std::vector<QPixmap>& faces = {});
    // Removes every tile and slot but the templates, and clears the templates.
    void clear();

    int placed() const { return placed_; }
    // Every slot holds its tile.
    bool complete() const { return slotCount_ > 0 && placed_ == slotCount_; }
    // The names of the tiles in the slots, in reading order; an empty slot reads "".
    QStringList built() const;
    // The left edge of a place in a centred row of count places.
    double placeLeft(int count, int place) const;

private:
    void drop(int tile);

    ActivityForm& form_;
    Design design_;
    std::function<void(int)> onPlaced_;
    DragAndDrop drag_;
    std::vector<QString> names_; // by tile element
    std::vector<int> slotOf_;    // by tile element
    std::vector<int> filledBy_;  // by slot, in reading order: the tile in it, or -1
    int firstSlot_ = 0;
    int slotCount_ = 0;
    int placed_ = 0;
};
