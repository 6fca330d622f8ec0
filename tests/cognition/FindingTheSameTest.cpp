// Finding the same: the target, the row of candidates, the judgement of a click, and how the
// categories follow one another.

#include "activities/cognition/FindingTheSame.h"
#include "CognitionFixture.h"

#include <gtest/gtest.h>

namespace {

// What the child sees: the item of each candidate, left to right.
QStringList rowOf(const CognitionFixture& m, const FindingTheSame& w)
{
    std::vector<std::pair<double, QString>> shown;
    w.Image2.forEach([&](int, const Image& c) {
        if (c.Visible()) shown.emplace_back(c.Left(), m.itemShown(c.Picture()));
    });
    std::sort(shown.begin(), shown.end());
    QStringList row;
    for (const auto& [left, item] : shown)
        row << item;
    return row;
}

// The candidate a child picks: the one showing the target's own item, or for the same kind
// the one of the target's category.
int matchingCandidate(const CognitionFixture& m, const FindingTheSame& w,
                      const QStringList& sameKind = {})
{
    const QString target = m.itemShown(w.Image1->Picture());
    int found = -1;
    w.Image2.forEach([&](int k, const Image& c) {
        const QString item = m.itemShown(c.Picture());
        const bool matches = sameKind.isEmpty() ? item == target : sameKind.contains(item);
        if (c.Visible() && matches) found = k;
    });
    return found;
}

TEST(FrmQtXiangtong, FiveTouchingCandidatesAlongTheBottomAndTheTargetInTheMiddle)
{
    CognitionFixture m;
    m.setCategories({{"水果", numbered("果", 5)}, {"动物", numbered("兽", 3)}});
    m.fx.services.scriptPermutation({3, 1, 5, 2, 4}); // the candidates
    m.fx.services.scriptPermutation({5, 1, 2, 3, 4}); // the target
    auto* w = m.open<FindingTheSame>("FrmQtXiangtong");
    ASSERT_NE(w, nullptr);

    EXPECT_EQ(w->BackColor(), QColor(0, 192, 192));
    EXPECT_EQ(m.itemShown(w->Image1->Picture()), "果5");
    EXPECT_DOUBLE_EQ(w->Image1->Left(), (1024 - 169) / 2.0);
    EXPECT_EQ(rowOf(m, *w), (QStringList{"果3", "果1", "果5", "果2", "果4"}));
    EXPECT_EQ(w->Image2.count(), 5);
    for (int k = 0; k < 5; ++k) {
        EXPECT_DOUBLE_EQ(w->Image2[k].Width(), 137) << k;
        EXPECT_DOUBLE_EQ(w->Image2[k].Height(), 137) << k;
        EXPECT_DOUBLE_EQ(w->Image2[k].Left(), 170 + 137 * k) << k; // 169.5, ties to even
        EXPECT_DOUBLE_EQ(w->Image2[k].Top(), 768 - 250) << k;
    }
    EXPECT_FALSE(w->Image3->Visible());
    EXPECT_FALSE(w->Image5->Visible());
    EXPECT_TRUE(m.sounds().isEmpty());
}

TEST(FrmQtXiangtong, AWrongClickKeepsTheQuestionAndTheNextRightClickStillCounts)
{
    CognitionFixture m;
    m.setCategories({{"水果", numbered("果", 5)}, {"动物", numbered("兽", 3)}});
    m.fx.services.scriptPermutation({3, 1, 5, 2, 4});
    m.fx.services.scriptPermutation({5, 1, 2, 3, 4});
    auto* w = m.open<FindingTheSame>("FrmQtXiangtong");
    m.fx.app.Score = 3;

    m.click(&w->Image2[0]);
    EXPECT_EQ(m.sounds(), QStringList{"error"});
    EXPECT_EQ(m.fx.app.Score, 2) << "a wrong click costs a point";
    EXPECT_EQ(m.itemShown(w->Image1->Picture()), "果5");
    EXPECT_EQ(rowOf(m, *w), (QStringList{"果3", "果1", "果5", "果2", "果4"}));

    m.click(&w->Image2[2]);
    EXPECT_EQ(m.sounds(), (QStringList{"error", "right"}));
    EXPECT_EQ(w->RightCount, 1);
    EXPECT_EQ(m.fx.app.Score, 2) << "a right answer within a category is only heard";
    EXPECT_EQ(m.rewards(), QStringList{"reward wrong"});
}

TEST(FrmQtXiangtong, OneMoreRightAnswerThanPicturesBringsTheNextCategoryWithWinAndAReward)
{
    CognitionFixture m;
    m.setCategories({{"水果", numbered("果", 5)}, {"动物", numbered("兽", 3)}});
    auto* w = m.open<FindingTheSame>("FrmQtXiangtong");
    const QStringList fruit = numbered("果", 5);
    for (int answer = 1; answer <= 5; ++answer)
        m.click(&w->Image2[matchingCandidate(m, *w)]);
    EXPECT_EQ(m.sounds(), QStringList(5, "right"));
    EXPECT_TRUE(m.rewards().isEmpty());
    EXPECT_EQ(rowOf(m, *w).size(), 5);

    m.click(&w->Image2[matchingCandidate(m, *w)]);
    EXPECT_EQ(m.sounds().mid(5), (QStringList{"right", "win"}));
    EXPECT_EQ(m.rewards(), QStringList{"reward right"});
    EXPECT_EQ(w->CategoryIndex, 2);
    EXPECT_EQ(w->RightCount, 0);
    const QStringList row = rowOf(m, *w);
    ASSERT_EQ(row.size(), 3);
    for (const QString& item : row)
        EXPECT_TRUE(item.startsWith("兽")) << qPrintable(item);
    EXPECT_EQ(w->Image2.count(), 3) << "the row holds exactly the category's pictures";
    EXPECT_DOUBLE_EQ(w->Image2[0].Width(), 153);
}

TEST(FrmQtXiangtong, PastTheLastCategoryTheFirstComesBack)
{
    CognitionFixture m;
    m.setCategories({{"水果", numbered("果", 2)}, {"动物", numbered("兽", 2)}});
    auto* w = m.open<FindingTheSame>("FrmQtXiangtong");
    const QStringList expected[] = {numbered("果", 2), numbered("兽", 2), numbered("果", 2)};
    for (const QStringList& category : expected) {
        EXPECT_TRUE(category.contains(m.itemShown(w->Image1->Picture())));
        for (int answer = 1; answer <= 3; ++answer)
            m.click(&w->Image2[matchingCandidate(m, *w)]);
    }
    EXPECT_EQ(m.rewards(), QStringList(3, "reward right"));
    EXPECT_EQ(w->CategoryIndex, 2);
}

TEST(FrmQtXiangtong, AFirstCategoryOfOnePictureIsPassedOverInsteadOfLoopingForever)
{
    CognitionFixture m;
    m.setCategories({{"水果", numbered("果", 1)}, {"动物", numbered("兽", 3)}});
    auto* w = m.open<FindingTheSame>("FrmQtXiangtong");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->CategoryIndex, 2);
    EXPECT_TRUE(numbered("兽", 3).contains(m.itemShown(w->Image1->Picture())));
    EXPECT_EQ(rowOf(m, *w).size(), 3);
}

