// Picture–word pairing: the pictures of both rows, the shuffled places, drops on the own
// partner only, the face on a placed partner, and the reward and next round of a finished
// round.

#include "LanguageFixture.h"
#include "activities/language/Mdlpicwenzhi.h"
#include "activities/language/PairingForm.h"
#include "ui/Artwork.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {

const QStringList Four{"苹果", "香蕉", "梨", "西瓜"};

// The draws of a round: the items of the pairs, then the places of the partners and of the
// dragged pictures.
void scriptRound(LanguageFixture& l, std::vector<int> items, std::vector<int> targets,
                 std::vector<int> dragged)
{
    l.fx.services.scriptPermutation(items);
    l.fx.services.scriptPermutation(targets);
    l.fx.services.scriptPermutation(dragged);
}

struct Pairing {
    explicit Pairing(const char* window, const QStringList& items = Four)
    {
        l.setLesson(items);
        std::vector<int> all(items.size());
        std::iota(all.begin(), all.end(), 1);
        const int k = std::min<int>(items.size(), 6);
        scriptRound(l, all, std::vector<int>(all.begin(), all.begin() + k),
                    std::vector<int>(all.begin(), all.begin() + k));
        w = l.open<PairingForm>(window);
    }
    // Drags picture i to a point given relative to the centre pixel of its partner.
    void dropOnPartner(int i, QPoint offset = {}) { dropOn(i, i, offset); }
    void dropOn(int i, int target, QPoint offset = {})
    {
        l.drag(&w->Picture3[i], l.centreOf(&w->Picture1[target]) + offset);
    }
    LanguageFixture l;
    PairingForm* w = nullptr;
};

struct WindowCase {
    const char* window;
    bool dragsPhotos;
};

class PairingWindows : public ::testing::TestWithParam<WindowCase> {};

