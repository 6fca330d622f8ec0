// Rows of tiles and slots as the child sees and drags them: centred rows, a tile copied into
// its own slot, every other drop sent home, and the slots read as the built answer.

#include "frame/TileRow.h"
#include "StageFixture.h"
#include "frame/ActivityForm.h"

#include <gtest/gtest.h>

namespace {

class TileWindow : public ActivityForm {
public:
    TileWindow(AppContext& app, TileRow::Design design)
        : ActivityForm(app, QStringLiteral("FrmTiles"))
        , row(*this, design, [this](int tile) { placed.push_back(tile); })
    {
    }
    TileRow row;
    std::vector<int> placed;
};

const TileRow::Design Words{QStringLiteral("Picture1"), QRectF(216, 592, 97, 97),
                            QStringLiteral("Picture2"), QRectF(312, 392, 97, 97), 5};

struct Tiles {
    explicit Tiles(TileRow::Design design = Words)
        : window(new TileWindow(fx.app, design))
    {
        fx.stage.showForm(window);
    }
    QWindow* screen() { return fx.stage.windowHandle(); }
    QPoint centreOf(QWidget* w) { return fx.onStage(w, QPoint(w->width() / 2, w->height() / 2)); }
    void drag(QWidget* from, QPoint to)
    {
        const QPoint at = centreOf(from);
        QTest::mouseMove(screen(), at);
        QTest::mousePress(screen(), Qt::LeftButton, {}, at);
        QTest::mouseMove(screen(), (at + to) / 2);
        QTest::mouseMove(screen(), to);
        QTest::mouseRelease(screen(), Qt::LeftButton, {}, to);
    }
    void dragToSlot(int tile, int slot, QPoint offset = {})
    {
        drag(&row().tiles[tile], centreOf(&row().slotBoxes[slot]) + offset);
    }
    TileRow& row() { return window->row; }
    QStringList heard() const { return fx.services.soundNames(); }

