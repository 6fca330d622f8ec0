#pragma once
// Counting on: a group of apples is shown, after four seconds it is covered and a second
// group appears beside it; the child clicks the card with how many there are together,
// counting on from the covered group (a click on the cover shows it again). The good or bad
// picture stays two seconds, then both groups go and a new first group comes.

#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/AnimatedImage.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Shape.h"
#include "ui/Timer.h"

#include <QPixmap>
#include <vector>

class FrmJieshu : public ActivityForm {
    Q_OBJECT
public:
    FrmJieshu(AppContext& app, const QString& name);

    Image* Image1;         // the first group
    Label* Label1;         // the white cover over it
    Image* Image3;         // the second group
    AnimatedImage* Image4; // good or bad
    ControlArray<Label> Label2;
    ControlArray<Shape> Shape1;
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1")); // the first group alone
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2")); // the judgement
    RoundCycle cycle;

    int16_t FirstCount = 0;
    int16_t SecondCount = 0; // 0 until a second group has been shown

    void Form_Load() override;

private:
    void Rndnum();
    void Timer1_Timer();
    void Label1_Click();
    void Label2_Click(int k);
    const QPixmap& apples(int n) const;

    std::vector<QPixmap> PictureTable; // item i at i - 1
};
