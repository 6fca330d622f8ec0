#pragma once
// Telling colours apart: a picture of a coloured thing with the colour's name under it, and
// the child clicks the matching one of nine colour patches.

#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Label.h"

#include <QStringList>

class FrmFengbysh : public ActivityForm {
    Q_OBJECT
public:
    FrmFengbysh(AppContext& app, const QString& name);

    Image* Image2;              // the coloured thing
    Label* Label1;              // the colour's name
    ControlArray<Label> Label2; // the patches: elements 0..4 and 6..9
    RoundCycle cycle;

    void Form_Load() override;

    // The colour asked for now.
    const QString& askedColour() const { return asked_; }

private:
    void NextColour();
    void Label2_Click(int k);

    QStringList colours_;
    QString asked_;
};
