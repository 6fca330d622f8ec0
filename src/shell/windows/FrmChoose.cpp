#include "shell/windows/FrmChoose.h"

#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/WindowRegistry.h"
#include "ui/Artwork.h"
#include "ui/Kiosk.h"
#include "ui/PressAndHold.h"
#include "ui/Stage.h"

FrmChoose::FrmChoose(AppContext& app, const QString& name)
    : Form(*app.stage, name, ScaleUnit::Twips)
    , app_(app)
{
    setCaption(QStringLiteral("Mindlark"));
    setBackColor(QColor(255, 248, 225));

    Label6 = make<Label>(QStringLiteral("Label6"), QStringLiteral("按F1进入帮助窗口"));
    Label6->setFont(QStringLiteral("宋体"), 9, false);
    Label6->setTransparent(true);
    Label6->setForeColor(QColor(90, 90, 90));
    Label6->Move(0, 0, 735, 375);
    Label6->setAutoSize(true); // the hint is read whole, not cut at the designed width

    Gif89a1 = make<AnimatedImage>(QStringLiteral("Gif89a1"));
    Gif89a1->Move(1440, 3240, 4695, 3615);

    Frame1 = make<Frame>(QStringLiteral("Frame1"));
    Frame1->setBorder(false);
    Frame1->setBackColor(QColor(230, 190, 120));
    Frame1->Move(7200, 360, 30, 10680);

    addArea(ImgYY, QStringLiteral("语言"), 8400, 1320);
    addArea(ImgSX, QStringLiteral("数学"), 8400, 3720);
    addArea(ImgRZ, QStringLiteral("认知"), 8400, 6120);
    addArea(ImgTS, QStringLiteral("填色"), 12120, 1320);
    addArea(ImgSY, QStringLiteral("手眼协调"), 12120, 3720);
    addArea(ImgJY, QStringLiteral("记忆力训练"), 12120, 6120);

    ImgBack = make<Image>(QStringLiteral("ImgBack"));
    ImgBack->Move(14400, 0, 960, 960);
    ImgBack->setPicture(Artwork::back());
    ImgBack->setHandCursor();
    // In kiosk mode a click is nothing; a grown-up holds the picture for two seconds.
    connect(ImgBack, &Control::Click, this, [this] {
        if (!isKiosk(stage())) endProgram();
    });
    holdTimer = makeTimer(QStringLiteral("holdTimer"));
    new PressAndHold(
        *ImgBack, *holdTimer, 2000, [this] { return isKiosk(stage()); }, [this] { endProgram(); });

    connect(&stage(), &Stage::closeRequested, this, [this] { endProgram(); });
}

void FrmChoose::addArea(ControlArray<Image>& pictures, const QString& area, double left, double top)
{
    // Element 0 is the highlighted picture, 120 twips up and to the left of element 1.
    auto* highlighted = make<Image>(QStringLiteral("Img"));
    highlighted->Move(left, top, 1920, 1920);
    highlighted->setHandCursor();
    highlighted->hide();
    pictures.setDesigned(highlighted);
    auto* normal = make<Image>(QStringLiteral("Img"));
    normal->Move(left + 120, top + 120, 1920, 1920);
    normal->setHandCursor();
    pictures.setDesigned(1, normal);
    areas_.push_back({area, &pictures});

    pictures.onMouseMove([this, &pictures, area](int i, Qt::MouseButtons, double, double) {
        if (i != 1) return;
        // The highlighted picture is read at the first hover, not before the first frame.
        if (pictures[0].Picture().isNull()) pictures[0].loadPicture(menuPicture(area, true));
        pictures[0].show();
        pictures[1].hide();
    });
    pictures.onClick([this, area](int) { chooseArea(area); });
}

QString FrmChoose::menuPicture(const QString& area, bool highlighted) const
{
    return app_.dataPath(QStringLiteral("pic/menu/") + area +
                         (highlighted ? QStringLiteral("-hover.png") : QStringLiteral(".png")));
}

void FrmChoose::Form_Load()
{
    ScaleForm(app_, *this);
    for (const Area& a : areas_)
        (*a.pictures)[1].loadPicture(menuPicture(a.name, false));
    Gif89a1->load(app_.dataPath(QStringLiteral("pic/fm.gif")));
    if (app_.ScaleX != 1.0f) {
        // The animation moves once more by the horizontal factor in both directions.
        Gif89a1->Move(Gif89a1->Left() * app_.ScaleX, Gif89a1->Top() * app_.ScaleX);
        Frame1->setLeft(Gif89a1->Left() + Gif89a1->Width() + 13);
    }
    if (!DataFolderPresent(app_)) EndForMissingDataFolder(app_);
}

void FrmChoose::Form_Activate()
{
    showAllNormal();
}

void FrmChoose::Form_MouseMove(Qt::MouseButtons, double, double)
{
    showAllNormal();
}

void FrmChoose::showAllNormal()
{
    for (const Area& a : areas_) {
        (*a.pictures)[0].hide();
        (*a.pictures)[1].show();
    }
}

void FrmChoose::Form_KeyUp(int keyCode)
{
    if (keyCode == 112) // F1
        app_.windows->open(QStringLiteral("FrmHelp"));
}

void FrmChoose::chooseArea(const QString& area)
{
    app_.CurrentArea = area;
    app_.windows->open(QStringLiteral("FrmMulu"));
}

void FrmChoose::endProgram()
{
    if (app_.stage) app_.stage->unloadAll();
    app_.services.quit(0);
}
