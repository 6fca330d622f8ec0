// Classification and telling colours apart: the grid of two categories and its ticks, the
// deal after a wrong click, the pairs of categories; the colour patches and their judgement.

#include "CognitionFixture.h"
#include "activities/cognition/FrmFengbysh.h"
#include "activities/cognition/Frmfenglei.h"
#include "ui/Artwork.h"

#include <QBuffer>
#include <QDir>
#include <gtest/gtest.h>

namespace {

// The grid places that show a picture of the category.
std::vector<int> placesOf(const CognitionFixture& m, const Frmfenglei& w, const QStringList& items)
{
    std::vector<int> places;
    w.Image2.forEach([&](int k, const Image& c) {
        if (c.Visible() && items.contains(m.itemShown(c.Picture()))) places.push_back(k);
    });
    return places;
}

TEST(Frmfenglei, TheNamedCategoryAboveAndAGridOfSixAcrossInTheFrame)
{
    CognitionFixture m;
    m.setCategories(
        {{"水果", numbered("果", 7)}, {"动物", numbered("兽", 6)}, {"蔬菜", numbered("菜", 2)}});
    auto* w = m.open<Frmfenglei>("Frmfenglei");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Label1->Caption(), "水果");
    EXPECT_EQ(w->Label1->ForeColor(), QColor(255, 0, 0));
    EXPECT_EQ(w->Label1->FontSize(), 42);
    EXPECT_EQ(w->FirstCount, 7);
    EXPECT_EQ(w->SecondCount, 6);
    EXPECT_EQ(w->Image2.count(), 13);
    EXPECT_EQ(placesOf(m, *w, numbered("果", 7)).size(), 7u);
    EXPECT_EQ(placesOf(m, *w, numbered("兽", 6)).size(), 6u);

    const struct {
        int k;
        double left, top;
    } places[] = {{0, 40, 8},
                  {5, 40 + 5 * 158, 8},
                  {6, 40, 8 + 158},
                  {11, 40 + 5 * 158, 166},
                  {12, 40, 8 + 2 * 158}};
    for (const auto& p : places) {
        EXPECT_DOUBLE_EQ(w->Image2[p.k].Left(), p.left) << p.k;
        EXPECT_DOUBLE_EQ(w->Image2[p.k].Top(), p.top) << p.k;
        EXPECT_EQ(w->Image2[p.k].parentWidget(), w->Picture1) << "inside the frame";
    }
}

TEST(Frmfenglei, EveryClickOnTheNamedCategoryCountsTicksIncludedAndTheLastOneRewards)
{
    CognitionFixture m;
    m.data.addFile("pic/good.gif", [] {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        DataFixture::picture(QColor(255, 255, 0)).save(&buffer, "PNG");
        return png;
    }());
    m.setCategories({{"水果", numbered("果", 3)},
                     {"动物", numbered("兽", 2)},
                     {"蔬菜", numbered("菜", 4)},
                     {"玩具", numbered("玩", 1)}});
    auto* w = m.open<Frmfenglei>("Frmfenglei");
    const std::vector<int> fruit = placesOf(m, *w, numbered("果", 3));
    ASSERT_EQ(fruit.size(), 3u);

    m.click(&w->Image2[fruit[0]]);
    const QColor tick = w->Image2[fruit[0]].Picture().toImage().pixelColor(8, 8);
    EXPECT_EQ(tick, QColor(255, 255, 0)) << "the tick of the data folder";
    m.click(&w->Image2[fruit[0]]);
    EXPECT_EQ(w->FoundCount, 2);
    EXPECT_TRUE(m.rewards().isEmpty());
    EXPECT_EQ(w->Label1->Caption(), "水果");

    m.click(&w->Image2[fruit[1]]);
    EXPECT_EQ(m.rewards(), QStringList{"reward right"});
    EXPECT_TRUE(m.sounds().isEmpty()) << "this window makes no sound";
    EXPECT_EQ(w->Label1->Caption(), "动物");
    EXPECT_EQ(w->Image2.count(), 6);
    EXPECT_EQ(placesOf(m, *w, numbered("兽", 2)).size(), 2u);
    EXPECT_EQ(placesOf(m, *w, numbered("菜", 4)).size(), 4u);
    EXPECT_EQ(w->FoundCount, 0);
}

