// The comparison windows and their menus: the question, the judgement under the sliding
// cover, the rounds of an entry and their wrap-around.

#include "MathFixture.h"
#include "activities/math/ComparisonForm.h"
#include "activities/math/ComparisonMenu.h"
#include "shell/core/Launcher.h"
#include "ui/Stage.h"

#include <gtest/gtest.h>

namespace {

const QString Big = QStringLiteral("大");
const QString Small = QStringLiteral("小");

// Opens FrmBijiao on 比较大小 with the pair's places and the asked word scripted.
ComparisonForm* openComparison(MathFixture& m, std::vector<int> places, std::vector<int> words)
{
    m.fx.app.ComparisonEntry = QStringLiteral("比较大小");
    m.fx.services.scriptPermutation(places);
    m.fx.services.scriptPermutation(words);
    return m.open<ComparisonForm>("FrmBijiao");
}

// The picture on which item (1 answers the first word, 2 the second) stands.
int placeOf(const ComparisonForm& w, int item)
{
    return w.app().RandomOrder[1] == item ? 1 : 2;
}

TEST(Comparison, AsksForTheSmallerOneInRedAndInWords)
{
    MathFixture m;
    auto* w = openComparison(m, {2, 1}, {2, 1});
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(shows(w->Image1[1].Picture(), Green)) << "小苹果 on the left";
    EXPECT_TRUE(shows(w->Image1[2].Picture(), Red));
    EXPECT_EQ(w->Label3->Caption(), QStringLiteral("哪个  ？请点   的图片。"));
    EXPECT_EQ(w->Label4->Caption(), QStringLiteral("    小      小"));
    EXPECT_EQ(w->Label4->ForeColor(), QColor(230, 0, 0));
    EXPECT_EQ(w->Label3->geometry().topLeft(), w->Label4->geometry().topLeft());
    EXPECT_EQ(m.sounds(), QStringList{Small});
    EXPECT_FALSE(w->Timer1->isRunning()) << "no timer runs while the window waits for the child";
    for (auto* p : {w->Picture1, w->Picture2, w->Picture3})
        EXPECT_FALSE(p->Visible());
}

// The columns of a label's rendering that hold ink of the label's colour.
std::vector<bool> inkColumns(Label& label)
{
    const QImage image = label.grab().toImage();
    std::vector<bool> ink(image.width(), false);
    const QColor want = label.ForeColor();
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height() && !ink[x]; ++y) {
            const QColor c = image.pixelColor(x, y);
            ink[x] = std::abs(c.red() - want.red()) < 60 && c.green() < 90 && c.blue() < 90;
        }
    return ink;
}

TEST(Comparison, TheWordsFallIntoTheGapsOfTheQuestion)
{
    MathFixture m;
    auto* w = openComparison(m, {1, 2}, {1, 2});
    const std::vector<bool> question = inkColumns(*w->Label3);
    const std::vector<bool> words = inkColumns(*w->Label4);
    int red = 0, clashes = 0;
    for (std::size_t x = 0; x < words.size(); ++x) {
        red += words[x];
        clashes += words[x] && x < question.size() && question[x];
    }
    EXPECT_GT(red, 20) << "both words are drawn";
    EXPECT_EQ(clashes, 0) << "no red column lies on the black text";
}

TEST(Comparison, ARightClickSlidesTheCoverOffTheGoodPictureIn46Steps)
{
    MathFixture m;
    auto* w = openComparison(m, {2, 1}, {2, 1});
    m.fx.services.clearRecords();
    m.click(&w->Image1[placeOf(*w, 2)]);

    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("right")});
    EXPECT_EQ(m.fx.app.RoundIndex, 2);
    EXPECT_FALSE(w->Label3->Visible());
    EXPECT_FALSE(w->Label4->Visible());
    EXPECT_TRUE(w->Picture2->Visible());
    EXPECT_FALSE(w->Picture3->Visible());
    EXPECT_TRUE(w->Picture1->Visible());
    EXPECT_EQ(w->Timer1->Interval(), SlidingCover::TickMs);

    fire(*w->Timer1, 45);
    EXPECT_DOUBLE_EQ(w->Picture1->Left(), 400 + 45 * 6);
    EXPECT_FALSE(w->Image1[1].Visible());
    EXPECT_TRUE(w->Timer1->isRunning());
    EXPECT_EQ(m.fx.app.Score, 0);

    m.fx.services.scriptPermutation({1, 2});
    w->Timer1->fire(); // the 46th step: the picture is wholly uncovered
    EXPECT_FALSE(w->Timer1->isRunning());
    EXPECT_DOUBLE_EQ(w->Picture1->Left(), 400);
    EXPECT_EQ(m.fx.app.Score, 1);
    EXPECT_EQ(w->LblNum[0].Caption(), QStringLiteral("1"));
    // Round 2: 大树 and 小树.
    EXPECT_TRUE(shows(w->Image1[1].Picture(), Blue));
    EXPECT_TRUE(shows(w->Image1[2].Picture(), Orange));
    EXPECT_TRUE(w->Image1[1].Visible());
    EXPECT_TRUE(w->Label3->Visible());
    for (auto* p : {w->Picture1, w->Picture2, w->Picture3})
        EXPECT_FALSE(p->Visible());
}

