#pragma once
// Compare two pictures; the question always asks for the entry's first word (the bigger,
// the more ...).

#include "activities/math/ComparisonForm.h"

class FrmBijiaoDa : public ComparisonForm {
    Q_OBJECT
public:
    explicit FrmBijiaoDa(AppContext& app);

protected:
    int drawAskedWord() override { return 1; }
    bool cutsSoundOnClick() const override { return true; }
};
