// Quantities and number cards: taking as many as the number says with drops into white
// boxes, the number for the pictures, counting in twos, and counting on from a covered
// group.

#include "SumsFixture.h"
#include "activities/math/FrmJieshu.h"
#include "activities/math/FrmShu_wu.h"
#include "activities/math/PictureCards.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

// A permutation of 1..n that starts with v.
std::vector<int> firstOf(int n, int v)
{
    std::vector<int> perm{v};
    for (int k = 1; k <= n; ++k)
        if (k != v) perm.push_back(k);
    return perm;
}

// frmShu_wu with the counting picture and the number drawn: item 1..3 and N 1..3.
struct ShuWu {
    ShuWu(int item, int number)
        : m(QStringLiteral("1=1+1"))
    {
        scriptRound(item, number);
        w = m.open<FrmShu_wu>("frmShu_wu");
    }
    void scriptRound(int item, int number)
    {
        m.fx.services.scriptPermutation(firstOf(3, item));
        m.fx.services.scriptPermutation(firstOf(3, number));
    }
    QColor boxCentre(int i) const
    {
        const QImage& box = w->Picture1[i].image();
        return box.pixelColor(box.width() / 2, box.height() / 2);
    }
    bool boxEmpty(int i) const { return boxCentre(i) == QColor(Qt::white); }

    SumsFixture m;
    FrmShu_wu* w = nullptr;
};

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

TEST(TakeAsManyAsTheNumber, ShowsTheNumberThePictureAndTenWhiteBoxes)
{
    ShuWu s(2, 3);
    ASSERT_NE(s.w, nullptr);
    EXPECT_EQ(s.w->Label2->Caption(), QStringLiteral("3"));
    EXPECT_EQ(s.w->Label1->Caption(), QStringLiteral("OK"));
    EXPECT_TRUE(shows(QPixmap::fromImage(s.w->Picture2->image()), Orange));
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(s.boxEmpty(i)) << i;
    EXPECT_TRUE(s.m.sounds().isEmpty());
}

TEST(TakeAsManyAsTheNumber, ThreeDropsThenOkAreRightAndANewRoundBegins)
{
    ShuWu s(2, 3);
    const double homeLeft = s.w->Picture2->Left();
    for (int i : {0, 4, 7})
        s.m.dragOnto(s.w->Picture2, &s.w->Picture1[i]);
    EXPECT_EQ(s.w->ClickCount, 3);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(near(s.boxCentre(i), Orange), i == 0 || i == 4 || i == 7) << i;
    EXPECT_DOUBLE_EQ(s.w->Picture2->Left(), homeLeft);
    EXPECT_TRUE(s.m.sounds().isEmpty()) << "drops are silent";

    s.scriptRound(3, 1);
    s.m.click(s.w->Label1);
    EXPECT_EQ(s.m.sounds(), QStringList{"right"});
    EXPECT_EQ(s.m.fx.app.Score, 1);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(s.boxEmpty(i)) << i;
    EXPECT_EQ(s.w->ClickCount, 0);
    EXPECT_EQ(s.w->Label2->Caption(), QStringLiteral("1"));
    EXPECT_TRUE(shows(QPixmap::fromImage(s.w->Picture2->image()), Green));
}

TEST(TakeAsManyAsTheNumber, TwoDropsIntoOneBoxCountTwo)
{
    ShuWu s(1, 2);
    s.m.dragOnto(s.w->Picture2, &s.w->Picture1[5]);
    s.m.dragOnto(s.w->Picture2, &s.w->Picture1[5]);
    EXPECT_EQ(s.w->ClickCount, 2);
    s.m.click(s.w->Label1);
    EXPECT_EQ(s.m.sounds(), QStringList{"right"});
}

