#pragma once
// Ordinal numbers, several at once: four positions are shown and the child clicks the
// pictures at those positions in the order shown.

#include "activities/math/CountingRow.h"

#include <array>

class FrmXunxuDuo : public CountingRow {
    Q_OBJECT
public:
    FrmXunxuDuo(AppContext& app, const QString& name);

    ControlArray<Label> Label2;
    ControlArray<Shape> Shape2;

    std::array<int16_t, 11> ClickedPositions{}; // 1..ClickCount, in click order

protected:
    void Image1_Click(int k) override;
    void drawTarget() override;
    void hideTarget() override;
};
