// The sorting windows: levels from [排序] and the restart after the last one, the box sizes,
// dragging numbers into their places, finding the covered number, and catching floating
// numbers in order, with their start places inside the window on any screen.

#include "SortingFixture.h"
#include "activities/math/FrmPaixu2.h"
#include "activities/math/Frmpaixu.h"
#include "activities/math/Frmpaixu_yd.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace {

const QString TwoLevels = QStringLiteral("1=1 2 3 4 5\n2=6 7 8 9");

// The numbers in the boxes of a row, in row order, read off their pictures.
std::vector<int> numbersIn(const ControlArray<PictureBox>& row, int count)
{
    std::vector<int> read;
    for (int i = 0; i < count; ++i)
        read.push_back(numberShown(row[i].image()));
    return read;
}

struct Paixu {
    explicit Paixu(const QString& levels = TwoLevels, std::vector<int> order = {3, 1, 5, 2, 4})
        : m(levels)
    {
        m.fx.services.scriptPermutation(order);
        w = m.open<Frmpaixu>("Frmpaixu");
    }
    // The box at the top that shows the number n.
    PictureBox* tileOf(int n) const
    {
        for (int i = 0; i <= w->Picture2.UBound(); ++i)
            if (w->Picture2.at(i) && showsNumber(w->Picture2[i].image(), n)) return &w->Picture2[i];
        return nullptr;
    }
    void sortAll(int count)
    {
        for (int n = 1; n <= count; ++n)
            m.dragOnto(tileOf(w->levels.items()[n - 1].toInt()), &w->Picture1[n - 1]);
    }

    SortingFixture m;
    Frmpaixu* w = nullptr;
};

} // namespace

TEST(Sorting, BoxesShrinkByATenthOfTheWayForEveryFurtherNumber)
{
    const std::pair<QString, double> cases[] = {
        {QStringLiteral("1=1 2"), 161},
        {QStringLiteral("1=1 2 3 4 5"), 137},
        {QStringLiteral("1=1 2 3 4 5 6 7 8 9 10 1"), 89},
        {QStringLiteral("1=1 2 3 4 5 6 7 8 9 10 1 2"), 81},
    };
    for (const auto& [level, side] : cases) {
        SortingFixture m(level);
        auto* w = m.open<Frmpaixu>("Frmpaixu");
        const int n = int(level.count(QLatin1Char(' '))) + 1;
        EXPECT_DOUBLE_EQ(w->Picture2[0].Width(), side) << n;
        EXPECT_DOUBLE_EQ(w->Picture1[n - 1].Height(), side) << n;
        auto* covered = m.open<FrmPaixu2>("FrmPaixu2");
        EXPECT_DOUBLE_EQ(covered->Picture1[n - 1].Width(), side) << n;
    }
}

TEST(Sorting, FiveNumbersStandShuffledAboveFiveEmptyPlaces)
{
    Paixu p;
    ASSERT_NE(p.w, nullptr);
    EXPECT_EQ(numbersIn(p.w->Picture2, 5), (std::vector<int>{3, 1, 5, 2, 4}));
    for (int i = 0; i < 5; ++i) {
        EXPECT_DOUBLE_EQ(p.w->Picture2[i].Left(), (1024 - 5 * 137) / 2.0 + i * 137) << i;
        EXPECT_DOUBLE_EQ(p.w->Picture2[i].Top(), 100);
        EXPECT_DOUBLE_EQ(p.w->Picture1[i].Left(), p.w->Picture2[i].Left());
        EXPECT_DOUBLE_EQ(p.w->Picture1[i].Top(), 768 - 200);
        EXPECT_TRUE(p.w->Picture1[i].Visible());
        EXPECT_EQ(p.w->Picture1[i].image().pixelColor(68, 68), QColor(Qt::white));
    }
    EXPECT_FALSE(p.w->Image1->Visible());
}

TEST(Sorting, ANumberStaysOnlyInItsOwnPlace)
{
    Paixu p;
    PictureBox* three = p.tileOf(3);
    const QPoint home = three->pos();
    p.m.dragOnto(three, &p.w->Picture1[1]);
    EXPECT_EQ(p.m.sounds(), QStringList{QStringLiteral("mousemove")});
    EXPECT_EQ(three->pos(), home);
    EXPECT_TRUE(three->Visible());

    p.m.dragOnto(three, &p.w->Picture1[2], {14, -14});
    EXPECT_EQ(p.m.sounds().last(), QStringLiteral("pingturight"));
    EXPECT_FALSE(three->Visible());
    EXPECT_TRUE(showsNumber(p.w->Picture1[2].image(), 3));
    EXPECT_EQ(p.m.fx.app.Score, 0);
}

