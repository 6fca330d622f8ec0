// Picture learning: the pages of thumbnails, the large photo with its word, the photo that
// says its name and jumps about, the way back to the thumbnails; and the target game of
// 多图学习 and 文字学习 with its hits, misses and hit rate.

#include "LanguageFixture.h"
#include "LessonNames.h"
#include "activities/language/Frmdangtugzh.h"
#include "activities/language/Mdlpicwenzhi.h"
#include "activities/language/TargetLearningForm.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Browser {
    explicit Browser(int items)
    {
        l.setLesson(fruitNames(items));
        w = l.open<Frmdangtugzh>("Frmdangtugzh");
    }
    void click(int element) { l.fx.click(&w->Image1[element]); }
    // The item each thumbnail 1..8 shows, 0 for an empty one.
    std::vector<int> thumbnails() const
    {
        std::vector<int> shown;
        for (int i = 1; i <= Frmdangtugzh::PerPage; ++i) {
            int item = 0;
            for (int k = 1; k <= 20; ++k)
                if (showsColour(w->Image1[i].Picture(), photoColour(k))) item = k;
            shown.push_back(item);
        }
        return shown;
    }
    LanguageFixture l;
    Frmdangtugzh* w = nullptr;
};

struct PageCase {
    const char* name;
    int items;
    int nextClicks;
    int page;
    int firstItem; // on thumbnail 1; the page counts on from it
    int itemsShown;
    bool previousArrow, nextArrow;
};

class BrowserPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(BrowserPages, ShowEightThumbnailsToAPageWithTheArrowsThePageAllows)
{
    const PageCase c = GetParam();
    Browser b(c.items);
    ASSERT_NE(b.w, nullptr);
    for (int k = 0; k < c.nextClicks; ++k)
        b.click(9);
    EXPECT_EQ(b.w->page(), c.page);
    std::vector<int> expected(8, 0);
    for (int i = 0; i < c.itemsShown; ++i)
        expected[size_t(i)] = c.firstItem + i;
    EXPECT_EQ(b.thumbnails(), expected);
    EXPECT_EQ(b.w->Image1[0].Visible(), c.previousArrow);
    EXPECT_EQ(b.w->Image1[0].Enabled(), c.previousArrow);
    EXPECT_EQ(b.w->Image1[9].Visible(), c.nextArrow);
    EXPECT_EQ(b.w->Image1[9].Enabled(), c.nextArrow);
}

