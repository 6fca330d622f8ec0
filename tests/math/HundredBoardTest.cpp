// The hundred board: the stacks and the board, the printed numbers, drops within 15 pixels
// of a tile's own square, and the end of the game.

#include "SumsFixture.h"
#include "activities/math/Frm100.h"

#include <gtest/gtest.h>

namespace {

struct Board {
    explicit Board(std::vector<int> stacks = {3, 1, 4, 10, 5, 9, 2, 6, 8, 7},
                   QSize screen = QSize(1024, 768), bool stretch = false)
        : m({}, {}, screen)
    {
        m.fx.stage.setStretch(stretch);
        m.fx.services.scriptPermutation(stacks);
        w = m.open<Frm100>("Frm100");
    }
    // Drags tile k to the centre of square s moved by an offset.
    void drop(int k, int s, QPoint offset = {})
    {
        m.dragOnto(&w->Picture1[k], &w->Picture2[s], offset);
    }
    // The uppermost tile in the middle of a stack row, or -1.
    int uppermostTileAt(int row) const
    {
        const Image& stacks = *w->Image2;
        QWidget* hit = w->childAt(int(stacks.x() + stacks.width() / 2),
                                  int(stacks.y() + stacks.height() * (row + 0.5)));
        for (int k = 0; k < HundredBoard::Tiles; ++k)
            if (w->Picture1.at(k) == hit) return k;
        return -1;
    }