TEST(Sorting, AFinishedLevelShowsTheFaceThenWinsAndBringsTheNextLevel)
{
    Paixu p;
    p.sortAll(5);
    EXPECT_TRUE(p.w->Image1->Visible());
    EXPECT_TRUE(p.w->Timer2->isRunning());
    EXPECT_FALSE(p.m.sounds().contains(QStringLiteral("win")));
    EXPECT_EQ(p.m.fx.app.Score, 0);
    p.w->Timer2->fire();
    EXPECT_FALSE(p.w->Timer2->isRunning());
    EXPECT_EQ(p.m.sounds().last(), QStringLiteral("win"));
    EXPECT_EQ(p.m.fx.app.Score, 1);
    EXPECT_FALSE(p.w->Image1->Visible());
    EXPECT_EQ(p.w->levels.level, 2);
    EXPECT_EQ(p.w->Picture2.count(), 4);
    EXPECT_EQ(p.w->Picture1.count(), 4);
    EXPECT_DOUBLE_EQ(p.w->Picture2[0].Width(), 145);
    EXPECT_EQ(p.w->Txtini->Text(), QStringLiteral("6 7 8 9"));
}

TEST(Sorting, AfterTheLastLevelPlayStartsAgainAtLevelOne)
{
    Paixu p(QStringLiteral("1=1 2\n2=3 4\n3=5"), {2, 1});
    p.sortAll(2);
    p.w->Timer2->fire();
    EXPECT_EQ(p.w->Txtini->Text(), QStringLiteral("3 4"));
    p.sortAll(2);
    p.w->Timer2->fire(); // level 3 holds one number: there are no more levels
    EXPECT_EQ(p.w->levels.level, 1);
    EXPECT_EQ(p.w->Txtini->Text(), QStringLiteral("1 2"));
    EXPECT_EQ(p.w->Picture2.count(), 2);
    EXPECT_EQ(p.m.fx.app.Score, 2);
}

TEST(Sorting, ALevelOneWithoutNumbersToSortIsReportedAndPlaysNothing)
{
    for (const char* window : {"Frmpaixu", "FrmPaixu2", "Frmpaixu_yd"}) {
        SortingFixture m(QStringLiteral("1=7"));
        auto* w = m.open<ActivityForm>(window);
        ASSERT_NE(w, nullptr) << window;
        EXPECT_EQ(m.fx.services.warnings.filter(QStringLiteral("[排序]")).size(), 1) << window;
        EXPECT_TRUE(m.sounds().isEmpty()) << window;
        const QList<PictureBox*> boxes = w->findChildren<PictureBox*>();
        ASSERT_FALSE(boxes.isEmpty());
        for (PictureBox* box : boxes)
            EXPECT_FALSE(box->isVisible()) << window;
    }
}

TEST(SortingCovered, TheOrderedRowHasOneNumberCoveredAndTheShuffledRowBelow)
{
    SortingFixture m(TwoLevels);
    m.fx.services.scriptPermutation({4, 2, 5, 1, 3});
    m.fx.services.scriptPermutation({3, 1, 2, 4, 5});
    auto* w = m.open<FrmPaixu2>("FrmPaixu2");
    EXPECT_EQ(numbersIn(w->Picture2, 5), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(numbersIn(w->Picture1, 5), (std::vector<int>{4, 2, 5, 1, 3}));
    for (int i = 0; i < 5; ++i) {
        EXPECT_DOUBLE_EQ(w->Picture2[i].Top(), 100);
        EXPECT_DOUBLE_EQ(w->Picture1[i].Top(), 768 - 250);
        EXPECT_DOUBLE_EQ(w->Picture1[i].Left(), w->Picture2[i].Left());
        if (i > 0) {
            EXPECT_DOUBLE_EQ(w->Picture2[i].Left() - w->Picture2[i - 1].Left(), 137 + 2);
        }
    }
    EXPECT_EQ(w->Picture3->geometry(), w->Picture2[2].geometry());
    const QPoint middle = w->Picture2[2].geometry().center();
    EXPECT_EQ(w->childAt(middle), w->Picture3) << "3 is covered";
}

TEST(SortingCovered, TheRightNumberUncoversItsPlaceAndASecondLaterComesANewQuestion)
{
    SortingFixture m(TwoLevels);
    m.fx.services.scriptPermutation({4, 2, 5, 1, 3});
    m.fx.services.scriptPermutation({3, 1, 2, 4, 5});
    auto* w = m.open<FrmPaixu2>("FrmPaixu2");
    m.click(&w->Picture1[0]); // 4
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("error")});
    EXPECT_EQ(m.fx.app.Score, 0);
    EXPECT_FALSE(w->Timer1->isRunning());
    EXPECT_EQ(w->childAt(w->Picture2[2].geometry().center()), w->Picture3);

    m.click(&w->Picture1[4]); // 3
    m.click(&w->Picture1[4]); // the same again while it is shown
    EXPECT_EQ(m.sounds().last(), QStringLiteral("right"));
    EXPECT_EQ(m.sounds().count(QStringLiteral("right")), 1);
    EXPECT_EQ(m.fx.app.Score, 1);
    EXPECT_EQ(w->RightCount, 1);
    EXPECT_EQ(w->childAt(w->Picture2[2].geometry().center()), &w->Picture2[2]) << "uncovered";
    ASSERT_TRUE(w->Timer1->isRunning());

    m.fx.services.scriptPermutation({1, 2, 3, 4, 5});
    m.fx.services.scriptPermutation({3, 1, 2, 4, 5}); // the same place may come again
    w->Timer1->fire();
    EXPECT_FALSE(w->Timer1->isRunning());
    EXPECT_EQ(numbersIn(w->Picture1, 5), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(w->childAt(w->Picture2[2].geometry().center()), w->Picture3);
}

