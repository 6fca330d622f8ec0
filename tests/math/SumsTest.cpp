// The arithmetic windows: sums read from the course in turn, answered with a card or with
// two tiles, judged by the check, the good or bad picture for a second, then the next sum
// or the same one again.

#include "SumsFixture.h"
#include "activities/math/Decomposition.h"
#include "activities/math/MissingCard.h"
#include "activities/math/ResultCard.h"
#include "activities/math/TwoTileSum.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

// The problem on show: the numbers in the places (0 for an empty one).
int numberShown(const QPixmap& picture, bool apples = false)
{
    for (int n = 1; n <= 10; ++n)
        if (shows(picture, apples ? SumsFixture::apples(n) : SumsFixture::numeral(n))) return n;
    return 0;
}

// Picks card n and clicks the check.
void answerWithCard(SumsFixture& m, CardSum* w, int n)
{
    m.click(&w->Image3[n - 1]);
    m.click(&w->Image6[2]);
}

bool judging(const SumForm& w)
{
    return w.Image6[0].Visible() || w.Image6[1].Visible();
}

TEST(AdditionCards, ShowTheFirstSumAndTheTenCardsAndWaitForTheChild)
{
    SumsFixture m(QStringLiteral("1=2+3\n2=4+4"));
    auto* w = m.open<ResultCard>("frmNumjia");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(numberShown(w->Image1[0].Picture()), 2);
    EXPECT_EQ(numberShown(w->Image1[1].Picture()), 3);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(numberShown(w->Image3[k].Picture()), k + 1) << k;
    EXPECT_TRUE(w->Picture1->Visible()) << "the empty box over the answer place";
    EXPECT_TRUE(w->Image5->Picture().isNull());
    EXPECT_TRUE(w->Image6[2].Visible());
    EXPECT_FALSE(judging(*w));
    EXPECT_FALSE(w->ImgHelp->Visible());
    EXPECT_FALSE(w->Timer1->isRunning()) << "nothing runs while the window waits";
    EXPECT_TRUE(m.fx.services.messages.isEmpty());
}

struct CardCase {
    const char* name;
    int card;
    bool right;
    int nextFirst, nextSecond; // the sum after the pause
};

class AdditionWithTwoSums : public ::testing::TestWithParam<CardCase> {};

TEST_P(AdditionWithTwoSums, JudgeTheCardThenShowTheNextSumOrTheSameAgain)
{
    const CardCase c = GetParam();
    SumsFixture m(QStringLiteral("1=2+3\n2=4+4"));
    auto* w = m.open<ResultCard>("frmNumjia");
    m.click(&w->Image3[c.card - 1]);
    EXPECT_FALSE(w->Picture1->Visible());
    EXPECT_EQ(numberShown(w->Image5->Picture()), c.card) << "the card shows in the answer place";
    m.click(&w->Image6[2]);

    EXPECT_EQ(m.sounds(), QStringList{c.right ? QStringLiteral("right") : QStringLiteral("error")});
    EXPECT_EQ(m.fx.app.Score, c.right ? 1 : 0);
    EXPECT_EQ(w->Image6[0].Visible(), c.right);
    EXPECT_EQ(w->Image6[1].Visible(), !c.right);
    EXPECT_FALSE(w->Image6[2].Visible());
    EXPECT_TRUE(w->Timer1->isRunning());
    EXPECT_EQ(w->Timer1->Interval(), 1000);

    w->Timer1->fire();
    EXPECT_FALSE(w->Timer1->isRunning());
    EXPECT_FALSE(judging(*w));
    EXPECT_TRUE(w->Image6[2].Visible());
    EXPECT_TRUE(w->Picture1->Visible());
    EXPECT_TRUE(w->Image5->Picture().isNull());
    EXPECT_EQ(numberShown(w->Image1[0].Picture()), c.nextFirst);
    EXPECT_EQ(numberShown(w->Image1[1].Picture()), c.nextSecond);
}

