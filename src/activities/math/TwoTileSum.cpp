#include "activities/math/TwoTileSum.h"

#include "activities/math/SumArtwork.h"

const SumRow TwoTileSum::Rows[2] = {
    {"FrmNumtk2", "加法", '+', "数字", RoundCycle::Sound::Silent, false},
    {"FrmPictk2", "加法", '+', "苹果", RoundCycle::Sound::Silent, false},
};

namespace {

constexpr int Tiles = 10;
constexpr double TileSide = 113;
constexpr double TileLefts[Tiles] = {32, 152, 272, 392, 512, 392, 512, 632, 752, 872};
constexpr double TileTops[2] = {512, 632};
constexpr double PlaceSide = 145;
const SumForm::Layout TileLayout{96, 136, {328, 576}, {440, 336}, {448, 344}, "Timer2"};

} // namespace

TwoTileSum::TwoTileSum(AppContext& app, const SumRow& row)
    : SumForm(app, row, TileLayout)
    , drag(*this, 18, {.drop = [this](int i) { Picture2_MouseUp(i); }})
{
    Image1.setDesigned(
        2, makePicture(QStringLiteral("Image1"), 664, TileLayout.placesTop, PlaceSide, PlaceSide));
    Image* empty = makePicture(QStringLiteral("Image1"), 0, 0, PlaceSide, PlaceSide);
    empty->setPicture(SumArtwork::emptyPlace());
    empty->hide();
    Image1.setDesigned(3, empty);
    emptyPlaces();

    for (int i = 0; i < Tiles; ++i) {
        auto* tile = make<PictureBox>(QStringLiteral("Picture2"));
        tile->Move(TileLefts[i], TileTops[i / 5], TileSide, TileSide);
        tile->setBackColor(Qt::white);
        tile->setHandCursor();
        Picture2.setDesigned(i, tile);
    }
    drag.follow(Picture2);
    Timer2 = &pauseTimer();
}

// Each tile holds its number's picture, painted over the tile's size.
void TwoTileSum::showAnswerPictures()
{
    for (int i = 0; i < Tiles; ++i) {
        PictureBox& tile = Picture2[i];
        tile.PaintPicture(numbers.of(i + 1), 0, 0, tile.width(), tile.height());
    }
}

void TwoTileSum::showProblem()
{
    Image1[2].setPicture(numbers.of(problems.result()));
    emptyPlaces();
}

// Both places show empty and count as empty: a tile dropped while the last answer was
// being judged does not carry over into the next sum.
void TwoTileSum::emptyPlaces()
{
    Image1[0].setPicture(Image1[3].Picture());
    Image1[1].setPicture(Image1[3].Picture());
    FirstFilled = false;
    SecondFilled = false;
}

// Right when both places are filled and their numbers make the result.
bool TwoTileSum::judge()
{
    const bool right = FirstFilled && SecondFilled && FirstValue + SecondValue == problems.result();
    FirstFilled = false;
    SecondFilled = false;
    return right;
}

// A copy of the tile goes into the place it was let go on; the tile itself goes home.
void TwoTileSum::Picture2_MouseUp(int i)
{
    const QPointF at = drag.pointer();
    if (drag.within(at, Image1[0])) {
        Image1[0].setPicture(numbers.of(i + 1));
        FirstFilled = true;
        FirstValue = int16_t(i + 1);
    }
    if (drag.within(at, Image1[1])) {
        Image1[1].setPicture(numbers.of(i + 1));
        SecondFilled = true;
        SecondValue = int16_t(i + 1);
    }
    drag.returnHome(Picture2[i]);
}
