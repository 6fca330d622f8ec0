#pragma once
// The sorting windows with two rows of number boxes (排序 and 排序2): the levels of [排序],
// the two hidden pictures whose sizes bound the boxes (Image3 the size for one number,
// Image5 for eleven), and the rows, which take the size of each level's boxes.

#include "activities/math/SortingLevels.h"
#include "frame/ActivityForm.h"
#include "frame/TileRow.h"
#include "ui/Image.h"

#include <functional>

class SortingRowsForm : public ActivityForm {
    Q_OBJECT
public:
    SortingRowsForm(AppContext& app, const QString& name, const TileRow::Design& design,
                    std::function<void(int tile)> placed = {});

    Image* Image3;
    Image* Image5;
    SortingLevels levels;
    TileRow row;

protected:
    // Reads the current level and sizes both rows for its boxes, the row of tiles at tileTop
    // and the row of slots at slotTop: design pixels from the top of the window, or from its
    // bottom when negative. Returns how many numbers the level has; 0: nothing to play.
    int readLevel(double tileTop, double slotTop);
};
