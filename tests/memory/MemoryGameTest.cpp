// The memory game: the cards laid out for the lesson's pictures, the target above them,
// turning a card with the child's click, and the moments before the cards turn back.

#include "MemoryFixture.h"
#include "activities/memory/FrmMemory.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

// The next question asks for `target`: the permutation of 1..n that starts with it.
void scriptTarget(MemoryFixture& m, int n, int target)
{
    std::vector<int> order{target};
    for (int v = 1; v <= n; ++v)
        if (v != target) order.push_back(v);
    m.fx.services.scriptPermutation(order);
}

std::vector<int> visibleOf(const ControlArray<Image>& faces)
{
    std::vector<int> shown;
    faces.forEach([&](int k, const Image& face) {
        if (face.Visible()) shown.push_back(k);
    });
    return shown;
}

bool allBacksShown(const FrmMemory& w, bool enabled)
{
    bool all = true;
    w.Label1.forEach(
        [&](int, const Label& back) { all = all && back.Visible() && back.Enabled() == enabled; });
    return all;
}

struct LayoutCase {
    const char* name;
    int pictures;
    QSize screen;
    double side;
    QPointF first;    // card 0
    QPointF last;     // the last card
    double targetTop; // 5 pixels above the cards
};

class CardLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(CardLayouts, CardsLieCentredInRowsWithTheTargetAboveThem)
{
    const LayoutCase c = GetParam();
    MemoryFixture m(c.pictures, c.screen);
    scriptTarget(m, c.pictures, 2);
    auto* w = m.open<FrmMemory>("FrmMemory");
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->Label1.count(), c.pictures);
    ASSERT_EQ(w->Image1.count(), c.pictures);
    const int last = c.pictures - 1;
    for (const auto& [k, at] : {std::pair{0, c.first}, std::pair{last, c.last}}) {
        for (const Control* card : {static_cast<const Control*>(&w->Label1[k]),
                                    static_cast<const Control*>(&w->Image1[k])}) {
            EXPECT_NEAR(card->Left(), at.x(), 1e-3) << k;
            EXPECT_NEAR(card->Top(), at.y(), 1e-3) << k;
            EXPECT_NEAR(card->Width(), c.side, 1e-3) << k;
            EXPECT_NEAR(card->Height(), c.side, 1e-3) << k;
        }
        EXPECT_EQ(m.itemShown(w->Image1[k].Picture()), k + 1) << "card k hides item k + 1";
    }
    EXPECT_NEAR(w->Image2->Top(), c.targetTop, 1e-3);
    EXPECT_NEAR(w->Image2->Left(), 448 * m.fx.app.ScaleX, 1e-3) << "the target keeps its left";
    EXPECT_EQ(m.itemShown(w->Image2->Picture()), 2);
    EXPECT_TRUE(visibleOf(w->Image1).empty()) << "every card face down";
    EXPECT_TRUE(allBacksShown(*w, true));
    EXPECT_TRUE(m.fx.services.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, CardLayouts,
    ::testing::Values(
        // One row of three large cards, vertically centred: (768 - 289) / 2 = 239.5 -> 240.
        LayoutCase{"three", 3, {1024, 768}, 289, {74, 240}, {658, 240}, 240 - 153 - 5},
        LayoutCase{"four", 4, {1024, 768}, 225, {56, 272}, {740, 272}, 272 - 153 - 5},
        // Rows of five; the second row starts at the left edge of the first.
        LayoutCase{"seven", 7, {1024, 768}, 177, {62, 204}, {242, 384}, 204 - 153 - 5},
        // Three rows: top0 = 114, so the target reaches 44 pixels above the window.
        LayoutCase{"fifteen", 15, {1024, 768}, 177, {62, 114}, {782, 474}, -44},
        // The 4:3 area of 1280 x 1024 is 1280 x 960, both factors 1.25.
        LayoutCase{"threeAt1280",
                   3,
                   {1280, 1024},
                   361.25,
                   {93.625, 299},
                   {822.125, 299},
                   299 - 191.25 - 5},
        // (960 - 2 x 224.25) / 2 = 255.75 -> 256.
        LayoutCase{"tenAt1280",
                   10,
                   {1280, 1024},
                   221.25,
                   {79.375, 256},
                   {976.375, 480.25},
                   256 - 191.25 - 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MemoryGame, MoreThanFifteenPicturesShowTheFirstFifteenAfterAMessage)
{
    MemoryFixture m(17);
    auto* w = m.open<FrmMemory>("FrmMemory");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(m.fx.services.messages, QStringList{QStringLiteral("最多可显示15幅图片!")});
    EXPECT_EQ(m.fx.app.ItemCount, 15);
    EXPECT_EQ(w->Label1.count(), 15);
    EXPECT_EQ(m.itemShown(w->Image1[14].Picture()), 15);
    EXPECT_LE(m.itemShown(w->Image2->Picture()), 15);
}

TEST(MemoryGame, ALessonWithoutPicturesSaysSoAndCloses)
{
    MemoryFixture m(0);
    EXPECT_EQ(m.open<FrmMemory>("FrmMemory"), nullptr);
    ASSERT_EQ(m.fx.services.messages.size(), 1);
    EXPECT_TRUE(m.fx.services.messages[0].contains(QStringLiteral("只有0幅图片")));
}

TEST(MemoryGame, ARightCardStaysUpASecondWithARewardThenANewTargetComes)
{
    MemoryFixture m(6);
    scriptTarget(m, 6, 4);
    auto* w = m.open<FrmMemory>("FrmMemory");
    m.click(&w->Label1[3]);

    EXPECT_EQ(visibleOf(w->Image1), std::vector<int>{3});
    EXPECT_FALSE(w->Label1[3].Visible());
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("pingturight")});
    EXPECT_EQ(m.fx.app.Score, 1);
    EXPECT_EQ(w->LblNum[0].Caption(), QStringLiteral("1"));
    EXPECT_TRUE(w->Timer1->isRunning());
    EXPECT_EQ(w->Timer1->Interval(), 1000);
    EXPECT_FALSE(w->Timer2->isRunning());

    m.click(&w->Label1[0]); // no second card while the first is up
    EXPECT_EQ(visibleOf(w->Image1), std::vector<int>{}) << "the click lands beside the cards";
    EXPECT_EQ(m.fx.app.Score, 1);
    EXPECT_TRUE(allBacksShown(*w, false)) << "the backs wait for the second to end";

    scriptTarget(m, 6, 1);
    w->Timer1->fire();
    EXPECT_FALSE(w->Timer1->isRunning());
    EXPECT_EQ(m.itemShown(w->Image2->Picture()), 1);
    EXPECT_TRUE(visibleOf(w->Image1).empty());
    EXPECT_TRUE(allBacksShown(*w, true));
}