TEST(Frmfenglei, AWrongClickDealsTheGridAgainAtOnceAndTheCountStartsOver)
{
    CognitionFixture m;
    m.setCategories(
        {{"水果", numbered("果", 2)}, {"动物", numbered("兽", 2)}, {"蔬菜", numbered("菜", 1)}});
    m.fx.services.scriptPermutation({1, 3, 2, 4});
    auto* w = m.open<Frmfenglei>("Frmfenglei");
    m.fx.app.Score = 4;
    m.click(&w->Image2[0]); // 果1
    EXPECT_EQ(w->FoundCount, 1);
    EXPECT_EQ(w->Image2[0].Picture().cacheKey(), Artwork::good().cacheKey())
        << "without a tick in the data folder the program's own";

    m.fx.services.scriptPermutation({4, 2, 3, 1});
    m.click(&w->Image2[1]); // 兽1
    EXPECT_EQ(w->FoundCount, 0);
    QStringList grid;
    for (int k = 0; k < 4; ++k)
        grid << m.itemShown(w->Image2[k].Picture());
    EXPECT_EQ(grid, (QStringList{"兽2", "果2", "兽1", "果1"})) << "no tick, no cross: a new deal";
    EXPECT_TRUE(m.rewards().isEmpty());
    EXPECT_EQ(m.fx.app.Score, 4);
    EXPECT_TRUE(m.sounds().isEmpty());
}

TEST(Frmfenglei, WithTenCategoriesTheNamedOneRunsFromTheFirstToTheEighthAndBack)
{
    CognitionFixture m;
    CognitionFixture::Categories categories;
    for (int i = 1; i <= 10; ++i)
        categories.emplace_back(QStringLiteral("类") + QString::number(i),
                                QStringList{QStringLiteral("物") + QString::number(i)});
    m.setCategories(categories);
    auto* w = m.open<Frmfenglei>("Frmfenglei");
    QStringList named;
    for (int round = 0; round < 9; ++round) {
        named << w->Label1->Caption();
        const std::vector<int> places = placesOf(m, *w, {categories[w->CategoryIndex - 1].second});
        ASSERT_EQ(places.size(), 1u);
        m.click(&w->Image2[places[0]]);
    }
    EXPECT_EQ(named, (QStringList{"类1", "类2", "类3", "类4", "类5", "类6", "类7", "类8", "类1"}));
    EXPECT_EQ(m.rewards().size(), 9);
}

TEST(Frmfenglei, TwoCategoriesMakeOnePairThatComesAgain)
{
    CognitionFixture m;
    m.setCategories({{"水果", numbered("果", 1)}, {"动物", numbered("兽", 1)}});
    auto* w = m.open<Frmfenglei>("Frmfenglei");
    ASSERT_NE(w, nullptr);
    m.click(&w->Image2[placesOf(m, *w, numbered("果", 1))[0]]);
    EXPECT_EQ(m.rewards(), QStringList{"reward right"});
    EXPECT_EQ(w->Label1->Caption(), "水果");
    EXPECT_EQ(w->Image2.count(), 2);
}

struct SettingsCase {
    const char* name;
    CognitionFixture::Categories categories;
    const char* removedFolder; // or null
};

class FrmfengleiSettings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(FrmfengleiSettings, AreReportedAndOnlyThisWindowCloses)
{
    const SettingsCase& c = GetParam();
    CognitionFixture m;
    m.setCategories(c.categories);
    m.setColours({"红色"});
    if (c.removedFolder) QDir(m.data.path(c.removedFolder)).removeRecursively();
    auto* underneath = m.open<FrmFengbysh>("FrmFengbysh");
    ASSERT_NE(underneath, nullptr);

    EXPECT_EQ(m.open<Frmfenglei>("Frmfenglei"), nullptr);
    StageFixture::settle();
    EXPECT_EQ(m.fx.services.messages, QStringList{"你的设置不对!"});
    EXPECT_EQ(m.fx.windows.find("Frmfenglei"), nullptr);
    EXPECT_EQ(m.fx.stage.top(), underneath);
    EXPECT_TRUE(m.fx.services.quitStatuses.empty()) << "the program goes on";
}