    SumsFixture m;
    Frm100* w = nullptr;
};

// The extent of the dark pixels of a tile: what the child sees of its number.
QRect inkOf(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100) ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST(HundredBoardModel, ATileLandsOnlyOnItsOwnSquareAndOnlyOnce)
{
    HundredBoard board;
    board.deal({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_FALSE(board.drop(6, 16)) << "7 on the square of 17";
    EXPECT_FALSE(board.drop(6, -1));
    EXPECT_TRUE(board.drop(6, 6));
    EXPECT_FALSE(board.drop(6, 6));
    EXPECT_EQ(board.placed(), 1);
    for (int k = 0; k < HundredBoard::Tiles; ++k)
        board.drop(k, k);
    EXPECT_TRUE(board.complete());
    board.deal({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(board.placed(), 0);
    EXPECT_EQ(HundredBoard::squareOf(36), QPoint(6, 3));
}

TEST(HundredBoard, DecadesStandInStacksInTheDrawnOrderAndTheBoardIsClosed)
{
    const std::vector<int> orders[] = {{3, 1, 4, 10, 5, 9, 2, 6, 8, 7},
                                       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}};
    for (const std::vector<int>& order : orders) {
        Board b(order);
        ASSERT_NE(b.w, nullptr);
        for (int k = 0; k < HundredBoard::Tiles; ++k) {
            const PictureBox& tile = b.w->Picture1[k];
            EXPECT_TRUE(tile.Visible()) << k;
            EXPECT_EQ(tile.Left(), 48) << k;
            EXPECT_EQ(tile.Top(), 16 + (order[k / 10] - 1) * 73) << k;
            const PictureBox& square = b.w->Picture2[k];
            EXPECT_EQ(square.Left(), 240 + k % 10 * 73) << k;
            EXPECT_EQ(square.Top(), 16 + k / 10 * 73) << k;
            EXPECT_EQ(square.Width(), 73);
        }
        // The smallest number of a decade lies on top of its stack.
        for (int decade = 0; decade < 10; ++decade)
            EXPECT_EQ(b.uppermostTileAt(order[decade] - 1), decade * 10) << decade;
        EXPECT_TRUE(b.m.sounds().isEmpty());
        EXPECT_FALSE(b.w->hasRewardStrip());
    }
}

TEST(HundredBoard, NumbersUpToTenAreLargestAndStandABlankInThenElevenToNinetyNineThenHundred)
{
    Board b;
    const QRect one = inkOf(b.w->Picture1[0].image());
    const QRect seven = inkOf(b.w->Picture1[6].image());
    const QRect seventeen = inkOf(b.w->Picture1[16].image());
    const QRect hundred = inkOf(b.w->Picture1[99].image());
    EXPECT_GT(one.height(), seventeen.height());
    EXPECT_GT(seventeen.height(), hundred.height());
    EXPECT_GT(seven.left(), seventeen.left() + 5) << "the leading blank";
    // Every number stands below its margin line and inside its tile.
    for (const QRect& ink : {one, seven, seventeen, hundred}) {
        EXPECT_GE(ink.top(), 10);
        EXPECT_TRUE(QRect(0, 0, 73, 73).contains(ink));
    }
    EXPECT_DOUBLE_EQ(b.w->Picture1[6].FontSize(), 34);
    EXPECT_DOUBLE_EQ(b.w->Picture1[16].FontSize(), 25);
    EXPECT_DOUBLE_EQ(b.w->Picture1[99].FontSize(), 19);
}

TEST(HundredBoard, PrintSizesFollowTheRescaledMarkers)
{
    Board b({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, QSize(1280, 1024), true);
    EXPECT_DOUBLE_EQ(b.w->Picture1[6].FontSize(), b.w->Shape1->Height());
    EXPECT_DOUBLE_EQ(b.w->Picture1[16].FontSize(), b.w->Shape2->Height());
    EXPECT_DOUBLE_EQ(b.w->Picture1[99].FontSize(), b.w->Shape3->Height());
    EXPECT_NEAR(b.w->Picture1[6].FontSize(), 34 * 1024 / 768.0, 0.01);
}

TEST(HundredBoard, ADropCountsStrictlyWithinFifteenPixelsOfTheTilesOwnSquare)
{
    struct Case {
        int tile;
        int square;
        QPoint offset;
        bool lands;
    };
    // The uppermost tiles of their stacks: 1, 11 and 91; 1 on the square of 11 shows a 1 too.
    // A square is 73 pixels wide, so its centre lies half a pixel right of (and below) the
    // pixel the offsets start from: -14 and +15 are 14.5 pixels away, -15 and +16 are 15.5.
    const Case cases[] = {
        {10, 10, {-14, 0}, true},   {10, 10, {-15, 0}, false}, {10, 10, {15, 0}, true},
        {10, 10, {16, 0}, false},   {10, 10, {0, -15}, false}, {10, 10, {15, -14}, true},
        {10, 10, {0, 16}, false},   {0, 10, {}, false},        {0, 0, {}, true},
        {90, 90, {-14, -14}, true},
    };
    for (const Case& c : cases) {
        Board b;
        PictureBox& tile = b.w->Picture1[c.tile];
        const QPointF home(tile.Left(), tile.Top());
        const QImage face = tile.image();
        b.drop(c.tile, c.square, c.offset);
        const PictureBox& square = b.w->Picture2[c.square];
        SCOPED_TRACE(QStringLiteral("tile %1 on square %2 off by %3,%4")
                         .arg(c.tile + 1)
                         .arg(c.square + 1)
                         .arg(c.offset.x())
                         .arg(c.offset.y())
                         .toStdString());
        EXPECT_EQ(b.w->PlacedCount(), c.lands ? 1 : 0);
        EXPECT_EQ(tile.Visible(), !c.lands);
        EXPECT_EQ(square.image() == face, c.lands);
        if (!c.lands) {
            EXPECT_EQ(QPointF(tile.Left(), tile.Top()), home);
        }
        EXPECT_TRUE(b.m.sounds().isEmpty());
    }
}

TEST(HundredBoard, ARightButtonDragLeavesTheTileInItsStack)
{
    Board b;
    PictureBox& tile = b.w->Picture1[0];
    const QPoint from = b.m.centreOf(&tile);
    const QPoint to = b.m.centreOf(&b.w->Picture2[0]);
    QTest::mousePress(b.m.screen(), Qt::RightButton, {}, from);
    QTest::mouseMove(b.m.screen(), to);
    QTest::mouseRelease(b.m.screen(), Qt::RightButton, {}, to);
    EXPECT_EQ(b.w->PlacedCount(), 0);
    EXPECT_TRUE(tile.Visible());
    EXPECT_EQ(tile.Left(), 48);
}

TEST(HundredBoard, TheHundredthTileBringsTheMessageOnceAndAnEmptyWindow)
{
    Board b;
    for (int k = 0; k < 99; ++k)
        b.drop(k, k);
    EXPECT_EQ(b.w->PlacedCount(), 99);
    EXPECT_TRUE(b.m.fx.services.messages.isEmpty());
    b.drop(99, 99); // its tile goes while its own release is still being handled
    StageFixture::settle();
    EXPECT_EQ(b.m.fx.services.messages, QStringList{QStringLiteral("You are ok!!!!")});
    EXPECT_EQ(b.w->Picture1.count(), 1);
    EXPECT_EQ(b.w->Picture2.count(), 1);
    EXPECT_FALSE(b.w->Picture1[0].Visible());
    const QImage first = b.w->Picture2[0].image();
    EXPECT_TRUE(inkOf(first).isEmpty()) << "the first square is empty again";
    EXPECT_TRUE(b.m.sounds().isEmpty());
    EXPECT_EQ(b.m.fx.app.Score, 0);
}

TEST(HundredBoard, EveryOpeningDealsTheStacksAnew)
{
    SumsFixture m({});
    m.fx.services.scriptPermutation({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    auto* first = m.open<Frm100>("Frm100");
    m.dragOnto(&first->Picture1[0], &first->Picture2[0]);
    ASSERT_EQ(first->PlacedCount(), 1);
    m.click(first->ImgBack);
    StageFixture::settle();
    m.fx.services.scriptPermutation({10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
    auto* second = m.open<Frm100>("Frm100");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->PlacedCount(), 0);
    EXPECT_TRUE(second->Picture1[0].Visible());
    EXPECT_EQ(second->Picture1[0].Top(), 16 + 9 * 73);
    EXPECT_EQ(second->Picture2[0].Left(), 240);
}