TEST(MemoryGame, AWrongCardTurnsBackAfter600MsSilentlyAndTheTargetStays)
{
    MemoryFixture m(6);
    scriptTarget(m, 6, 4);
    auto* w = m.open<FrmMemory>("FrmMemory");
    m.fx.app.Score = 3;
    m.click(&w->Label1[5]);

    EXPECT_EQ(visibleOf(w->Image1), std::vector<int>{5});
    EXPECT_EQ(m.itemShown(w->Image1[5].Picture()), 6);
    EXPECT_TRUE(m.sounds().isEmpty());
    EXPECT_EQ(m.fx.app.Score, 3) << "no step down";
    EXPECT_FALSE(m.fx.services.logLines.contains(QStringLiteral("reward wrong")));
    EXPECT_TRUE(w->Timer2->isRunning());
    EXPECT_EQ(w->Timer2->Interval(), 600);
    EXPECT_FALSE(w->Timer1->isRunning());
    w->Label1.forEach([](int k, const Label& back) { EXPECT_FALSE(back.Enabled()) << k; });

    w->Timer2->fire();
    EXPECT_TRUE(visibleOf(w->Image1).empty());
    EXPECT_TRUE(allBacksShown(*w, true));
    EXPECT_EQ(m.itemShown(w->Image2->Picture()), 4) << "the same target";
    m.click(&w->Label1[3]);
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("pingturight")});
}

TEST(MemoryGame, AClickBesideTheCardsTurnsThemBackButTheMomentStillRuns)
{
    MemoryFixture m(6);
    scriptTarget(m, 6, 2);
    auto* w = m.open<FrmMemory>("FrmMemory");
    m.click(&w->Label1[0]);
    ASSERT_EQ(visibleOf(w->Image1), std::vector<int>{0});
    m.fx.clickAt(w, QPoint(20, 700));
    EXPECT_TRUE(visibleOf(w->Image1).empty());
    EXPECT_TRUE(allBacksShown(*w, false));
    w->Timer2->fire();
    EXPECT_TRUE(allBacksShown(*w, true));

    m.fx.clickAt(w, QPoint(20, 700)); // with nothing turned, nothing changes
    EXPECT_TRUE(allBacksShown(*w, true));
    EXPECT_FALSE(w->Timer1->isRunning() || w->Timer2->isRunning());
}

TEST(MemoryGame, ClickingTheTargetRepeatsTheInstruction)
{
    MemoryFixture m(4);
    m.data.addCourse(QStringLiteral("提示"),
                     QStringLiteral("[提示]\nFrmMemory=翻开藏着它的卡片。\n"));
    auto* w = m.open<FrmMemory>("FrmMemory");
    m.click(w->Image2);
    EXPECT_EQ(m.fx.services.spoken.count(QStringLiteral("翻开藏着它的卡片。")), 2);
}

} // namespace