INSTANTIATE_TEST_SUITE_P(frmNumjia, AdditionWithTwoSums,
                         ::testing::Values(CardCase{"five", 5, true, 4, 4},
                                           CardCase{"six", 6, false, 2, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AdditionCards, AfterTheLastSumTheListStartsAgain)
{
    SumsFixture m(QStringLiteral("1=2+3\n2=4+4"));
    auto* w = m.open<ResultCard>("frmNumjia");
    answerWithCard(m, w, 5);
    w->Timer1->fire();
    answerWithCard(m, w, 8);
    w->Timer1->fire();
    EXPECT_EQ(w->problems.ProblemNumber, 1);
    EXPECT_EQ(numberShown(w->Image1[0].Picture()), 2);
    EXPECT_EQ(numberShown(w->Image1[1].Picture()), 3);
    EXPECT_EQ(m.fx.app.Score, 2);
}

TEST(AdditionCards, TheCheckJudgesTheCardChosenLastEvenOnALaterSum)
{
    SumsFixture m(QStringLiteral("1=2+3\n2=1+4\n3=1+1"));
    auto* w = m.open<ResultCard>("frmNumjia");
    m.click(&w->Image6[2]); // no card yet: judged with 0
    EXPECT_EQ(m.sounds(), QStringList{"error"});
    w->Timer1->fire();
    answerWithCard(m, w, 5);
    w->Timer1->fire();
    m.click(&w->Image6[2]); // 1+4 with the 5 still chosen
    EXPECT_EQ(m.sounds(), (QStringList{"error", "right", "right"}));
    w->Timer1->fire();
    m.click(&w->Image6[2]); // 1+1 with the 5
    EXPECT_EQ(m.sounds().last(), QStringLiteral("error"));
}

TEST(SubtractionCards, JudgeTheDifferenceOfTheSubtractionList)
{
    SumsFixture m(QStringLiteral("1=1+1"), QStringLiteral("1=7-2"));
    auto* w = m.open<ResultCard>("frmNumjiang");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(numberShown(w->Image1[0].Picture()), 7);
    EXPECT_EQ(numberShown(w->Image1[1].Picture()), 2);
    answerWithCard(m, w, 5);
    EXPECT_EQ(m.sounds(), QStringList{"right"});
    w->Timer1->fire();
    answerWithCard(m, w, 9);
    EXPECT_EQ(m.sounds(), (QStringList{"right", "error"}));
}

TEST(PictureAddition, ShowsApplesAndJudgesWithoutASound)
{
    SumsFixture m(QStringLiteral("1=3+4"));
    auto* w = m.open<ResultCard>("Frmpicjia");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(numberShown(w->Image1[0].Picture(), true), 3);
    EXPECT_EQ(numberShown(w->Image3[6].Picture(), true), 7);
    answerWithCard(m, w, 7);
    EXPECT_TRUE(m.sounds().isEmpty());
    EXPECT_EQ(m.fx.app.Score, 1);
    EXPECT_TRUE(w->Image6[0].Visible());
    w->Timer1->fire();
    answerWithCard(m, w, 6);
    EXPECT_TRUE(m.sounds().isEmpty());
    EXPECT_EQ(m.fx.app.Score, 0);
    EXPECT_TRUE(w->Image6[1].Visible());
}

// Draws with the left button held on the window's background.
void scribble(SumsFixture& m, Form* w, QPoint from, QPoint to)
{
    QTest::mouseMove(m.screen(), m.fx.onStage(w, from));
    QTest::mousePress(m.screen(), Qt::LeftButton, {}, m.fx.onStage(w, from));
    QTest::mouseMove(m.screen(), m.fx.onStage(w, (from + to) / 2));
    QTest::mouseMove(m.screen(), m.fx.onStage(w, to));
    QTest::mouseRelease(m.screen(), Qt::LeftButton, {}, m.fx.onStage(w, to));
}

bool inked(const ResultCard& w, QPoint at)
{
    return qAlpha(w.pen()->ink().pixel(at)) > 0;
}

TEST(AdditionCards, TheChildScribblesOnTheWindowUntilAPictureBelowIsClicked)
{
    SumsFixture m(QStringLiteral("1=2+3"));
    auto* w = m.open<ResultCard>("frmNumjia");
    ASSERT_NE(w->pen(), nullptr);
    scribble(m, w, QPoint(100, 360), QPoint(300, 420));
    EXPECT_TRUE(inked(*w, QPoint(100, 360))) << "a dot where the pen went down";
    EXPECT_TRUE(inked(*w, QPoint(200, 390))) << "a line along the way";
    EXPECT_FALSE(inked(*w, QPoint(200, 300)));
    EXPECT_EQ(w->grab().toImage().pixelColor(200, 390), w->pen()->ink().pixelColor(200, 390))
        << "the child sees the ink";
    m.click(&w->Image3[4]);
    EXPECT_FALSE(w->pen()->isEmpty()) << "a card keeps the drawing";
    m.click(&w->Image6[2]);
    EXPECT_TRUE(w->pen()->isEmpty());
    EXPECT_FALSE(inked(*w, QPoint(200, 390)));
}

TEST(PictureAddition, HasNoPen)
{
    SumsFixture m(QStringLiteral("1=2+3"));
    auto* w = m.open<ResultCard>("Frmpicjia");
    EXPECT_EQ(w->pen(), nullptr);
}

struct CoverCase {
    const char* name;
    int hidden; // 1 a, 2 b, 3 the result
    int rightCard;
    int wrongCard;
};

class FillInTheCoveredNumber : public ::testing::TestWithParam<CoverCase> {};

TEST_P(FillInTheCoveredNumber, TheCardThatBelongsUnderTheCoverIsRight)
{
    const CoverCase c = GetParam();
    SumsFixture m(QStringLiteral("1=2+3"));
    const std::vector<int> cover = c.hidden == 1   ? std::vector<int>{1, 2, 3}
                                   : c.hidden == 2 ? std::vector<int>{2, 1, 3}
                                                   : std::vector<int>{3, 1, 2};
    m.fx.services.scriptPermutation(cover);
    auto* w = m.open<MissingCard>("FrmNumtk");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->HiddenPlace, c.hidden);
    EXPECT_TRUE(w->Picture1->Visible());
    EXPECT_DOUBLE_EQ(w->Picture1->Left(), w->Image1[c.hidden - 1].Left());
    EXPECT_DOUBLE_EQ(w->Picture1->Top(), w->Image1[c.hidden - 1].Top());
    EXPECT_EQ(numberShown(w->Image1[0].Picture()), 2);
    EXPECT_EQ(numberShown(w->Image1[1].Picture()), 3);
    EXPECT_EQ(numberShown(w->Image1[2].Picture()), 5);

    m.click(&w->Image3[c.wrongCard - 1]);
    EXPECT_FALSE(w->Picture1->Visible());
    EXPECT_EQ(numberShown(w->Image1[c.hidden - 1].Picture()), c.wrongCard);
    m.click(&w->Image6[2]);
    EXPECT_EQ(m.fx.app.Score, 0);
    EXPECT_TRUE(w->Image6[1].Visible());
    m.fx.services.scriptPermutation(cover);
    w->Timer1->fire(); // the same sum, covered afresh
    EXPECT_TRUE(w->Picture1->Visible());
    EXPECT_TRUE(w->Image6[2].Visible());

    m.click(&w->Image3[c.rightCard - 1]);
    m.click(&w->Image6[2]);
    EXPECT_EQ(m.fx.app.Score, 1);
    EXPECT_TRUE(w->Image6[0].Visible());
    EXPECT_TRUE(m.sounds().isEmpty()) << "the fill-in windows judge without a sound";
}

INSTANTIATE_TEST_SUITE_P(FrmNumtk, FillInTheCoveredNumber,
                         ::testing::Values(CoverCase{"first", 1, 2, 3},
                                           CoverCase{"second", 2, 3, 5},
                                           CoverCase{"result", 3, 5, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FillInTheCoveredNumber, ApplesInThePictureWindow)
{
    SumsFixture m(QStringLiteral("1=2+3"));
    m.fx.services.scriptPermutation({3, 1, 2});
    auto* w = m.open<MissingCard>("FrmPictk");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(numberShown(w->Image1[2].Picture(), true), 5);
    answerWithCard(m, w, 5);
    EXPECT_EQ(m.fx.app.Score, 1);
}

// Both tiles dropped on the two places' centres.
void fillPlaces(SumsFixture& m, TwoTileSum* w, int first, int second)
{
    m.dragOnto(&w->Picture2[first - 1], &w->Image1[0]);
    m.dragOnto(&w->Picture2[second - 1], &w->Image1[1]);
}

TEST(TwoTiles, OnlyTheResultIsShownAndThePlacesAreEmpty)
{
    SumsFixture m(QStringLiteral("1=3+4"));
    auto* w = m.open<TwoTileSum>("FrmNumtk2");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(numberShown(w->Image1[2].Picture()), 7);
    for (int place : {0, 1}) {
        EXPECT_EQ(w->Image1[place].Picture().cacheKey(), w->Image1[3].Picture().cacheKey());
        EXPECT_EQ(numberShown(w->Image1[place].Picture()), 0);
    }
    EXPECT_FALSE(w->Image1[3].Visible());
    for (int i = 0; i < 10; ++i) {
        const QImage& tile = w->Picture2[i].image();
        EXPECT_TRUE(shows(QPixmap::fromImage(tile), SumsFixture::numeral(i + 1))) << i;
    }
}

struct TileCase {
    const char* name;
    std::vector<std::pair<int, int>> drops; // (tile number, place 0 or 1)
    bool right;
};

class TwoTiles : public ::testing::TestWithParam<TileCase> {};

TEST_P(TwoTiles, AnyTwoNumbersThatMakeTheResultAreRight)
{
    const TileCase c = GetParam();
    SumsFixture m(QStringLiteral("1=3+4\n2=1+1"));
    auto* w = m.open<TwoTileSum>("FrmNumtk2");
    for (const auto& [tile, place] : c.drops) {
        const double homeLeft = w->Picture2[tile - 1].Left();
        const double homeTop = w->Picture2[tile - 1].Top();
        m.dragOnto(&w->Picture2[tile - 1], &w->Image1[place]);
        EXPECT_DOUBLE_EQ(w->Picture2[tile - 1].Left(), homeLeft) << "the tile always goes home";
        EXPECT_DOUBLE_EQ(w->Picture2[tile - 1].Top(), homeTop);
        EXPECT_EQ(numberShown(w->Image1[place].Picture()), tile) << "the place keeps a copy";
    }
    m.click(&w->Image6[2]);
    EXPECT_EQ(m.fx.app.Score, c.right ? 1 : 0);
    EXPECT_EQ(w->Image6[0].Visible(), c.right);
    EXPECT_EQ(w->Image6[1].Visible(), !c.right);
    EXPECT_TRUE(w->Timer2->isRunning());
    EXPECT_TRUE(m.sounds().isEmpty());

    w->Timer2->fire();
    EXPECT_EQ(numberShown(w->Image1[0].Picture()), 0);
    EXPECT_EQ(numberShown(w->Image1[1].Picture()), 0);
    EXPECT_EQ(numberShown(w->Image1[2].Picture()), c.right ? 2 : 7);
    EXPECT_TRUE(w->Image6[2].Visible());
    EXPECT_FALSE(judging(*w));
}

INSTANTIATE_TEST_SUITE_P(
    FrmNumtk2, TwoTiles,
    ::testing::Values(TileCase{"fiveAndTwo", {{5, 0}, {2, 1}}, true},
                      TileCase{"threeAndFour", {{3, 0}, {4, 1}}, true},
                      TileCase{"fiveAndThree", {{5, 0}, {3, 1}}, false},
                      TileCase{"onlyTheFirstPlace", {{7, 0}}, false},
                      TileCase{"onlyTheSecondPlace", {{7, 1}}, false},
                      TileCase{"theLastTileCounts", {{6, 0}, {1, 1}, {5, 0}, {2, 1}}, true},
                      TileCase{"refilledWrong", {{5, 0}, {2, 1}, {6, 1}}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct NearCase {
    const char* name;
    QPoint offset;
    bool lands;
};

class TileDrops : public ::testing::TestWithParam<NearCase> {};

// The places are 145 pixels wide: their centre lies half a pixel right of (and below) the
// pixel the drag aims at.
TEST_P(TileDrops, LandStrictlyWithin18PixelsOfThePlaceCentre)
{
    const NearCase c = GetParam();
    SumsFixture m(QStringLiteral("1=3+4"));
    auto* w = m.open<TwoTileSum>("FrmNumtk2");
    const double homeLeft = w->Picture2[4].Left();
    m.dragOnto(&w->Picture2[4], &w->Image1[1], c.offset);
    EXPECT_EQ(numberShown(w->Image1[1].Picture()), c.lands ? 5 : 0);
    EXPECT_EQ(w->SecondFilled, c.lands);
    EXPECT_DOUBLE_EQ(w->Picture2[4].Left(), homeLeft);
    EXPECT_TRUE(m.sounds().isEmpty()) << "no sound on a drop";
}

INSTANTIATE_TEST_SUITE_P(
    FrmNumtk2, TileDrops,
    ::testing::Values(NearCase{"centre", {0, 0}, true}, NearCase{"right17", {17, 0}, true},
                      NearCase{"upLeft17", {-17, -17}, true}, NearCase{"left18", {-18, 0}, false},
                      NearCase{"beside20", {20, 0}, false}, NearCase{"below20", {0, 20}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TwoTiles, ATileDroppedWhileTheAnswerIsJudgedDoesNotCountForTheNextSum)
{
    SumsFixture m(QStringLiteral("1=3+4\n2=1+1"));
    auto* w = m.open<TwoTileSum>("FrmNumtk2");
    fillPlaces(m, w, 5, 2);
    m.click(&w->Image6[2]);
    m.dragOnto(&w->Picture2[0], &w->Image1[0]); // during the pause
    w->Timer2->fire();
    EXPECT_EQ(numberShown(w->Image1[0].Picture()), 0);
    m.dragOnto(&w->Picture2[0], &w->Image1[1]);
    m.click(&w->Image6[2]);
    EXPECT_TRUE(w->Image6[1].Visible()) << "the first place shows empty, so it is empty";
}

TEST(TwoTiles, ApplesInThePictureWindow)
{
    SumsFixture m(QStringLiteral("1=3+4"));
    auto* w = m.open<TwoTileSum>("FrmPictk2");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(numberShown(w->Image1[2].Picture(), true), 7);
    EXPECT_TRUE(shows(QPixmap::fromImage(w->Picture2[2].image()), SumsFixture::apples(3)));
    fillPlaces(m, w, 6, 1);
    m.click(&w->Image6[2]);
    EXPECT_EQ(m.fx.app.Score, 1);
}

TEST(TwoTiles, ASumWithoutAPictureShowsAnEmptyPlaceAndCanStillBeMade)
{
    SumsFixture m(QStringLiteral("1=6+7"));
    auto* w = m.open<TwoTileSum>("FrmNumtk2");
    EXPECT_TRUE(w->Image1[2].Picture().isNull());
    EXPECT_EQ(m.fx.services.warnings.size(), 1);
    fillPlaces(m, w, 6, 7);
    m.click(&w->Image6[2]);
    EXPECT_EQ(m.fx.app.Score, 1);
    w->Timer2->fire(); // the same sum again, and no second warning
    EXPECT_EQ(m.fx.services.warnings.size(), 1);
}

TEST(AdditionCards, ASumAboveTenShowsItsNumbersAndNoCardIsRight)
{
    SumsFixture m(QStringLiteral("1=6+7"));
    auto* w = m.open<ResultCard>("frmNumjia");
    EXPECT_EQ(numberShown(w->Image1[1].Picture()), 7);
    answerWithCard(m, w, 10);
    EXPECT_EQ(m.sounds(), QStringList{"error"});
}

// Every arithmetic and decomposition window on an empty list.
class EmptySumList : public ::testing::TestWithParam<const char*> {};

TEST_P(EmptySumList, SaysSoOnceAndLeavesNothingToJudge)
{
    SumsFixture m{QString(), QString()};
    Form* w = m.fx.windows.open(QString::fromLatin1(GetParam()));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(m.fx.services.messages, QStringList{QStringLiteral("请设置加法题目!")});
    if (auto* sum = dynamic_cast<SumForm*>(w)) {
        EXPECT_FALSE(sum->Image6[2].Visible()) << "no check without a sum";
    } else {
        auto* decomposition = dynamic_cast<Decomposition*>(w);
        ASSERT_NE(decomposition, nullptr);
        EXPECT_FALSE(decomposition->Label1->Visible()) << "no OK without a sum";
        EXPECT_FALSE(decomposition->Picture1->Visible()) << "nothing to take";
    }
    EXPECT_TRUE(m.sounds().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Windows, EmptySumList,
                         ::testing::Values("frmNumjia", "frmNumjiang", "Frmpicjia", "FrmNumtk",
                                           "FrmPictk", "FrmNumtk2", "FrmPictk2", "frmFengjie",
                                           "FrmFengjie2", "FrmFengjie3"));

struct BadLineCase {
    const char* name;
    const char* line;
};

class NotASum : public ::testing::TestWithParam<BadLineCase> {};

TEST_P(NotASum, IsPassedOverWithOneWarning)
{
    SumsFixture m(QStringLiteral("1=2+3\n2=%1\n3=4+1").arg(QString::fromUtf8(GetParam().line)));
    auto* w = m.open<ResultCard>("frmNumjia");
    answerWithCard(m, w, 5);
    w->Timer1->fire();
    EXPECT_EQ(w->problems.ProblemNumber, 3);
    EXPECT_EQ(numberShown(w->Image1[0].Picture()), 4);
    EXPECT_EQ(numberShown(w->Image1[1].Picture()), 1);
    ASSERT_EQ(m.fx.services.warnings.size(), 1);
    EXPECT_TRUE(m.fx.services.warnings[0].contains(QStringLiteral("2=")));
    answerWithCard(m, w, 5);
    w->Timer1->fire();
    answerWithCard(m, w, 5); // 2+3 again, after the wrap
    w->Timer1->fire();
    EXPECT_EQ(w->problems.ProblemNumber, 3);
    EXPECT_EQ(m.fx.services.warnings.size(), 1) << "one warning per line";
    EXPECT_EQ(m.fx.app.Score, 3);
}

INSTANTIATE_TEST_SUITE_P(
    frmNumjia, NotASum,
    ::testing::Values(BadLineCase{"noSecondNumber", "3+"}, BadLineCase{"noFirstNumber", "+4"},
                      BadLineCase{"otherSign", "5-1"}, BadLineCase{"threeNumbers", "1+2+2"},
                      BadLineCase{"words", "三+二"}, BadLineCase{"letters", "x+2"},
                      BadLineCase{"hugeNumber", "99999+1"}, BadLineCase{"noSign", "5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NotASum, AListWithoutASingleSumSaysSoLikeAnEmptyOne)
{
    SumsFixture m(QStringLiteral("1=a+b\n2=3*4"));
    auto* w = m.open<ResultCard>("frmNumjia");
    EXPECT_EQ(m.fx.services.messages, QStringList{QStringLiteral("请设置加法题目!")});
    EXPECT_EQ(m.fx.services.warnings.size(), 2);
    EXPECT_FALSE(w->Image6[2].Visible());
}

TEST(NotASum, AnAdditionInTheSubtractionListIsPassedOver)
{
    SumsFixture m(QStringLiteral("1=1+1"), QStringLiteral("1=3+4\n2=9-3"));
    auto* w = m.open<ResultCard>("frmNumjiang");
    EXPECT_EQ(numberShown(w->Image1[0].Picture()), 9);
    EXPECT_EQ(numberShown(w->Image1[1].Picture()), 3);
    EXPECT_EQ(m.fx.services.warnings.size(), 1);
}

} // namespace