TEST(TakeAsManyAsTheNumber, ADropTwelvePixelsBesideTheCentreMissesAndThePictureGoesHome)
{
    ShuWu s(1, 2);
    const QPointF home(s.w->Picture2->Left(), s.w->Picture2->Top());
    s.m.dragOnto(s.w->Picture2, &s.w->Picture1[2], QPoint(12, 0));
    EXPECT_EQ(s.w->ClickCount, 0);
    EXPECT_TRUE(s.boxEmpty(2));
    EXPECT_EQ(QPointF(s.w->Picture2->Left(), s.w->Picture2->Top()), home);
    s.m.dragOnto(s.w->Picture2, &s.w->Picture1[2], QPoint(9, -9));
    EXPECT_EQ(s.w->ClickCount, 1);
}

TEST(TakeAsManyAsTheNumber, TooFewDropsAreWrongAndANewRoundHasANewNumber)
{
    ShuWu s(1, 3);
    s.m.dragOnto(s.w->Picture2, &s.w->Picture1[0]);
    s.m.fx.app.Score = 4;
    s.scriptRound(2, 2);
    s.m.click(s.w->Label1);
    EXPECT_EQ(s.m.sounds(), QStringList{"error"});
    EXPECT_EQ(s.m.fx.app.Score, 3);
    EXPECT_EQ(s.w->Label2->Caption(), QStringLiteral("2"));
    EXPECT_TRUE(s.boxEmpty(0));
}

// frmWu_shu and frmQunshu with N pictures drawn (and, for frmWu_shu, the order of the
// counting pictures).
PictureCards* openCards(SumsFixture& m, const char* window, int n, std::vector<int> items = {})
{
    m.fx.services.scriptPermutation(firstOf(10, n));
    if (!items.empty()) m.fx.services.scriptPermutation(items);
    return m.open<PictureCards>(window);
}

std::vector<int> visibleCells(const PictureCards& w)
{
    std::vector<int> cells;
    w.Image1.forEach([&](int k, const Image& cell) {
        if (!cell.Picture().isNull()) cells.push_back(k);
    });
    return cells;
}

