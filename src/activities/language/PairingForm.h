#pragma once
// Picture–word pairing: a row of up to six pictures at the top, their partners in a row at the
// bottom, both shuffled over the same places. The child drags every top picture onto its own
// partner, which then wears a smiling face; when all pairs of the round are placed the round
// is rewarded with "win", and a new round with a new choice of items follows at once.
// "图字配对" (FrmpeiduiTu_zhi) drags photos onto words, "字图配对" (FrmpeiduiZhi_tu) words onto
// photos; they are the two rows of one table.

#include "frame/ActivityForm.h"
#include "frame/DragAndDrop.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

#include <vector>

class PairingForm : public ActivityForm {
    Q_OBJECT
public:
    enum class OnTop { Photos, Words };

    struct Row {
        const char* name;
        OnTop onTop; // what the child drags; the targets show the other kind
    };
    static const Row Rows[2]; // FrmpeiduiTu_zhi, FrmpeiduiZhi_tu

    static constexpr int MaxPairs = 6;

    PairingForm(AppContext& app, const Row& row);

    ControlArray<PictureBox> Picture3; // dragged, top row
    ControlArray<PictureBox> Picture1; // targets, bottom row
    Image* Image1;                     // the face stamped on a placed target
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2"));
    ControlArray<PictureBox> PicWenzhi;
    DragAndDrop drag;
    RoundCycle cycle;

    // Pairs of a round, and how many of them are placed.
    int pairs() const { return std::min(int(items_.size()), MaxPairs); }
    int placed() const { return placed_; }

    void Form_Load() override;

private:
    void NewRound();
    void DingWei();
    void PangDuang();
    void placePair(int i);

    const Row& row_;
    QStringList items_;
    std::vector<QPixmap> photos_; // by item, from 1
    int placed_ = 0;
};
