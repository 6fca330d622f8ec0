// Sequence reasoning and picture arrangement: the question and the row of candidates, the
// judgement; the two rows of boxes, the drops, and the new arrangement after a finished one.

#include "CognitionFixture.h"
#include "activities/cognition/FrmShunxutl.h"
#include "activities/cognition/FrmTupiangPl.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

const QStringList Tomato{"种子", "发芽", "小苗", "开花"};

TEST(FrmShunxutl, TheShownPictureAboveAndTheWholeSequenceShuffledInACentredRow)
{
    CognitionFixture m;
    m.setSequence(Tomato);
    m.fx.services.scriptPermutation({3, 1, 2});    // the shown item
    m.fx.services.scriptPermutation({2, 4, 1, 3}); // the row
    auto* w = m.open<FrmShunxutl>("FrmShunxutl");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(m.itemShown(w->Image2->Picture()), "小苗");
    QStringList row;
    for (int r = 0; r < 4; ++r) {
        row << m.itemShown(w->Image3[r].Picture());
        EXPECT_TRUE(w->Image3[r].Visible());
        EXPECT_DOUBLE_EQ(w->Image3[r].Left(), (1024 - 134 * 4) / 2 + 134 * r) << r;
        EXPECT_DOUBLE_EQ(w->Image3[r].Top(), 600);
    }
    EXPECT_EQ(row, (QStringList{"发芽", "开花", "种子", "小苗"}));
    EXPECT_FALSE(w->Image1[0].Visible());
    EXPECT_FALSE(w->Image1[1].Visible());
}

TEST(FrmShunxutl, AWrongAnswerStaysShownAndCostsAPointEachTimeTheRightOneMovesOn)
{
    CognitionFixture m;
    m.setSequence(Tomato);
    m.fx.services.scriptPermutation({3, 1, 2});
    m.fx.services.scriptPermutation({2, 4, 1, 3});
    auto* w = m.open<FrmShunxutl>("FrmShunxutl");
    m.fx.app.Score = 5;

    m.click(&w->Image3[0]); // 发芽 after 小苗
    m.click(&w->Image3[2]); // 种子
    EXPECT_EQ(m.rewards(), (QStringList{"reward wrong", "reward wrong"}));
    EXPECT_EQ(m.fx.app.Score, 3);
    EXPECT_TRUE(w->Image1[1].Visible());
    EXPECT_FALSE(w->Image1[0].Visible());
    EXPECT_EQ(m.itemShown(w->Image2->Picture()), "小苗") << "the question stays";

    m.fx.services.scriptPermutation({1, 2, 3});
    m.click(&w->Image3[1]); // 开花
    EXPECT_EQ(m.rewards().last(), "reward right");
    EXPECT_EQ(m.fx.app.Score, 4);
    EXPECT_FALSE(w->Image1[1].Visible());
    EXPECT_FALSE(w->Image1[0].Visible());
    EXPECT_EQ(m.itemShown(w->Image2->Picture()), "种子");
    EXPECT_TRUE(m.sounds().isEmpty()) << "this window makes no sound";
}

TEST(FrmShunxutl, OfTwoPicturesTheFirstIsShownAndTheSecondIsTheAnswer)
{
    CognitionFixture m;
    m.setSequence({"种子", "发芽"});
    for (int round = 0; round < 3; ++round) {
        auto* w = m.open<FrmShunxutl>("FrmShunxutl");
        EXPECT_EQ(m.itemShown(w->Image2->Picture()), "种子");
        const int answer = m.itemShown(w->Image3[0].Picture()) == "发芽" ? 0 : 1;
        m.click(&w->Image3[answer]);
        EXPECT_EQ(m.rewards().last(), "reward right");
        EXPECT_EQ(m.itemShown(w->Image2->Picture()), "种子");
        w->Unload();
    }
}

TEST(FrmShunxutl, SameNamesAreInterchangeableAnswers)
{
    CognitionFixture m;
    m.setSequence({"小苗", "开花", "小苗", "开花"});
    m.fx.services.scriptPermutation({1, 2, 3});
    m.fx.services.scriptPermutation({1, 2, 3, 4});
    auto* w = m.open<FrmShunxutl>("FrmShunxutl");
    m.click(&w->Image3[3]); // the second 开花 also comes after the first 小苗
    EXPECT_EQ(m.rewards(), QStringList{"reward right"});
}

