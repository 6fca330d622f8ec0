#pragma once
// Take as many as the number says: the child drags the picture into the white boxes once
// for each thing to take (a drop lands within 10 pixels of a box's centre and leaves a copy
// of the picture there, the picture itself goes back), then clicks "OK". Right or wrong, a
// new number and a new picture follow.

#include "frame/ActivityForm.h"
#include "frame/DragAndDrop.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Shape.h"

#include <QPixmap>
#include <vector>

class FrmShu_wu : public ActivityForm {
    Q_OBJECT
public:
    FrmShu_wu(AppContext& app, const QString& name);

    PictureBox* Picture2;              // the picture to drag
    ControlArray<PictureBox> Picture1; // the ten boxes
    Shape* Shape1;
    Label* Label2; // the number
    Shape* Shape2;
    Label* Label1; // "OK"
    DragAndDrop drag;
    RoundCycle cycle;

    int16_t ClickCount = 0; // drops in this round
    int16_t N = 0;

    void Form_Load() override;

private:
    void zhaiRu();
    void Picture2_MouseUp();
    void PangDuang();
    Label* makeRoundLabel(const QString& name, const QString& discName, double left, double top,
                          double height, Shape*& disc);

    std::vector<QPixmap> PictureTable; // item i at i - 1
};
