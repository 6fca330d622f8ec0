#pragma once
// Learning to count: each clicked picture turns into a disc with its position number; when
// all ten are discs, a new row comes. Nothing is judged.

#include "activities/math/CountingRow.h"

class FrmXunxushshXue : public CountingRow {
    Q_OBJECT
public:
    FrmXunxushshXue(AppContext& app, const QString& name);

protected:
    void Image1_Click(int k) override;
};
