#pragma once
// How many are there? Up to ten pictures are shown and the child clicks the round card with
// their number; a wrong card is heard and the pictures stay. frmWu_shu counts the course's
// counting pictures one by one, frmQunshu pairs of apples in twos: rows of one table.

#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Shape.h"

#include <QPixmap>
#include <vector>

class PictureCards : public ActivityForm {
    Q_OBJECT
public:
    struct Row {
        const char* name;
        double cardTops[2];
        int step;             // the cards count 1, 2, 3 ... or 2, 4, 6 ...
        bool coursePictures;  // a counting picture of the course each round, or the apple pair
        double roundFontSize; // the cards' size once the rounds begin
    };
    static const Row Rows[2]; // frmWu_shu, frmQunshu

    PictureCards(AppContext& app, const Row& row);

    ControlArray<Image> Image1;
    ControlArray<Label> Label2;
    ControlArray<Shape> Shape1;
    RoundCycle cycle;

    int16_t N = 0; // how many pictures are shown

    void Form_Load() override;

private:
    void Rndnum();
    void Label2_Click(int k);
    void clearPictures();

    const Row& row_;
    std::vector<QPixmap> PictureTable; // 1..n at 0..n-1
};
