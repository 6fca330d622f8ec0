#pragma once
// The comparison entries; the chosen one is asked in FrmBijiaoDa, for the first word of the entry.

#include "activities/math/ComparisonMenu.h"

class FrmBijiaoMuluda : public ComparisonMenu {
    Q_OBJECT
public:
    explicit FrmBijiaoMuluda(AppContext& app);
};
