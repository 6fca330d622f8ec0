#pragma once
// a + b = ? (or a - b = ?): the child clicks the card with the result, which shows after the
// equals sign, then the check. frmNumjia, frmNumjiang and Frmpicjia are rows of one table.

#include "activities/math/CardSum.h"
#include "activities/math/ScribblePen.h"

#include <optional>

class ResultCard : public CardSum {
    Q_OBJECT
public:
    static const SumRow Rows[3]; // frmNumjia, frmNumjiang, Frmpicjia

    ResultCard(AppContext& app, const SumRow& row);

    Image* Image5; // the answer place
    Timer* Timer1;

    // What the child has drawn with the window's pen; none in a window without it.
    const ScribblePen* pen() const { return pen_ ? &*pen_ : nullptr; }

    void Form_MouseDown(Qt::MouseButton button, double x, double y) override;
    void Form_MouseMove(Qt::MouseButtons buttons, double x, double y) override;

protected:
    Image& answerPlace() override { return *Image5; }
    int wanted() const override { return problems.result(); }
    void showProblem() override;
    void Image6_Click(int i) override;
    void paintEvent(QPaintEvent* e) override;

private:
    std::optional<ScribblePen> pen_;
};
