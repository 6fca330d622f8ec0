#pragma once
// Sequence reasoning: one picture of a sequence is shown, and among all the pictures of the
// sequence in a shuffled row the child clicks the one that comes next. No sound; a wrong
// answer shows the wrong-answer picture until the next right one.

#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"

#include <QStringList>
#include <vector>

class FrmShunxutl : public ActivityForm {
    Q_OBJECT
public:
    FrmShunxutl(AppContext& app, const QString& name);

    Image* Image2;              // the shown item
    ControlArray<Image> Image3; // the candidates
    ControlArray<Image> Image1; // 0: right, 1: wrong
    RoundCycle cycle;

    void Form_Load() override;

    // The item shown (from 1); the answer is the item after it.
    int shownItem() const { return shown_; }
    // The item (from 1) that candidate k shows.
    int candidateItem(int k) const { return deal_.at(k); }

private:
    // The pictures of the sequence: the lesson's photos when the lesson is the sequence,
    // otherwise the sequence's own pictures.
    void preparePictures(const QStringList& lessonItems);
    void fitRowToWindow();
    void ShowSequenceItem();
    void Zhair();
    void Image3_Click(int k);

    QStringList sequence_;
    int shown_ = 0;
    std::vector<int> deal_;
};
