// The counting rows: clicks on cells, the judgement, the two pauses and the next row.

#include "MathFixture.h"
#include "activities/math/FrmXunxuDuo.h"
#include "activities/math/FrmXunxushsh.h"
#include "activities/math/FrmXunxushshXue.h"
#include "activities/math/OrdinalRow.h"

#include <gtest/gtest.h>

namespace {

// Scripts the next row: the item (of the three counting pictures) and the target draw.
void scriptRow(MathFixture& m, int item, std::vector<int> targets)
{
    std::vector<int> items{item};
    for (int v = 1; v <= 3; ++v)
        if (v != item) items.push_back(v);
    m.fx.services.scriptPermutation(items);
    m.fx.services.scriptPermutation(MathFixture::startingAtSecond(10, std::move(targets)));
}

template <class T> std::vector<int> visibleOf(const ControlArray<T>& array)
{
    std::vector<int> shown;
    array.forEach([&](int k, const T& c) {
        if (c.Visible()) shown.push_back(k);
    });
    return shown;
}

const std::vector<int> AllCells{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

bool waiting(const CountingRow& w)
{
    return !w.Timer1->isRunning() && !w.Timer2->isRunning();
}

TEST(CountingRow, BuildsTheRowOfTenCopiesOfTheDrawnPicture)
{
    MathFixture m;
    scriptRow(m, 2, {3});
    auto* w = m.open<OrdinalRow>("FrmXunxushshW");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(visibleOf(w->Image1), AllCells);
    for (int k = 0; k < 10; ++k) {
        EXPECT_TRUE(shows(w->Image1[k].Picture(), Orange)) << k;
        EXPECT_DOUBLE_EQ(w->Image1[k].Left(), 16 + k * 99) << k;
        EXPECT_DOUBLE_EQ(w->Shape1[k].Left(), w->Image1[k].Left());
        EXPECT_EQ(w->Label1[k].Caption(), QString::number(k + 1));
    }
    EXPECT_DOUBLE_EQ(w->Image1[9].Left() + w->Image1[9].Width(), 1004);
    EXPECT_TRUE(visibleOf(w->Shape1).empty());
    EXPECT_TRUE(visibleOf(w->Label1).empty());
    EXPECT_FALSE(w->Imggood->Visible());
    EXPECT_FALSE(w->Imgbad->Visible());
    EXPECT_EQ(w->Label2->Caption(), QStringLiteral("3"));
    EXPECT_DOUBLE_EQ(w->Label2->Left(), int(w->Label2->Width() + 1024) / 2);
    EXPECT_TRUE(waiting(*w)) << "no timer runs while the window waits for the child";
    EXPECT_TRUE(m.sounds().isEmpty());
}

struct CountCase {
    const char* name;
    int clicks;
    bool right;
};

class CountAndConfirm : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountAndConfirm, JudgesTheCountThenPausesTwiceForANewRow)
{
    const CountCase c = GetParam();
    MathFixture m;
    scriptRow(m, 1, {3});
    auto* w = m.open<FrmXunxushsh>("FrmXunxushsh");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Command1->Caption(), QStringLiteral("确   定"));
    EXPECT_EQ(w->Label2->Caption(), QStringLiteral("3"));

    for (int k = 0; k < c.clicks; ++k)
        m.click(&w->Image1[k]);
    EXPECT_EQ(visibleOf(w->Shape1).size(), std::size_t(c.clicks));
    EXPECT_TRUE(waiting(*w));
    m.click(w->Command1);

    const char* sound = c.right ? "right" : "error";
    EXPECT_EQ(m.sounds(), QStringList{QString::fromLatin1(sound)});
    EXPECT_TRUE(m.fx.services.logLines.contains(QStringLiteral("sound ") + sound));
    EXPECT_EQ(m.fx.app.Score, c.right ? 1 : 0);
    EXPECT_EQ(w->LblNum[0].Caption(), c.right ? QStringLiteral("1") : QStringLiteral("0"));
    EXPECT_EQ(visibleOf(w->ImgFace), c.right ? std::vector<int>{1} : std::vector<int>{});
    EXPECT_TRUE(w->Timer2->isRunning());
    EXPECT_EQ(w->Timer2->Interval(), 1000);

