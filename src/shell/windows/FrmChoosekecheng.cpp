#include "shell/windows/FrmChoosekecheng.h"

#include "shell/core/CourseStore.h"
#include "shell/core/Launcher.h"
#include "shell/core/LessonPictures.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/WindowRegistry.h"
#include "shell/data/DataNames.h"
#include "shell/windows/FrmMulu.h"
#include "ui/Artwork.h"

#include <cmath>

namespace {

const QColor NumberColour(0, 0, 192);
const QString Song = QStringLiteral("宋体");

} // namespace

FrmChoosekecheng::FrmChoosekecheng(AppContext& app, const QString& name)
    : Form(*app.stage, name, ScaleUnit::Twips)
    , app_(app)
{
    setBackColor(QColor(255, 248, 225));

    Frame2 = make<Frame>(QStringLiteral("Frame2"), QStringLiteral("请选择学习步骤"));
    Frame2->Move(720, 600, 13695, 9975);
    Frame2->setFont(Song, 14.25, true);
    Frame2->setBackColor(BackColor());
    connect(Frame2, &Control::MouseMove, this, [this] { resetHover(); });

    auto* thumbnail = makeIn<Image>(Frame2, QStringLiteral("Img1"));
    thumbnail->Move(600, 720, 1695, 1335);
    thumbnail->setStretch(true);
    thumbnail->setHandCursor();
    thumbnail->hide(); // an area without steps shows an empty grid
    Img1.setDesigned(thumbnail);

    auto* number = makeIn<Label>(Frame2, QStringLiteral("Label1"));
    number->Move(1800, 2400, 240, 435);
    number->setFont(Song, 21.75, true);
    number->setTransparent(true);
    number->setForeColor(NumberColour);
    number->setHandCursor();
    number->setAutoSize(true); // two-digit step numbers are read whole
    number->hide();
    Label1.setDesigned(number);

    auto* title = makeIn<Label>(Frame2, QStringLiteral("Label2"));
    title->Move(600, 2040, 1320, 315);
    title->setFont(Song, 15.75, true);
    title->setForeColor(Qt::red);
    title->setBackColor(Qt::cyan);
    title->setAutoSize(true); // long step titles are shown whole, not cut at the design width
    title->hide();
    Label2.setDesigned(title);

    Img1.onMouseMove([this](int i, Qt::MouseButtons, double, double) { hoverStep(i); });
    Label1.onMouseMove([this](int i, Qt::MouseButtons, double, double) { hoverStep(i); });
    Img1.onClick([this](int i) { launchStep(steps_[i + 1]); });
    Label1.onClick([this](int i) { launchStep(steps_[i + 1]); });

    Txtini = make<TextBox>(QStringLiteral("Txtini"));
    Txtini->hide();

    ImgBack = make<Image>(QStringLiteral("ImgBack"));
    ImgBack->Move(14400, 0, 960, 960);
    ImgBack->setPicture(Artwork::back());
    ImgBack->setHandCursor();
    connect(ImgBack, &Control::Click, this, [this] { ImgBack_Click(); });
}

void FrmChoosekecheng::Form_Load()
{
    ScaleForm(app_, *this);
    maximize();
    for (int k = 1; k <= MaxSteps; ++k) {
        LoadCourseItems(app_, *Txtini, app_.CurrentArea, QString::number(k),
                        QStringLiteral("步骤"));
        if (Txtini->Text().isEmpty()) break;
        steps_[k] = Txtini->Text();
        addStep(k);
        stepCount_ = k;
    }
    if (stepCount_ == MaxSteps) {
        LoadCourseItems(app_, *Txtini, app_.CurrentArea, QString::number(MaxSteps + 1),
                        QStringLiteral("步骤"));
        if (!Txtini->Text().isEmpty())
            app_.services.warn(QStringLiteral("Area %1: more than %2 steps, the first %2 shown")
                                   .arg(app_.CurrentArea)
                                   .arg(MaxSteps));
    }
}

void FrmChoosekecheng::addStep(int k)
{
    const QString& title = steps_[k];
    if (isSafeDataName(title))
        StepPictures[k].load(
            app_.dataPath(QStringLiteral("stepimage/") + title + QStringLiteral(".jpg")));
    if (StepPictures[k].isNull())
        app_.services.warn(QStringLiteral("Step %1 has no thumbnail").arg(printableName(title)));

    Img1.Load(k);
    Label1.Load(k);
    Label2.Load(k);

    Image& thumbnail = Img1[k - 1];
    Label& number = Label1[k - 1];
    Label& caption = Label2[k - 1];
    thumbnail.setPicture(StepPictures[k]);
    thumbnail.show();
    number.setCaption(QString::number(k));
    number.show();
    caption.setCaption(title);
    caption.hide();

    // Six to a row; the horizontal factor sets the vertical gap too.
    const int row = (k - 1) / 6;
    const int column = (k - 1) - 6 * row;
    const double sx = app_.ScaleX;
    thumbnail.Move(column * (sx * 2230) + std::round(sx * 400),
                   row * (sx * 1200 + Img1[0].Height()) + Img1[0].Top());
    number.Move(thumbnail.Left(), thumbnail.Top());
    number.ZOrder();
    caption.Move(number.Left(), thumbnail.Top() + thumbnail.Height());
}

void FrmChoosekecheng::hoverStep(int i)
{
    hovered_ = i;
    Label1[i].setForeColor(Qt::red);
    Label2[i].show();
    Label2[i].ZOrder();
}

void FrmChoosekecheng::Form_MouseMove(Qt::MouseButtons, double, double)
{
    resetHover();
}

void FrmChoosekecheng::resetHover()
{
    Label1[hovered_].setForeColor(NumberColour);
    Label2[hovered_].hide();
}

bool FrmChoosekecheng::launchStep(const QString& title)
{
    // The catalogue underneath lends its text box, as it does for every lesson read.
    auto* catalogue = app_.windows->find<FrmMulu>(QStringLiteral("FrmMulu"));
    LoadLessonPictures(app_, catalogue ? *catalogue->Txtini : *Txtini);
    return launchTitle(app_, {TitleTable::Chooser}, title);
}

void FrmChoosekecheng::ImgBack_Click()
{
    Unload();
}