    StageFixture fx;
    TileWindow* window;
};

// The word 一二一 with the distractor 三: tiles 1..4 shuffled, slots 1..3 in reading order.
void layWord(TileRow& row)
{
    row.layTiles(1, {{"一", {}, 2, 1}, {"二", {}, 0, 2}, {"一", {}, 3, 3}, {"三", {}, 1}});
    row.laySlots(1, 3);
}

bool blank(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

TEST(TileRow, LaysCentredRowsOfTilesAndOfEmptySlots)
{
    Tiles t;
    layWord(t.row());
    // Four tiles of 97 with gaps of 5: 408 pixels in the middle of 1024.
    const double tileLefts[] = {0, 512 - 204 + 2 * 102, 308, 308 + 3 * 102, 308 + 102};
    for (int i = 1; i <= 4; ++i) {
        PictureBox& tile = t.row().tiles[i];
        EXPECT_TRUE(tile.Visible()) << i;
        EXPECT_DOUBLE_EQ(tile.Left(), tileLefts[i]) << i;
        EXPECT_DOUBLE_EQ(tile.Top(), 592) << i;
        EXPECT_FALSE(blank(tile.image())) << "tile " << i << " shows its character";
        EXPECT_EQ(tile.fontFace(), QStringLiteral("黑体"));
        EXPECT_DOUBLE_EQ(tile.FontSize(), 65);
    }
    for (int s = 1; s <= 3; ++s) {
        EXPECT_TRUE(t.row().slotBoxes[s].Visible());
        EXPECT_DOUBLE_EQ(t.row().slotBoxes[s].Left(), 512 - 153 + (s - 1) * 102) << s;
        EXPECT_DOUBLE_EQ(t.row().slotBoxes[s].Top(), 392);
        EXPECT_TRUE(blank(t.row().slotBoxes[s].image()));
    }
    EXPECT_FALSE(t.row().tiles[0].Visible());
    EXPECT_FALSE(t.row().slotBoxes[0].Visible());
    EXPECT_EQ(t.row().built(), (QStringList{"", "", ""}));
}

TEST(TileRow, ATileDroppedOnItsSlotIsCopiedIntoIt)
{
    Tiles t;
    layWord(t.row());
    const QImage face = t.row().tiles[2].image();
    t.dragToSlot(2, 2, QPoint(15, -14)); // 14.5 pixels right of and above the centre
    EXPECT_EQ(t.heard(), QStringList{"pingturight"});
    EXPECT_FALSE(t.row().tiles[2].Visible());
    EXPECT_EQ(t.row().slotBoxes[2].image(), face);
    EXPECT_EQ(t.row().placed(), 1);
    EXPECT_EQ(t.window->placed, std::vector<int>{2});
    EXPECT_EQ(t.row().built(), (QStringList{"", "二", ""}));
    EXPECT_FALSE(t.row().complete());
}

struct MissCase {
    const char* name;
    int tile;
    int slot;
    QPoint offset;
};

class Misses : public ::testing::TestWithParam<MissCase> {};

TEST_P(Misses, SendTheTileHomeWithoutAPenalty)
{
    const MissCase c = GetParam();
    Tiles t;
    layWord(t.row());
    const double left = t.row().tiles[c.tile].Left();
    t.dragToSlot(c.tile, c.slot, c.offset);
    EXPECT_EQ(t.heard(), QStringList{"mousemove"});
    EXPECT_TRUE(t.row().tiles[c.tile].Visible());
    EXPECT_DOUBLE_EQ(t.row().tiles[c.tile].Left(), left);
    EXPECT_DOUBLE_EQ(t.row().tiles[c.tile].Top(), 592);
    EXPECT_EQ(t.row().placed(), 0);
    EXPECT_TRUE(blank(t.row().slotBoxes[c.slot].image()));
}

INSTANTIATE_TEST_SUITE_P(
    TileRow, Misses,
    // A slot of 97 pixels has its centre between two pixels: 48.5 pixels in from its left.
    ::testing::Values(MissCase{"fifteenAndAHalfRight", 1, 1, {16, 0}},
                      MissCase{"fifteenAndAHalfUp", 1, 1, {0, -15}},
                      // The first 一 belongs in the first slot only, the second in the third.
                      MissCase{"sameCharacterOtherSlot", 1, 3, {}},
                      MissCase{"secondCopyFirstSlot", 3, 1, {}},
                      // The distractor has no slot, not even where its character stands.
                      MissCase{"distractor", 4, 1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TileRow, TheSlotsReadAsTheAnswerOnceEveryTileIsIn)
{
    Tiles t;
    layWord(t.row());
    for (int tile : {3, 1, 2})
        t.dragToSlot(tile, tile);
    EXPECT_TRUE(t.row().complete());
    EXPECT_EQ(t.row().built(), (QStringList{"一", "二", "一"}));
    EXPECT_TRUE(t.row().tiles[4].Visible()) << "the distractor stays";

    t.row().clear();
    EXPECT_EQ(t.row().tiles.count(), 1);
    EXPECT_EQ(t.row().slotBoxes.count(), 1);
    EXPECT_EQ(t.row().placed(), 0);
    EXPECT_FALSE(t.row().complete());
    EXPECT_TRUE(t.row().built().isEmpty());
}

TEST(TileRow, PictureTilesFromElementZeroAreAndedIntoTheirSlots)
{
    // As the number boxes of a sorting window: element 0 is a tile too, the slots already
    // hold a picture, and a tile's picture is combined with it.
    TileRow::Design numbers{QStringLiteral("Picture2"), QRectF(208, 112, 100, 100),
                            QStringLiteral("Picture1"), QRectF(56, 568, 100, 100)};
    numbers.intoSlot = RasterOp::And;
    Tiles t(numbers);
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    t.row().layTiles(0, {{"2", QPixmap::fromImage(red), 0, 1}, {"1", {}, 1, 0}});
    t.row().laySlots(0, 2);
    EXPECT_TRUE(t.row().tiles[0].Visible());
    EXPECT_DOUBLE_EQ(t.row().tiles[0].Left(), 412);
    EXPECT_EQ(t.row().tiles[0].image().pixel(50, 50), qRgb(255, 0, 0));
    t.row().slotBoxes[1].Line(0, 0, 99, 49, QColor(0, 255, 255), LineShape::FilledBox);

    t.dragToSlot(0, 1);
    EXPECT_EQ(t.row().slotBoxes[1].image().pixel(50, 20), qRgb(0, 0, 0)) << "red AND cyan";
    EXPECT_EQ(t.row().slotBoxes[1].image().pixel(50, 80), qRgb(255, 0, 0)) << "red AND white";
    EXPECT_EQ(t.row().built(), (QStringList{"", "2"}));
}

TEST(TileRow, TilesThatAreOnlyShownStayWhereTheyAre)
{
    TileRow::Design sentence = Words;
    sentence.dragged = false;
    sentence.gap = 0;
    Tiles t(sentence);
    t.row().layTiles(1, {{"小", {}, 0}, {"猫", {}, 1}});
    EXPECT_DOUBLE_EQ(t.row().tiles[1].Left(), 512 - 97);
    EXPECT_DOUBLE_EQ(t.row().tiles[2].Left(), 512);
    t.drag(&t.row().tiles[1], QPoint(500, 300));
    EXPECT_DOUBLE_EQ(t.row().tiles[1].Left(), 512 - 97);
    EXPECT_TRUE(t.heard().isEmpty());
}

TEST(TileRow, OnAScaledScreenTheCharactersGrowWithTheWidth)
{
    StageFixture fx(QString(), QSize(1280, 1024));
    auto* window = new TileWindow(fx.app, Words);
    fx.stage.showForm(window);
    fx.app.ScaleX = 1.25f;
    window->row.layTiles(1, {{"一", {}, 0}});
    EXPECT_DOUBLE_EQ(window->row.tiles[1].FontSize(), 65 * 1.25);
}

} // namespace