TEST(Comparison, AWrongClickUncoversTheBadPictureAndAsksAgain)
{
    MathFixture m;
    auto* w = openComparison(m, {2, 1}, {2, 1});
    m.fx.app.Score = 4;
    m.fx.services.clearRecords();
    m.click(&w->Image1[placeOf(*w, 1)]);

    EXPECT_EQ(m.sounds(), (QStringList{QStringLiteral("error"), Small}));
    EXPECT_TRUE(w->Picture3->Visible());
    EXPECT_FALSE(w->Picture2->Visible());
    EXPECT_TRUE(w->Label3->Visible());
    fire(*w->Timer1, 46);
    EXPECT_FALSE(w->Timer1->isRunning());
    EXPECT_EQ(m.fx.app.Score, 3);
    EXPECT_EQ(m.fx.app.RoundIndex, 1);
    EXPECT_TRUE(w->Image1[1].Visible());
    EXPECT_TRUE(w->Image1[2].Visible());
    EXPECT_TRUE(shows(w->Image1[1].Picture(), Green)) << "the same pair in the same places";
    EXPECT_EQ(w->Label4->Caption(), QStringLiteral("    小      小"));
    for (auto* p : {w->Picture1, w->Picture2, w->Picture3})
        EXPECT_FALSE(p->Visible());
}

// Answers the question on the stage rightly and lets the cover slide away.
void answerRightly(MathFixture& m, ComparisonForm& w, bool firstWord)
{
    m.click(&w.Image1[placeOf(w, firstWord ? 1 : 2)]);
    fire(*w.Timer1, 46);
}

TEST(Comparison, AfterTheLastRoundThePairComesOnceMoreThenRoundOne)
{
    MathFixture m;
    auto* w = openComparison(m, {1, 2}, {1, 2}); // every later draw keeps the order 1, 2
    const auto first = [&] { return m.fx.app.RandomOrder2[1] == 1; };
    answerRightly(m, *w, first()); // round 1 done
    answerRightly(m, *w, first()); // round 2 done: round 3 is missing
    EXPECT_EQ(m.fx.app.RoundIndex, 0);
    EXPECT_TRUE(shows(w->Image1[1].Picture(), Blue)) << "round 2's pair once more";
    answerRightly(m, *w, first());
    EXPECT_EQ(m.fx.app.RoundIndex, 1);
    EXPECT_TRUE(shows(w->Image1[1].Picture(), Red)) << "round 1 again";
    EXPECT_EQ(m.fx.app.Score, 3);
}

struct FixedWordCase {
    const char* window;
    QString word;
};

class FixedWord : public ::testing::TestWithParam<FixedWordCase> {};

TEST_P(FixedWord, AlwaysAsksTheSameWordAndCutsTheSoundAtEveryClick)
{
    const FixedWordCase c = GetParam();
    MathFixture m;
    m.fx.app.ComparisonEntry = QStringLiteral("比较大小");
    auto* w = m.fx.windows.open<ComparisonForm>(QString::fromLatin1(c.window));
    ASSERT_NE(w, nullptr);
    const bool first = c.word == Big;
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(w->Label4->Caption(), ComparisonForm::wordsText(c.word)) << round;
        m.fx.services.clearRecords();
        m.click(&w->Image1[placeOf(*w, first ? 2 : 1)]); // the wrong one
        EXPECT_EQ(m.sounds(), (QStringList{QStringLiteral("无"), QStringLiteral("error"), c.word}));
        fire(*w->Timer1, 46);
        m.fx.services.clearRecords();
        answerRightly(m, *w, first);
        EXPECT_EQ(m.sounds(), (QStringList{QStringLiteral("无"), QStringLiteral("right"), c.word}));
    }
    EXPECT_EQ(m.fx.services.reseeds, 1 + 3) << "one draw of places per pair, no word drawn";
    m.fx.services.clearRecords();
    m.click(w->ImgBack);
    EXPECT_TRUE(m.sounds().isEmpty());
    EXPECT_EQ(m.fx.windows.find(QString::fromLatin1(c.window)), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Windows, FixedWord,
                         ::testing::Values(FixedWordCase{"FrmBijiaoDa", Big},
                                           FixedWordCase{"FrmBijiaoXiao", Small}),
                         [](const auto& info) { return std::string(info.param.window); });

TEST(Comparison, BackCutsTheQuestionAndCloses)
{
    MathFixture m;
    auto* w = openComparison(m, {1, 2}, {1, 2});
    m.fx.services.clearRecords();
    m.click(w->ImgBack);
    EXPECT_EQ(m.sounds(), QStringList{QStringLiteral("无")});
    EXPECT_EQ(m.fx.windows.find(QStringLiteral("FrmBijiao")), nullptr);
}