struct CourseCase {
    const char* name;
    const char* window;
    CognitionFixture::Categories categories;
};

class CourseThatCannotBePlayed : public ::testing::TestWithParam<CourseCase> {};

TEST_P(CourseThatCannotBePlayed, SaysSoAndClosesOnlyItsOwnWindow)
{
    const CourseCase& c = GetParam();
    CognitionFixture m;
    m.setCategories(c.categories);
    EXPECT_EQ(m.open<FindingTheSame>(c.window), nullptr);
    EXPECT_EQ(m.fx.services.messages, QStringList{"你的设置不对!"});
    EXPECT_FALSE(m.fx.services.warnings.isEmpty()) << "one line says what is wrong";
    EXPECT_TRUE(m.fx.services.quitStatuses.empty()) << "the program goes on";
}

INSTANTIATE_TEST_SUITE_P(
    FindingTheSame, CourseThatCannotBePlayed,
    ::testing::Values(CourseCase{"IdenticalWithoutCategories", "FrmQtXiangtong", {}},
                      CourseCase{"IdenticalWithOnlySinglePictures",
                                 "FrmQtXiangtong",
                                 {{"水果", numbered("果", 1)}, {"动物", numbered("兽", 1)}}},
                      CourseCase{
                          "SameKindWithOneCategory", "FrmQtTonglei", {{"水果", numbered("果", 5)}}},
                      CourseCase{"SameKindWithTooFewInTheNext",
                                 "FrmQtTonglei",
                                 {{"水果", numbered("果", 5)}, {"动物", numbered("兽", 2)}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct SizeCase {
    int pictures;
    double side;
};

class CandidateSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(CandidateSize, ShrinksWithTheCategoryButNeverVanishesOrLeavesTheWindow)
{
    const SizeCase c = GetParam();
    CognitionFixture m;
    m.setCategories({{"水果", numbered("果", c.pictures)}, {"动物", numbered("兽", 2)}});
    auto* w = m.open<FindingTheSame>("FrmQtXiangtong");
    ASSERT_NE(w, nullptr);
    EXPECT_NEAR(w->Image2[0].Width(), c.side, 0.01);
    EXPECT_NEAR(w->Image2[0].Height(), c.side, 0.01);
    const Image& last = w->Image2[c.pictures - 1];
    EXPECT_GE(w->Image2[0].Left(), 0);
    EXPECT_LE(last.Left() + last.Width(), 1024 + 1e-9);
}

INSTANTIATE_TEST_SUITE_P(FrmQtXiangtong, CandidateSize,
                         ::testing::Values(SizeCase{2, 161}, SizeCase{11, 89}, SizeCase{22, 1},
                                           SizeCase{23, 1024.0 / 23}, SizeCase{40, 1024.0 / 40}),
                         [](const auto& info) { return std::to_string(info.param.pictures); });

TEST(FrmQtTonglei, CandidateThreeIsTheOtherOfTheKindWhereverItStands)
{
    CognitionFixture m;
    m.setCategories(
        {{"水果", numbered("果", 4)}, {"动物", numbered("兽", 5)}, {"蔬菜", numbered("菜", 3)}});
    m.fx.services.scriptPermutation({2, 4, 1, 3});    // the places of candidates 0..3
    m.fx.services.scriptPermutation({4, 1, 2, 3});    // the target and the right candidate
    m.fx.services.scriptPermutation({5, 3, 1, 2, 4}); // the three of the next category
    auto* w = m.open<FindingTheSame>("FrmQtTonglei");
    ASSERT_NE(w, nullptr);

    EXPECT_EQ(m.itemShown(w->Image1->Picture()), "果4");
    EXPECT_EQ(m.itemShown(w->Image2[3].Picture()), "果1");
    EXPECT_EQ(rowOf(m, *w), (QStringList{"兽1", "兽5", "果1", "兽3"}));
    for (int k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(w->Image2[k].Width(), 145) << k;
        EXPECT_DOUBLE_EQ(w->Image2[k].Top(), 768 - 250) << k;
    }
    EXPECT_DOUBLE_EQ(w->Image2[3].Left(), 222 + 2 * 145);

    m.click(&w->Image2[1]);
    EXPECT_EQ(m.sounds(), QStringList{"error"});
    EXPECT_EQ(m.itemShown(w->Image2[3].Picture()), "果1") << "the question stays";
    m.fx.services.scriptPermutation({4, 3, 2, 1});
    m.click(&w->Image2[3]);
    EXPECT_EQ(m.sounds(), (QStringList{"error", "right"}));
    EXPECT_EQ(m.rewards(), (QStringList{"reward wrong", "reward right"}));
    EXPECT_EQ(m.fx.app.Score, 1);
    EXPECT_DOUBLE_EQ(w->Image2[3].Left(), 222) << "a new question, new places";
}

TEST(FrmQtTonglei, PairsRunUpToTheOneBeforeTheLastCategoryThenStartAgain)
{
    CognitionFixture m;
    const QStringList fruit = numbered("果", 3), animals = numbered("兽", 3),
                      vegetables = numbered("菜", 3);
    m.setCategories(
        {{"水果", fruit}, {"动物", animals}, {"蔬菜", vegetables}, {"玩具", numbered("玩", 3)}});
    auto* w = m.open<FindingTheSame>("FrmQtTonglei");
    const QStringList pairs[][2] = {{fruit, animals}, {animals, vegetables}, {fruit, animals}};
    for (const auto& [first, second] : pairs) {
        for (int answer = 1; answer <= 5; ++answer) {
            EXPECT_TRUE(first.contains(m.itemShown(w->Image1->Picture())));
            const int right = matchingCandidate(m, *w, first);
            EXPECT_EQ(right, 3);
            EXPECT_TRUE(second.contains(m.itemShown(w->Image2[right == 0 ? 1 : 0].Picture())));
            m.click(&w->Image2[right]);
        }
    }
    EXPECT_EQ(m.rewards(), QStringList(15, "reward right"));
    EXPECT_EQ(w->CategoryIndex, 2);
}

TEST(FrmQtTonglei, ACategoryTooLargeForThePictureTableStillLeavesRoomForTheNextOne)
{
    CognitionFixture m;
    m.setCategories({{"水果", numbered("果", 100)}, {"动物", numbered("兽", 3)}});
    auto* w = m.open<FindingTheSame>("FrmQtTonglei");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->FirstCount, 97);
    EXPECT_EQ(w->SecondCount, 3);
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(numbered("兽", 3).contains(m.itemShown(w->Image2[k].Picture()))) << k;
}

TEST(FindingTheSame, OnALargerScreenOnlyTheIdenticalRowKeepsItsScaledDistanceFromTheBottom)
{
    CognitionFixture m(QSize(1280, 960));
    m.setCategories({{"水果", numbered("果", 4)}, {"动物", numbered("兽", 4)}});
    auto* same = m.open<FindingTheSame>("FrmQtXiangtong");
    EXPECT_DOUBLE_EQ(same->Image2[0].Top(), 960 - 250 * 1.25);
    EXPECT_DOUBLE_EQ(same->Image2[0].Width(), 145 * 1.25);
    same->Unload();
    auto* kind = m.open<FindingTheSame>("FrmQtTonglei");
    EXPECT_DOUBLE_EQ(kind->Image2[0].Top(), 960 - 250);
}

} // namespace
