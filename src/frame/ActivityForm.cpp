#include "frame/ActivityForm.h"

#include "frame/Instructions.h"
#include "frame/PlayRecording.h"
#include "ui/Artwork.h"
#include "ui/Stage.h"

ActivityForm::ActivityForm(AppContext& app, const QString& name, ScaleUnit unit, Strip strip)
    : Form(*app.stage, name, unit)
    , app_(app)
{
    setBackColor(QColor(255, 250, 232));

    Txtini = make<TextBox>(QStringLiteral("Txtini"));
    Txtini->hide();

    if (strip == Strip::WithRewards) {
        auto* number = make<Label>(QStringLiteral("LblNum"));
        number->Move(twips(0), twips(120), twips(735), twips(495));
        number->setTransparent(true);
        number->setAlignment(Qt::AlignCenter);
        number->setFont(QStringLiteral("黑体"), 18, true);
        number->setForeColor(QColor(220, 60, 40));
        LblNum.setDesigned(number);

        auto* star = make<Image>(QStringLiteral("ImgStar"));
        star->Move(twips(960), twips(0), twips(780), twips(735));
        star->setPicture(Artwork::star());
        star->hide();
        ImgStar.setDesigned(star);

        auto* face = make<Image>(QStringLiteral("ImgFace"));
        face->Move(twips(960), twips(0), twips(735), twips(735));
        face->setPicture(Artwork::face());
        face->hide();
        ImgFace.setDesigned(face);
    }

    ImgHelp = make<Image>(QStringLiteral("ImgHelp"));
    ImgHelp->Move(twips(13200), twips(0), twips(960), twips(960));
    ImgHelp->setPicture(Artwork::help());

    ImgBack = make<Image>(QStringLiteral("ImgBack"));
    ImgBack->Move(twips(14280), twips(0), twips(960), twips(960));
    ImgBack->setPicture(Artwork::back());
    ImgBack->setHandCursor();
    connect(ImgBack, &Control::Click, this, [this] { ImgBack_Click(); });

    // The instruction is spoken once the window has opened.
    connect(&stage(), &Stage::formLoaded, this, [this](Form* form) {
        if (form != this) return;
        RecordPlay(*this, PlayEvent::Kind::Opened);
        speakInstruction();
    });
    connect(&stage(), &Stage::formUnloaded, this, [this](Form* form) {
        if (form == this) RecordPlay(*this, PlayEvent::Kind::Closed);
    });
}

void ActivityForm::speakInstruction()
{
    SpeakInstruction(app_, name());
}

void ActivityForm::moveRewardStrip(QPointF number, QPointF pictures)
{
    if (!hasRewardStrip()) return;
    LblNum[0].Move(number.x(), number.y());
    ImgStar[0].Move(pictures.x(), pictures.y());
    ImgFace[0].Move(pictures.x(), pictures.y());
}

void ActivityForm::repeatsInstruction(Control& control)
{
    connect(&control, &Control::Click, this, [this] { speakInstruction(); });
}

void ActivityForm::raiseFramePictures()
{
    ImgHelp->raise();
    ImgBack->raise();
}

void ActivityForm::ImgBack_Click()
{
    Unload();
}