TEST(ComparisonMenu, ListsTheEntriesOneHundredPixelsApart)
{
    MathFixture m;
    m.data.addCourse(QStringLiteral("数学课程"),
                     QStringLiteral("[项目]\n项目=比较大小 比较多少 比较长短 比较高矮 比较轻重\n"));
    auto* menu = m.open<ComparisonMenu>("FrmBijiaoMulu");
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Label1.count(), 5);
    const QStringList captions{QStringLiteral("比较大小"), QStringLiteral("比较多少"),
                               QStringLiteral("比较长短"), QStringLiteral("比较高矮"),
                               QStringLiteral("比较轻重")};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(menu->Label1[i].Caption(), captions[i]);
        EXPECT_DOUBLE_EQ(menu->Label1[i].Top(), 72 + 100 * i);
        EXPECT_TRUE(menu->Label1[i].Visible());
    }
    m.fx.moveTo(&menu->Label1[2]);
    EXPECT_EQ(menu->Label1[2].ForeColor(), ComparisonMenu::Highlighted);
    m.fx.moveToAt(menu->Picture1, QPoint(900, 700));
    EXPECT_EQ(menu->Label1[2].ForeColor(), ComparisonMenu::Plain);
}

struct MenuCase {
    const char* menu;
    const char* window;
};

class MenuOpens : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MenuOpens, TheChosenEntryInItsComparisonWindow)
{
    const MenuCase c = GetParam();
    MathFixture m;
    auto* menu = m.fx.windows.open<ComparisonMenu>(QString::fromLatin1(c.menu));
    ASSERT_NE(menu, nullptr);
    m.click(&menu->Label1[0]);
    EXPECT_EQ(m.fx.app.ComparisonEntry, QStringLiteral("比较大小"));
    auto* w = m.fx.windows.find<ComparisonForm>(QString::fromLatin1(c.window));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(m.fx.stage.top(), w);
    m.click(w->ImgBack);
    EXPECT_EQ(m.fx.stage.top(), menu);
    m.click(menu->ImgBack);
    EXPECT_EQ(m.fx.windows.find(QString::fromLatin1(c.menu)), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Menus, MenuOpens,
                         ::testing::Values(MenuCase{"FrmBijiaoMulu", "FrmBijiao"},
                                           MenuCase{"FrmBijiaoMuluda", "FrmBijiaoDa"},
                                           MenuCase{"FrmBijiaoMuluxiao", "FrmBijiaoXiao"}),
                         [](const auto& info) { return std::string(info.param.menu); });

struct TitleCase {
    TitleTable table;
    const char16_t* title;
    const char* window;
};

class Titles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(Titles, OpenTheirWindow)
{
    const TitleCase c = GetParam();
    MathFixture m;
    m.fx.app.ComparisonEntry = QStringLiteral("比较大小");
    ASSERT_TRUE(launchTitle(m.fx.app, {c.table}, QString::fromUtf16(c.title)));
    ASSERT_NE(m.fx.stage.top(), nullptr);
    EXPECT_EQ(m.fx.stage.top()->name(), QString::fromLatin1(c.window));
}

INSTANTIATE_TEST_SUITE_P(
    Launcher, Titles,
    ::testing::Values(TitleCase{TitleTable::Catalogue, u"10以内数数(一)", "FrmXunxushshXue"},
                      TitleCase{TitleTable::Catalogue, u"10以内数数(二)", "FrmXunxushshLX"},
                      TitleCase{TitleTable::Catalogue, u"10以内数数(三)", "FrmXunxushshW"},
                      TitleCase{TitleTable::Catalogue, u"10以内数数(四)", "FrmXunxushsh"},
                      TitleCase{TitleTable::Catalogue, u"序数练习", "FrmXunxuDuo"},
                      TitleCase{TitleTable::Catalogue, u"比较", "FrmBijiaoMulu"},
                      TitleCase{TitleTable::Chooser, u"数数", "FrmXunxushsh"},
                      TitleCase{TitleTable::Chooser, u"序数(多数字)", "FrmXunxuDuo"},
                      TitleCase{TitleTable::Chooser, u"比较(选大)", "FrmBijiaoMuluda"},
                      TitleCase{TitleTable::Chooser, u"比较(选小)", "FrmBijiaoMuluxiao"}),
    [](const auto& info) {
        return std::string(info.param.window) + "_" + std::to_string(info.index);
    });

TEST(MathWindows, ComparisonWindowsOpenByTheirOwnNames)
{
    MathFixture m;
    m.fx.app.ComparisonEntry = QStringLiteral("比较大小");
    for (const char* name : {"FrmBijiao", "FrmBijiaoDa", "FrmBijiaoXiao"})
        EXPECT_NE(m.fx.windows.open(QString::fromLatin1(name)), nullptr) << name;
}

TEST(ComparisonMenu, AOneEntryValueShowsThatEntryNotOneReadBefore)
{
    MathFixture m;
    m.data.addCourse(QStringLiteral("数学课程"), QStringLiteral("[项目]\n项目=比较长短\n"));
    m.fx.app.ItemList[1] = QStringLiteral("比较大小"); // what an earlier read left behind
    auto* menu = m.open<ComparisonMenu>("FrmBijiaoMulu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->Label1[0].Caption(), QStringLiteral("比较长短"));
    EXPECT_FALSE(menu->Label1.exists(1));
}

} // namespace
