// The hand-eye game through the child's mouse: a line drawn with the button held from one
// red area to the other, the line erased at a wall, the pictures in their order, and
// pictures that cannot be played.

#include "MemoryFixture.h"
#include "activities/memory/FrmShouYanxt.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

const QRgb Magenta = qRgb(255, 0, 255);

// Pictures 0..9, told apart by their widths: picture n is 240 + 10 n pixels wide.
struct Mazes : MemoryFixture {
    explicit Mazes(QSize screen = QSize(1024, 768))
        : MemoryFixture(0, screen)
    {
        for (int n = 0; n <= 9; ++n)
            addMaze(n, testMaze(widthOf(n)));
    }
    static int widthOf(int n) { return 240 + 10 * n; }
    void addMaze(int n, const QImage& picture)
    {
        data.addFile(QStringLiteral("pic/handeye/%1.bmp").arg(n), DataFixture::bmp(picture));
    }
    // The number of the maze on show, by its width.
    static int shown(const FrmShouYanxt& w)
    {
        return w.Picture1->Visible() ? (int(w.Picture1->Width()) - 240) / 10 : -1;
    }

    QWindow* screen() { return fx.stage.windowHandle(); }
    QPoint onMaze(FrmShouYanxt& w, QPoint p) { return fx.onStage(w.Picture1, p); }
    // The child's hand: press at the first point, move through the others with the
    // button held, and let go at the last.
    void drawLine(FrmShouYanxt& w, const std::vector<QPoint>& way)
    {
        pressAndMove(w, way);
        letGo(w, way.back());
    }
    void pressAndMove(FrmShouYanxt& w, const std::vector<QPoint>& way)
    {
        QTest::mouseMove(screen(), onMaze(w, way.front()));
        QTest::mousePress(screen(), Qt::LeftButton, {}, onMaze(w, way.front()));
        for (size_t i = 1; i < way.size(); ++i)
            QTest::mouseMove(screen(), onMaze(w, way[i]));
    }
    void letGo(FrmShouYanxt& w, QPoint at)
    {
        QTest::mouseRelease(screen(), Qt::LeftButton, {}, onMaze(w, at));
    }
    void solve(FrmShouYanxt& w)
    {
        drawLine(w, {LeftRed, {40, 40}, {40, 20}, {110, 20}, {180, 20}, {180, 40}, RightRed});
    }
};

int magentaPixels(const FrmShouYanxt& w, const QRect& area = {})
{
    const QImage& shown = w.Picture1->image();
    const QRect within = area.isNull() ? shown.rect() : area.intersected(shown.rect());
    int count = 0;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            count += (shown.pixel(x, y) & 0xFFFFFF) == (Magenta & 0xFFFFFF);
    return count;
}

TEST(HandEye, TheFirstPictureStandsInTheMiddleAtItsOwnSize)
{
    for (const auto& [screen, area] : {std::pair{QSize(1024, 768), QSize(1024, 768)},
                                       std::pair{QSize(1280, 1024), QSize(1280, 960)}}) {
        Mazes m(screen);
        auto* w = m.open<FrmShouYanxt>("FrmShouYanxt");
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->MazeNumber, 1);
        EXPECT_EQ(Mazes::shown(*w), 1);
        EXPECT_EQ(w->Picture1->size(), QSize(250, 130)) << "one picture pixel to a screen pixel";
        EXPECT_DOUBLE_EQ(w->Picture1->Left(), (area.width() - 250) / 2.0);
        EXPECT_DOUBLE_EQ(w->Picture1->Top(), (area.height() - 130) / 2.0);
        EXPECT_FALSE(w->Image1->Visible());
        EXPECT_EQ(w->maze().areas().zoneA, QRect(QPoint(30, 50), QPoint(48, 68)));
        EXPECT_EQ(magentaPixels(*w), 0);
    }
}

TEST(HandEye, ALineFromRedToRedEarnsARewardAndTheNextPictureASecondLater)
{
    Mazes m;
    auto* w = m.open<FrmShouYanxt>("FrmShouYanxt");
    ASSERT_NE(w, nullptr);
    m.pressAndMove(*w, {LeftRed, {40, 40}, {40, 20}, {110, 20}});
    EXPECT_GT(magentaPixels(*w, QRect(QPoint(60, 16), QPoint(100, 24))), 80)
        << "the line is drawn as the hand moves";
    m.letGo(*w, QPoint(110, 20));
    EXPECT_EQ(magentaPixels(*w), 0);
    // Pressed again in the right area, this time all the way.
    m.drawLine(*w, {RightRed, {180, 40}, {180, 20}, {110, 20}, {40, 20}, {40, 40}, LeftRed});

    EXPECT_EQ(m.sounds(), (QStringList{QStringLiteral("mousemove"), QStringLiteral("win")}));
    EXPECT_EQ(m.fx.app.Score, 1);
    EXPECT_TRUE(m.fx.services.logLines.contains(QStringLiteral("reward right")));
    EXPECT_FALSE(w->Picture1->Visible());
    EXPECT_TRUE(w->Picture1->Picture().isNull());
    EXPECT_TRUE(w->Image1->Visible());
    EXPECT_DOUBLE_EQ(w->Image1->Left(), (1024 - 250) / 2.0);
    EXPECT_TRUE(w->Timer1->isRunning());
    EXPECT_EQ(w->Timer1->Interval(), 1000);
    EXPECT_EQ(w->MazeNumber, 2);

    w->Timer1->fire();
    EXPECT_FALSE(w->Timer1->isRunning());
    EXPECT_FALSE(w->Image1->Visible());
    EXPECT_EQ(Mazes::shown(*w), 2);
    EXPECT_DOUBLE_EQ(w->Picture1->Left(), (1024 - 260) / 2.0);
    EXPECT_EQ(magentaPixels(*w), 0);
}

