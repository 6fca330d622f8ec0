#include "activities/math/Frm100.h"

#include "shell/core/Mdlmain.h"

#include <cmath>

namespace {

constexpr double TileSide = 73;
const QColor Teal(0, 192, 192);
const QColor TileColour(255, 236, 170);

PictureBox* makeBoxes(Frm100& form, const QString& name, double left, const QColor& back)
{
    auto* box = form.make<PictureBox>(name);
    box->Move(left, 16, TileSide, TileSide);
    box->setBackColor(back);
    box->setBorder(true);
    return box;
}

Shape* makeMarker(Frm100& form, const QString& name, double top, double width, double height)
{
    // Only its size counts.
    auto* marker = form.make<Shape>(name);
    marker->Move(40, top, width, height);
    marker->hide();
    return marker;
}

} // namespace

Frm100::Frm100(AppContext& app, const QString& name)
    : ActivityForm(app, name, ScaleUnit::Pixels, Strip::WithoutRewards)
    , drag(*this, 15,
           {.targetOf = [this](int k) -> Control* { return Picture2.at(k); },
            .hit = [this](int k) { Picture1_Drop(k); },
            .miss = [](int) {}}) // silently back to its stack
{
    setBackColor(Teal);
    Picture2.setDesigned(makeBoxes(*this, QStringLiteral("Picture2"), 240, Qt::white));
    Picture1.setDesigned(makeBoxes(*this, QStringLiteral("Picture1"), 48, TileColour));
    Picture1[0].setHandCursor();
    Image2 = make<Image>(QStringLiteral("Image2"));
    Image2->Move(48, 16, TileSide, TileSide);
    Image2->hide();
    Shape1 = makeMarker(*this, QStringLiteral("Shape1"), 232, 10, 34);
    Shape2 = makeMarker(*this, QStringLiteral("Shape2"), 288, 14, 25);
    Shape3 = makeMarker(*this, QStringLiteral("Shape3"), 328, 14, 19);
    drag.follow(Picture1);
}

void Frm100::Form_Load()
{
    ScaleForm(app(), *this);
    Chuci();
}

// A new board: the hundred tiles in their stacks, the squares empty.
void Frm100::Chuci()
{
    MakeRandomOrder(app(), HundredBoard::Side);
    std::array<int, HundredBoard::Side> rows{};
    for (int e = 0; e < HundredBoard::Side; ++e)
        rows[e] = app().RandomOrder[e + 1] - 1;
    board.deal(rows);

    const double stackLeft = Image2->Left();
    const double stackTop = Image2->Top();
    const double step = std::round(Image2->Height());
    for (int k = 0; k < HundredBoard::Tiles; ++k) {
        PictureBox& square = k == 0 ? Picture2[0] : Picture2.Load(k);
        PictureBox& tile = k == 0 ? Picture1[0] : Picture1.Load(k);
        square.show();
        square.lower();
        tile.show();
        printNumber(k);
        tile.Move(stackLeft, stackTop + board.stackRowOf(k) * step);
    }
    // The smallest number of a decade lies on top, so a stack is uncovered in counting order.
    for (int k = HundredBoard::Tiles - 1; k >= 0; --k)
        Picture1[k].raise();

    const PictureBox& first = Picture2[0];
    for (int k = 0; k < HundredBoard::Tiles; ++k) {
        const QPoint at = HundredBoard::squareOf(k);
        Picture2[k].Move(first.Left() + at.x() * first.Width(),
                         first.Top() + at.y() * first.Height());
    }
}

// A blank line at the marker's width, then the number at its height, in 黑体 bold.
void Frm100::printNumber(int k)
{
    const Shape* marker = Shape1;
    if (HundredBoard::markerOf(k) == HundredBoard::Marker::TwoDigits) marker = Shape2;
    if (HundredBoard::markerOf(k) == HundredBoard::Marker::Hundred) marker = Shape3;
    PictureBox& tile = Picture1[k];
    tile.Cls();
    tile.setFont(QStringLiteral("黑体"), marker->Width(), true);
    tile.Print();
    tile.setFontSize(marker->Height());
    tile.Print(HundredBoard::numberOf(k));
}

// A tile let go on its own square lies there from now on.
void Frm100::Picture1_Drop(int k)
{
    if (!board.drop(k, k)) return;
    // The board is silent: the trace is how a test of the real program sees a tile land.
    app().services.log(QStringLiteral("tile %1 placed").arg(k + 1));
    PictureBox& square = Picture2[k];
    PictureBox& tile = Picture1[k];
    square.PaintPicture(tile.image(), 0, 0, square.width(), square.height());
    tile.hide();
    square.lower();
    // The tile in hand is still in its own mouse handler: the board goes once it is done.
    if (board.complete()) QMetaObject::invokeMethod(this, &Frm100::finish, Qt::QueuedConnection);
}

// Well done: the board is cleared away until the window is opened again.
void Frm100::finish()
{
    app().services.message(QStringLiteral("You are ok!!!!"), MessageIcon::None, MessageButtons::Ok);
    Picture1.UnloadAllButFirst();
    Picture2.UnloadAllButFirst();
    Picture2[0].Cls();
}
