#pragma once
// "看图组词": a photo of the lesson large in the middle, and below it the characters of its
// word mixed with those of another word of the lesson. The child builds the photo's word in
// the row of slots; the other word's characters fit nowhere.

#include "activities/language/TileBuildingForm.h"
#include "ui/Image.h"

class Frmkantzc : public TileBuildingForm {
    Q_OBJECT
public:
    Frmkantzc(AppContext& app, const QString& name);

    Image* Image1;

    // The item whose word is built, 1..n (0 for an empty lesson).
    int word() const { return word_; }

    void Form_Load() override;

protected:
    void chuchi() override;

private:
    QStringList items_;
    int word_ = 0;
};
