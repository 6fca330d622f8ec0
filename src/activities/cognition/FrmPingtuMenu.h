#pragma once
// The jigsaw's menu: six thumbnails numbered 1 to 6, each crossed by the grid of its puzzle;
// a click on one opens the puzzle window with that grid.

#include "frame/ActivityForm.h"
#include "ui/ControlArray.h"
#include "ui/PictureBox.h"

#include <QSet>

class FrmPingtuMenu : public ActivityForm {
    Q_OBJECT
public:
    FrmPingtuMenu(AppContext& app, const QString& name);

    ControlArray<PictureBox> Picture1; // the thumbnails

    void Form_Load() override;
    // Whether a thumbnail has been clicked (it stays raised while the menu is open).
    bool raised(int i) const { return raised_.contains(i); }

private:
    // Sets the grid and opens the puzzle; the thumbnail stays raised while the menu is open.
    void Picture1_Click(int i);
    void drawGrid(PictureBox& thumbnail, int type, double width, double height);
    void raiseThumbnail(PictureBox& thumbnail);

    QSet<int> raised_;
};