TEST(SortingCovered, ALevelOfFourAdvancesAfterFourRightAnswers)
{
    SortingFixture m(QStringLiteral("1=1 2 3 4\n2=5 6 7"));
    auto* w = m.open<FrmPaixu2>("FrmPaixu2");
    for (int answer = 1; answer <= 4; ++answer) {
        EXPECT_EQ(w->Txtini->Text(), QStringLiteral("1 2 3 4")) << answer;
        // Unscripted, both orders are 1, 4, 3, 2: the first number is covered, and it is the
        // first of the shuffled row.
        m.click(&w->Picture1[0]);
        EXPECT_EQ(m.sounds().last(), QStringLiteral("right"));
        w->Timer1->fire();
    }
    EXPECT_EQ(w->levels.level, 2);
    EXPECT_EQ(w->RightCount, 0);
    EXPECT_EQ(w->Txtini->Text(), QStringLiteral("5 6 7"));
    EXPECT_EQ(m.fx.app.Score, 4);
}

namespace {

struct Floating {
    explicit Floating(const QString& levels = QStringLiteral("1=1 2 3\n2=4 5"),
                      QSize screen = QSize(1024, 768), bool stretch = false)
        : m(levels, screen, stretch)
    {
    }
    Frmpaixu_yd* open() { return w = m.open<Frmpaixu_yd>("Frmpaixu_yd"); }
    QRectF area() const
    {
        return QRectF(0, 0, w->ScaleWidth(), w->ScaleHeight() - w->Shape1->Height());
    }
    QRectF boxOf(int i) const
    {
        const PictureBox& b = w->Picture1[i];
        return QRectF(b.Left(), b.Top(), b.Width(), b.Height());
    }

    SortingFixture m;
    Frmpaixu_yd* w = nullptr;
};

} // namespace

TEST(SortingFloating, NumbersStartAtDistinctPlacesAboveTheBarOnEveryScreen)
{
    const std::pair<QSize, bool> screens[] = {
        {{1024, 768}, false}, {{1920, 1080}, false}, {{1920, 1080}, true},
        {{1366, 768}, true},  {{3840, 2160}, true},  {{640, 480}, false},
    };
    for (const auto& [size, stretch] : screens) {
        Floating f(QStringLiteral("1=1 2 3 4 5 6 7 8 9 10"), size, stretch);
        f.open();
        SCOPED_TRACE(QStringLiteral("%1x%2%3")
                         .arg(size.width())
                         .arg(size.height())
                         .arg(stretch ? " stretched" : "")
                         .toStdString());
        std::set<std::pair<double, double>> places;
        for (int i = 0; i < 10; ++i) {
            const QRectF box = f.boxOf(i);
            EXPECT_TRUE(f.area().contains(box)) << i;
            EXPECT_GE(box.left(), 1);
            EXPECT_GE(box.top(), 1);
            places.insert({box.left(), box.top()});
            EXPECT_TRUE(showsNumber(f.w->Picture1[i].image(), i + 1)) << i;
        }
        EXPECT_EQ(places.size(), 10u);
    }
}

TEST(SortingFloating, OnAScreenBeyondTheRandomOrdersTheFarthestPlacesAreStillDrawn)
{
    // A 4K screen has more rows above the bar than a random order holds (1000) and more
    // columns (2000): the last place of each order is the last place of the area.
    Floating f(QStringLiteral("1=1 2"), QSize(3840, 2160), true);
    std::vector<int> last(1000), lastColumn(2000);
    std::iota(last.begin(), last.end(), 0);
    last[0] = 1000;
    std::iota(lastColumn.begin(), lastColumn.end(), 0);
    lastColumn[0] = 2000;
    f.m.fx.services.scriptPermutation(last);
    f.m.fx.services.scriptPermutation(lastColumn);
    f.open();
    const QRectF box = f.boxOf(0);
    EXPECT_GT(box.top(), 1000);
    EXPECT_GT(box.left(), 2000);
    EXPECT_TRUE(f.area().contains(box));
    EXPECT_GT(box.bottom(), f.area().bottom() - 1);
    EXPECT_GT(box.right(), f.area().right() - 1);
}

