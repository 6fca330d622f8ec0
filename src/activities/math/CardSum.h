#pragma once
// The arithmetic windows where the child answers with one of ten number cards: the card
// chosen last shows in the answer place, and the check judges it. The choice is kept from
// one sum to the next, so a check before any card is judged with 0.

#include "activities/math/SumForm.h"
#include "ui/PictureBox.h"

class CardSum : public SumForm {
    Q_OBJECT
public:
    CardSum(AppContext& app, const SumRow& row, const Layout& layout, double answerLeft);

    ControlArray<Image> Image3; // the cards 1..10
    PictureBox* Picture1;       // the empty box over the place still to answer

    int16_t ChosenNumber = 0;

protected:
    // Where the chosen card shows, and the number that belongs there.
    virtual Image& answerPlace() = 0;
    virtual int wanted() const = 0;

    void showAnswerPictures() override;
    bool judge() override { return ChosenNumber == wanted(); }

private:
    void Image3_Click(int k);
};
