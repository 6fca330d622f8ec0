#pragma once
// Find the N-th picture, for practice: no rewards, and a wrong click shows where the N-th
// picture is.

#include "activities/math/OrdinalRow.h"

class FrmXunxushshLX : public OrdinalRow {
    Q_OBJECT
public:
    explicit FrmXunxushshLX(AppContext& app);

protected:
    int drawNumber() override;
};