TEST(TheNumberForThePictures, SevenPicturesAndTheCardSevenIsRight)
{
    SumsFixture m(QStringLiteral("1=1+1"));
    PictureCards* w = openCards(m, "frmWu_shu", 7, {3, 1, 2});
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(visibleCells(*w), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(shows(w->Image1[6].Picture(), Green));
    EXPECT_DOUBLE_EQ(w->Image1[5].Top(), 248) << "the first two of the second row";
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(w->Label2[k].Caption(), QString::number(k + 1));

    m.click(&w->Label2[5]);
    EXPECT_EQ(m.sounds(), QStringList{"error"});
    EXPECT_EQ(visibleCells(*w).size(), 7u) << "nothing else changes";

    m.fx.services.scriptPermutation(firstOf(10, 2));
    m.fx.services.scriptPermutation({1, 2, 3});
    m.click(&w->Label2[6]);
    EXPECT_EQ(m.sounds(), (QStringList{"error", "right"}));
    EXPECT_EQ(m.fx.app.Score, 1);
    EXPECT_EQ(visibleCells(*w), (std::vector<int>{0, 1}));
    EXPECT_TRUE(shows(w->Image1[0].Picture(), Red));
}

TEST(CountingInTwos, FourPairsOfApplesAndTheCardEightIsRight)
{
    SumsFixture m(QStringLiteral("1=1+1"));
    PictureCards* w = openCards(m, "frmQunshu", 4);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(visibleCells(*w), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(shows(w->Image1[0].Picture(), SumsFixture::apples(2)));
    EXPECT_EQ(w->Label2[0].Caption(), QStringLiteral("2"));
    EXPECT_EQ(w->Label2[9].Caption(), QStringLiteral("20"));
    m.click(&w->Label2[2]);
    EXPECT_EQ(m.sounds(), QStringList{"error"});
    m.click(&w->Label2[3]);
    EXPECT_EQ(m.sounds(), (QStringList{"error", "right"}));
}

// frmJieshu with the first group of `first` apples.
struct Jieshu {
    explicit Jieshu(int first)
        : m(QStringLiteral("1=1+1"))
    {
        m.fx.services.scriptPermutation(group(first));
        w = m.open<FrmJieshu>("frmJieshu");
    }
    static std::vector<int> group(int n) { return firstOf(5, n); }
    void secondGroup(int n)
    {
        m.fx.services.scriptPermutation(group(n));
        w->Timer1->fire();
    }
    SumsFixture m;
    FrmJieshu* w = nullptr;
};

TEST(CountingOn, TheFirstGroupIsCoveredAfterFourSecondsAndTheSecondShown)
{
    Jieshu j(3);
    ASSERT_NE(j.w, nullptr);
    EXPECT_TRUE(j.w->Image1->Visible());
    EXPECT_TRUE(shows(j.w->Image1->Picture(), SumsFixture::apples(3)));
    EXPECT_FALSE(j.w->Label1->Visible());
    EXPECT_TRUE(j.w->Image3->Picture().isNull());
    EXPECT_TRUE(j.w->Timer1->isRunning());
    EXPECT_EQ(j.w->Timer1->Interval(), 4000);

    j.secondGroup(4);
    EXPECT_FALSE(j.w->Timer1->isRunning());
    EXPECT_FALSE(j.w->Image1->Visible());
    EXPECT_TRUE(j.w->Label1->Visible());
    EXPECT_TRUE(shows(j.w->Image3->Picture(), SumsFixture::apples(4)));

    j.m.click(j.w->Label1); // a look back
    EXPECT_FALSE(j.w->Label1->Visible());
    EXPECT_TRUE(j.w->Image1->Visible());
}

struct OnCase {
    const char* name;
    int card;
    bool right;
};

class CountingOnCards : public ::testing::TestWithParam<OnCase> {};

TEST_P(CountingOnCards, JudgeTheTotalThenANewFirstGroupAfterTwoSeconds)
{
    const OnCase c = GetParam();
    Jieshu j(3);
    j.secondGroup(4);
    j.m.click(&j.w->Label2[c.card - 1]);
    EXPECT_EQ(j.m.sounds(),
              QStringList{c.right ? QStringLiteral("right") : QStringLiteral("error")});
    EXPECT_TRUE(j.w->Image4->isPlaying());
    EXPECT_TRUE(
        near(paintedCentre(j.w->Image4), c.right ? SumsFixture::GoodGif : SumsFixture::BadGif));
    EXPECT_TRUE(j.w->Timer2->isRunning());
    EXPECT_EQ(j.w->Timer2->Interval(), 2000);

    j.m.fx.services.scriptPermutation(Jieshu::group(2));
    j.w->Timer2->fire(); // a wrong answer ends the round too
    EXPECT_FALSE(j.w->Image4->isPlaying());
    EXPECT_TRUE(j.w->Image3->Picture().isNull());
    EXPECT_FALSE(j.w->Label1->Visible());
    EXPECT_TRUE(j.w->Image1->Visible());
    EXPECT_TRUE(shows(j.w->Image1->Picture(), SumsFixture::apples(2)));
    EXPECT_TRUE(j.w->Timer1->isRunning());
    EXPECT_EQ(j.m.fx.app.Score, c.right ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(frmJieshu, CountingOnCards,
                         ::testing::Values(OnCase{"seven", 7, true}, OnCase{"six", 6, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CountingOn, ACardBeforeTheSecondGroupCountsTheSecondGroupOfTheRoundBefore)
{
    Jieshu j(3);
    j.m.click(&j.w->Label2[2]); // 3 + 0: nothing shown yet
    EXPECT_EQ(j.m.sounds(), QStringList{"right"});
    j.m.fx.services.scriptPermutation(Jieshu::group(1));
    j.w->Timer2->fire();
    j.secondGroup(5);
    j.m.click(&j.w->Label2[5]);
    j.m.fx.services.scriptPermutation(Jieshu::group(2));
    j.w->Timer2->fire();
    j.m.click(&j.w->Label2[6]); // 2 + the 5 of the round before
    EXPECT_EQ(j.m.sounds(), (QStringList{"right", "right", "right"}));
}

} // namespace
