#pragma once
// The jigsaw: a lesson picture cut into a grid of pieces that lie along the bottom of the
// window; the child drags each onto its own cell of the empty grid. A finished picture
// slides away, the score goes up, and the next picture of the lesson is cut with the grid
// chosen in the menu.

#include "activities/cognition/JigsawPuzzle.h"
#include "frame/ActivityForm.h"
#include "frame/DragAndDrop.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

class Frmpingtu2 : public ActivityForm {
    Q_OBJECT
public:
    Frmpingtu2(AppContext& app, const QString& name);

    PictureBox* Picture3;              // the whole picture; slides away when finished
    ControlArray<PictureBox> Picture2; // the empty cells
    ControlArray<PictureBox> Picture1; // the pieces
    Image* Image2;                     // the preview
    Timer* Timer2;                     // the slide
    RoundCycle cycle;
    DragAndDrop drag;

    int PictureNumber = 1;
    double HomeLeft = 0;
    double HomeTop = 0;

    const JigsawPuzzle& puzzle() const { return puzzle_; }
    // Pictures of the lesson this window plays with (none: an empty window).
    int pictureCount() const { return pictureCount_; }

    void Form_Load() override;

private:
    // Paints picture PictureNumber into the canvas and the preview.
    void showPicture();
    // Cuts the canvas into pieces and lays out the empty grid.
    void chuChihua();
    void dropped(int i);
    void slideAway();
    void Timer2_Timer();

    JigsawPuzzle puzzle_;
    int pictureCount_ = 0;
};