    w->Timer2->fire(); // one second later: the good or bad picture
    EXPECT_TRUE(visibleOf(w->Image1).empty());
    EXPECT_TRUE(visibleOf(w->Shape1).empty());
    EXPECT_FALSE(w->Label2->Visible());
    EXPECT_FALSE(w->Command1->Visible());
    EXPECT_EQ(w->Imggood->Visible(), c.right);
    EXPECT_EQ(w->Imgbad->Visible(), !c.right);
    EXPECT_FALSE(w->Timer2->isRunning());
    EXPECT_TRUE(w->Timer1->isRunning());
    EXPECT_EQ(w->Timer1->Interval(), 1000);

    scriptRow(m, 3, {8});
    w->Timer1->fire(); // two seconds after the answer: a new row, whatever the answer was
    EXPECT_FALSE(w->Imggood->Visible());
    EXPECT_FALSE(w->Imgbad->Visible());
    EXPECT_EQ(visibleOf(w->Image1), AllCells);
    EXPECT_TRUE(shows(w->Image1[4].Picture(), Green));
    EXPECT_EQ(w->Label2->Caption(), QStringLiteral("8"));
    EXPECT_TRUE(w->Label2->Visible());
    EXPECT_TRUE(w->Command1->Visible());
    EXPECT_EQ(w->ClickCount, 0);
    EXPECT_TRUE(waiting(*w));
    EXPECT_EQ(m.fx.app.Score, c.right ? 1 : 0) << "the reward came with the answer";
}

INSTANTIATE_TEST_SUITE_P(Target3, CountAndConfirm,
                         ::testing::Values(CountCase{"three", 3, true}, CountCase{"four", 4, false},
                                           CountCase{"two", 2, false}, CountCase{"none", 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CountAndConfirm, ADiscCannotBeClickedAgain)
{
    MathFixture m;
    scriptRow(m, 1, {2});
    auto* w = m.open<FrmXunxushsh>("FrmXunxushsh");
    m.click(&w->Image1[4]);
    m.click(&w->Image1[4]); // the picture is gone; the click lands on the disc's place
    EXPECT_EQ(w->ClickCount, 1);
    m.click(w->Command1);
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("error")});
}

TEST(CountAndConfirm, ConfirmingAgainDuringThePauseIsJudgedAgain)
{
    MathFixture m;
    scriptRow(m, 1, {1});
    auto* w = m.open<FrmXunxushsh>("FrmXunxushsh");
    m.click(&w->Image1[0]);
    m.click(w->Command1);
    m.click(w->Command1);
    EXPECT_EQ(m.sounds(), (QStringList{QStringLiteral("right"), QStringLiteral("right")}));
    EXPECT_EQ(m.fx.app.Score, 2);
}

struct OrdinalCase {
    const char* name;
    int clickedCell; // 0-based
    bool right;
};

class FindTheSeventh : public ::testing::TestWithParam<OrdinalCase> {};

TEST_P(FindTheSeventh, JudgesTheClickAndRewardsWithTheNextRow)
{
    const OrdinalCase c = GetParam();
    MathFixture m;
    scriptRow(m, 1, {7});
    auto* w = m.open<OrdinalRow>("FrmXunxushshW");
    m.click(&w->Image1[c.clickedCell]);

    EXPECT_EQ(m.sounds(), QStringList{c.right ? QStringLiteral("right") : QStringLiteral("error")});
    if (c.right) {
        EXPECT_EQ(visibleOf(w->Shape1), std::vector<int>{6});
        EXPECT_EQ(visibleOf(w->Label1), std::vector<int>{6});
        EXPECT_EQ(w->Label1[6].Caption(), QStringLiteral("7"));
        EXPECT_FALSE(w->Image1[6].Visible());
    } else {
        EXPECT_TRUE(visibleOf(w->Shape1).empty());
        EXPECT_EQ(visibleOf(w->Image1), AllCells);
    }
    w->Timer2->fire();
    EXPECT_EQ(w->Imggood->Visible(), c.right);
    EXPECT_EQ(w->Imgbad->Visible(), !c.right);
    EXPECT_FALSE(w->Label2->Visible());
    EXPECT_EQ(m.fx.app.Score, 0) << "the strip moves only with the next row";

    m.fx.app.Score = 5; // a wrong answer must show a step down
    w->Timer1->fire();
    EXPECT_EQ(m.fx.app.Score, c.right ? 6 : 4);
    EXPECT_EQ(w->LblNum[0].Caption(), QString::number(c.right ? 6 : 4));
    EXPECT_EQ(visibleOf(w->Image1), AllCells);
    EXPECT_TRUE(visibleOf(w->Label1).empty());
    EXPECT_TRUE(w->Label2->Visible());
    EXPECT_TRUE(waiting(*w));
}

