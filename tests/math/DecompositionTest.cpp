// Number decomposition: the pile of N and the boxes of a and b, drops within 8 pixels of a
// box's centre, the counts and their caps, the marks and the next sum.

#include "activities/math/Decomposition.h"
#include "SumsFixture.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

using Which = DecompositionRow::Which;

// The course's counting pictures are red, orange and green; the first is drawn by default.
struct Fengjie {
    explicit Fengjie(const char* window, const QString& sums = QStringLiteral("1=2+3\n2=4+1"))
        : m(sums)
    {
        m.fx.services.scriptPermutation({1, 2, 3});
        w = m.open<Decomposition>(window);
    }
    // Drops the picture on the centre of a box (moved by an offset).
    void dropOn(Shape* box, QPoint offset = {}) { m.dragOnto(w->Picture1, box, offset); }
    void dropOn(Shape* box, int times)
    {
        for (int i = 0; i < times; ++i)
            dropOn(box);
    }
    int picturesIn(const ControlArray<Image>& cells) const
    {
        int n = 0;
        cells.forEach([&](int, const Image& cell) { n += shows(cell.Picture(), Red); });
        return n;
    }
    bool marks(std::vector<int> shown) const
    {
        std::vector<int> visible;
        w->Image5.forEach([&](int i, const Image& mark) {
            if (mark.Visible()) visible.push_back(i);
        });
        return visible == shown;
    }

    SumsFixture m;
    Decomposition* w = nullptr;
};

TEST(Decomposition, ShowsThePileOfTheSumAndItsTwoNumbers)
{
    Fengjie f("frmFengjie");
    ASSERT_NE(f.w, nullptr);
    EXPECT_EQ(f.picturesIn(f.w->Image4), 5);
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(shows(f.w->Image4[k].Picture(), Red)) << k;
    EXPECT_EQ(f.picturesIn(f.w->Image2) + f.picturesIn(f.w->Image3), 0);
    EXPECT_EQ(f.w->Label4->Caption(), QStringLiteral("5"));
    EXPECT_EQ(f.w->Label2->Caption(), QStringLiteral("2"));
    EXPECT_EQ(f.w->Label3->Caption(), QStringLiteral("3"));
    EXPECT_TRUE(shows(QPixmap::fromImage(f.w->Picture1->image()), Red));
    // The picture stands centred above "OK".
    EXPECT_DOUBLE_EQ(f.w->Picture1->Left() + f.w->Picture1->Width() / 2,
                     f.w->Label1->Left() + f.w->Label1->Width() / 2);
    EXPECT_LT(f.w->Picture1->Top() + f.w->Picture1->Height(), f.w->Label1->Top());
    EXPECT_TRUE(f.marks({}));
    EXPECT_FALSE(f.w->Timer2->isRunning());
    EXPECT_TRUE(f.m.fx.services.messages.isEmpty());
}

TEST(Decomposition, TwoInTheLeftBoxAndThreeInTheRightAreRight)
{
    Fengjie f("frmFengjie");
    f.dropOn(f.w->Shape1, 2);
    f.dropOn(f.w->Shape3, 3);
    EXPECT_EQ(f.picturesIn(f.w->Image2), 2);
    EXPECT_EQ(f.picturesIn(f.w->Image3), 3);
    EXPECT_EQ(f.m.sounds(), QStringList(5, QStringLiteral("pingturight")));
    f.m.click(f.w->Label1);
    EXPECT_EQ(f.m.sounds().last(), QStringLiteral("right"));
    EXPECT_EQ(f.m.fx.app.Score, 1);
    EXPECT_TRUE(f.marks({0, 3}));
    EXPECT_TRUE(f.w->Timer2->isRunning());
    EXPECT_EQ(f.w->Timer2->Interval(), 2000);

    f.w->Timer2->fire(); // problem 2: 4+1
    EXPECT_TRUE(f.marks({}));
    EXPECT_EQ(f.w->Label4->Caption(), QStringLiteral("5"));
    EXPECT_EQ(f.w->Label2->Caption(), QStringLiteral("4"));
    EXPECT_EQ(f.picturesIn(f.w->Image2) + f.picturesIn(f.w->Image3), 0);
    EXPECT_EQ(f.w->dropCounts, (std::array<int16_t, 3>{}));
}

TEST(Decomposition, AWrongSplitShowsTheBadMarksAndTheSameSumAgain)
{
    Fengjie f("frmFengjie");
    f.dropOn(f.w->Shape1, 3);
    f.dropOn(f.w->Shape3, 2);
    f.m.click(f.w->Label1);
    EXPECT_EQ(f.m.sounds().last(), QStringLiteral("error"));
    EXPECT_TRUE(f.marks({1, 2}));
    f.w->Timer2->fire();
    EXPECT_EQ(f.w->Label2->Caption(), QStringLiteral("2"));
    EXPECT_EQ(f.w->Label3->Caption(), QStringLiteral("3"));
    EXPECT_EQ(f.picturesIn(f.w->Image2) + f.picturesIn(f.w->Image3), 0);
    EXPECT_EQ(f.picturesIn(f.w->Image4), 5);
}

struct OffCentre {
    const char* name;
    QPoint offset;
    bool lands;
};

class DecompositionDrops : public ::testing::TestWithParam<OffCentre> {};

