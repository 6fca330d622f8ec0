#pragma once
// Picture arrangement: the pictures of a sequence lie shuffled in an upper row, and the
// child drags each onto its place in the empty lower row, which stands in sequence order.
// A picture dropped anywhere but within 15 pixels of its own place goes back. When all are
// placed a happy face shows for a second, the score goes up, and the sequence is shuffled
// again.

#include "frame/ActivityForm.h"
#include "frame/DragAndDrop.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

#include <QStringList>
#include <array>
#include <vector>

class FrmTupiangPl : public ActivityForm {
    Q_OBJECT
public:
    FrmTupiangPl(AppContext& app, const QString& name);

    ControlArray<PictureBox> Picture2; // the pictures to drag
    ControlArray<PictureBox> Picture1; // their places, in sequence order
    Image* Image3;                     // size of the largest box
    Image* Image5;                     // size of the smallest box
    Image* Image1;                     // the face of a finished arrangement
    Timer* Timer2;
    RoundCycle cycle;
    DragAndDrop drag;

    std::array<QPixmap, 101> PictureTable;
    int PlacedCount = 0;

    void Form_Load() override;

    // The place (lower box) of upper box k.
    int placeOf(int k) const { return deal_.at(k) - 1; }
    int itemCount() const { return int(sequence_.size()); }

private:
    // Reads the list and its pictures, builds both rows and deals the pictures; false when
    // there is no sequence to arrange, and then the window has closed.
    bool zhaiRu();
    void placed(int k);
    void PangDuang();

    QStringList sequence_;
    std::vector<int> deal_;
};
