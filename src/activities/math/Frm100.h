#pragma once
// The hundred board: an empty ten-by-ten board and the hundred numbers 1..100 on tiles in
// ten stacks beside it, one stack per decade in a random order. The child drags every tile
// onto its own square (the pointer within 15 pixels of the square's centre); anywhere else
// it goes back to its stack. No sounds, no rewards; after the hundredth tile a message
// says well done and the board is cleared away.

#include "activities/math/HundredBoard.h"
#include "frame/ActivityForm.h"
#include "frame/DragAndDrop.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/PictureBox.h"
#include "ui/Shape.h"

class Frm100 : public ActivityForm {
    Q_OBJECT
public:
    Frm100(AppContext& app, const QString& name);

    ControlArray<PictureBox> Picture2; // the squares of the board
    ControlArray<PictureBox> Picture1; // the tiles: element k shows k + 1
    Image* Image2;                     // place and step of the stacks
    Shape* Shape1;                     // size of the numbers 1..10: margin line, number
    Shape* Shape2;                     // 11..99
    Shape* Shape3;                     // 100
    DragAndDrop drag;
    HundredBoard board;

    int PlacedCount() const { return board.placed(); }

    void Form_Load() override;

private:
    void Chuci();
    void printNumber(int k);
    void Picture1_Drop(int k);
    void finish();
};
