#include "activities/language/FrmZhuju.h"

#include "activities/language/Characters.h"
#include "activities/language/LessonText.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"
#include "ui/Stage.h"

FrmZhuju::FrmZhuju(AppContext& app, const QString& name)
    : TileBuildingForm(app, name,
                       {QStringLiteral("Picture1"), QRectF(200, 232, 97, 97),
                        QStringLiteral("Picture2"), QRectF(200, 440, 97, 97)})
{
}

void FrmZhuju::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    current_ = 1;
    items_ = readLessonItems(*this);
    chuchi();
}

// The sentence of the current item; an item without one leaves an empty row.
void FrmZhuju::chuchi()
{
    // The characters grow with the window, which may have been rescaled by another window's
    // factors since this one opened.
    app().ScaleX = stage().scaleX();
    app().ScaleY = stage().scaleY();
    sentence_ = current_ <= items_.size() ? readSentence(*this, items_[current_ - 1]) : QString();
    const QStringList characters = charactersOf(sentence_);
    layCharacters(characters, int(characters.size()));
}

void FrmZhuju::roundBuilt()
{
    current_ = current_ % int(items_.size()) + 1;
}
