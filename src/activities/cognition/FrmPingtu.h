#pragma once
// The missing piece: a lesson picture with a rectangular hole, and five pieces of that
// picture along the bottom of the window; the child drags the one that fills the hole onto
// it. The pieces are copied from the window's own drawing of the picture, so they show
// exactly its pixels under any window system.

#include "frame/ActivityForm.h"
#include "frame/DragAndDrop.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

#include <QSizeF>
#include <array>

// The size a picture is shown at: 500 pixels wide when it is at least as wide as high, else
// 450 high, the sides in proportion. A picture without pixels gets the square.
QSizeF MissingPiecePictureSize(QSizeF natural);

class FrmPingtu : public ActivityForm {
    Q_OBJECT
public:
    static constexpr int Pieces = 5;

    FrmPingtu(AppContext& app, const QString& name);

    PictureBox* Picture2;              // the picture with the hole
    PictureBox* Picture3;              // the picture at its natural size, hidden
    ControlArray<PictureBox> Picture4; // the marker rectangles; element 0 is the hole
    ControlArray<PictureBox> Picture1; // the pieces; element 0 fills the hole
    Timer* Timer2;                     // the moment before the pieces are copied
    RoundCycle cycle;
    DragAndDrop drag;

    std::array<double, Pieces + 1> MarkerX{};
    std::array<int, Pieces + 1> MarkerY{};

    int pictureCount() const { return pictureCount_; }

    void Form_Load() override;

private:
    // A new random picture of the lesson, and the places the pieces will be cut from.
    void chuchi();
    // Copies the pieces into a row at the bottom and opens the hole.
    void Timer2_Timer();
    // The hole is filled: everything of this puzzle goes.
    void solved();

    int pictureCount_ = 0;
};
