// Memory training: four pictures one after the other, then four rows of four, the tick on
// a row, the judgement, and the same question again after a wrong tick.

#include "MemoryFixture.h"
#include "activities/memory/FrmMemory2.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

using Row = std::array<int, 4>;

// A permutation of 1..n that starts with the values given.
std::vector<int> startingWith(int n, std::vector<int> first)
{
    for (int v = 1; v <= n; ++v)
        if (std::find(first.begin(), first.end(), v) == first.end()) first.push_back(v);
    return first;
}

// The next deal: each row's first four items, then the row whose pictures are shown.
void scriptDeal(MemoryFixture& m, int n, const std::array<Row, 4>& rows, int targetRow)
{
    for (const Row& row : rows)
        m.fx.services.scriptPermutation(startingWith(n, {row.begin(), row.end()}));
    m.fx.services.scriptPermutation(startingWith(4, {targetRow}));
}

const std::array<Row, 4> SixPictureRows{{{1, 2, 3, 4}, {2, 3, 4, 5}, {6, 5, 4, 3}, {3, 1, 6, 2}}};

bool ticking(FrmMemory2& w, bool shown)
{
    for (int i = 0; i < 4; ++i)
        if (w.Label1[i].Visible() != shown || w.Shape1[i].Visible() != shown ||
            w.Shape2[i].Visible() != shown)
            return false;
    return true;
}

// The items the rows show, left to right, or 0 where a place is empty or hidden.
std::array<Row, 4> rowsShown(MemoryFixture& m, FrmMemory2& w)
{
    std::array<Row, 4> shown{};
    for (int r = 1; r <= 4; ++r)
        for (int k = 0; k < 4; ++k) {
            Image* picture = w.row(r).at(k);
            shown[size_t(r - 1)][size_t(k)] =
                picture && picture->Visible() ? m.itemShown(picture->Picture()) : 0;
        }
    return shown;
}

// Runs the sequence to its end and returns the items it showed.
std::vector<int> playSequence(MemoryFixture& m, FrmMemory2& w)
{
    std::vector<int> shown;
    for (int step = 1; step <= 4 && w.Timer2->isRunning(); ++step) {
        w.Timer2->fire();
        shown.push_back(m.itemShown(w.Image1->Picture()));
    }
    w.Timer2->fire();
    return shown;
}

class Sequence : public ::testing::TestWithParam<QSize> {};

TEST_P(Sequence, FourPicturesLeftAndRightOfTheMiddleByTurnsThenTheRows)
{
    MemoryFixture m(6, GetParam());
    auto* w = m.open<FrmMemory2>("FrmMemory2");
    ASSERT_NE(w, nullptr);
    const double width = w->Image1->Width();
    const double middle = w->ScaleWidth() / 2;
    EXPECT_NEAR(w->Image1->Left(), middle - width / 2, 1e-3) << "the start button is centred";
    EXPECT_TRUE(w->Image1->Visible());
    EXPECT_TRUE(ticking(*w, false));
    EXPECT_EQ(rowsShown(m, *w), (std::array<Row, 4>{}));

    scriptDeal(m, 6, SixPictureRows, 3);
    m.click(w->Image1);
    EXPECT_FALSE(w->Image1->Enabled());
    EXPECT_EQ(w->TargetRow, 3);
    EXPECT_TRUE(w->Timer2->isRunning());
    EXPECT_EQ(w->Timer2->Interval(), 1);

    const Row shownRow = SixPictureRows[2];
    for (int step = 1; step <= 4; ++step) {
        w->Timer2->fire();
        EXPECT_EQ(w->Timer2->Interval(), 1500);
        EXPECT_TRUE(w->Image1->Visible());
        EXPECT_EQ(m.itemShown(w->Image1->Picture()), shownRow[size_t(step - 1)]) << step;
        const double left = step % 2 ? middle - 2 * width : middle + width;
        EXPECT_NEAR(w->Image1->Left(), left, 1e-3) << step;
        EXPECT_EQ(rowsShown(m, *w), (std::array<Row, 4>{})) << "no row yet";
    }
    w->Timer2->fire(); // at 6 s the picture goes
    EXPECT_FALSE(w->Image1->Visible());
    EXPECT_FALSE(w->Timer2->isRunning());
    EXPECT_TRUE(w->Timer4->isRunning());
    EXPECT_EQ(w->Timer4->Interval(), 1500);
    EXPECT_TRUE(ticking(*w, false));

    w->Timer4->fire();
    EXPECT_FALSE(w->Timer4->isRunning());
    EXPECT_TRUE(ticking(*w, true));
    EXPECT_EQ(rowsShown(m, *w), SixPictureRows);
    const double sx = m.fx.app.ScaleX;
    for (int r = 1; r <= 4; ++r)
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(w->row(r)[k].Left(), (176 + k * 113) * sx + k * 5, 1e-3) << r << k;
}

