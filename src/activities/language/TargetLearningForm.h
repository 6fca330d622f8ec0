#pragma once
// "多图学习" and "文字学习": one target of the lesson at a random place. Pressing it shows the
// other side of the item (the word of a photo, the photo of a word) and says the name;
// letting go counts a hit, rewards it and brings a new random target elsewhere. A click
// beside it counts a miss. A hidden spot in the lower right corner shows the hit rate.
// The two windows are the rows of one table.

#include "frame/ActivityForm.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"

#include <QRectF>
#include <QStringList>

// The share of hits in per cent, rounded down; 0 before the first answer.
int HitRate(int hits, int misses);

class TargetLearningForm : public ActivityForm {
    Q_OBJECT
public:
    enum class Target { Photo, Word }; // what the target shows before it is pressed

    struct Row {
        const char* name;
        Target target;
        QRectF hotSpot; // Image3, design pixels
        // The rate as the label shows it; %1 is the number.
        const char* rateText;
    };
    static const Row Rows[2]; // Frmtuxgzh, FrmtuxgzhWZ

    TargetLearningForm(AppContext& app, const Row& row);

    Image* Image2; // the target
    Image* Image3; // the hot spot for the rate
    Label* Label1; // the rate
    ControlArray<PictureBox> PicWenzhi;

    int hits() const { return hits_; }
    int misses() const { return misses_; }
    // The item on the target, 1..n (0 for an empty lesson).
    int target() const { return target_; }

    void Form_Load() override;
    void Form_Click() override;

private:
    void NewTarget();
    void Image2_MouseDown();
    void Image2_MouseUp();
    void Image3_Click();
    void Label1_Click();

    const Row& row_;
    QStringList items_;
    int hits_ = 0;
    int misses_ = 0;
    int target_ = 0;
};
