#pragma once
// A number and its two parts, a + b = N, shown with pictures in three boxes: a box of ten
// places for N and two boxes of nine for a and b. Some boxes show their pictures at once;
// into the others the child drags the picture, once per thing (a drop lands within 8 pixels
// of a box's centre and leaves a copy there), then clicks "OK". The marks show for two
// seconds; a right answer brings the next sum of the course, a wrong one the same again.
// The three windows differ only in which boxes are filled by whom and where things stand:
// rows of one table.

#include "activities/math/SumList.h"
#include "frame/ActivityForm.h"
#include "frame/DragAndDrop.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Line.h"
#include "ui/PictureBox.h"
#include "ui/Shape.h"
#include "ui/Timer.h"

#include <QLineF>
#include <QPixmap>
#include <QSet>
#include <array>
#include <vector>

struct DecompositionRow {
    enum class Role { Shows, Takes }; // the pictures are there at once, or the child drops them

    struct Box {
        QRectF frame;
        QPointF firstCell;
        double cellSide;
        double cellStep;
        int columns;
        Role role;
    };
    // The boxes of N (ten places, Image4), of a (nine, Image2) and of b (nine, Image3).
    enum Which { SumBox, FirstBox, SecondBox };

    const char* name;
    const char* sumFrameName; // the frame of the box of N: Shape5 over a pile, Shape4 below
    std::array<Box, 3> boxes;
    std::array<QPointF, 3> numbersAt; // Label4 (N), Label2 (a), Label3 (b)
    std::array<QLineF, 2> lines;      // Line1, Line2
    QPointF okAt;                     // Label1
    QPointF marksAt[2];               // the good and bad marks: one pair, or one over each box
    int markPairs;
    bool sounds;
};

class Decomposition : public ActivityForm {
    Q_OBJECT
public:
    static const DecompositionRow Rows[3]; // frmFengjie, FrmFengjie2, FrmFengjie3

    Decomposition(AppContext& app, const DecompositionRow& row);

    PictureBox* Picture1;    // the picture to drag
    Shape* Shape5 = nullptr; // the frame of the box of N (Shape4 in FrmFengjie3)
    Shape* Shape4 = nullptr;
    Shape* Shape1;              // the box of a
    Shape* Shape3;              // the box of b
    ControlArray<Image> Image4; // the ten places of N
    ControlArray<Image> Image2; // the nine places of a
    ControlArray<Image> Image3; // the nine places of b
    Label* Label4;
    Label* Label2;
    Label* Label3;
    Line* Line1;
    Line* Line2;
    Shape* Shape2;
    Label* Label1;              // "OK"
    ControlArray<Image> Image5; // marks: 0 good, 1 bad; 3 good, 2 bad over the other box
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2"));
    DragAndDrop drag;
    SumList problems;
    RoundCycle cycle;

    // The drops into each box this round (only the boxes the child fills count).
    std::array<int16_t, 3> dropCounts{};

    void Form_Load() override;

private:
    void makeBox(DecompositionRow::Which which, Shape*& frame, const QString& frameName,
                 ControlArray<Image>& cells, const QString& cellName);
    ControlArray<Image>& cellsOf(int which);
    Shape& frameOf(int which) const;
    int numberOf(int which) const;
    void zhaiRu();
    void Picture1_MouseUp();
    void Label1_Click();
    void clearBoxes();

    const DecompositionRow& row_;
    std::vector<QPixmap> PictureTable; // item i at i - 1
    bool asked_ = false;               // there is a sum to work on
    QSet<int> tooLarge_;               // sums already reported as too large for a box
};
