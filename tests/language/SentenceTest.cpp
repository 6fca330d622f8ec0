// Sentence ordering: a sentence cut into its characters, shuffled into a row of tiles, put
// back in order in the slots below, and the next item's sentence after the reward.

#include "LanguageFixture.h"
#include "activities/language/FrmZhuju.h"

#include <gtest/gtest.h>

namespace {

const QStringList Items{"小猫", "小狗", "小鸟"};
const QStringList Sentences{"小猫=小猫 爱小鱼", "小狗=小狗汪汪叫", "小鸟=小鸟在天上飞"};

struct Sentence {
    explicit Sentence(std::vector<int> places, QSize screen = QSize(1024, 768),
                      bool stretch = false)
        : l(screen, stretch)
    {
        l.setLesson(Items, Sentences);
        l.fx.services.scriptPermutation(places);
        w = l.open<FrmZhuju>("FrmZhuju");
    }
    void dropInSlot(int tile, int slot)
    {
        l.drag(&w->Picture1[tile], l.centreOf(&w->Picture2[slot]));
    }
    LanguageFixture l;
    FrmZhuju* w = nullptr;
};

TEST(Sentence, ShufflesTheCharactersIntoAGapFreeRowAboveTheSlotsInReadingOrder)
{
    // 小 猫 (blank) 爱 小 鱼
    Sentence s({6, 2, 4, 1, 3, 5});
    FrmZhuju& w = *s.w;
    EXPECT_EQ(w.sentence(), QStringLiteral("小猫 爱小鱼"));
    EXPECT_EQ(visibleOf(w.Picture1), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(visibleOf(w.Picture2), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    const int places[] = {0, 6, 2, 4, 1, 3, 5};
    const double left = (1024 - 6 * 97) / 2.0;
    for (int i = 1; i <= 6; ++i) {
        EXPECT_DOUBLE_EQ(w.Picture1[i].Left(), left + (places[i] - 1) * 97) << i;
        EXPECT_DOUBLE_EQ(w.Picture1[i].Top(), 232);
        EXPECT_DOUBLE_EQ(w.Picture2[i].Left(), left + (i - 1) * 97) << i;
        EXPECT_DOUBLE_EQ(w.Picture2[i].Top(), 440);
    }
    EXPECT_TRUE(sameInk(w.Picture1[1].image(), w.Picture1[5].image())) << "小 twice";
    EXPECT_EQ(w.Picture1[3].image(), w.Picture2[1].image()) << "the blank is a blank tile";
}

TEST(Sentence, EveryCharacterGoesInItsOwnPlaceThenTheNextSentenceComes)
{
    Sentence s({1, 2, 3, 4, 5, 6});
    s.dropInSlot(5, 1); // the second 小 belongs in the fifth place
    EXPECT_EQ(s.l.sounds(), QStringList{"mousemove"});
    for (int i : {1, 2, 4, 5, 6})
        s.dropInSlot(i, i);
    EXPECT_EQ(s.l.fx.app.Score, 0);
    EXPECT_FALSE(s.w->Timer2->isRunning());
    s.dropInSlot(3, 3);
    EXPECT_EQ(s.l.sounds().last(), QStringLiteral("win"));
    EXPECT_EQ(s.l.fx.app.Score, 1);
    EXPECT_EQ(s.w->row.built().join(QString()), QStringLiteral("小猫 爱小鱼"));
    EXPECT_TRUE(s.w->Timer2->isRunning());
    EXPECT_EQ(s.w->Timer2->Interval(), 2000);

    s.l.fx.services.scriptPermutation({7, 6, 5, 4, 3, 2, 1});
    s.w->Timer2->fire();
    EXPECT_EQ(s.w->current(), 2);
    EXPECT_EQ(s.w->sentence(), QStringLiteral("小狗汪汪叫"));
    EXPECT_EQ(visibleOf(s.w->Picture2).size(), 5u);
    EXPECT_EQ(s.w->Picture1.count(), 6);
}

TEST(Sentence, AfterTheLastItemTheFirstSentenceComesAgain)
{
    Sentence s({1, 2, 3, 4, 5, 6});
    for (int round = 0; round < 3; ++round) {
        const int length = int(s.w->sentence().size());
        for (int i = 1; i <= length; ++i)
            s.dropInSlot(i, i);
        s.w->Timer2->fire();
    }
    EXPECT_EQ(s.w->current(), 1);
    EXPECT_EQ(s.w->sentence(), QStringLiteral("小猫 爱小鱼"));
    EXPECT_EQ(s.l.fx.app.Score, 3);
}

TEST(Sentence, AnItemWithoutASentenceLeavesAnEmptyRowThatNeverEnds)
{
    LanguageFixture l;
    l.setLesson({"小鱼", "小猫"}, Sentences);
    auto* w = l.open<FrmZhuju>("FrmZhuju");
    EXPECT_TRUE(w->sentence().isEmpty());
    EXPECT_TRUE(visibleOf(w->Picture1).empty());
    EXPECT_TRUE(visibleOf(w->Picture2).empty());
    EXPECT_FALSE(w->Timer2->isRunning());
}

struct ScreenCase {
    const char* name;
    QSize screen;
    bool stretch;
    double points;
};

class SentenceScreens : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(SentenceScreens, TheCharactersGrowWithTheWidthOnly)
{
    const ScreenCase c = GetParam();
    Sentence s({1, 2, 3, 4, 5, 6}, c.screen, c.stretch);
    EXPECT_DOUBLE_EQ(s.w->Picture1[1].FontSize(), c.points);
}

INSTANTIATE_TEST_SUITE_P(Sentence, SentenceScreens,
                         ::testing::Values(ScreenCase{"design", {1024, 768}, false, 65},
                                           ScreenCase{"notTheDesignHeight", {1024, 600}, true, 65},
                                           ScreenCase{"wider", {1280, 960}, false, 65 * 1.25}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
