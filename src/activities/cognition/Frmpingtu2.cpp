#include "activities/cognition/Frmpingtu2.h"

#include "activities/cognition/PuzzlePictures.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

#include <algorithm>
#include <cmath>

namespace {

const QColor EmptyCell(224, 224, 224);
const QColor Teal(0, 192, 192);
constexpr int DropDistance = 8;
constexpr int SlideMs = 100;

} // namespace

Frmpingtu2::Frmpingtu2(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , Timer2(makeTimer(QStringLiteral("Timer2")))
    , cycle(*this, {.reward = RoundCycle::Reward::Never, .rightSound = "win"}, Feedback::None{},
            {.nextRound = [this] { slideAway(); }})
    , drag(*this, DropDistance, {.drop = [this](int i) { dropped(i); }})
{
    setBackColor(Teal);
    Picture3 = make<PictureBox>(QStringLiteral("Picture3"));
    Picture3->Move(432, 48, 529, 521);
    Picture3->setBackColor(EmptyCell);
    Picture3->hide();

    auto* cell = make<PictureBox>(QStringLiteral("Picture2"));
    cell->Move(464, 120, 113, 113);
    cell->setBackColor(EmptyCell);
    cell->hide();
    Picture2.setDesigned(cell);

    auto* piece = make<PictureBox>(QStringLiteral("Picture1"));
    piece->Move(112, 504, 89, 89);
    piece->setHandCursor();
    piece->hide();
    Picture1.setDesigned(piece);
    drag.follow(Picture1);

    Image2 = make<Image>(QStringLiteral("Image2"));
    Image2->Move(48, 152, 201, 201);
    Image2->setStretch(true);
    repeatsInstruction(*Image2);

    QObject::connect(Timer2, &Timer::Tick, this, [this] { Timer2_Timer(); });
}

void Frmpingtu2::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    app().Score = 0;
    PictureNumber = 1;
    pictureCount_ = PreparePuzzlePictures(*this);
    HomeLeft = Picture3->Left();
    HomeTop = Picture3->Top();
    if (pictureCount_ == 0) return; // nothing to cut: an empty window whose back works
    showPicture();
    chuChihua();
}

void Frmpingtu2::showPicture()
{
    const QPixmap& picture = app().ItemPictures[size_t(PictureNumber)];
    Image2->setPicture(picture);
    Picture3->clearPicture();
    Picture3->PaintPicture(picture, 0, 0, Picture3->Width(), Picture3->Height());
}

void Frmpingtu2::chuChihua()
{
    AppContext& a = app();
    puzzle_.cut(GridOfPuzzleType(a.PuzzleType, puzzle_.grid()));
    const JigsawGrid grid = puzzle_.grid();
    const std::vector<QImage> cells = CutIntoCells(Picture3->image(), grid);
    const int n = puzzle_.PieceCount();
    Picture2[0].Move(Picture3->Left(), Picture3->Top());
    const double pieceWidth = cells.front().width();
    const double pieceHeight = cells.front().height();
    MakeRandomOrder3(a, int(std::lround(ScaleWidth() - pieceWidth)));
    for (int i = 0; i < n; ++i) {
        Picture1.Load(i + 1);
        Picture2.Load(i + 1);
        PictureBox& piece = Picture1[i];
        PictureBox& cell = Picture2[i];
        piece.ZOrder();
        piece.Move(a.RandomOrder3[size_t(i + 1)], ScaleHeight() - pieceHeight, pieceWidth,
                   pieceHeight);
        piece.setPicture(cells[size_t(i)]);
        cell.Move(cell.Left(), cell.Top(), pieceWidth, pieceHeight);
        cell.clearPicture();
        piece.show();
        cell.show();
    }
    // The empty grid over the canvas, one pixel between the cells.
    for (int col = 0; col < grid.cols; ++col)
        for (int row = 0; row < grid.rows; ++row)
            Picture2[col + row * grid.cols].Move(col * (pieceWidth + 1) + Picture2[0].Left(),
                                                 row * (pieceHeight + 1) + Picture2[0].Top());
}

// Only the piece's own cell takes it; dropped anywhere else it stays where it fell.
void Frmpingtu2::dropped(int i)
{
    if (i >= puzzle_.PieceCount() || puzzle_.placed(i)) return;
    PictureBox& piece = Picture1[i];
    if (!drag.within(drag.pointer(), Picture2[i])) return;
    PlayWave(app(), QStringLiteral("pingturight"));
    Picture2[i].setPicture(piece.Picture());
    piece.hide();
    if (puzzle_.place(i)) cycle.answer(true);
}

// The finished picture lies over everything and starts to slide.
void Frmpingtu2::slideAway()
{
    if (Timer2->isRunning()) return; // already sliding
    ++PictureNumber;
    Picture1.forEach([](int, PictureBox& piece) { piece.hide(); });
    Picture2.forEach([](int, PictureBox& cell) { cell.hide(); });
    Picture1.UnloadAllButFirst();
    Picture2.UnloadAllButFirst();
    Picture1[0].clearPicture();
    Picture2[0].clearPicture();
    Picture3->show();
    Picture3->ZOrder();
    Timer2->start(SlideMs);
}

// One step of the slide; at the middle the next picture is cut.
void Frmpingtu2::Timer2_Timer()
{
    QPointF at(Picture3->Left(), Picture3->Top());
    const bool arrived = SlideStep(at, Picture3->Width(), ScaleWidth());
    Picture3->Move(at.x(), at.y());
    if (!arrived) return;
    Timer2->stop();
    Picture3->hide();
    Picture3->Move(HomeLeft, HomeTop);
    if (PictureNumber > pictureCount_) PictureNumber = 1;
    showPicture();
    RewardRight(*this);
    chuChihua();
}