INSTANTIATE_TEST_SUITE_P(Screens, Sequence, ::testing::Values(QSize(1024, 768), QSize(1280, 1024)),
                         [](const auto& info) {
                             return "s" + std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

// Opens the window and plays a question up to the rows, ready to be ticked.
FrmMemory2* rowsReady(MemoryFixture& m, int n, const std::array<Row, 4>& rows, int targetRow)
{
    auto* w = m.open<FrmMemory2>("FrmMemory2");
    if (!w) return nullptr;
    scriptDeal(m, n, rows, targetRow);
    m.click(w->Image1);
    playSequence(m, *w);
    w->Timer4->fire();
    return w;
}

TEST(MemoryTraining, TheRightRowEarnsARewardAndTheNextClickDealsANewQuestion)
{
    MemoryFixture m(6);
    FrmMemory2* w = rowsReady(m, 6, SixPictureRows, 3);
    ASSERT_NE(w, nullptr);
    m.click(&w->Label1[2]);
    EXPECT_EQ(w->Label1[2].Caption(), QStringLiteral("√"));
    EXPECT_TRUE(w->Timer1->isRunning());
    EXPECT_EQ(w->Timer1->Interval(), 100);
    EXPECT_TRUE(m.sounds().isEmpty()) << "the tick is seen first";

    w->Timer1->fire();
    EXPECT_FALSE(w->Timer1->isRunning());
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("right")});
    EXPECT_EQ(m.fx.app.Score, 1);
    EXPECT_EQ(w->LblNum[0].Caption(), QStringLiteral("1"));
    EXPECT_TRUE(w->Image1->Visible());
    EXPECT_TRUE(w->Image1->Enabled());
    EXPECT_NEAR(w->Image1->Left(), (1024 - 129) / 2.0, 1e-3);
    EXPECT_FALSE(w->Image1->Picture().isNull()) << "the good picture";
    EXPECT_TRUE(ticking(*w, false));
    EXPECT_EQ(w->Label1[2].Caption(), QString());
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(w->row(r).count(), 1) << "the rows are dealt afresh next time";
    EXPECT_FALSE(w->LastAnswerWrong);

    const std::array<Row, 4> next{{{5, 6, 1, 2}, {4, 3, 2, 1}, {1, 3, 5, 6}, {2, 4, 6, 1}}};
    scriptDeal(m, 6, next, 2);
    m.click(w->Image1);
    EXPECT_EQ(playSequence(m, *w), (std::vector<int>{4, 3, 2, 1}))
        << "the second question shows its pictures from the first";
    w->Timer4->fire();
    EXPECT_EQ(rowsShown(m, *w), next);
}

TEST(MemoryTraining, AWrongRowShowsTheBadPictureAndThenTheSameQuestionAgain)
{
    MemoryFixture m(6);
    FrmMemory2* w = rowsReady(m, 6, SixPictureRows, 3);
    ASSERT_NE(w, nullptr);
    m.fx.app.Score = 3;
    m.click(&w->Label1[0]);
    w->Timer1->fire();
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("error")});
    EXPECT_EQ(m.fx.app.Score, 2);
    EXPECT_EQ(w->LblNum[0].Caption(), QStringLiteral("2"));
    EXPECT_TRUE(w->Image1->Visible());
    EXPECT_TRUE(w->LastAnswerWrong);
    EXPECT_EQ(rowsShown(m, *w), (std::array<Row, 4>{}));
    EXPECT_TRUE(ticking(*w, false));

    const int draws = m.fx.services.reseeds;
    m.click(w->Image1);
    EXPECT_EQ(playSequence(m, *w), (std::vector<int>{6, 5, 4, 3}));
    w->Timer4->fire();
    EXPECT_EQ(rowsShown(m, *w), SixPictureRows);
    EXPECT_EQ(m.fx.services.reseeds, draws) << "nothing was drawn anew";

    m.click(&w->Label1[2]);
    w->Timer1->fire();
    EXPECT_EQ(m.sounds(), (QStringList{QStringLiteral("error"), QStringLiteral("right")}));
    EXPECT_EQ(m.fx.app.Score, 3);
    EXPECT_FALSE(w->LastAnswerWrong);
}

TEST(MemoryTraining, WithFourPicturesTwoRowsMayBeAlikeAndOnlyTheShownRowCounts)
{
    MemoryFixture m(4);
    const std::array<Row, 4> rows{{{1, 2, 3, 4}, {4, 3, 2, 1}, {1, 2, 3, 4}, {2, 1, 4, 3}}};
    FrmMemory2* w = rowsReady(m, 4, rows, 3);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(rowsShown(m, *w), rows);
    m.click(&w->Label1[0]); // the same pictures as row 3, but not the row shown
    w->Timer1->fire();
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("error")});
}

TEST(MemoryTraining, TheLastTickBeforeTheJudgementCounts)
{
    MemoryFixture m(6);
    FrmMemory2* w = rowsReady(m, 6, SixPictureRows, 2);
    ASSERT_NE(w, nullptr);
    m.click(&w->Label1[0]);
    m.click(&w->Label1[1]);
    EXPECT_EQ(w->Label1[0].Caption(), QString());
    EXPECT_EQ(w->Label1[1].Caption(), QStringLiteral("√"));
    w->Timer1->fire();
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("right")});
}

TEST(MemoryTraining, FewerThanFourPicturesSayHowManyAndTheWindowCloses)
{
    for (int n : {0, 3}) {
        MemoryFixture m(n);
        EXPECT_EQ(m.open<FrmMemory2>("FrmMemory2"), nullptr) << n;
        EXPECT_EQ(m.fx.services.messages,
                  QStringList{QStringLiteral("这一课只有%1幅图片，这个游戏至少要4幅图片!").arg(n)});
        EXPECT_EQ(m.fx.windows.find(QStringLiteral("FrmMemory2")), nullptr);
    }
}

} // namespace
