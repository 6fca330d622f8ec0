#include "drawing/MDIFrmHuatu.h"

#include "drawing/DrawingFiles.h"
#include "drawing/FrmButton.h"
#include "drawing/FrmColor.h"
#include "drawing/FrmDrawplat.h"
#include "drawing/Frmboard.h"
#include "frame/Instructions.h"
#include "shell/core/Mdlmain.h"
#include "ui/Stage.h"

#include <QKeyEvent>

namespace {

const QString SaveTitle = QStringLiteral("保存提示");
const QString SaveQuestion = QStringLiteral("请确定是否保存？按“确定”保存，按“取消”不保存");
const QString SaveFailed = QStringLiteral("这幅画没有保存下来，它还在画板上，可以再保存一次。");

} // namespace

const QColor MDIFrmHuatu::PanelColour(236, 233, 216);

MDIFrmHuatu::MDIFrmHuatu(AppContext& app, const QString& name)
    : Form(*app.stage, name, ScaleUnit::Twips)
    , app_(app)
{
    setCaption(QStringLiteral("画图1.00版"));
    // The strips between the panels and the margins of the screen are one with the panels.
    setBackColor(PanelColour);
    toolBox = new FrmDrawplat(*this);
    colourPanel = new FrmColor(*this);
    canvas = new Frmboard(*this);
    buttonPanel = new FrmButton(*this);
}

double MDIFrmHuatu::screenWidth() const
{
    return fromPixels(stage().screenSize().width(), unit());
}

double MDIFrmHuatu::screenHeight() const
{
    return fromPixels(stage().screenSize().height(), unit());
}

void MDIFrmHuatu::Form_Load()
{
    ScaleForm(app_, *this);
    maximize();
    canvas->Form_Load();
    colourPanel->Form_Load();
    toolBox->Form_Load();
    buttonPanel->Form_Load();
    colourPanel->readSwatches();
    state.Tool = ToolNumber::Pencil;
    state.PrimaryColour = QColor(0, 0, 0);
    state.SecondaryColour = QColor(255, 255, 255);
    SpeakInstruction(app_, name());
}

void MDIFrmHuatu::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    if (canvas && toolBox) canvas->Move(toolBox->Width(), 0);
}

void MDIFrmHuatu::saveDrawing()
{
    if (app_.services.message(SaveQuestion, MessageIcon::None, MessageButtons::OkCancel,
                              SaveTitle) != MessageAnswer::Ok)
        return;
    const SavedDrawing saved = SaveNewDrawing(
        canvas->Picture1->image(), DrawingFolders(app_.AppPath), DrawingName(app_.services.now()));
    if (saved.path.isEmpty()) {
        app_.services.warn(QStringLiteral("the drawing was not saved: ") + saved.problem);
        app_.services.message(SaveFailed, MessageIcon::Exclamation, MessageButtons::Ok, SaveTitle);
        return;
    }
    app_.services.log(QStringLiteral("saved ") + saved.path);
}

void MDIFrmHuatu::undo()
{
    canvas->Picture1->document().undo();
}

void MDIFrmHuatu::redo()
{
    canvas->Picture1->document().redo();
}

void MDIFrmHuatu::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Undo))
        undo();
    else if (e->matches(QKeySequence::Redo) ||
             (e->key() == Qt::Key_Y && e->modifiers() == Qt::ControlModifier))
        redo();
    else
        Form::keyPressEvent(e);
}