TEST(HandEye, TouchingBlackErasesTheLineAtOnceAndAMagentaDotMarksTheSpot)
{
    Mazes m;
    auto* w = m.open<FrmShouYanxt>("FrmShouYanxt");
    m.pressAndMove(*w, {LeftRed, {80, 60}});
    ASSERT_GT(magentaPixels(*w), 100);
    QTest::mouseMove(m.screen(), m.onMaze(*w, QPoint(101, 60))); // onto the post, held
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("no")});
    const int dot = magentaPixels(*w, QRect(96, 56, 9, 9));
    EXPECT_GT(dot, 0);
    EXPECT_EQ(magentaPixels(*w), dot) << "only the dot is left";
    EXPECT_EQ(w->Picture1->image().pixel(60, 60) & 0xFFFFFF, 0xFFFFFFu);

    QTest::mouseMove(m.screen(), m.onMaze(*w, QPoint(80, 20))); // moving on draws nothing
    m.letGo(*w, QPoint(80, 20));
    EXPECT_EQ(magentaPixels(*w), dot);
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("no")});
    EXPECT_EQ(m.fx.app.Score, 0);
    EXPECT_EQ(Mazes::shown(*w), 1) << "a failed line never changes the picture";

    m.solve(*w); // the child starts again in a red area
    EXPECT_EQ(m.fx.app.Score, 1);
}

TEST(HandEye, ReleasingOutsideTheOtherAreaErasesTheLine)
{
    Mazes m;
    auto* w = m.open<FrmShouYanxt>("FrmShouYanxt");
    m.drawLine(*w, {LeftRed, {40, 40}, {40, 20}, {80, 20}});
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("mousemove")});
    EXPECT_EQ(magentaPixels(*w), 0);
    EXPECT_EQ(m.fx.app.Score, 0);
}

TEST(HandEye, APressBesideTheRedAreasDrawsNothing)
{
    Mazes m;
    auto* w = m.open<FrmShouYanxt>("FrmShouYanxt");
    m.drawLine(*w, {{20, 60}, {20, 30}, {60, 30}}); // 10 pixels left of the left area
    EXPECT_EQ(magentaPixels(*w), 0);
    EXPECT_TRUE(m.sounds().isEmpty());
    m.pressAndMove(*w, {{21, 60}, {21, 30}}); // 9 pixels left of it
    EXPECT_GT(magentaPixels(*w), 0);
    m.letGo(*w, QPoint(21, 30));
}

TEST(HandEye, AfterTheNinthPictureComesPictureZeroThenPictureOne)
{
    Mazes m;
    auto* w = m.open<FrmShouYanxt>("FrmShouYanxt");
    std::vector<int> order{Mazes::shown(*w)};
    for (int solved = 0; solved < 10; ++solved) {
        m.solve(*w);
        w->Timer1->fire();
        order.push_back(Mazes::shown(*w));
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1}));
    EXPECT_EQ(m.fx.app.Score, 10);
}

TEST(HandEye, PicturesThatCannotBePlayedArePassedOverWithAWarning)
{
    Mazes m;
    m.data.removeFile(QStringLiteral("pic/handeye/2.bmp"));
    QImage noRed = testMaze(Mazes::widthOf(3));
    noRed.fill(Qt::white);
    m.addMaze(3, noRed);
    m.data.addFile(QStringLiteral("pic/handeye/4.bmp"), QByteArray("BM not a picture"));
    auto* w = m.open<FrmShouYanxt>("FrmShouYanxt");
    m.solve(*w);
    w->Timer1->fire();
    EXPECT_EQ(Mazes::shown(*w), 5);
    EXPECT_EQ(w->MazeNumber, 5);
    const QStringList& warnings = m.fx.services.warnings;
    ASSERT_EQ(warnings.size(), 3) << warnings.join('\n').toStdString();
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("2.bmp is missing")));
    EXPECT_TRUE(warnings[1].contains(QStringLiteral("3.bmp has no two red areas")));
    EXPECT_TRUE(warnings[2].contains(QStringLiteral("Cannot read maze picture")));
    EXPECT_TRUE(m.fx.services.messages.isEmpty());
}

TEST(HandEye, WithoutAnyPlayablePictureTheWindowSaysSoAndCloses)
{
    MemoryFixture m(0);
    EXPECT_EQ(m.fx.windows.open(QStringLiteral("FrmShouYanxt")), nullptr);
    EXPECT_EQ(m.fx.services.messages, QStringList{QStringLiteral("没有可以玩的迷宫图片!")});
    EXPECT_EQ(m.fx.services.warnings.size(), 10);
}

} // namespace
