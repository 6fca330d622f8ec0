// The point-picture game and the shooting game: the pictures' moves and turns without
// pixels, then both windows played by the child's clicks, the timers fired and the clock and
// chance scripted.

#include "LanguageFixture.h"
#include "LessonNames.h"
#include "activities/language/FrmdiangTuDuo.h"
#include "activities/language/Frmdiangtu.h"
#include "activities/language/Mdlpicwenzhi.h"
#include "activities/language/PointPictureGame.h"
#include "activities/language/ShootingGame.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

TEST(PointPictureGame, TurnsAtBothEdgesAndEndsWhenThirtySecondsHaveCome)
{
    PointPictureGame game; // top 20, falling 40 twips a tick
    game.start(1000);
    // A picture of 1000 twips in a window of 1080.
    EXPECT_FALSE(game.tick(1000, 1000, 1080).turned);
    EXPECT_EQ(game.top(), 60);
    EXPECT_TRUE(game.tick(1010, 1000, 1080).turned) << "it would pass the bottom";
    EXPECT_EQ(game.top(), 20);
    EXPECT_TRUE(game.tick(1020, 1000, 1080).turned) << "it would pass the top";
    EXPECT_EQ(game.top(), 60);

    EXPECT_FALSE(game.tick(1000 + 29'499, 1000, 1080).timeUp);
    EXPECT_TRUE(game.running());
    EXPECT_TRUE(game.tick(1000 + 29'500, 1000, 1080).timeUp);
    EXPECT_FALSE(game.running());
}

TEST(PointPictureGame, AHitStartsThePictureFallingFromTheTopOfItsNewColumn)
{
    PointPictureGame game;
    game.start(0);
    for (int k = 0; k < 3; ++k)
        game.tick(0, 100, 200); // turns at the bottom: rising now
    ASSERT_LT(game.step(), 0);
    game.restartAt(777);
    EXPECT_EQ(game.left(), 777);
    EXPECT_EQ(game.top(), 0);
    EXPECT_FALSE(game.tick(0, 100, 200).turned) << "no ten points lost for a hit";
    EXPECT_EQ(game.top(), 40);
}

TEST(ShootingGame, PicturesBounceBetweenTheBarAndTwoHeightsAboveTheWindow)
{
    ShootingGame game(100, 600);
    game.add({10, 496, 5});   // its bottom would reach the bar
    game.add({20, -195, -5}); // its top would reach -200
    game.add({30, 0, 3});
    game.tick();
    EXPECT_EQ(game.pictures()[0].step, -5);
    EXPECT_EQ(game.pictures()[0].top, 491);
    EXPECT_EQ(game.pictures()[1].step, 5);
    EXPECT_EQ(game.pictures()[1].top, -190);
    EXPECT_EQ(game.pictures()[2].top, 3);
    game.restart(0, 321);
    EXPECT_EQ(game.pictures()[0].left, 321);
    EXPECT_EQ(game.pictures()[0].top, -100);
    EXPECT_EQ(game.pictures()[0].step, -5) << "its speed kept";
}

TEST(ShootingGame, PlacesStayWithinTheRandomOrderAndTheRow)
{
    std::array<int16_t, 6> order{0, 5, 3, 1, 4, 2}; // five places
    EXPECT_EQ(PlaceOf(order, 5, 1), 5);
    EXPECT_EQ(PlaceOf(order, 5, 5), 2);
    EXPECT_EQ(PlaceOf(order, 5, 6), 5) << "more pictures than places reuse them";
    EXPECT_DOUBLE_EQ(PlaceOf(order, 50, 1), 50) << "a row wider than the order: spread";
    EXPECT_DOUBLE_EQ(PlaceOf(order, 50, 4), 40);
    EXPECT_EQ(PlaceOf(order, 0, 1), 0);
}

struct PointGame {
    explicit PointGame(int items = 4)
    {
        l.setLesson(fruitNames(items));
        w = l.open<Frmdiangtu>("Frmdiangtu");
    }
    void start(qint64 at = 5000)
    {
        l.fx.services.ticks = at;
        l.fx.click(w->Command1);
    }
    int rewardsWrong() const
    {
        return int(l.fx.services.logLines.count(QStringLiteral("reward wrong")));
    }
    LanguageFixture l;
    Frmdiangtu* w = nullptr;
};

TEST(PointPictureWindow, WaitsForStartWithTheFirstPhotoHidden)
{
    PointGame g;
    ASSERT_NE(g.w, nullptr);
    EXPECT_FALSE(g.w->Picture1->Visible());
    EXPECT_TRUE(g.w->Command1->Visible());
    EXPECT_EQ(g.w->Command1->Caption(), QStringLiteral("开始"));
    EXPECT_NEAR(g.w->Command1->geometry().center().x(), 512, 1);
    EXPECT_EQ(g.w->picture(), 1);
    EXPECT_TRUE(showsColour(g.w->Picture1->image(), photoColour(1)));
    EXPECT_EQ(g.w->game().left(), 512 * 15);
    EXPECT_FALSE(g.w->Timer1->isRunning());
    // The strip at the bottom.
    EXPECT_GE(g.w->LblNum[0].y(), 688);

    g.l.fx.clickAt(g.w, QPoint(100, 300));
    EXPECT_EQ(g.l.sounds(), QStringList{QStringLiteral("clickform")});
    EXPECT_EQ(g.l.fx.app.Score, 0);
}

TEST(PointPictureWindow, StartCountsTheOldScoreDownAndRunsTheClock)
{
    PointGame g;
    g.l.fx.app.Score = 23;
    g.start();
    EXPECT_EQ(g.rewardsWrong(), 23);
    EXPECT_EQ(g.l.fx.app.Score, 0);
    EXPECT_FALSE(g.w->Command1->Visible());
    EXPECT_TRUE(g.w->Picture1->Visible());
    EXPECT_EQ(g.w->Timer1->Interval(), 10);
    EXPECT_TRUE(g.w->Timer1->isRunning());
    const int top = g.w->game().top();
    g.w->Timer1->fire();
    EXPECT_EQ(g.w->game().top(), top + 40) << "40 twips down";
    EXPECT_DOUBLE_EQ(g.w->Picture1->Top(), top + 40);
}

TEST(PointPictureWindow, AHitRewardsAndBringsAPhotoOrAWordToTheTopOfANewColumn)
{
    PointGame g(4);
    g.start();
    g.w->Timer1->setEnabled(false); // the test ticks
    g.w->Timer1->fire();
    g.l.fx.services.scriptPermutation({6, 1, 2, 3, 4, 5, 7, 8}); // the word of item 2
    g.l.fx.services.uniforms.push_back(0.5);
    g.l.fx.click(g.w->Picture1);
    EXPECT_EQ(g.l.sounds(), QStringList{QStringLiteral("pingturight")});
    EXPECT_EQ(g.l.fx.app.Score, 1);
    EXPECT_EQ(g.w->picture(), 6);
    EXPECT_TRUE(sameInk(g.w->Picture1->image(),
                        stretched(captionOf(g.w->PicWenzhi, 2), g.w->Picture1->image().size())));
    EXPECT_EQ(g.w->game().left(), int(std::floor((1024 * 15 - 153 * 15) * 0.5)));
    EXPECT_EQ(g.w->Picture1->y(), 0);
    EXPECT_NEAR(g.w->Picture1->x(), g.w->game().left() / 15.0, 1);
}

TEST(PointPictureWindow, APictureLeftAloneCostsTenAtTheBottomAndTenAtTheTop)
{
    PointGame g;
    g.start();
    g.l.fx.app.Score = 25;
    int ticks = 0;
    while (g.l.fx.app.Score == 25 && ticks < 1000) {
        g.w->Timer1->fire();
        ++ticks;
    }
    EXPECT_EQ(g.l.fx.app.Score, 15);
    EXPECT_GE(g.w->Picture1->y() + g.w->Picture1->height(), 768 - 3) << "at the bottom";
    while (g.l.fx.app.Score == 15 && ticks < 1000) {
        g.w->Timer1->fire();
        ++ticks;
    }
    EXPECT_EQ(g.l.fx.app.Score, 5);
    EXPECT_LE(g.w->game().top(), 2 * PointPictureGame::Step) << "at the top";
    while (g.l.fx.app.Score == 5 && ticks < 1000) {
        g.w->Timer1->fire();
        ++ticks;
    }
    EXPECT_EQ(g.l.fx.app.Score, 0) << "never below 0";
}

TEST(PointPictureWindow, ThirtySecondsOnTheClockEndTheGameAndStartAgainFromZero)
{
    PointGame g;
    g.start(5000);
    g.l.fx.services.ticks = 5000 + 29'499;
    g.w->Timer1->fire();
    EXPECT_TRUE(g.w->Timer1->isRunning());
    g.l.fx.services.ticks = 5000 + 29'500;
    const int top = g.w->Picture1->y();
    g.w->Timer1->fire();
    EXPECT_FALSE(g.w->Timer1->isRunning());
    EXPECT_GT(g.w->Picture1->y(), top) << "the last tick still moves it";
    EXPECT_TRUE(g.w->Picture1->Visible());
    EXPECT_FALSE(g.w->Picture1->Enabled());
    EXPECT_TRUE(g.w->Command1->Visible());
    EXPECT_TRUE(g.w->Command1->Enabled());

    g.l.fx.app.Score = 3;
    const QPoint stopped = g.w->Picture1->pos();
    g.start(90'000);
    EXPECT_EQ(g.l.fx.app.Score, 0);
    EXPECT_TRUE(g.w->Picture1->Enabled());
    EXPECT_EQ(g.w->Picture1->pos(), stopped) << "it goes on from where it stopped";
    g.l.fx.services.ticks = 90'000 + 29'000;
    g.w->Timer1->fire();
    EXPECT_TRUE(g.w->Timer1->isRunning());
}

// A permutation of 1..n that starts with the values given.
std::vector<int> startingWith(int n, const std::vector<int>& first)
{
    std::vector<int> perm = first;
    for (int v = 1; v <= n; ++v)
        if (std::find(first.begin(), first.end(), v) == first.end()) perm.push_back(v);
    return perm;
}

struct Shooting {
    // On the design screen the pictures start apart: in columns 150 pixels from each other,
    // at heights 30 pixels from each other, falling 2, 3, 4 and 5 pixels a tick in turn.
    Shooting(int items, QSize screen = QSize(1024, 768), bool stretch = false)
        : l(screen, stretch)
    {
        l.setLesson(fruitNames(items));
        l.fx.app.ItemCount = int16_t(items);
        if (screen == QSize(1024, 768)) {
            std::vector<int> heights, columns;
            for (int i = 0; i < items; ++i) {
                heights.push_back(10 + 30 * i);
                columns.push_back(1 + 150 * i);
            }
            l.fx.services.scriptPermutation(startingWith(2 * 129, heights));
            l.fx.services.scriptPermutation(startingWith(1024 - 129, columns));
            for (int i = 0; i < items; ++i)
                l.fx.services.uniforms.push_back((i % 4 + 0.5) / 4);
        }
        w = l.open<FrmdiangTuDuo>("FrmdiangTuDuo");
    }
    LanguageFixture l;
    FrmdiangTuDuo* w = nullptr;
};

TEST(ShootingWindow, SixItemsStartAboveTheWindowInSixColumnsAtTheirOwnSpeeds)
{
    Shooting s(6);
    ASSERT_NE(s.w, nullptr);
    const auto& pictures = s.w->game().pictures();
    ASSERT_EQ(pictures.size(), 6u);
    std::set<double> columns;
    std::set<int> heights;
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(s.w->Picture1[i].Visible());
        EXPECT_TRUE(showsColour(s.w->Picture1[i].image(), photoColour(i + 1))) << i;
        columns.insert(pictures[size_t(i)].left);
        heights.insert(pictures[size_t(i)].top);
        EXPECT_LT(pictures[size_t(i)].top, 0);
        EXPECT_GE(pictures[size_t(i)].top, -2 * 129);
        EXPECT_GE(pictures[size_t(i)].step, 2);
        EXPECT_LE(pictures[size_t(i)].step, 5);
    }
    EXPECT_EQ(columns, (std::set<double>{1, 151, 301, 451, 601, 751}));
    EXPECT_EQ(heights, (std::set<int>{-10, -40, -70, -100, -130, -160}));
    EXPECT_EQ(pictures[3].step, 5);
    EXPECT_EQ(s.w->Timer1->Interval(), 50);

    const int top = pictures[0].top;
    s.w->Timer1->fire();
    EXPECT_EQ(s.w->Picture1[0].y(), top + pictures[0].step);
    EXPECT_TRUE(s.l.sounds().isEmpty());
}

TEST(ShootingWindow, AHitPictureComesBackAboveTheWindowWithANewPhoto)
{
    Shooting s(6);
    s.w->Timer1->setEnabled(false); // the test ticks
    for (int k = 0; k < 60; ++k)
        s.w->Timer1->fire(); // the pictures are well inside the window now
    s.l.fx.services.scriptPermutation({4, 1, 2, 3, 5, 6});
    s.l.fx.services.scriptPermutation(startingWith(1024 - 129, {7, 8, 600}));
    s.l.fx.click(&s.w->Picture1[2]);
    EXPECT_EQ(s.l.sounds(), QStringList{QStringLiteral("pingturight")});
    EXPECT_EQ(s.l.fx.app.Score, 1);
    EXPECT_EQ(s.w->itemOf(2), 4);
    EXPECT_TRUE(showsColour(s.w->Picture1[2].image(), photoColour(4)));
    EXPECT_EQ(s.w->Picture1[2].y(), -129);
    EXPECT_EQ(s.w->game().pictures()[2].top, -129);
    EXPECT_EQ(s.w->Picture1[2].x(), 600) << "the third column of the new order";
}

TEST(ShootingWindow, ClicksOnTheBarOrTheEmptyWindowAreMisses)
{
    Shooting s(3);
    s.l.fx.app.Score = 2;
    s.l.fx.clickAt(s.w, QPoint(500, 700)); // the bar
    s.l.fx.clickAt(s.w, QPoint(900, 600)); // the empty window
    EXPECT_EQ(s.l.sounds(),
              (QStringList{QStringLiteral("clickform"), QStringLiteral("clickform")}));
    EXPECT_EQ(s.l.fx.app.Score, 0);
}

TEST(ShootingWindow, ALessonOfOneItemHasNothingMoving)
{
    Shooting s(1);
    EXPECT_EQ(s.w->game().count(), 0);
    EXPECT_TRUE(visibleOf(s.w->Picture1).empty());
    EXPECT_FALSE(s.w->Timer1->isRunning());
}

// Columns are drawn from an order of at most 2000 places; on a wide screen every picture
// still stands on the window, at the start and after a hit, and the columns reach its right
// edge.
TEST(ShootingWindow, ColumnsStayOnTheWindowAndSpanItOnWideScreens)
{
    for (const QSize screen : {QSize(1920, 1080), QSize(3840, 1080)}) {
        Shooting s(10, screen, true);
        const double width = s.w->Picture1[0].Width();
        const double columns = screen.width() - width;
        s.l.fx.services.scriptPermutation({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        s.l.fx.services.uniforms.insert(s.l.fx.services.uniforms.end(), 2000, 1.0 - 1e-9);
        s.l.fx.click(&s.w->Picture1[9]);
        for (const auto& p : s.w->game().pictures()) {
            EXPECT_GE(p.left, 0) << screen.width();
            EXPECT_LE(p.left + width, screen.width()) << screen.width();
        }
        for (int i = 0; i < 10; ++i)
            EXPECT_LE(s.w->Picture1[i].geometry().right(), screen.width()) << i;
        EXPECT_GE(s.w->game().pictures()[9].left, columns * 0.99) << screen.width();
    }
}

} // namespace
