#pragma once
// Count and confirm: a number is shown, the child clicks that many pictures and then the
// button "确   定".

#include "activities/math/CountingRow.h"
#include "ui/Button.h"

class FrmXunxushsh : public CountingRow {
    Q_OBJECT
public:
    FrmXunxushsh(AppContext& app, const QString& name);

    Label* Label2;
    Button* Command1;

protected:
    void Image1_Click(int k) override;
    void drawTarget() override;
    void hideTarget() override;

private:
    void Command1_Click();
};
