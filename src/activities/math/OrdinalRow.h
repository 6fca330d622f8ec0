#pragma once
// Find the N-th picture: a number N is shown and the child clicks the N-th picture from the
// left; every click is judged. The windows are rows of one table: they differ in where N
// stands, in how N is drawn, in the reward and in whether a wrong click shows where the
// N-th picture is.

#include "activities/math/CountingRow.h"

class OrdinalRow : public CountingRow {
    Q_OBJECT
public:
    enum class OnWrong { ShowNothing, ShowTheRightCell };

    struct Row {
        const char* name;
        double targetLeft, targetTop;
        Strip strip; // a window with the strip is rewarded when the next row comes
        OnWrong onWrong;
        int randomOrder; // N comes from RandomOrder2 or RandomOrder3
    };
    static const Row Rows[2]; // FrmXunxushshLX, FrmXunxushshW

    OrdinalRow(AppContext& app, const Row& row);

    Label* Label2;

    void Form_Load() override;

protected:
    void Image1_Click(int k) override;
    void drawTarget() override;
    void hideTarget() override;

private:
    const Row& row_;
    int target_ = 0;
};