INSTANTIATE_TEST_SUITE_P(Target7, FindTheSeventh,
                         ::testing::Values(OrdinalCase{"seventh", 6, true},
                                           OrdinalCase{"sixth", 5, false},
                                           OrdinalCase{"first", 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindTheNth, AWrongClickDuringThePauseTurnsTheRoundWrong)
{
    MathFixture m;
    scriptRow(m, 1, {2});
    auto* w = m.open<OrdinalRow>("FrmXunxushshW");
    m.click(&w->Image1[1]);
    m.click(&w->Image1[8]);
    EXPECT_EQ(m.sounds(), (QStringList{QStringLiteral("right"), QStringLiteral("error")}));
    w->Timer2->fire();
    EXPECT_TRUE(w->Imgbad->Visible());
}

TEST(FindTheNthPractice, AWrongClickShowsWhereTheNthPictureIsWithoutRewards)
{
    MathFixture m;
    m.fx.app.Score = 3;
    m.fx.services.scriptPermutation({1, 2, 3});
    m.fx.services.scriptPermutation(MathFixture::startingAtSecond(10, {4})); // RandomOrder3
    auto* w = m.open<OrdinalRow>("FrmXunxushshLX");
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->hasRewardStrip());
    EXPECT_FALSE(w->ImgHelp->Visible());
    EXPECT_EQ(w->Label2->Caption(), QStringLiteral("4"));
    EXPECT_EQ(m.fx.app.RandomOrder3[2], 4);

    m.click(&w->Image1[8]);
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("error")});
    EXPECT_EQ(visibleOf(w->Shape1), std::vector<int>{3});
    EXPECT_EQ(visibleOf(w->Label1), std::vector<int>{3});
    EXPECT_EQ(w->Label1[3].Caption(), QStringLiteral("4"));
    EXPECT_TRUE(w->Image1[8].Visible());

    w->Timer2->fire();
    EXPECT_TRUE(w->Imgbad->Visible());
    w->Timer1->fire();
    EXPECT_EQ(m.fx.app.Score, 3) << "practice keeps the score as it was";
    EXPECT_TRUE(waiting(*w));
}

struct OrderCase {
    const char* name;
    std::vector<int> clicks; // positions 1..10, in click order
    QStringList sounds;
    bool right;
};

class OrdinalsInOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrdinalsInOrder, JudgesFromTheFourthClickOn)
{
    const OrderCase c = GetParam();
    MathFixture m;
    scriptRow(m, 1, {5, 2, 9, 1});
    auto* w = m.open<FrmXunxuDuo>("FrmXunxuDuo");
    ASSERT_NE(w, nullptr);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w->Label2[i].Caption(), QString::number(std::vector{5, 2, 9, 1}[i]));
        EXPECT_TRUE(w->Shape2[i].Visible());
    }
    for (int position : c.clicks) {
        m.click(&w->Image1[position - 1]);
        EXPECT_TRUE(w->Label1[position - 1].Visible());
    }
    EXPECT_EQ(m.sounds(), c.sounds);
    EXPECT_EQ(w->Timer2->Interval(), 700);

    w->Timer2->fire();
    EXPECT_EQ(w->ClickCount, 0);
    EXPECT_EQ(w->Imggood->Visible(), c.right);
    EXPECT_EQ(w->Imgbad->Visible(), !c.right);
    EXPECT_TRUE(visibleOf(w->Label2).empty());
    EXPECT_TRUE(visibleOf(w->Shape2).empty());
    m.fx.app.Score = 5;
    scriptRow(m, 2, {3, 4, 6, 10});
    w->Timer1->fire();
    EXPECT_EQ(m.fx.app.Score, c.right ? 6 : 4);
    EXPECT_EQ(w->Label2[3].Caption(), QStringLiteral("10"));
    EXPECT_EQ(visibleOf(w->Shape2).size(), 4u);
    EXPECT_TRUE(waiting(*w));
}

