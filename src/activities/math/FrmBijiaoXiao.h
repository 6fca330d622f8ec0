#pragma once
// Compare two pictures; the question always asks for the entry's second word (the smaller,
// the fewer ...).

#include "activities/math/ComparisonForm.h"

class FrmBijiaoXiao : public ComparisonForm {
    Q_OBJECT
public:
    explicit FrmBijiaoXiao(AppContext& app);

protected:
    int drawAskedWord() override { return 2; }
    bool cutsSoundOnClick() const override { return true; }
};
