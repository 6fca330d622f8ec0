#include "activities/language/Frmkantzc.h"

#include "activities/language/Characters.h"
#include "activities/language/LessonText.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

Frmkantzc::Frmkantzc(AppContext& app, const QString& name)
    : TileBuildingForm(app, name,
                       {QStringLiteral("Picture1"), QRectF(216, 592, 97, 97),
                        QStringLiteral("Picture2"), QRectF(312, 392, 97, 97), 5})
{
    Image1 = make<Image>(QStringLiteral("Image1"));
    Image1->Move(376, 72, 305, 289);
    repeatsInstruction(*Image1);
}

void Frmkantzc::Form_Load()
{
    ScaleForm(app(), *this);
    Image1->setLeft((ScaleWidth() - Image1->Width()) / 2);
    items_ = readLessonItems(*this);
    chuchi();
    InitRewards(*this);
}

// A new word and another word of the lesson to mix in (none in a lesson of one item).
void Frmkantzc::chuchi()
{
    const int n = int(items_.size());
    if (n == 0) return;
    MakeRandomOrder(app(), n);
    word_ = app().RandomOrder[1];
    const QStringList characters = charactersOf(items_[word_ - 1]);
    const QStringList distractor =
        n >= 2 ? charactersOf(items_[app().RandomOrder[2] - 1]) : QStringList();
    layCharacters(characters + distractor, int(characters.size()));
    Image1->setPicture(app().ItemPictures[word_]);
}