INSTANTIATE_TEST_SUITE_P(
    PictureLearning, BrowserPages,
    ::testing::Values(PageCase{"EightItemsOnePageNoArrows", 8, 0, 0, 1, 8, false, false},
                      PageCase{"ThreeItemsLeaveFiveEmpty", 3, 0, 0, 1, 3, false, false},
                      PageCase{"NineItemsFirstPage", 9, 0, 0, 1, 8, false, true},
                      PageCase{"NineItemsSecondPageHoldsItemNine", 9, 1, 1, 9, 1, true, false},
                      PageCase{"SixteenItemsKeepTheArrowOnPageOne", 16, 1, 1, 9, 8, true, true},
                      PageCase{"SixteenItemsEndOnAnEmptyPage", 16, 2, 2, 0, 0, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureLearning, ThePreviousArrowGoesBackAndHidesOnTheFirstPage)
{
    Browser b(17);
    b.click(9);
    b.click(9);
    b.click(0);
    EXPECT_EQ(b.w->page(), 1);
    EXPECT_TRUE(b.w->Image1[0].Visible());
    EXPECT_EQ(b.thumbnails(), (std::vector<int>{9, 10, 11, 12, 13, 14, 15, 16}));
    b.click(0);
    EXPECT_EQ(b.w->page(), 0);
    EXPECT_FALSE(b.w->Image1[0].Visible());
    EXPECT_TRUE(b.w->Image1[9].Visible());
    EXPECT_EQ(b.thumbnails(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(PictureLearning, AThumbnailShowsItsPhotoLargeWithItsWordBeside)
{
    Browser b(10);
    b.click(9);
    b.click(2); // item 10
    EXPECT_EQ(b.w->chosen(), 10);
    EXPECT_TRUE(showsColour(b.w->Image3->Picture(), photoColour(10)));
    EXPECT_EQ(b.w->Image2->Picture().toImage(), captionOf(b.w->PicWenzhi, 10).toImage());
    EXPECT_DOUBLE_EQ(b.w->Image3->Left(), (1024 - 361) / 2.0);
    EXPECT_DOUBLE_EQ(b.w->Image2->Left(), b.w->Image3->Left() + 361 + 5);
    EXPECT_TRUE(b.l.fx.services.spoken.isEmpty() ||
                !b.l.fx.services.spoken.last().contains(QStringLiteral("菠萝")))
        << "choosing says nothing yet";
}

TEST(PictureLearning, TheLargePhotoSaysItsNameAndJumpsSmallUntilTheWordBringsTheThumbnailsBack)
{
    Browser b(10); // page 0: eight thumbnails and the next arrow
    FakeServices& s = b.l.fx.services;
    b.click(3);
    const std::vector<int> before = visibleOf(b.w->Image1);
    ASSERT_EQ(before, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));

    s.uniforms = {0.5, 0.25};
    b.l.fx.click(b.w->Image3);
    EXPECT_EQ(s.spoken.last(), QStringLiteral(" 葡萄"));
    EXPECT_EQ(b.w->mode(), Frmdangtugzh::Mode::Playing);
    EXPECT_TRUE(visibleOf(b.w->Image1).empty());
    EXPECT_EQ(b.w->hiddenList(), before);
    EXPECT_EQ(b.w->Image2->pos(), QPoint(0, 0));
    EXPECT_EQ(b.w->Image3->size(), QSize(177, 177));
    EXPECT_DOUBLE_EQ(b.w->Image3->Left(), std::floor(0.5 * (1024 - 177) + 1));
    EXPECT_DOUBLE_EQ(b.w->Image3->Top(), std::floor(0.25 * (768 - 177) + 1));

    // Every further click says the name again and moves the photo; nothing more is hidden.
    s.uniforms = {0.0, 0.9};
    b.l.fx.click(b.w->Image3);
    EXPECT_EQ(s.spoken.count(QStringLiteral(" 葡萄")), 2);
    EXPECT_DOUBLE_EQ(b.w->Image3->Left(), 1);
    EXPECT_DOUBLE_EQ(b.w->Image3->Top(), std::floor(0.9 * (768 - 177) + 1));
    EXPECT_EQ(b.w->hiddenList(), before);

    b.l.fx.click(b.w->Image2);
    EXPECT_EQ(b.w->mode(), Frmdangtugzh::Mode::Browsing);
    EXPECT_EQ(visibleOf(b.w->Image1), before);
    EXPECT_DOUBLE_EQ(b.w->Image3->Left(), (1024 - 361) / 2.0);
    EXPECT_DOUBLE_EQ(b.w->Image3->Top(), 16);
    EXPECT_EQ(b.w->Image3->size(), QSize(361, 361));
    EXPECT_EQ(b.w->Image2->pos(), QPoint(0, 0)) << "the word stays in the corner";
    EXPECT_TRUE(b.w->isLoaded());
}

// Entering and leaving the game again and again shows exactly what was on show, and the list
// of hidden thumbnails never grows past the ten elements there are.
TEST(PictureLearning, PlayingAgainAndAgainKeepsTheHiddenListWithinItsBounds)
{
    Browser b(9);
    b.click(9); // page 1: item 9 and the previous arrow
    b.click(1);
    const std::vector<int> before = visibleOf(b.w->Image1);
    for (int round = 0; round < 6; ++round) {
        b.l.fx.services.uniforms = {0.9, 0.9}; // the small photo away from the word's corner
        b.l.fx.click(b.w->Image3);
        EXPECT_LE(b.w->hiddenList().size(), 10u);
        b.l.fx.click(b.w->Image2);
        EXPECT_EQ(visibleOf(b.w->Image1), before) << round;
        EXPECT_TRUE(b.w->hiddenList().empty());
    }
}

TEST(PictureLearning, TheWordClickedWhileBrowsingClosesTheWindow)
{
    Browser b(4);
    b.l.fx.click(b.w->Image2);
    StageFixture::settle();
    EXPECT_EQ(b.l.fx.windows.find(QStringLiteral("Frmdangtugzh")), nullptr);
}

// Before a thumbnail is chosen the photo's place is empty, and an empty thumbnail has no
// item: neither says anything nor changes the window.
TEST(PictureLearning, EmptyPlacesDoNothing)
{
    Browser b(3);
    b.l.fx.click(b.w->Image3);
    EXPECT_EQ(b.w->mode(), Frmdangtugzh::Mode::Browsing);
    b.click(5);
    EXPECT_EQ(b.w->chosen(), 0);
    EXPECT_TRUE(b.w->Image3->Picture().isNull());
    EXPECT_TRUE(b.w->Image2->Picture().isNull());
    EXPECT_TRUE(b.l.fx.services.spoken.filter(QStringLiteral("苹果")).isEmpty());
}

struct TargetGame {
    TargetGame(const char* window, int items, int firstItem)
    {
        l.setLesson(fruitNames(items));
        // The place (two draws), then the random order.
        l.fx.services.uniforms = {0.5, 0.5};
        l.fx.services.scriptPermutation(startingWith(items, firstItem));
        w = l.open<TargetLearningForm>(window);
    }
    static std::vector<int> startingWith(int n, int first)
    {
        std::vector<int> perm{first};
        for (int v = 1; v <= n; ++v)
            if (v != first) perm.push_back(v);
        return perm;
    }
    void hit(int nextItem)
    {
        l.fx.services.uniforms = {0.1, 0.9};
        l.fx.services.scriptPermutation(startingWith(4, nextItem));
        l.fx.click(w->Image2);
    }
    void miss() { l.fx.clickAt(w, QPoint(600, 700)); }
    QString rate()
    {
        l.fx.click(w->Image3);
        return w->Label1->Visible() ? w->Label1->Caption() : QString();
    }
    LanguageFixture l;
    TargetLearningForm* w = nullptr;
};

struct TargetCase {
    const char* window;
    bool targetIsPhoto;
    const char* rate75;
    const char* rate66;
    const char* rateBeforeAnyAnswer;
};

class TargetWindows : public ::testing::TestWithParam<TargetCase> {};

TEST_P(TargetWindows, PressingTheTargetShowsItsOtherSideAndSaysTheName)
{
    const TargetCase c = GetParam();
    TargetGame g(c.window, 4, 3);
    ASSERT_NE(g.w, nullptr);
    EXPECT_EQ(g.w->BackColor(), QColor(0, 192, 192));
    EXPECT_EQ(g.w->target(), 3);
    const QImage caption = captionOf(g.w->PicWenzhi, 3).toImage();
    const double faces = g.w->ImgFace[0].Height();
    EXPECT_DOUBLE_EQ(g.w->Image2->Left(), std::floor(0.5 * (1024 - 145) + 1));
    EXPECT_DOUBLE_EQ(g.w->Image2->Top(), std::floor(0.5 * (768 - 145 - faces) + 1) + faces);
    if (c.targetIsPhoto)
        EXPECT_TRUE(showsColour(g.w->Image2->Picture(), photoColour(3)));
    else
        EXPECT_EQ(g.w->Image2->Picture().toImage(), caption);

    g.l.fx.press(g.w->Image2);
    EXPECT_EQ(g.l.fx.services.spoken.last(), QStringLiteral("葡萄"));
    if (c.targetIsPhoto)
        EXPECT_EQ(g.w->Image2->Picture().toImage(), caption);
    else
        EXPECT_TRUE(showsColour(g.w->Image2->Picture(), photoColour(3)));

    g.l.fx.services.uniforms = {0.0, 1.0 - 1e-9};
    g.l.fx.services.scriptPermutation(TargetGame::startingWith(4, 1));
    g.l.fx.release(g.w->Image2);
    EXPECT_EQ(g.w->hits(), 1);
    EXPECT_EQ(g.l.fx.app.Score, 1);
    EXPECT_EQ(g.w->target(), 1);
    EXPECT_DOUBLE_EQ(g.w->Image2->Left(), 1);
    EXPECT_LE(g.w->Image2->Top() + 145, 768) << "the target stays on the window";
    EXPECT_GT(g.w->Image2->Top(), faces) << "and below the reward faces";
    EXPECT_TRUE(g.l.sounds().isEmpty());
}

TEST_P(TargetWindows, TheHotSpotShowsTheRateRoundedDown)
{
    const TargetCase c = GetParam();
    TargetGame g(c.window, 4, 1);
    EXPECT_EQ(g.rate(), QString::fromUtf8(c.rateBeforeAnyAnswer));
    g.l.fx.click(g.w->Label1);
    EXPECT_FALSE(g.w->Label1->Visible());
    EXPECT_TRUE(g.w->Image2->Visible());

    g.hit(2);
    g.hit(3);
    g.miss();
    EXPECT_EQ(g.w->hits(), 2);
    EXPECT_EQ(g.w->misses(), 1);
    EXPECT_EQ(g.l.fx.app.Score, 1);
    EXPECT_EQ(g.rate(), QString::fromUtf8(c.rate66));
    EXPECT_FALSE(g.w->Image2->Visible()) << "the rate interrupts the game";
    const QRect label = g.w->Label1->geometry();
    EXPECT_NEAR(label.center().x(), 512, 1);
    EXPECT_NEAR(label.center().y(), 384, 1);
    g.l.fx.click(g.w->Label1);
    EXPECT_EQ(g.w->target(), 3) << "the same target as before";
    g.hit(4);
    EXPECT_EQ(g.rate(), QString::fromUtf8(c.rate75));
    // Neither the hot spot nor the label is an answer.
    EXPECT_EQ(g.w->hits(), 3);
    EXPECT_EQ(g.w->misses(), 1);
    EXPECT_TRUE(g.l.sounds().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    PictureLearning, TargetWindows,
    ::testing::Values(TargetCase{"Frmtuxgzh", true, "击中率75%", "击中率66%", "击中率0%"},
                      TargetCase{"FrmtuxgzhWZ", false, "75 分!", "66 分!", "0 分!"}),
    [](const auto& info) { return std::string(info.param.window); });

} // namespace
