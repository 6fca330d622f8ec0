#pragma once
// Compare two pictures; each question asks for either word of the entry, drawn anew.

#include "activities/math/ComparisonForm.h"

class FrmBijiao : public ComparisonForm {
    Q_OBJECT
public:
    explicit FrmBijiao(AppContext& app);

protected:
    int drawAskedWord() override;
    bool cutsSoundOnClick() const override { return false; }
    void ImgBack_Click() override;
};
