#pragma once
// "句子排序": the sentence of one item of the lesson, cut into its characters (blanks too) and
// shuffled; the child puts every character into its place until the sentence reads right,
// then the sentence of the next item follows, round and round the lesson.

#include "activities/language/TileBuildingForm.h"

class FrmZhuju : public TileBuildingForm {
    Q_OBJECT
public:
    FrmZhuju(AppContext& app, const QString& name);

    // The item whose sentence is on show, 1..n.
    int current() const { return current_; }
    const QString& sentence() const { return sentence_; }

    void Form_Load() override;

protected:
    void chuchi() override;
    void roundBuilt() override;

private:
    QStringList items_;
    int current_ = 1;
    QString sentence_;
};
