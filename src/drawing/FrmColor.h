#pragma once
// The colour panel of the drawing board: 28 colour cells, the primary and secondary swatches
// (the colours of the left and the right button) and the preview field of the pick-colour
// tool. A left press on a cell gives its colour to the primary swatch, a right press to the
// secondary one.

#include "drawing/Panel.h"
#include "ui/ControlArray.h"
#include "ui/PictureBox.h"

class FrmColor : public Panel {
    Q_OBJECT
public:
    explicit FrmColor(MDIFrmHuatu& board);

    static constexpr int Cells = 28;

    ControlArray<PictureBox> Picture0; // the colour cells
    PictureBox* Picture9;              // preview of the pick-colour tool
    PictureBox* Picture10;             // secondary swatch
    PictureBox* Picture11;             // primary swatch

    void Form_Load();
    // PrimaryColour and SecondaryColour from the swatches.
    void readSwatches();

private:
    void Picture0_MouseDown(int index, Qt::MouseButton button);
};