// The boxes are 321 pixels wide: their centre lies half a pixel right of (and below) the
// pixel the drag aims at.
TEST_P(DecompositionDrops, LandStrictlyWithin8PixelsOfTheBoxCentre)
{
    const OffCentre c = GetParam();
    Fengjie f("frmFengjie");
    const double homeLeft = f.w->Picture1->Left();
    const double homeTop = f.w->Picture1->Top();
    f.dropOn(f.w->Shape3, c.offset);
    EXPECT_EQ(f.w->dropCounts[Which::SecondBox], c.lands ? 1 : 0);
    EXPECT_EQ(f.m.sounds(),
              QStringList{c.lands ? QStringLiteral("pingturight") : QStringLiteral("mousemove")});
    // Back home, hit or not, on the whole pixel.
    EXPECT_NEAR(f.w->Picture1->Left(), homeLeft, 0.5);
    EXPECT_NEAR(f.w->Picture1->Top(), homeTop, 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    frmFengjie, DecompositionDrops,
    ::testing::Values(OffCentre{"centre", {0, 0}, true}, OffCentre{"right7", {7, 0}, true},
                      OffCentre{"downLeft7", {-7, 7}, true}, OffCentre{"left8", {-8, 0}, false},
                      OffCentre{"right10", {10, 0}, false}, OffCentre{"above10", {0, -10}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Decomposition, TwelveDropsIntoABoxCountNine)
{
    Fengjie f("frmFengjie");
    f.dropOn(f.w->Shape1, 12);
    EXPECT_EQ(f.w->dropCounts[Which::FirstBox], 9);
    EXPECT_EQ(f.picturesIn(f.w->Image2), 9);
    EXPECT_TRUE(shows(f.w->Image2[8].Picture(), Red));
}

TEST(Decomposition, TheSecondWindowShowsBAndTakesA)
{
    Fengjie f("FrmFengjie2", QStringLiteral("1=4+3"));
    ASSERT_NE(f.w, nullptr);
    EXPECT_EQ(f.picturesIn(f.w->Image4), 7);
    EXPECT_EQ(f.picturesIn(f.w->Image3), 3) << "the right box is filled at once";
    f.dropOn(f.w->Shape3); // the right box takes nothing
    EXPECT_EQ(f.picturesIn(f.w->Image3), 3);
    f.dropOn(f.w->Shape1, 4);
    EXPECT_EQ(f.picturesIn(f.w->Image2), 4);
    f.m.click(f.w->Label1);
    EXPECT_EQ(f.m.fx.app.Score, 1);
    EXPECT_TRUE(f.marks({0}));
    EXPECT_TRUE(f.m.sounds().isEmpty()) << "this window is silent";
}

TEST(Decomposition, TheThirdWindowShowsAAndBAndTakesTheSum)
{
    Fengjie f("FrmFengjie3", QStringLiteral("1=4+3"));
    ASSERT_NE(f.w, nullptr);
    EXPECT_NE(f.w->Shape4, nullptr);
    EXPECT_EQ(f.picturesIn(f.w->Image2), 4);
    EXPECT_EQ(f.picturesIn(f.w->Image3), 3);
    EXPECT_EQ(f.picturesIn(f.w->Image4), 0);
    f.dropOn(f.w->Shape4, 6);
    f.m.click(f.w->Label1);
    EXPECT_TRUE(f.marks({1}));
    EXPECT_EQ(f.m.fx.app.Score, 0);
    f.w->Timer2->fire();
    f.dropOn(f.w->Shape4, 7);
    f.m.click(f.w->Label1);
    EXPECT_TRUE(f.marks({0}));
    EXPECT_EQ(f.m.fx.app.Score, 1);
    EXPECT_TRUE(f.m.sounds().isEmpty());
}

TEST(Decomposition, ElevenDropsIntoTheBoxOfTenCountTen)
{
    Fengjie f("FrmFengjie3", QStringLiteral("1=4+3"));
    f.dropOn(f.w->Shape4, 11);
    EXPECT_EQ(f.w->dropCounts[Which::SumBox], 10);
    EXPECT_EQ(f.picturesIn(f.w->Image4), 10);
}

TEST(Decomposition, ASumTooLargeForThePileShowsTenWithOneWarning)
{
    Fengjie f("frmFengjie", QStringLiteral("1=6+7"));
    EXPECT_EQ(f.picturesIn(f.w->Image4), 10);
    EXPECT_EQ(f.m.fx.services.warnings.size(), 1);
    f.m.click(f.w->Label1);
    f.w->Timer2->fire();
    EXPECT_EQ(f.m.fx.services.warnings.size(), 1);
}

TEST(Decomposition, TheLinesFollowTheBoxesOnAScaledScreen)
{
    SumsFixture m(QStringLiteral("1=2+3"), QString(), QSize(1366, 768));
    m.fx.stage.setStretch(true); // one factor is exactly 1
    m.fx.services.scriptPermutation({1, 2, 3});
    auto* w = m.open<Decomposition>("frmFengjie");
    ASSERT_NE(w, nullptr);
    const double sx = 1366.0 / 1024.0;
    EXPECT_NEAR(w->Line1->X2(), 456 * sx, 0.01);
    EXPECT_NEAR(w->Line2->X2(), 784 * sx, 0.01);
    EXPECT_NEAR(w->Line2->Y2(), 376, 0.01);
}

} // namespace
