// The reward strip after sequences of right and wrong answers.

#include "StageFixture.h"
#include "frame/ActivityForm.h"
#include "frame/Mdljifeng.h"

#include <gtest/gtest.h>

namespace {

struct RewardCase {
    const char* name;
    int rights;
    int wrongs; // after the rights
    int extraRights;
    std::vector<int> stars; // visible star indices
    std::vector<int> faces; // visible face indices
    const char* number;
};

std::vector<int> visible(const ControlArray<Image>& array)
{
    std::vector<int> shown;
    array.forEach([&](int i, const Image& image) {
        if (image.Visible()) shown.push_back(i);
    });
    return shown;
}

std::vector<int> range(int first, int last)
{
    std::vector<int> v;
    for (int i = first; i <= last; ++i)
        v.push_back(i);
    return v;
}

class RewardsTest : public ::testing::TestWithParam<RewardCase> {};

TEST_P(RewardsTest, StarsFacesAndNumber)
{
    const RewardCase c = GetParam();
    StageFixture fx;
    ActivityForm form(fx.app, QStringLiteral("FrmTest"));
    InitRewards(form);
    for (int i = 0; i < c.rights; ++i)
        RewardRight(form);
    for (int i = 0; i < c.wrongs; ++i)
        RewardWrong(form);
    for (int i = 0; i < c.extraRights; ++i)
        RewardRight(form);

    EXPECT_EQ(visible(form.ImgStar), c.stars);
    EXPECT_EQ(visible(form.ImgFace), c.faces);
    EXPECT_EQ(form.LblNum[0].Caption(), QString::fromUtf8(c.number));
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, RewardsTest,
    ::testing::Values(RewardCase{"fresh", 0, 0, 0, {}, {}, ""},
                      RewardCase{"one right", 1, 0, 0, {}, {1}, "1"},
                      RewardCase{"seven rights", 7, 0, 0, {}, range(1, 7), "7"},
                      RewardCase{"ten rights", 10, 0, 0, {1}, {}, "10"},
                      RewardCase{"eleven rights", 11, 0, 0, {1}, {1}, "11"},
                      RewardCase{"ten then wrong", 10, 1, 0, {}, range(1, 9), "9"},
                      RewardCase{"23 rights", 23, 0, 0, {1, 2}, {1, 2, 3}, "23"},
                      RewardCase{"hundred", 100, 0, 0, range(1, 10), {}, "100"},
                      RewardCase{"hundred and one", 101, 0, 0, range(1, 10), {}, "100"},
                      RewardCase{"hundred then wrong", 100, 1, 0, range(1, 9), range(1, 9), "99"},
                      RewardCase{"wrong at zero", 0, 1, 0, {}, {}, "0"},
                      RewardCase{"wrong at zero then right", 0, 3, 1, {}, {1}, "1"},
                      RewardCase{"twenty then wrong", 20, 1, 0, {1}, range(1, 9), "19"}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(Rewards, FacesStandAfterTheLastStar)
{
    StageFixture fx;
    ActivityForm form(fx.app, QStringLiteral("FrmTest"));
    InitRewards(form);
    const double faceWidth = form.ImgFace[0].Width();
    EXPECT_DOUBLE_EQ(form.ImgFace[3].Left(), form.ImgFace[0].Left() + 2 * faceWidth);

    for (int i = 0; i < 11; ++i)
        RewardRight(form);
    EXPECT_DOUBLE_EQ(form.ImgFace[1].Left(), form.ImgStar[1].Left() + faceWidth);

    RewardWrong(form); // 10
    RewardWrong(form); // 9: back to the first positions
    EXPECT_DOUBLE_EQ(form.ImgFace[1].Left(), form.ImgStar[0].Left());
    EXPECT_DOUBLE_EQ(form.ImgFace[9].Left(), form.ImgStar[0].Left() + 8 * faceWidth);
}

TEST(Rewards, InitResetsTheScoreAndHidesTheHelpPicture)
{
    StageFixture fx;
    fx.app.Score = 42;
    ActivityForm form(fx.app, QStringLiteral("FrmTest"));
    InitRewards(form);
    EXPECT_EQ(fx.app.Score, 0);
    EXPECT_FALSE(form.ImgHelp->Visible());
    EXPECT_EQ(form.ImgStar.UBound(), 10);
    EXPECT_EQ(form.ImgFace.UBound(), 10);
}

TEST(Rewards, WindowWithoutStripKeepsScoreOnly)
{
    StageFixture fx;
    ActivityForm form(fx.app, QStringLiteral("FrmTest"), ScaleUnit::Pixels,
                      ActivityForm::Strip::WithoutRewards);
    InitRewards(form);
    RewardRight(form);
    EXPECT_EQ(fx.app.Score, 1);
    EXPECT_FALSE(form.hasRewardStrip());
}

TEST(ActivityFrame, BackPictureUnloadsTheWindowAndDropsItsReference)
{
    StageFixture fx;
    fx.windows.add(windowOf<ActivityForm>(QStringLiteral("FrmTest")));
    auto* first = fx.windows.open<ActivityForm>(QStringLiteral("FrmTest"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(fx.windows.open(QStringLiteral("FrmTest")), first) << "open again shows the same";
    fx.click(first->ImgBack);
    EXPECT_EQ(fx.windows.find(QStringLiteral("FrmTest")), nullptr);
    EXPECT_FALSE(fx.stage.isOpen(first));
    EXPECT_TRUE(fx.services.logLines.contains(QStringLiteral("close FrmTest")));
    StageFixture::settle();
    auto* second = fx.windows.open<ActivityForm>(QStringLiteral("FrmTest"));
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isLoaded());
}

} // namespace
