#pragma once
// Find the N-th picture: a number N is shown and the child clicks the N-th picture from the
// left; every click is judged. The windows differ in how they draw N, in the reward and in
// whether a wrong click shows where the N-th picture is.

#include "activities/math/CountingRow.h"

class OrdinalRow : public CountingRow {
    Q_OBJECT
public:
    enum class OnWrong { ShowNothing, ShowTheRightCell };

    OrdinalRow(AppContext& app, const QString& name, double targetLeft, double targetTop,
               Strip strip, OnWrong onWrong);

    Label* Label2;

    void Form_Load() override;

protected:
    // Draws a new N and returns it.
    virtual int drawNumber() = 0;

    void Image1_Click(int k) override;
    void drawTarget() override;
    void hideTarget() override;

private:
    OnWrong onWrong_;
    int target_ = 0;
};