TEST(FrmShunxutl, TheLessonsPhotosAreShownWhenTheLessonIsTheSequenceOtherwiseItsOwnPictures)
{
    const QColor lessonPhoto(250, 10, 250);
    for (const bool lessonIsTheSequence : {true, false}) {
        CognitionFixture m;
        m.setSequence(Tomato);
        m.setLesson("种番茄", Tomato);
        m.setLesson("水果", numbered("果", 4));
        m.fx.app.CurrentLesson = lessonIsTheSequence ? "种番茄" : "水果";
        for (int i = 1; i <= 4; ++i)
            m.fx.app.ItemPictures[i] = QPixmap::fromImage(DataFixture::picture(lessonPhoto));
        auto* w = m.open<FrmShunxutl>("FrmShunxutl");
        const QColor shown = w->Image2->Picture().toImage().pixelColor(8, 8);
        if (lessonIsTheSequence) {
            EXPECT_EQ(shown, lessonPhoto);
        } else {
            EXPECT_TRUE(Tomato.contains(m.itemShown(w->Image2->Picture())));
            EXPECT_FALSE(m.fx.services.warnings.isEmpty());
        }
    }
}

TEST(FrmShunxutl, ARowTooLongForTheWindowGetsSmallerCandidates)
{
    CognitionFixture m;
    m.setSequence(numbered("步", 10));
    auto* w = m.open<FrmShunxutl>("FrmShunxutl");
    ASSERT_NE(w, nullptr);
    for (int r = 0; r < 10; ++r) {
        EXPECT_GE(w->Image3[r].Left(), 0) << r;
        EXPECT_LE(w->Image3[r].Left() + w->Image3[r].Width(), 1024) << r;
        EXPECT_DOUBLE_EQ(w->Image3[r].Width(), w->Image3[r].Height());
    }
}

struct ShortCase {
    const char* name;
    const char* window;
    QStringList sequence;
};

class ShortSequence : public ::testing::TestWithParam<ShortCase> {};

TEST_P(ShortSequence, BuildsNothingSaysSoAndClosesItsWindow)
{
    const ShortCase& c = GetParam();
    CognitionFixture m;
    m.setSequence(c.sequence);
    EXPECT_EQ(m.fx.windows.open(c.window), nullptr);
    EXPECT_EQ(m.fx.services.messages, QStringList{"至少要设置2个图片!"});
    EXPECT_TRUE(m.rewards().isEmpty());
    EXPECT_TRUE(m.fx.services.quitStatuses.empty());
}