TEST(SortingFloating, ANumberTurnsBackAtTheEdgesAndAtTheBarInTheSameStep)
{
    const QSizeF area(1024, 615);
    struct Case {
        QPointF at;
        QPointF velocity;
        QPointF to;
    };
    const Case cases[] = {
        {{100, 100}, {50, 50}, {150, 150}}, // free
        {{845, 100}, {50, 50}, {795, 150}}, // 845 + 50 + 129 reaches the right edge
        {{844, 100}, {50, -50}, {894, 50}}, // one pixel short of it
        {{50, 100}, {-50, 50}, {100, 150}}, // would reach the left edge
        {{100, 436}, {50, 50}, {150, 386}}, // would enter the bar: upward
        {{100, 50}, {50, -50}, {150, 100}}, // the top
    };
    for (const Case& c : cases) {
        QPointF v = c.velocity;
        const QRectF to = Frmpaixu_yd::bounce(QRectF(c.at, QSizeF(129, 129)), v, area);
        EXPECT_EQ(to.topLeft(), c.to) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(to.topLeft() - c.at, v);
    }
}

TEST(SortingFloating, NumbersMoveEveryFourHundredMillisecondsAndStayInTheWindow)
{
    Floating f;
    f.open();
    EXPECT_EQ(f.w->Timer1->Interval(), 400);
    ASSERT_TRUE(f.w->Timer1->isRunning());
    const QRectF before = f.boxOf(1);
    f.w->Timer1->fire();
    EXPECT_EQ((f.boxOf(1).topLeft() - before.topLeft()).manhattanLength(), 100);
    for (int step = 0; step < 200; ++step) {
        f.w->Timer1->fire();
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(f.area().contains(f.boxOf(i))) << "step " << step << " number " << i;
    }
}

TEST(SortingFloating, OnlyTheNextNumberCanBeCaughtAndItDropsIntoItsBox)
{
    Floating f;
    f.open();
    f.m.click(&f.w->Picture1[0]); // before the first step nothing can be caught
    EXPECT_TRUE(f.w->Picture1[0].Visible());
    f.w->Timer1->fire();
    f.m.click(&f.w->Picture1[1]);
    EXPECT_TRUE(f.w->Picture1[1].Visible()) << "2 before 1 does nothing";
    EXPECT_TRUE(f.m.sounds().isEmpty());

    f.m.click(&f.w->Picture1[0]);
    EXPECT_EQ(f.m.sounds(), QStringList{QStringLiteral("pingturight")});
    EXPECT_FALSE(f.w->Picture1[0].Visible());
    EXPECT_TRUE(shows(f.w->Image1[0].Picture(), SumsFixture::numeral(1)));
    const Image& place = f.w->Image1[1];
    EXPECT_DOUBLE_EQ(place.Left(), 97 + 30);
    EXPECT_DOUBLE_EQ(place.Top(), 616 + 30);
    EXPECT_TRUE(f.w->Picture1[1].Enabled());
    EXPECT_FALSE(f.w->Picture1[2].Enabled());
}

TEST(SortingFloating, TheLastCatchWinsAndTwoSecondsLaterTheNextLevelFloats)
{
    Floating f(QStringLiteral("1=1 2 3\n2=4 5\n3=6"));
    f.open();
    for (int level = 1; level <= 2; ++level) {
        const int n = f.w->levels.count();
        f.w->Timer1->fire();
        for (int i = 0; i < n; ++i)
            f.m.click(&f.w->Picture1[i]);
        EXPECT_EQ(f.m.sounds().last(), QStringLiteral("win"));
        EXPECT_EQ(f.m.fx.app.Score, level);
        EXPECT_TRUE(f.w->Timer2->isRunning());
        f.w->Timer2->fire();
        EXPECT_FALSE(f.w->Timer2->isRunning());
        EXPECT_TRUE(f.w->Image1[0].Picture().isNull());
        if (level == 1) {
            EXPECT_EQ(f.w->Picture1.count(), 2);
            EXPECT_TRUE(showsNumber(f.w->Picture1[0].image(), 4));
        }
    }
    // Level 3 holds a single number: the levels have run out and level 1 comes again.
    EXPECT_EQ(f.w->Picture1.count(), 3);
    EXPECT_EQ(f.w->levels.level, 1);
    EXPECT_EQ(f.w->Txtini->Text(), QStringLiteral("1 2 3"));
}
