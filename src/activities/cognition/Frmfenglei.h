#pragma once
// Classification: the pictures of two neighbouring categories lie mixed in a grid, the name
// of the first stands above them, and the child clicks every picture that belongs to it.
// Each such click gets a tick; a picture of the other category deals the whole grid afresh.
// No sound: the reward comes when the category is complete.

#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"

#include <QStringList>
#include <vector>

class Frmfenglei : public ActivityForm {
    Q_OBJECT
public:
    Frmfenglei(AppContext& app, const QString& name);

    Label* Label1;        // the category to find
    PictureBox* Picture1; // the frame of the grid
    ControlArray<Image> Image2;
    RoundCycle cycle;

    QStringList Categories;
    int CategoryCount = 0;
    int CategoryIndex = 1;
    int FirstCount = 0;
    int SecondCount = 0;
    int FoundCount = 0;

    void Form_Load() override;

    // Whether grid picture k belongs to the named category.
    bool isNamed(int k) const { return k < int(deal_.size()) && deal_[k] <= FirstCount; }

private:
    // Reads the names and pictures of the current pair (or the next one that has pictures
    // in both categories); false when there is none, and then the window has closed.
    bool Allpic();
    void LayoutPictures();
    void Zairu();
    void Image2_Click(int k);
    void nextCategory();

    std::vector<int> deal_; // the picture of each grid place, 1..FirstCount the named ones
    QPixmap tick_;
    QPixmap cross_;
};
