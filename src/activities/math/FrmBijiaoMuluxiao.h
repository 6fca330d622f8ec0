#pragma once
// The comparison entries; the chosen one is asked in FrmBijiaoXiao, for the second word of the
// entry.

#include "activities/math/ComparisonMenu.h"

class FrmBijiaoMuluxiao : public ComparisonMenu {
    Q_OBJECT
public:
    explicit FrmBijiaoMuluxiao(AppContext& app);
};
