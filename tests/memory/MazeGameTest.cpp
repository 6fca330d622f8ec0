// The maze without pixels on screen: where a picture's red areas and walls are found, and
// what a press, a move and a release mean for the child's line.

#include "activities/memory/MazeGame.h"
#include "MemoryFixture.h"

#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Kind = MazeGame::Step::Kind;

QImage white(int width = 240, int height = 130)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

QImage paint(QImage picture, const std::function<void(QPainter&)>& draw)
{
    QPainter p(&picture);
    draw(p);
    return picture;
}

const QColor Black(0, 0, 0), Red(255, 0, 0);

TEST(MazeScan, FindsTheBoxesOfTheSampledRedAreasAndWalls)
{
    const MazeAreas areas = ScanMaze(testMaze());
    // Every second pixel is sampled, so a box ends on the last even pixel of its area.
    EXPECT_EQ(areas.zoneA, QRect(QPoint(30, 50), QPoint(48, 68)));
    EXPECT_EQ(areas.zoneB, QRect(QPoint(170, 50), QPoint(188, 68)));
    EXPECT_EQ(areas.wallBox, QRect(QPoint(10, 10), QPoint(208, 108)));
    EXPECT_TRUE(areas.playable());
}

struct ScanCase {
    const char* name;
    std::function<void(QPainter&)> draw; // over a white picture with the test maze's walls
    bool twoRedAreas;
    QRect zoneA;
};

class MazeScanCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(MazeScanCases, TwoRedAreasNeedASampledColumnWithoutRedBetweenThem)
{
    const ScanCase c = GetParam();
    const QImage picture = paint(white(), [&](QPainter& p) {
        p.fillRect(10, 10, 200, 4, Black);
        c.draw(p);
    });
    const MazeAreas areas = ScanMaze(picture);
    EXPECT_EQ(areas.hasTwoRedAreas(), c.twoRedAreas);
    EXPECT_EQ(areas.playable(), c.twoRedAreas);
    if (c.twoRedAreas) {
        EXPECT_EQ(areas.zoneA, c.zoneA);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, MazeScanCases,
    ::testing::Values(
        ScanCase{"noRed", [](QPainter&) {}, false, {}},
        ScanCase{"oneArea", [](QPainter& p) { p.fillRect(30, 50, 20, 20, Red); }, false, {}},
        ScanCase{"oneAboveTheOther",
                 [](QPainter& p) {
                     p.fillRect(30, 30, 20, 10, Red);
                     p.fillRect(30, 80, 20, 10, Red);
                 },
                 false,
                 {}},
        // Red up to column 47 and from 50: sampled columns 46 and 50 with 48 free between.
        ScanCase{"gapOfOneSampledColumn",
                 [](QPainter& p) {
                     p.fillRect(30, 50, 18, 10, Red);
                     p.fillRect(50, 50, 10, 10, Red);
                 },
                 true, QRect(QPoint(30, 50), QPoint(46, 58))},
        // Red up to column 48 and from 50: the sampled columns 48 and 50 touch.
        ScanCase{"noSampledColumnBetween",
                 [](QPainter& p) {
                     p.fillRect(30, 50, 19, 10, Red);
                     p.fillRect(50, 50, 10, 10, Red);
                 },
                 false,
                 {}},
        // The last gap separates: the first two areas are the left one.
        ScanCase{"threeAreas",
                 [](QPainter& p) {
                     p.fillRect(20, 50, 10, 10, Red);
                     p.fillRect(60, 40, 10, 10, Red);
                     p.fillRect(150, 50, 10, 10, Red);
                 },
                 true, QRect(QPoint(20, 40), QPoint(68, 58))},
        ScanCase{"redInTheFirstSampledColumn",
                 [](QPainter& p) {
                     p.fillRect(0, 50, 6, 10, Red);
                     p.fillRect(150, 50, 10, 10, Red);
                 },
                 true, QRect(QPoint(2, 50), QPoint(4, 58))},
        ScanCase{"nearlyRedIsGround",
                 [](QPainter& p) {
                     p.fillRect(30, 50, 20, 20, QColor(254, 0, 0));
                     p.fillRect(170, 50, 20, 20, Red);
                 },
                 false,
                 {}},
        // One-pixel red lines on odd columns are never sampled.
        ScanCase{"redOnlyBetweenSamples",
                 [](QPainter& p) {
                     p.fillRect(31, 50, 1, 20, Red);
                     p.fillRect(171, 50, 1, 20, Red);
                 },
                 false,
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MazeScan, APictureWithoutWallsOrWithoutPixelsCannotBePlayed)
{
    const QImage noWalls = paint(white(), [](QPainter& p) {
        p.fillRect(30, 50, 20, 20, Red);
        p.fillRect(170, 50, 20, 20, Red);
    });
    EXPECT_TRUE(ScanMaze(noWalls).hasTwoRedAreas());
    EXPECT_FALSE(ScanMaze(noWalls).playable());
    EXPECT_FALSE(ScanMaze(QImage()).playable());
    EXPECT_FALSE(ScanMaze(white(1, 1)).playable());
    // Other formats are read by their colours.
    EXPECT_EQ(ScanMaze(testMaze().convertToFormat(QImage::Format_Indexed8)).zoneB,
              QRect(QPoint(170, 50), QPoint(188, 68)));
}

// The area around a box: strictly within 10 pixels on every side.
TEST(MazeGame, ALineStartsWithinTenPixelsOfARedArea)
{
    MazeGame game(testMaze());
    const struct {
        QPoint at;
        bool starts;
    } cases[] = {
        {{21, 60}, true},   // 9 left of the left value 30
        {{20, 60}, false},  // 10 left of it
        {{57, 60}, true},   // 9 right of the right value 48
        {{58, 60}, false},  // 10 right of it
        {{40, 41}, true},   // 9 above the top 50
        {{40, 40}, false},  // 10 above it
        {{40, 77}, true},   // 9 below the bottom 68
        {{40, 78}, false},  // 10 below it
        {{161, 60}, true},  // beside the right area
        {{120, 20}, false}, // on white ground
    };
    for (const auto& c : cases) {
        const MazeGame::Step step = game.press(c.at);
        EXPECT_EQ(step.kind == Kind::Started, c.starts) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(game.drawing(), c.starts);
        if (c.starts) {
            EXPECT_EQ(step.to, c.at);
        }
    }
}

// Up over the post in the middle, across and down again.
const std::vector<QPoint> OverThePost{{40, 40}, {40, 20}, {110, 20}, {180, 20}, {180, 40}};

struct SolveCase {
    const char* name;
    QPoint start, goal;
};

class MazeSolve : public ::testing::TestWithParam<SolveCase> {};

TEST_P(MazeSolve, ALineFromOneRedAreaToTheOtherSolvesThePicture)
{
    const SolveCase c = GetParam();
    MazeGame game(testMaze());
    ASSERT_EQ(game.press(c.start).kind, Kind::Started);
    std::vector<QPoint> way = OverThePost;
    if (c.start.x() > c.goal.x()) std::reverse(way.begin(), way.end());
    way.push_back(c.goal);
    QPoint pen = c.start;
    for (const QPoint& p : way) {
        const MazeGame::Step step = game.move(p);
        ASSERT_EQ(step.kind, Kind::Drawn) << p.x() << "," << p.y();
        EXPECT_EQ(step.from, pen);
        EXPECT_EQ(step.to, p);
        pen = p;
    }
    EXPECT_EQ(game.line().size(), way.size() + 1);
    EXPECT_EQ(game.release(c.goal).kind, Kind::Solved);
    EXPECT_FALSE(game.drawing());
    EXPECT_EQ(game.release(c.goal).kind, Kind::Nothing) << "one line, one reward";
}

INSTANTIATE_TEST_SUITE_P(Directions, MazeSolve,
                         ::testing::Values(SolveCase{"leftToRight", LeftRed, RightRed},
                                           SolveCase{"rightToLeft", RightRed, LeftRed}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MazeGame, ReleasingAnywhereButTheOtherRedAreaMissesAndEndsTheLine)
{
    MazeGame game(testMaze());
    for (const QPoint end : {QPoint(40, 20), LeftRed}) {
        game.press(LeftRed);
        game.move(QPoint(40, 40));
        EXPECT_EQ(game.release(end).kind, Kind::Missed);
        EXPECT_FALSE(game.drawing());
        EXPECT_TRUE(game.line().empty());
    }
}

TEST(MazeGame, TouchingBlackEndsTheLineAtOnceAndLaterMovesDrawNothing)
{
    MazeGame game(testMaze());
    game.press(LeftRed);
    game.move(QPoint(80, 60));
    const MazeGame::Step touch = game.move(QPoint(102, 60)); // on the post
    EXPECT_EQ(touch.kind, Kind::Touched);
    EXPECT_EQ(touch.to, QPoint(100, 60)) << "where the line met the wall";
    EXPECT_FALSE(game.drawing());
    EXPECT_EQ(game.move(QPoint(150, 20)).kind, Kind::Nothing);
    EXPECT_EQ(game.release(RightRed).kind, Kind::Nothing);
}

TEST(MazeGame, AQuickHandCannotJumpAcrossAWall)
{
    MazeGame game(testMaze());
    game.press(LeftRed);
    game.move(QPoint(90, 60));
    const MazeGame::Step jump = game.move(QPoint(130, 60)); // both ends on white ground
    EXPECT_EQ(jump.kind, Kind::Touched);
    EXPECT_EQ(jump.to, QPoint(100, 60));
}

// Beyond the walls' box by 10 pixels or more the line ends, even on white ground; the
// pointer may be beside the picture altogether.
TEST(MazeGame, StrayingTenPixelsBeyondTheWallsEndsTheLine)
{
    const QImage open = paint(white(), [](QPainter& p) {
        p.fillRect(10, 10, 200, 4, Black);
        p.fillRect(10, 106, 200, 4, Black);
        p.fillRect(30, 50, 20, 20, Red);
        p.fillRect(170, 50, 20, 20, Red);
    });
    MazeGame game(open);
    ASSERT_EQ(game.areas().wallBox, QRect(QPoint(10, 10), QPoint(208, 108)));
    game.press(LeftRed);
    EXPECT_EQ(game.move(QPoint(1, 60)).kind, Kind::Drawn) << "9 pixels beyond";
    const MazeGame::Step out = game.move(QPoint(0, 60));
    EXPECT_EQ(out.kind, Kind::Touched) << "10 pixels beyond";
    EXPECT_EQ(out.to, QPoint(0, 60));
    game.press(RightRed);
    EXPECT_EQ(game.move(QPoint(230, 60)).kind, Kind::Touched);
}

TEST(MazeGame, APressOutsideTheRedAreasDrawsNothing)
{
    MazeGame game(testMaze());
    EXPECT_EQ(game.press(QPoint(120, 20)).kind, Kind::Nothing);
    EXPECT_EQ(game.move(QPoint(125, 20)).kind, Kind::Nothing);
    EXPECT_EQ(game.release(RightRed).kind, Kind::Nothing);
}

} // namespace