TEST_P(PairingWindows, ShowEachPairInBothRowsOverTheSameShuffledPlaces)
{
    const WindowCase c = GetParam();
    LanguageFixture l;
    l.setLesson(Four);
    scriptRound(l, {3, 1, 4, 2}, {2, 4, 1, 3}, {4, 3, 2, 1});
    auto* w = l.open<PairingForm>(c.window);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->pairs(), 4);
    EXPECT_EQ(visibleOf(w->Picture3), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(visibleOf(w->Picture1), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_FALSE(w->Image1->Visible());

    // Four places of 134 pixels in the middle of the window.
    const int items[] = {3, 1, 4, 2};
    const int targetPlace[] = {2, 4, 1, 3};
    const int draggedPlace[] = {4, 3, 2, 1};
    const QSize box(129, 129);
    for (int i = 0; i < 4; ++i) {
        PictureBox& top = w->Picture3[i];
        PictureBox& bottom = w->Picture1[i];
        EXPECT_DOUBLE_EQ(bottom.Left(), 244 + (targetPlace[i] - 1) * 134) << i;
        EXPECT_DOUBLE_EQ(bottom.Top(), 552);
        EXPECT_DOUBLE_EQ(top.Left(), 244 + (draggedPlace[i] - 1) * 134) << i;
        EXPECT_DOUBLE_EQ(top.Top(), 80);
        const QImage photo = (c.dragsPhotos ? top : bottom).image();
        const QImage word = (c.dragsPhotos ? bottom : top).image();
        EXPECT_TRUE(showsColour(photo, photoColour(items[i]))) << i;
        EXPECT_EQ(word, stretched(captionOf(w->PicWenzhi, items[i]), box)) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Pairing, PairingWindows,
                         ::testing::Values(WindowCase{"FrmpeiduiTu_zhi", true},
                                           WindowCase{"FrmpeiduiZhi_tu", false}),
                         [](const auto& info) { return std::string(info.param.window); });

TEST(Pairing, ThePictureTablesHoldTheRoundsCaptionsAndPhotos)
{
    LanguageFixture l;
    l.setLesson(Four);
    scriptRound(l, {3, 1, 4, 2}, {1, 2, 3, 4}, {1, 2, 3, 4});
    auto* w = l.open<PairingForm>("FrmpeiduiZhi_tu");
    const int items[] = {0, 3, 1, 4, 2};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(l.fx.app.ItemPictures[i].toImage(), captionOf(w->PicWenzhi, items[i]).toImage())
            << i;
        EXPECT_TRUE(showsColour(l.fx.app.ItemPictures2[i], photoColour(items[i]))) << i;
    }
}

struct DropCase {
    const char* name;
    QPoint offset;
    bool hit;
};

class PairingDrops : public ::testing::TestWithParam<DropCase> {};

// A partner of 129 pixels has its centre between two pixels, 64.5 pixels in from its left:
// the pointer counts strictly within 15 pixels of it.
TEST_P(PairingDrops, CountOnlyStrictlyWithinFifteenPixelsOfTheOwnPartner)
{
    const DropCase c = GetParam();
    Pairing p("FrmpeiduiTu_zhi");
    const double home = p.w->Picture3[1].Left();
    const QImage partner = p.w->Picture1[1].image();
    p.dropOnPartner(1, c.offset);
    if (c.hit) {
        EXPECT_EQ(p.l.sounds(), QStringList{"pingturight"});
        EXPECT_FALSE(p.w->Picture3[1].Visible());
        EXPECT_EQ(p.w->placed(), 1);
        const QImage stamped = p.w->Picture1[1].image();
        EXPECT_NE(stamped, partner);
        EXPECT_EQ(stamped.pixel(2, 2), partner.pixel(2, 2)) << "the face's corners are clear";
        EXPECT_TRUE(showsColour(stamped, QColor(255, 214, 60))) << "a smiling face";
    } else {
        EXPECT_EQ(p.l.sounds(), QStringList{"mousemove"});
        EXPECT_TRUE(p.w->Picture3[1].Visible());
        EXPECT_DOUBLE_EQ(p.w->Picture3[1].Left(), home);
        EXPECT_DOUBLE_EQ(p.w->Picture3[1].Top(), 80);
        EXPECT_EQ(p.w->Picture1[1].image(), partner);
        EXPECT_EQ(p.w->placed(), 0);
    }
    EXPECT_EQ(p.l.fx.app.Score, 0) << "no reward and no penalty for a single drop";
}

INSTANTIATE_TEST_SUITE_P(Pairing, PairingDrops,
                         ::testing::Values(DropCase{"centre", {0, 0}, true},
                                           DropCase{"right14AndAHalf", {15, 0}, true},
                                           DropCase{"right15AndAHalf", {16, 0}, false},
                                           DropCase{"left14AndAHalf", {-14, 0}, true},
                                           DropCase{"left15AndAHalf", {-15, 0}, false},
                                           DropCase{"below15AndAHalf", {0, 16}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Pairing, AnotherPairsPartnerSendsThePictureHomeEvenWithTheSameName)
{
    Pairing p("FrmpeiduiZhi_tu", {"梨", "梨", "苹果", "香蕉"});
    p.dropOn(0, 1);
    EXPECT_EQ(p.l.sounds(), QStringList{"mousemove"});
    EXPECT_TRUE(p.w->Picture3[0].Visible());
    EXPECT_EQ(p.w->placed(), 0);
}

TEST(Pairing, AFinishedRoundIsRewardedAndANewOneFollows)
{
    Pairing p("FrmpeiduiTu_zhi");
    for (int i : {2, 0, 3})
        p.dropOnPartner(i);
    EXPECT_EQ(p.l.fx.app.Score, 0);
    EXPECT_FALSE(p.w->Timer2->isRunning());
    p.dropOnPartner(1);
    EXPECT_EQ(p.l.sounds(),
              (QStringList{"pingturight", "pingturight", "pingturight", "pingturight", "win"}));
    EXPECT_EQ(p.l.fx.app.Score, 1);
    EXPECT_TRUE(p.l.fx.services.logLines.contains(QStringLiteral("reward right")));
    EXPECT_TRUE(p.w->Timer2->isRunning());
    EXPECT_EQ(p.w->Timer2->Interval(), 100);

    // The same items may come again, in new places.
    scriptRound(p.l, {2, 4, 1, 3}, {4, 3, 2, 1}, {1, 2, 3, 4});
    p.w->Timer2->fire();
    EXPECT_FALSE(p.w->Timer2->isRunning());
    EXPECT_EQ(p.w->placed(), 0);
    EXPECT_EQ(visibleOf(p.w->Picture3), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(p.w->PicWenzhi.count(), 5) << "the captions drawn afresh";
    EXPECT_TRUE(showsColour(p.w->Picture3[0].image(), photoColour(2)));
    EXPECT_EQ(p.w->Picture1[0].image(), stretched(captionOf(p.w->PicWenzhi, 2), QSize(129, 129)))
        << "the face is gone";
    EXPECT_DOUBLE_EQ(p.w->Picture1[0].Left(), 244 + 3 * 134);
    EXPECT_EQ(p.l.fx.app.Score, 1);
}

TEST(Pairing, NineItemsMakeRoundsOfSixPairs)
{
    LanguageFixture l;
    QStringList nine;
    for (int i = 1; i <= 9; ++i)
        nine << QStringLiteral("物%1").arg(i);
    l.setLesson(nine);
    scriptRound(l, {9, 2, 7, 4, 5, 1, 3, 6, 8}, {1, 2, 3, 4, 5, 6}, {6, 5, 4, 3, 2, 1});
    auto* w = l.open<PairingForm>("FrmpeiduiTu_zhi");
    EXPECT_EQ(w->pairs(), 6);
    EXPECT_EQ(visibleOf(w->Picture3), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(visibleOf(w->Picture1), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    const int items[] = {9, 2, 7, 4, 5, 1};
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(showsColour(w->Picture3[i].image(), photoColour(items[i]))) << i;
    EXPECT_DOUBLE_EQ(w->Picture1[0].Left(), (1024 - 6 * 134) / 2);

    for (int i = 0; i < 6; ++i)
        l.drag(&w->Picture3[i], l.centreOf(&w->Picture1[i]));
    EXPECT_EQ(l.fx.app.Score, 1) << "six pairs finish a round of nine items";
}

TEST(Pairing, OnALargerScreenTheRowsGrowWithIt)
{
    LanguageFixture l(QSize(1280, 960));
    l.setLesson(Four);
    auto* w = l.open<PairingForm>("FrmpeiduiTu_zhi");
    EXPECT_DOUBLE_EQ(w->Picture3[0].Top(), 100);
    EXPECT_DOUBLE_EQ(w->Picture1[0].Top(), 690);
    l.drag(&w->Picture3[2], l.centreOf(&w->Picture1[2]) + QPoint(14, 14));
    EXPECT_EQ(l.sounds(), QStringList{"pingturight"});
}

} // namespace
