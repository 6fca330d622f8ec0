#include "activities/language/FrmShuruys.h"

#include "activities/language/StrokeBox.h"
#include "frame/UserFiles.h"
#include "shell/core/Mdlmain.h"

#include <QFile>

namespace {

// Beside the model character of the writing windows, clear of the pad.
const QPointF Design(250, 110);
constexpr double StripHeight = 56;

} // namespace

FrmShuruys::FrmShuruys(AppContext& app, const QString& name)
    : ActivityForm(app, name, ScaleUnit::Pixels, Strip::WithoutRewards)
{
    setCaption(QStringLiteral("笔顺演示"));
    Move(Design.x(), Design.y(), StrokeFile::BoxSide, StrokeFile::BoxSide + StripHeight);
    ImgHelp->hide();

    Picture1 = StrokeBox::make(*this, 0, 0);

    Label1 = make<Label>(QStringLiteral("Label1"), Caption());
    Label1->Move(0, StrokeFile::BoxSide, StrokeFile::BoxSide, StripHeight);
    Label1->setFont(QStringLiteral("黑体"), 18, true);
    Label1->setForeColor(Qt::white);
    Label1->setBackColor(QColor(0, 110, 120));
    Label1->setAlignment(Qt::AlignVCenter | Qt::AlignHCenter);
    repeatsInstruction(*Label1);

    ImgBack->Move(StrokeFile::BoxSide - 52, StrokeFile::BoxSide + 4, 48, 48);
    ImgBack->ZOrder();

    connect(Timer1, &Timer::Tick, this, [this] { Timer1_Timer(); });
    connect(Timer2, &Timer::Tick, this, [this] { Timer2_Timer(); });
}

void FrmShuruys::Form_Load()
{
    ScaleForm(app(), *this);
    StrokeBox::fitPen(*Picture1);
    StrokeIndex = PointIndex = 0;
    Picture1->Cls();
    strokes_ = readStrokes();
    Timer2->start(StrokeMs);
}

// The character's stroke file: the one saved for this user first, then the one shipped.
Strokes FrmShuruys::readStrokes()
{
    const QString character = app().CurrentCharacter;
    const QString path =
        FindUserFile(app(), QStringLiteral("data"), character + QStringLiteral(".ini"));
    if (path.isEmpty()) {
        app().services.log(QStringLiteral("no strokes for ") + character);
        return {};
    }
    QFile file(path);
    if (file.size() > StrokeFile::MaxBytes || !file.open(QIODevice::ReadOnly)) {
        app().services.warn(QStringLiteral("Cannot read the stroke file %1").arg(path));
        return {};
    }
    QStringList problems;
    const Strokes strokes = StrokeFile::parse(file.readAll(), &problems);
    for (const QString& problem : problems)
        app().services.warn(QStringLiteral("%1: %2").arg(path, problem));
    return strokes;
}

// The next stroke starts with a dot at its first point. A long stroke still being drawn is
// finished first, so that no stroke is left half drawn.
void FrmShuruys::Timer2_Timer()
{
    while (Timer1->isRunning())
        Timer1_Timer();
    ++StrokeIndex;
    if (StrokeIndex > strokes_.size()) {
        Timer2->stop();
        StrokeIndex = 0;
        return;
    }
    const QPointF first = StrokeBox::onScreen(*Picture1, strokes_[StrokeIndex - 1].first());
    Picture1->PSet(first.x(), first.y());
    PointIndex = 0;
    Timer1->start(PointMs);
}

void FrmShuruys::Timer1_Timer()
{
    ++PointIndex;
    const Stroke& stroke = strokes_.value(StrokeIndex - 1);
    if (PointIndex > stroke.size()) {
        Timer1->stop();
        PointIndex = 0;
        return;
    }
    const QPointF next = StrokeBox::onScreen(*Picture1, stroke[PointIndex - 1]);
    Picture1->LineTo(next.x(), next.y());
}

void FrmShuruys::paintEvent(QPaintEvent* e)
{
    ActivityForm::paintEvent(e);
    StrokeBox::paintWindowFrame(*this);
}
