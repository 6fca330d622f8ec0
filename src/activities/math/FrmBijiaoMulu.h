#pragma once
// The comparison entries; the chosen one is asked in FrmBijiao, for any word of the entry.

#include "activities/math/ComparisonMenu.h"

class FrmBijiaoMulu : public ComparisonMenu {
    Q_OBJECT
public:
    explicit FrmBijiaoMulu(AppContext& app);
};
