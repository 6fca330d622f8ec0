// Word building and picture talk: the photo with the shuffled characters of its word and of
// another word, slots that take only their own character, the reward of a finished word; and
// the photos with their sentences, one after another.

#include "LanguageFixture.h"
#include "activities/language/Frmkantshh.h"
#include "activities/language/Frmkantzc.h"

#include <gtest/gtest.h>

namespace {

struct WordBuilding {
    // The word of item `word` is built, item `other` is mixed in; places: the tile places.
    WordBuilding(const QStringList& items, int word, int other, std::vector<int> places)
    {
        l.setLesson(items);
        script(items.size(), word, other, std::move(places));
        w = l.open<Frmkantzc>("Frmkantzc");
    }
    void script(int n, int word, int other, std::vector<int> places)
    {
        std::vector<int> items{word, other};
        for (int v = 1; v <= n; ++v)
            if (v != word && v != other) items.push_back(v);
        items.resize(n);
        l.fx.services.scriptPermutation(items);
        l.fx.services.scriptPermutation(places);
    }
    void dropInSlot(int tile, int slot, QPoint offset = {})
    {
        l.drag(&w->Picture1[tile], l.centreOf(&w->Picture2[slot]) + offset);
    }
    LanguageFixture l;
    Frmkantzc* w = nullptr;
};

const QStringList Animals{"小猫", "小狗", "大熊猫"};

TEST(WordBuilding, ShowsThePhotoTheMixedCharactersAndASlotForEachCharacterOfItsWord)
{
    WordBuilding b(Animals, 1, 3, {3, 5, 1, 2, 4});
    Frmkantzc& w = *b.w;
    EXPECT_EQ(w.word(), 1);
    EXPECT_TRUE(showsColour(w.Image1->Picture(), photoColour(1)));
    EXPECT_DOUBLE_EQ(w.Image1->Left(), (1024 - 305) / 2.0);
    // 小 猫 大 熊 猫 at the places 3 5 1 2 4 of five places of 102 pixels.
    EXPECT_EQ(visibleOf(w.Picture1), (std::vector<int>{1, 2, 3, 4, 5}));
    const int places[] = {0, 3, 5, 1, 2, 4};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_DOUBLE_EQ(w.Picture1[i].Left(), 257 + (places[i] - 1) * 102) << i;
        EXPECT_DOUBLE_EQ(w.Picture1[i].Top(), 592);
    }
    EXPECT_TRUE(sameInk(w.Picture1[2].image(), w.Picture1[5].image())) << "猫 twice";
    EXPECT_EQ(visibleOf(w.Picture2), (std::vector<int>{1, 2}));
    EXPECT_DOUBLE_EQ(w.Picture2[1].Left(), 410);
    EXPECT_DOUBLE_EQ(w.Picture2[2].Left(), 512);
    EXPECT_DOUBLE_EQ(w.Picture2[1].Top(), 392);
    EXPECT_FALSE(w.Timer2->isRunning());
}

TEST(WordBuilding, OnlyTheWordsOwnCharactersGoInAndEachOnlyInItsOwnSlot)
{
    WordBuilding b(Animals, 1, 3, {3, 5, 1, 2, 4});
    b.dropInSlot(2, 1); // 猫 in the place of 小
    b.dropInSlot(5, 2); // the other word's 猫 where 猫 belongs
    b.dropInSlot(1, 1, QPoint(0, 16));
    EXPECT_EQ(b.l.sounds(), (QStringList{"mousemove", "mousemove", "mousemove"}));
    EXPECT_EQ(b.w->row.placed(), 0);
    EXPECT_EQ(b.l.fx.app.Score, 0) << "no penalty for a miss";

    b.dropInSlot(1, 1);
    EXPECT_EQ(b.l.sounds().last(), QStringLiteral("pingturight"));
    EXPECT_FALSE(b.w->Picture1[1].Visible());
    EXPECT_EQ(b.w->row.built(), (QStringList{"小", ""}));
    EXPECT_EQ(b.l.fx.app.Score, 0);
}

TEST(WordBuilding, AFinishedWordIsRewardedAndTwoSecondsLaterANewOneComes)
{
    WordBuilding b(Animals, 1, 3, {3, 5, 1, 2, 4});
    b.dropInSlot(2, 2);
    b.dropInSlot(1, 1);
    EXPECT_EQ(b.l.sounds(), (QStringList{"pingturight", "pingturight", "win"}));
    EXPECT_EQ(b.l.fx.app.Score, 1);
    EXPECT_EQ(b.w->row.built(), (QStringList{"小", "猫"}));
    EXPECT_TRUE(b.w->Timer2->isRunning());
    EXPECT_EQ(b.w->Timer2->Interval(), 2000);

    // The other word's tiles are still there; a miss now is no second reward.
    b.dropInSlot(5, 2);
    EXPECT_EQ(b.l.sounds().last(), QStringLiteral("mousemove"));
    EXPECT_EQ(b.l.fx.app.Score, 1);

    b.script(3, 2, 1, {1, 2, 3, 4});
    b.w->Timer2->fire();
    EXPECT_FALSE(b.w->Timer2->isRunning());
    EXPECT_EQ(b.w->word(), 2);
    EXPECT_TRUE(showsColour(b.w->Image1->Picture(), photoColour(2)));
    EXPECT_EQ(b.w->Picture1.count(), 5) << "小 狗 小 猫 and the template";
    EXPECT_EQ(visibleOf(b.w->Picture2), (std::vector<int>{1, 2}));
    EXPECT_EQ(b.w->row.placed(), 0);
    b.dropInSlot(1, 1);
    b.dropInSlot(2, 2);
    EXPECT_EQ(b.l.fx.app.Score, 2);
}

