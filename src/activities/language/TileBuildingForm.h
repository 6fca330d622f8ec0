#pragma once
// Building a word or a sentence from its characters: the characters are shuffled into a row of
// tiles, and the child drags each one into its own slot of a row of empty slots, in reading
// order. When every slot holds its character the round is rewarded with "win", and two
// seconds later the next round begins. The windows say what is built and what is shown
// beside it.

#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "frame/TileRow.h"
#include "ui/Timer.h"

class TileBuildingForm : public ActivityForm {
    Q_OBJECT
public:
    TileBuildingForm(AppContext& app, const QString& name, const TileRow::Design& design);

    Timer* Timer2 = makeTimer(QStringLiteral("Timer2"));
    TileRow row;
    ControlArray<PictureBox>& Picture1 = row.tiles;
    ControlArray<PictureBox>& Picture2 = row.slotBoxes;
    RoundCycle cycle;

protected:
    // Sets up a new round.
    virtual void chuchi() = 0;
    // The last character went into its slot, just before the reward.
    virtual void roundBuilt() {}

    // Tiles 1.. for the characters at the places of a fresh RandomOrder2, and slots 1..slotCount
    // for the first characters: tile j belongs in slot j.
    void layCharacters(const QStringList& characters, int slotCount);
};
