// Picture and word recognition: the question and the answers of both windows, the tick and
// the cross, the pause before the next question, and the pages of answers.

#include "LanguageFixture.h"
#include "activities/language/Mdlpicwenzhi.h"
#include "activities/language/RecognitionForm.h"

#include <gtest/gtest.h>

namespace {

QStringList names(int n)
{
    static const char* const Fruit[] = {"苹果", "香蕉", "葡萄", "西瓜", "橙子", "草莓", "梨",
                                        "桃子", "樱桃", "菠萝", "柠檬", "芒果", "石榴", "柿子",
                                        "李子", "杏",   "椰子", "荔枝", "龙眼", "枣"};
    QStringList items;
    for (int i = 0; i < n; ++i)
        items << QString::fromUtf8(Fruit[i]);
    return items;
}

// A permutation of 1..n that starts with first.
std::vector<int> startingWith(int n, int first)
{
    std::vector<int> perm{first};
    for (int v = 1; v <= n; ++v)
        if (v != first) perm.push_back(v);
    return perm;
}

struct Recognition {
    Recognition(const char* window, const QStringList& items, int question)
    {
        l.setLesson(items);
        l.fx.services.scriptPermutation(startingWith(items.size(), question));
        w = l.open<RecognitionForm>(window);
    }
    void click(int answer) { l.fx.click(&w->Image3[answer]); }
    LanguageFixture l;
    RecognitionForm* w = nullptr;
};

struct WindowCase {
    const char* window;
    bool asksWithPhoto;
};

class RecognitionWindows : public ::testing::TestWithParam<WindowCase> {};

TEST_P(RecognitionWindows, AskWithOneKindOfPictureAndAnswerWithTheOther)
{
    const WindowCase c = GetParam();
    Recognition r(c.window, names(3), 2);
    ASSERT_NE(r.w, nullptr);
    AppContext& app = r.l.fx.app;
    const QSize answerSize = r.w->Image3[0].size();
    for (int k = 1; k <= 3; ++k) {
        const QPixmap caption = captionOf(r.w->PicWenzhi, k);
        const QPixmap& photos = c.asksWithPhoto ? app.ItemPictures2[k] : app.ItemPictures[k];
        const QPixmap& words = c.asksWithPhoto ? app.ItemPictures[k] : app.ItemPictures2[k];
        EXPECT_TRUE(showsColour(photos, photoColour(k))) << k;
        EXPECT_EQ(words.toImage(), caption.toImage()) << k;
        // Three answers in the middle of the window, item k in place k - 1.
        EXPECT_TRUE(r.w->Image3[k - 1].Visible());
        EXPECT_DOUBLE_EQ(r.w->Image3[k - 1].Left(), (1024 - 3 * 150) / 2 + 150 * (k - 1));
        EXPECT_EQ(r.w->Image3[k - 1].Picture().toImage(), app.ItemPictures[k].toImage());
    }
    EXPECT_EQ(visibleOf(r.w->Image3), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(visibleOf(r.w->Image5).empty()) << "no pages with three answers";
    EXPECT_EQ(r.w->question(), 2);
    EXPECT_EQ(r.w->Image2->Picture().toImage(), app.ItemPictures2[2].toImage());
    EXPECT_TRUE(visibleOf(r.w->Image1).empty());
    EXPECT_EQ(answerSize, QSize(145, 145));
}

INSTANTIATE_TEST_SUITE_P(Recognition, RecognitionWindows,
                         ::testing::Values(WindowCase{"FrmTu_zhi", true},
                                           WindowCase{"FrmZhi_tu", false}),
                         [](const auto& info) { return std::string(info.param.window); });

TEST(Recognition, ARightAnswerIsTickedAndRewardedWithTheNextQuestionASecondLater)
{
    Recognition r("FrmTu_zhi", names(3), 2);
    r.click(1);
    EXPECT_TRUE(r.w->Image1[0].Visible());
    EXPECT_FALSE(r.w->Image1[1].Visible());
    EXPECT_EQ(r.l.sounds(), QStringList{"right"});
    EXPECT_EQ(r.l.fx.app.Score, 0) << "the reward comes with the next question";
    EXPECT_TRUE(r.w->Timer1->isRunning());
    EXPECT_EQ(r.w->Timer1->Interval(), 1000);

    // The same item may be asked again: every question is a fresh draw.
    r.l.fx.services.scriptPermutation(startingWith(3, 2));
    r.w->Timer1->fire();
    EXPECT_FALSE(r.w->Timer1->isRunning());
    EXPECT_TRUE(visibleOf(r.w->Image1).empty());
    EXPECT_EQ(r.l.fx.app.Score, 1);
    EXPECT_EQ(r.w->LblNum[0].Caption(), QStringLiteral("1"));
    EXPECT_EQ(r.w->question(), 2);
}

TEST(Recognition, AWrongAnswerIsCrossedAndCostsAPointWhileTheQuestionStays)
{
    Recognition r("FrmZhi_tu", names(3), 2);
    r.l.fx.app.Score = 3;
    r.click(0);
    EXPECT_TRUE(r.w->Image1[1].Visible());
    EXPECT_FALSE(r.w->Image1[0].Visible());
    EXPECT_EQ(r.l.sounds(), QStringList{"error"});
    EXPECT_EQ(r.l.fx.app.Score, 2);
    EXPECT_FALSE(r.w->Timer1->isRunning());
    EXPECT_EQ(r.w->question(), 2);

    r.click(1); // and then the right one: the cross gives way to the tick
    EXPECT_TRUE(r.w->Image1[0].Visible());
    EXPECT_FALSE(r.w->Image1[1].Visible());
}

TEST(Recognition, TwoItemsOfOneNameAreTheSameAnswer)
{
    Recognition r("FrmTu_zhi", {"梨", "苹果", "梨"}, 3);
    r.click(0);
    EXPECT_EQ(r.l.sounds(), QStringList{"right"});
}

TEST(Recognition, ARightAnswerAgainDuringThePauseChangesTheQuestionOnce)
{
    Recognition r("FrmTu_zhi", names(3), 1);
    r.click(0);
    r.click(0);
    EXPECT_EQ(r.l.sounds(), (QStringList{"right", "right"}));
    r.l.fx.services.scriptPermutation(startingWith(3, 3));
    r.w->Timer1->fire();
    EXPECT_EQ(r.l.fx.app.Score, 1);
    EXPECT_EQ(r.w->question(), 3);
    EXPECT_FALSE(r.w->Timer1->isRunning());
}

TEST(Recognition, SevenItemsMakeTwoPagesAndAnEmptyPlaceIsAWrongAnswer)
{
    Recognition r("FrmTu_zhi", names(7), 7);
    RecognitionForm& w = *r.w;
    EXPECT_EQ(visibleOf(w.Image3), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(visibleOf(w.Image5), std::vector<int>{1});
    EXPECT_DOUBLE_EQ(w.Image5[1].Left(), w.Image3[4].Left() + 150);

    r.l.fx.click(&w.Image5[1]);
    EXPECT_EQ(w.page(), 1);
    AppContext& app = r.l.fx.app;
    EXPECT_EQ(w.Image3[0].Picture().toImage(), app.ItemPictures[6].toImage());
    EXPECT_EQ(w.Image3[1].Picture().toImage(), app.ItemPictures[7].toImage());
    for (int i = 2; i < 5; ++i) {
        EXPECT_TRUE(w.Image3[i].Picture().isNull()) << i;
        EXPECT_TRUE(w.Image3[i].Visible()) << "the place stays, empty";
    }
    EXPECT_EQ(visibleOf(w.Image5), std::vector<int>{0});
    EXPECT_DOUBLE_EQ(w.Image5[0].Left(), w.Image3[0].Left() - w.Image5[0].Width() - 5);

    r.click(2);
    EXPECT_EQ(r.l.sounds(), QStringList{"error"});
    r.click(1);
    EXPECT_EQ(r.l.sounds(), (QStringList{"error", "right"}));

    r.l.fx.click(&w.Image5[0]);
    EXPECT_EQ(w.page(), 0);
    EXPECT_EQ(visibleOf(w.Image5), std::vector<int>{1});
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.Image3[i].Picture().toImage(), app.ItemPictures[i + 1].toImage()) << i;
}

TEST(Recognition, TenItemsFillTwoPagesAndTheNextArrowGoesOnTheEmptyThird)
{
    Recognition r("FrmZhi_tu", names(10), 1);
    RecognitionForm& w = *r.w;
    r.l.fx.click(&w.Image5[1]);
    EXPECT_EQ(w.Image3[4].Picture().toImage(), r.l.fx.app.ItemPictures[10].toImage());
    EXPECT_TRUE(w.Image5[1].Visible());
    r.l.fx.click(&w.Image5[1]);
    EXPECT_EQ(w.page(), 2);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(w.Image3[i].Picture().isNull()) << i;
    EXPECT_FALSE(w.Image5[1].Visible());
}

// Every page answers, the fourth and later ones too: a question whose answer stands there
// can be answered.
TEST(Recognition, TheAnswersOfTheFourthPageAnswerToo)
{
    Recognition r("FrmTu_zhi", names(20), 17);
    for (int page = 1; page <= 3; ++page)
        r.l.fx.click(&r.w->Image5[1]);
    EXPECT_EQ(r.w->page(), 3);
    r.click(1);
    EXPECT_EQ(r.l.sounds(), QStringList{"right"});
}

TEST(Recognition, ClickingTheQuestionSaysTheInstructionAgain)
{
    LanguageFixture l;
    l.setLesson(names(2));
    l.data.addCourse(QStringLiteral("提示"),
                     QStringLiteral("[提示]\nFrmTu_zhi=点一点和图片一样的字。\n"));
    auto* w = l.open<RecognitionForm>("FrmTu_zhi");
    l.fx.services.spoken.clear();
    l.fx.click(w->Image2);
    EXPECT_EQ(l.fx.services.spoken, QStringList{"点一点和图片一样的字。"});
}

TEST(Recognition, AnEmptyLessonAsksNothing)
{
    LanguageFixture l;
    l.setLesson({});
    auto* w = l.open<RecognitionForm>("FrmZhi_tu");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->question(), 0);
    EXPECT_TRUE(visibleOf(w->Image3).empty());
    l.fx.click(w->Image2);
    EXPECT_TRUE(l.sounds().isEmpty());
}

} // namespace
