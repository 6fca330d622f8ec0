#pragma once
// Find the N-th picture, with rewards.

#include "activities/math/OrdinalRow.h"

class FrmXunxushshW : public OrdinalRow {
    Q_OBJECT
public:
    explicit FrmXunxushshW(AppContext& app);

protected:
    int drawNumber() override;
    void rewardNewRow() override;
};