TEST(WordBuilding, ARepeatedCharacterGoesInInReadingOrder)
{
    WordBuilding b({"妈妈", "爸爸"}, 1, 2, {4, 3, 2, 1});
    b.dropInSlot(2, 1);
    EXPECT_EQ(b.l.sounds(), QStringList{"mousemove"});
    b.dropInSlot(1, 1);
    b.dropInSlot(2, 2);
    EXPECT_EQ(b.l.sounds(), (QStringList{"mousemove", "pingturight", "pingturight", "win"}));
}

TEST(WordBuilding, ALessonOfOneItemHasNoOtherWordToMixIn)
{
    WordBuilding b({"长颈鹿"}, 1, 1, {2, 3, 1});
    EXPECT_EQ(visibleOf(b.w->Picture1), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(visibleOf(b.w->Picture2), (std::vector<int>{1, 2, 3}));
}

TEST(WordBuilding, OnALargerScreenTheCharactersGrowWithTheWidth)
{
    LanguageFixture l(QSize(1280, 960));
    l.setLesson(Animals);
    auto* w = l.open<Frmkantzc>("Frmkantzc");
    EXPECT_DOUBLE_EQ(w->Picture1[1].FontSize(), 65 * 1.25);
    EXPECT_DOUBLE_EQ(w->Picture1[1].Top(), 740);
}

// Picture talk.

const QStringList Talk{"苹果=苹果红红的", "香蕉=香蕉弯弯像月亮弯弯像小船", "梨=梨子水分多"};

TEST(PictureTalk, ShowsThePhotoAndItsSentenceOneCharacterATileSideBySide)
{
    LanguageFixture l;
    l.setLesson({"苹果", "香蕉", "梨"}, Talk);
    auto* w = l.open<Frmkantshh>("Frmkantshh");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(showsColour(w->Image1->Picture(), photoColour(1)));
    EXPECT_DOUBLE_EQ(w->Image1->Left(), (1024 - 305) / 2.0);
    EXPECT_DOUBLE_EQ(w->Image1->Top(), 128);
    EXPECT_EQ(visibleOf(w->Picture1), (std::vector<int>{1, 2, 3, 4, 5}));
    for (int i = 1; i <= 5; ++i) {
        EXPECT_DOUBLE_EQ(w->Picture1[i].Left(), (1024 - 5 * 97) / 2.0 + (i - 1) * 97);
        EXPECT_DOUBLE_EQ(w->Picture1[i].Top(), 512);
    }
    EXPECT_TRUE(sameInk(w->Picture1[3].image(), w->Picture1[4].image())) << "红 twice";
    EXPECT_EQ(w->row.slotBoxes.count(), 1) << "no slots";
}

TEST(PictureTalk, AClickOnThePhotoBringsTheNextHalfASecondLaterRoundTheLesson)
{
    LanguageFixture l;
    l.setLesson({"苹果", "香蕉", "梨"}, Talk);
    auto* w = l.open<Frmkantshh>("Frmkantshh");
    l.fx.click(w->Image1);
    EXPECT_TRUE(w->Timer2->isRunning());
    EXPECT_EQ(w->Timer2->Interval(), 500);
    EXPECT_TRUE(showsColour(w->Image1->Picture(), photoColour(1))) << "not yet";
    w->Timer2->fire();
    EXPECT_FALSE(w->Timer2->isRunning());
    EXPECT_EQ(w->current(), 2);
    EXPECT_TRUE(showsColour(w->Image1->Picture(), photoColour(2)));
    // Twelve characters are 1164 pixels, wider than the window: they run past both edges alike.
    EXPECT_EQ(visibleOf(w->Picture1).size(), 12u);
    EXPECT_DOUBLE_EQ(w->Picture1[1].Left(), -70);
    EXPECT_DOUBLE_EQ(w->Picture1[12].Left() + 97, 1024 + 70);

    for (int click = 0; click < 2; ++click) {
        l.fx.click(w->Image1);
        w->Timer2->fire();
    }
    EXPECT_EQ(w->current(), 1) << "after the last photo the first";
    EXPECT_TRUE(showsColour(w->Image1->Picture(), photoColour(1)));
    EXPECT_EQ(visibleOf(w->Picture1).size(), 5u);
    EXPECT_EQ(l.fx.app.Score, 0);
    EXPECT_TRUE(l.sounds().isEmpty());
}

TEST(PictureTalk, AnItemWithoutASentenceShowsOnlyItsPhoto)
{
    LanguageFixture l;
    l.setLesson({"苹果", "西瓜"}, Talk);
    auto* w = l.open<Frmkantshh>("Frmkantshh");
    l.fx.click(w->Image1);
    w->Timer2->fire();
    EXPECT_TRUE(showsColour(w->Image1->Picture(), photoColour(2)));
    EXPECT_TRUE(visibleOf(w->Picture1).empty());
}

} // namespace