INSTANTIATE_TEST_SUITE_P(
    Frmfenglei, FrmfengleiSettings,
    ::testing::Values(SettingsCase{"MissingPhotoFolder",
                                   {{"水果", numbered("果", 2)}, {"动物", numbered("兽", 2)}},
                                   "pic/kcpic"},
                      SettingsCase{"OneCategory", {{"水果", numbered("果", 2)}}, nullptr},
                      SettingsCase{"NoCategories", {}, nullptr},
                      SettingsCase{
                          "EmptyCategories", {{"水果", {}}, {"动物", {}}, {"蔬菜", {}}}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

const QStringList Colours{"白色", "灰色", "黑色", "红色", "橙色", "黄色", "绿色", "蓝色", "紫色"};

TEST(FrmFengbysh, NinePatchesShowOnlyTheirColourAndTheThingShowsItsName)
{
    CognitionFixture m;
    m.setColours(Colours);
    m.fx.services.scriptPermutation({6, 1, 2, 3, 4, 5, 7, 8, 9});
    auto* w = m.open<FrmFengbysh>("FrmFengbysh");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(m.itemShown(w->Image2->Picture()), "黄色");
    EXPECT_EQ(w->Label1->Caption(), "黄色");
    EXPECT_TRUE(w->Label1->Visible());

    const struct {
        int element;
        const char* caption;
        QColor colour;
        double left;
    } patches[] = {{1, "白色", QColor(255, 255, 255), 160}, {7, "灰色", QColor(192, 192, 192), 232},
                   {8, "黑色", QColor(0, 0, 0), 304},       {0, "红色", QColor(255, 0, 0), 376},
                   {9, "橙色", QColor(255, 128, 0), 448},   {2, "黄色", QColor(255, 255, 0), 520},
                   {4, "绿色", QColor(0, 255, 0), 592},     {3, "蓝色", QColor(0, 0, 255), 664},
                   {6, "紫色", QColor(255, 0, 255), 736}};
    EXPECT_FALSE(w->Label2.exists(5));
    for (const auto& p : patches) {
        const Label& patch = w->Label2[p.element];
        EXPECT_EQ(patch.Caption(), QString::fromUtf8(p.caption));
        EXPECT_EQ(patch.BackColor(), p.colour) << p.caption;
        EXPECT_EQ(patch.ForeColor(), p.colour) << p.caption;
        EXPECT_DOUBLE_EQ(patch.Left(), p.left);
        EXPECT_DOUBLE_EQ(patch.Top(), 528);
        EXPECT_DOUBLE_EQ(patch.Width(), 65);
    }
}

TEST(FrmFengbysh, TheRightPatchRewardsAndAsksAgainAWrongOneLeavesTheRound)
{
    CognitionFixture m;
    m.setColours(Colours);
    m.fx.services.scriptPermutation({4, 1, 2, 3, 5, 6, 7, 8, 9});
    auto* w = m.open<FrmFengbysh>("FrmFengbysh");
    ASSERT_EQ(w->askedColour(), "红色");

    m.click(&w->Label2[3]); // 蓝色
    EXPECT_EQ(m.sounds(), QStringList{"error"});
    EXPECT_EQ(m.rewards(), QStringList{"reward wrong"});
    EXPECT_EQ(w->Label1->Caption(), "红色");

    m.fx.services.scriptPermutation({8, 1, 2, 3, 4, 5, 6, 7, 9});
    m.click(&w->Label2[0]); // 红色
    EXPECT_EQ(m.sounds(), (QStringList{"error", "right"}));
    EXPECT_EQ(m.rewards(), (QStringList{"reward wrong", "reward right"}));
    EXPECT_EQ(m.fx.app.Score, 1);
    EXPECT_EQ(w->Label1->Caption(), "蓝色");
    EXPECT_EQ(m.itemShown(w->Image2->Picture()), "蓝色");
}

TEST(FrmFengbysh, AColourNamedUnlikeEveryPatchCanNeverBeRight)
{
    CognitionFixture m;
    m.setColours({"粉红色"});
    auto* w = m.open<FrmFengbysh>("FrmFengbysh");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Label1->Caption(), "粉红色");
    w->Label2.forEach([&](int, Label& patch) { m.click(&patch); });
    EXPECT_EQ(m.sounds(), QStringList(9, "error"));
}

TEST(FrmFengbysh, WithoutColoursItSaysSoAndCloses)
{
    CognitionFixture m;
    m.setColours({});
    EXPECT_EQ(m.open<FrmFengbysh>("FrmFengbysh"), nullptr);
    EXPECT_EQ(m.fx.services.messages, QStringList{"你的设置不对!"});
}

} // namespace
