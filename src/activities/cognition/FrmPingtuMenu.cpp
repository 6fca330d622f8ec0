#include "activities/cognition/FrmPingtuMenu.h"

#include "activities/cognition/JigsawPuzzle.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/WindowRegistry.h"

namespace {

constexpr int Thumbnails = 6;
const QColor Teal(0, 192, 192);
const QColor RaisedShadow(64, 64, 64);
const QColor RaisedEdge(128, 128, 128);

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

// A light edge at the top and left, a dark one at the bottom and right: the thumbnail stands
// out like a button.
void FrmPingtuMenu::raiseThumbnail(PictureBox& thumbnail)
{
    const double right = thumbnail.width() - 1;
    const double bottom = thumbnail.height() - 1;
    thumbnail.setDrawWidth(1);
    thumbnail.Line(0, 0, right, 0, Qt::white);
    thumbnail.Line(0, 0, 0, bottom, Qt::white);
    thumbnail.Line(0, bottom, right, bottom, RaisedShadow);
    thumbnail.Line(right, 0, right, bottom, RaisedShadow);
    thumbnail.Line(1, bottom - 1, right - 1, bottom - 1, RaisedEdge);
    thumbnail.Line(right - 1, 1, right - 1, bottom - 1, RaisedEdge);
    raised_.insert(thumbnail.index());
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
    raiseThumbnail(Picture1[i]);
    app().PuzzleType = int16_t(i);
    app().windows->open(QStringLiteral("Frmpingtu2"));
}
