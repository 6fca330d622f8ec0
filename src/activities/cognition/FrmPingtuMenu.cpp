#include "activities/cognition/FrmPingtuMenu.h"

#include "activities/cognition/JigsawPuzzle.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/WindowRegistry.h"

namespace {

constexpr int Thumbnails = 6;
const QColor Teal(0, 192, 192);

} // namespace

FrmPingtuMenu::FrmPingtuMenu(AppContext& app, const QString& name)
    : ActivityForm(app, name, ScaleUnit::Pixels, Strip::WithoutRewards)
{
    setBackColor(Teal);
    auto* first = make<PictureBox>(QStringLiteral("Picture1"));
    first->Move(480, 120, 81, 81);
    first->setBackColor(Qt::white);
    first->setHandCursor();
    Picture1.setDesigned(first);
    for (int i = 1; i < Thumbnails; ++i) {
        PictureBox& thumbnail = Picture1.Load(i);
        thumbnail.Move(480, 120 + 88 * i, 81, 81);
        thumbnail.show();
    }
    Picture1.onClick([this](int i) { Picture1_Click(i); });
}

void FrmPingtuMenu::Form_Load()
{
    app().Score = 0;
    ScaleForm(app(), *this);
    const double width = Picture1[0].Width();
    const double height = Picture1[0].Height();
    for (int i = 0; i < Thumbnails; ++i) {
        PictureBox& thumbnail = Picture1[i];
        thumbnail.setFont(QStringLiteral("黑体"), 10, true);
        thumbnail.Print();
        thumbnail.setFont(QStringLiteral("黑体"), 40, true);
        thumbnail.Print(QString::number(i + 1));
        drawGrid(thumbnail, i, width, height);
    }
}

// Lines across the whole thumbnail where the puzzle's pieces meet.
void FrmPingtuMenu::drawGrid(PictureBox& thumbnail, int type, double width, double height)
{
    const JigsawGrid grid = GridOfPuzzleType(type, {});
    for (int r = 1; r < grid.rows; ++r)
        thumbnail.Line(0, height * r / grid.rows, width, height * r / grid.rows);
    for (int c = 1; c < grid.cols; ++c)
        thumbnail.Line(width * c / grid.cols, 0, width * c / grid.cols, height);
}

void FrmPingtuMenu::Picture1_Click(int i)
{
    Picture1[i].setRaised(true);
    app().PuzzleType = int16_t(i);
    app().windows->open(QStringLiteral("Frmpingtu2"));
}
