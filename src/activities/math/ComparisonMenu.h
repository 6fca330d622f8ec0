#pragma once
// A menu of the comparison entries of the course (比较大小, 比较多少 ...), one below the
// other; choosing one opens the comparison window of the menu.

#include "activities/math/ComparisonForm.h"
#include "frame/ActivityForm.h"
#include "ui/PictureBox.h"

class ComparisonMenu : public ActivityForm {
    Q_OBJECT
public:
    ComparisonMenu(AppContext& app, const ComparisonRow& row);

    ControlArray<Label> Label1;
    PictureBox* Picture1;

    static const QColor Highlighted;
    static const QColor Plain;

    void Form_Load() override;

private:
    void Label1_Click(int k);
    void Label1_MouseMove(int k);
    void Picture1_MouseMove();

    const ComparisonRow& row_;
};
