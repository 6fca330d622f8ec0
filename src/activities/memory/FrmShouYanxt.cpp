#include "activities/memory/FrmShouYanxt.h"

#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"
#include "ui/Artwork.h"

#include <QFileInfo>
#include <cmath>

namespace {

const QColor Pen(255, 0, 255); // light magenta
constexpr int PenWidth = 4;

int nextMazeNumber(int n)
{
    return n + 1 > 9 ? 0 : n + 1;
}

QPoint pixelAt(double x, double y)
{
    return QPoint(int(std::floor(x)), int(std::floor(y)));
}

} // namespace

FrmShouYanxt::FrmShouYanxt(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , cycle(*this, {.reward = RoundCycle::Reward::RightOnly, .rightSound = "win"},
            Feedback::Picture{*Timer1, GoodBadPictures(Image1, nullptr)},
            {.roundGivesWay =
                 [this] {
                     Picture1->clearPicture();
                     Picture1->hide();
                 },
             .nextRound = [this] { NewMaze(); }})
{
    Image1->Move(128, 216, 250, 250);
    Image1->setStretch(true);
    Image1->setPicture(Artwork::good());
    Image1->hide();

    Picture1 = make<PictureBox>(QStringLiteral("Picture1"));
    Picture1->Move(456, 256, 100, 100);
    Picture1->setDrawWidth(PenWidth);
    Picture1->setCursor(Qt::CrossCursor);
    connect(Picture1, &Control::MouseDown, this,
            [this](Qt::MouseButton b, double x, double y) { Picture1_MouseDown(b, x, y); });
    connect(Picture1, &Control::MouseMove, this,
            [this](Qt::MouseButtons b, double x, double y) { Picture1_MouseMove(b, x, y); });
    connect(Picture1, &Control::MouseUp, this,
            [this](Qt::MouseButton b, double x, double y) { Picture1_MouseUp(b, x, y); });
}

void FrmShouYanxt::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    MazeNumber = 1;
    NewMaze();
}

QImage FrmShouYanxt::loadMaze(int n, QString& problem) const
{
    const QString path = app().dataPath(QStringLiteral("pic/handeye/%1.bmp").arg(n));
    const QImage picture(path);
    if (picture.isNull()) {
        problem = QFileInfo::exists(path) ? QStringLiteral("Cannot read maze picture %1")
                                          : QStringLiteral("Maze picture %1 is missing");
        problem = problem.arg(path);
        return {};
    }
    const MazeAreas areas = ScanMaze(picture);
    if (!areas.hasTwoRedAreas())
        problem = QStringLiteral("Maze picture %1 has no two red areas apart").arg(path);
    else if (!areas.hasWalls())
        problem = QStringLiteral("Maze picture %1 has no black walls").arg(path);
    return picture;
}

// A picture that cannot be played is passed over for the next one; when none can, the
// window says so and closes.
void FrmShouYanxt::NewMaze()
{
    for (int tried = 0; tried < Pictures; ++tried) {
        QString problem;
        const QImage picture = loadMaze(MazeNumber, problem);
        if (problem.isEmpty()) {
            maze_ = MazeGame(picture);
            Picture1->setPicture(QPixmap::fromImage(picture));
            Picture1->Move((ScaleWidth() - picture.width()) / 2,
                           (ScaleHeight() - picture.height()) / 2, picture.width(),
                           picture.height());
            Image1->Move((ScaleWidth() - Image1->Width()) / 2,
                         (ScaleHeight() - Image1->Height()) / 2);
            Picture1->show();
            Image1->hide();
            return;
        }
        app().services.warn(problem + QStringLiteral("; the next picture is shown"));
        MazeNumber = int16_t(nextMazeNumber(MazeNumber));
    }
    maze_ = MazeGame();
    app().services.message(QStringLiteral("没有可以玩的迷宫图片!"), MessageIcon::Exclamation,
                           MessageButtons::Ok);
    Unload();
}

void FrmShouYanxt::Picture1_MouseDown(Qt::MouseButton button, double x, double y)
{
    if (button == Qt::LeftButton) draw(maze_.press(pixelAt(x, y)));
}

void FrmShouYanxt::Picture1_MouseMove(Qt::MouseButtons buttons, double x, double y)
{
    if (buttons & Qt::LeftButton) draw(maze_.move(pixelAt(x, y)));
}

void FrmShouYanxt::Picture1_MouseUp(Qt::MouseButton button, double x, double y)
{
    if (button == Qt::LeftButton) draw(maze_.release(pixelAt(x, y)));
}

void FrmShouYanxt::draw(const MazeGame::Step& step)
{
    using Kind = MazeGame::Step::Kind;
    switch (step.kind) {
    case Kind::Nothing:
        break;
    case Kind::Started:
        Picture1->PSet(step.to.x(), step.to.y(), Pen);
        break;
    case Kind::Drawn:
        Picture1->Line(step.from.x(), step.from.y(), step.to.x(), step.to.y(), Pen);
        break;
    case Kind::Touched:
        // The line goes; a dot marks where it touched.
        PlayWave(app(), QStringLiteral("no"));
        Picture1->Cls();
        Picture1->PSet(step.to.x(), step.to.y(), Pen);
        break;
    case Kind::Missed:
        PlayWave(app(), QStringLiteral("mousemove"));
        Picture1->Cls();
        break;
    case Kind::Solved:
        MazeNumber = int16_t(nextMazeNumber(MazeNumber));
        cycle.answer(true);
        break;
    }
}