INSTANTIATE_TEST_SUITE_P(
    Targets5291, OrdinalsInOrder,
    ::testing::Values(OrderCase{"in_order", {5, 2, 9, 1}, {QStringLiteral("right")}, true},
                      OrderCase{"last_two_swapped", {5, 2, 1, 9}, {QStringLiteral("error")}, false},
                      OrderCase{"fifth_click_in_the_pause",
                                {5, 2, 9, 1, 3},
                                {QStringLiteral("right"), QStringLiteral("error")},
                                false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OrdinalsInOrder, NothingIsJudgedBeforeTheFourthClick)
{
    MathFixture m;
    scriptRow(m, 1, {5, 2, 9, 1});
    auto* w = m.open<FrmXunxuDuo>("FrmXunxuDuo");
    for (int position : {7, 8, 10})
        m.click(&w->Image1[position - 1]);
    EXPECT_TRUE(m.sounds().isEmpty());
    EXPECT_TRUE(waiting(*w));
}

TEST(LearningToCount, TheTenthClickPausesForANewRowWithoutASound)
{
    MathFixture m;
    m.fx.services.scriptPermutation({3, 1, 2});
    auto* w = m.open<FrmXunxushshXue>("FrmXunxushshXue");
    ASSERT_NE(w, nullptr);
    EXPECT_DOUBLE_EQ(w->Image1[0].Top(), 272);
    EXPECT_EQ(w->Imggood, nullptr);
    for (int k = 0; k < 9; ++k)
        m.click(&w->Image1[k]);
    EXPECT_EQ(visibleOf(w->Label1).size(), 9u);
    EXPECT_TRUE(waiting(*w)) << "the ninth click changes nothing but the cell";
    m.click(&w->Image1[9]);
    EXPECT_TRUE(w->Timer1->isRunning());
    EXPECT_EQ(w->Timer1->Interval(), 1000);
    EXPECT_EQ(visibleOf(w->Label1).size(), 10u);

    m.fx.services.scriptPermutation({2, 1, 3});
    w->Timer1->fire();
    EXPECT_EQ(visibleOf(w->Image1), AllCells);
    EXPECT_TRUE(shows(w->Image1[0].Picture(), Orange));
    EXPECT_TRUE(visibleOf(w->Label1).empty());
    EXPECT_TRUE(visibleOf(w->Shape1).empty());
    EXPECT_EQ(w->ClickCount, 0);
    EXPECT_TRUE(waiting(*w));
    EXPECT_TRUE(m.sounds().isEmpty());
    EXPECT_EQ(m.fx.app.Score, 0);
}

TEST(CountingRow, AMissingOrUnsafePictureNameLeavesBlankCells)
{
    MathFixture m;
    m.data.addCourse(QStringLiteral("数学课程"),
                     QStringLiteral("[图片]\n图片=没有这张 ../../etc/passwd\n"));
    for (int item : {1, 2}) {
        m.fx.services.scriptPermutation(item == 1 ? std::vector{1, 2} : std::vector{2, 1});
        auto* w = m.open<FrmXunxushsh>("FrmXunxushsh");
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->Image1[0].Picture().isNull());
        EXPECT_TRUE(w->Image1[0].Visible());
        w->Unload();
        StageFixture::settle();
    }
    ASSERT_EQ(m.fx.services.warnings.size(), 2);
    EXPECT_TRUE(m.fx.services.warnings[0].contains(QStringLiteral("没有这张")));
    EXPECT_TRUE(m.fx.services.warnings[1].startsWith(QStringLiteral("Refused")));
}

TEST(CountingRow, AOneItemValueShowsThatItemNotOneReadBefore)
{
    MathFixture m;
    m.data.addCourse(QStringLiteral("数学课程"), QStringLiteral("[图片]\n图片=梨\n"));
    m.fx.app.ItemList[1] = QStringLiteral("苹果"); // what an earlier read left behind
    auto* w = m.open<FrmXunxushsh>("FrmXunxushsh");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(shows(w->Image1[0].Picture(), Green));
    EXPECT_TRUE(m.fx.services.warnings.isEmpty());
}

} // namespace