INSTANTIATE_TEST_SUITE_P(Sequences, ShortSequence,
                         ::testing::Values(ShortCase{"ReasoningOfOne", "FrmShunxutl", {"种子"}},
                                           ShortCase{"ArrangementOfOne", "FrmTupiangPl", {"种子"}},
                                           ShortCase{"ArrangementOfNone", "FrmTupiangPl", {}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The child's drag of an upper box to a point of the stage.
struct Arrangement {
    explicit Arrangement(const QStringList& sequence, std::vector<int> deal)
    {
        m.setSequence(sequence);
        m.fx.services.scriptPermutation(deal);
        w = m.open<FrmTupiangPl>("FrmTupiangPl");
    }
    QWindow* screen() { return m.fx.stage.windowHandle(); }
    QPoint centreOf(QWidget* box)
    {
        return m.fx.onStage(box, {box->width() / 2, box->height() / 2});
    }
    void drag(int k, QPoint to)
    {
        const QPoint from = centreOf(&w->Picture2[k]);
        QTest::mouseMove(screen(), from);
        QTest::mousePress(screen(), Qt::LeftButton, {}, from);
        QTest::mouseMove(screen(), (from + to) / 2);
        QTest::mouseMove(screen(), to);
        QTest::mouseRelease(screen(), Qt::LeftButton, {}, to);
    }
    void place(int k) { drag(k, centreOf(&w->Picture1[w->placeOf(k)])); }

    CognitionFixture m;
    FrmTupiangPl* w = nullptr;
};

TEST(FrmTupiangPl, TwoCentredRowsOfFourShuffledPicturesAboveEmptyPlacesInOrder)
{
    Arrangement a(Tomato, {3, 1, 4, 2});
    FrmTupiangPl* w = a.w;
    ASSERT_NE(w, nullptr);
    QStringList upper;
    for (int i = 0; i < 4; ++i) {
        for (PictureBox* box : {&w->Picture2[i], &w->Picture1[i]}) {
            EXPECT_DOUBLE_EQ(box->Width(), 145);
            EXPECT_DOUBLE_EQ(box->Height(), 145);
            EXPECT_DOUBLE_EQ(box->Left(), 222 + 145 * i);
            EXPECT_TRUE(box->Visible());
        }
        EXPECT_DOUBLE_EQ(w->Picture2[i].Top(), 100);
        EXPECT_DOUBLE_EQ(w->Picture1[i].Top(), 768 - 200);
        upper << a.m.itemShown(w->Picture2[i].image());
        EXPECT_EQ(w->Picture1[i].image().pixelColor(72, 72), QColor(Qt::white)) << "empty";
    }
    EXPECT_EQ(upper, (QStringList{"小苗", "种子", "开花", "发芽"}));
    EXPECT_EQ(w->placeOf(0), 2);
    EXPECT_FALSE(w->Image1->Visible());
    EXPECT_FALSE(w->Timer2->isRunning());
}

struct DropCase {
    const char* name;
    int box;
    int place;
    QPoint offset;
    bool hit;
};

class Drop : public ::testing::TestWithParam<DropCase> {};

TEST_P(Drop, CountsOnlyStrictlyWithin15PixelsOfTheBoxsOwnPlace)
{
    const DropCase& c = GetParam();
    Arrangement a(Tomato, {3, 1, 4, 2}); // boxes 0..3 belong to places 2, 0, 3, 1
    FrmTupiangPl* w = a.w;
    const double homeLeft = w->Picture2[c.box].Left();
    const QString item = a.m.itemShown(w->Picture2[c.box].image());
    a.drag(c.box, a.centreOf(&w->Picture1[c.place]) + c.offset);

    EXPECT_TRUE(a.m.sounds().isEmpty()) << "no sound either way";
    if (c.hit) {
        EXPECT_EQ(w->PlacedCount, 1);
        EXPECT_FALSE(w->Picture2[c.box].Visible());
        EXPECT_EQ(a.m.itemShown(w->Picture1[c.place].image()), item);
    } else {
        EXPECT_EQ(w->PlacedCount, 0);
        EXPECT_TRUE(w->Picture2[c.box].Visible());
        EXPECT_DOUBLE_EQ(w->Picture2[c.box].Left(), homeLeft) << "back where it was picked up";
        EXPECT_DOUBLE_EQ(w->Picture2[c.box].Top(), 100);
        EXPECT_EQ(w->Picture1[c.place].image().pixelColor(72, 72), QColor(Qt::white));
    }
}

// The boxes are odd-sized (145 pixels for four), so a place's centre lies between two
// pixels: 15 pixels right of the pixel left of the centre is 14.5 from it.
INSTANTIATE_TEST_SUITE_P(FrmTupiangPl, Drop,
                         ::testing::Values(DropCase{"centre", 0, 2, {0, 0}, true},
                                           DropCase{"right14half", 1, 0, {15, 0}, true},
                                           DropCase{"upLeft14half", 2, 3, {-14, -14}, true},
                                           DropCase{"right15half", 1, 0, {16, 0}, false},
                                           DropCase{"above15half", 3, 1, {0, -15}, false},
                                           DropCase{"anotherPlace", 0, 1, {0, 0}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FrmTupiangPl, AFinishedArrangementShowsTheFaceForASecondThenScoresAndShufflesAgain)
{
    Arrangement a(Tomato, {3, 1, 4, 2});
    FrmTupiangPl* w = a.w;
    for (int k = 0; k < 3; ++k)
        a.place(k);
    EXPECT_FALSE(w->Image1->Visible());
    a.place(3);
    QStringList placed;
    for (int i = 0; i < 4; ++i)
        placed << a.m.itemShown(w->Picture1[i].image());
    EXPECT_EQ(placed, Tomato);
    EXPECT_TRUE(w->Image1->Visible());
    EXPECT_TRUE(w->Timer2->isRunning());
    EXPECT_EQ(w->Timer2->Interval(), 1000);
    EXPECT_TRUE(a.m.rewards().isEmpty()) << "the score goes up after the face";

    a.m.fx.services.scriptPermutation({4, 3, 2, 1});
    w->Timer2->fire();
    EXPECT_EQ(a.m.rewards(), QStringList{"reward right"});
    EXPECT_EQ(a.m.fx.app.Score, 1);
    EXPECT_FALSE(w->Timer2->isRunning());
    EXPECT_FALSE(w->Image1->Visible());
    EXPECT_EQ(w->PlacedCount, 0);
    QStringList upper;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(w->Picture2[i].Visible());
        upper << a.m.itemShown(w->Picture2[i].image());
        EXPECT_EQ(w->Picture1[i].image().pixelColor(72, 72), QColor(Qt::white)) << i;
    }
    EXPECT_EQ(upper, (QStringList{"开花", "小苗", "发芽", "种子"}));
    a.place(0);
    EXPECT_EQ(a.m.itemShown(w->Picture1[3].image()), "开花") << "the new arrangement plays";
}

TEST(FrmTupiangPl, MoreThanTenPicturesAreWarnedAboutAndStillAllLaidOut)
{
    Arrangement a(numbered("步", 12), {});
    FrmTupiangPl* w = a.w;
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(a.m.fx.services.messages, QStringList{"只能设置10个图片!"});
    EXPECT_EQ(w->Picture2.count(), 12);
    EXPECT_EQ(w->Picture1.count(), 12);
    EXPECT_DOUBLE_EQ(w->Picture2[11].Width(), 169 - 8 * 11);
    EXPECT_TRUE(w->Picture2[11].Visible());
}

} // namespace
