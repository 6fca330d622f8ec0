// The main menu: hover pictures of the six areas, choosing an area, F1, and the ways the
// program ends.

#include "ShellHarness.h"
#include "StageFixture.h"
#include "shell/windows/FrmChoose.h"
#include "shell/windows/ShellWindows.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A data folder with only the marker: the menu pictures are optional for the rules here.
struct MenuData {
    QTemporaryDir dir;
    MenuData(bool withMarker = true)
    {
        QDir(dir.path()).mkpath(QStringLiteral("kc"));
        if (withMarker) {
            QFile marker(dir.path() + QStringLiteral("/kc/课程.mdb"));
            marker.open(QIODevice::WriteOnly);
        }
    }
};

struct MainMenu {
    MenuData data;
    StageFixture fx;
    FrmChoose* menu = nullptr;

    explicit MainMenu(QSize size = QSize(1024, 768), bool withMarker = true)
        : data(withMarker)
        , fx(data.dir.path(), size)
    {
        registerShellWindows(fx.windows);
        for (const char* name : {"FrmMulu", "FrmHelp"})
            fx.windows.add(windowOf<StubWindow>(QString::fromLatin1(name)));
        menu = fx.windows.open<FrmChoose>(QStringLiteral("FrmChoose"));
    }

    bool highlighted(const ControlArray<Image>& pair) const
    {
        return pair[0].Visible() && !pair[1].Visible();
    }
    int highlightedCount() const
    {
        int n = 0;
        for (const auto& area : menu->areas())
            n += highlighted(*area.pictures);
        return n;
    }
};

TEST(MainMenu, HoverHighlightsUntilTheBackgroundIsCrossed)
{
    MainMenu m;
    ASSERT_NE(m.menu, nullptr);
    EXPECT_EQ(m.highlightedCount(), 0);

    m.fx.moveTo(&m.menu->ImgYY[1]);
    EXPECT_TRUE(m.highlighted(m.menu->ImgYY));
    EXPECT_EQ(m.highlightedCount(), 1);

    // Straight from one picture onto another: both stay highlighted.
    m.fx.moveTo(&m.menu->ImgSX[1]);
    EXPECT_TRUE(m.highlighted(m.menu->ImgYY));
    EXPECT_TRUE(m.highlighted(m.menu->ImgSX));

    m.fx.moveToAt(m.menu, QPoint(300, 700)); // the window background
    EXPECT_EQ(m.highlightedCount(), 0);
}

TEST(MainMenu, ActivationShowsEveryPairNormal)
{
    MainMenu m;
    m.fx.moveTo(&m.menu->ImgJY[1]);
    ASSERT_TRUE(m.highlighted(m.menu->ImgJY));
    Form* help = m.fx.windows.open(QStringLiteral("FrmHelp"));
    help->Unload(); // the menu is activated again
    EXPECT_EQ(m.highlightedCount(), 0);
}

struct AreaCase {
    int pair;
    const char16_t* area;
};

class MainMenuAreas : public ::testing::TestWithParam<AreaCase> {};

TEST_P(MainMenuAreas, EitherPictureChoosesTheAreaAndOpensTheCatalogue)
{
    for (int element : {0, 1}) {
        MainMenu m;
        auto& pair = *m.menu->areas()[GetParam().pair].pictures;
        if (element == 0) m.fx.moveTo(&pair[1]); // shows the highlighted picture under the pointer
        ASSERT_TRUE(pair[element].Visible());
        m.fx.click(&pair[element]);
        EXPECT_EQ(m.fx.app.CurrentArea, QString::fromUtf16(GetParam().area));
        ASSERT_NE(m.fx.windows.find(QStringLiteral("FrmMulu")), nullptr);
        EXPECT_EQ(m.fx.stage.top()->name(), QStringLiteral("FrmMulu"));
    }
}

INSTANTIATE_TEST_SUITE_P(SixAreas, MainMenuAreas,
                         ::testing::Values(AreaCase{0, u"语言"}, AreaCase{1, u"数学"},
                                           AreaCase{2, u"认知"}, AreaCase{3, u"填色"},
                                           AreaCase{4, u"手眼协调"}, AreaCase{5, u"记忆力训练"}));

TEST(MainMenu, F1OpensTheHelpWindowOnce)
{
    MainMenu m;
    m.fx.keyUp(Qt::Key_F1);
    Form* help = m.fx.windows.find(QStringLiteral("FrmHelp"));
    ASSERT_NE(help, nullptr);
    m.fx.stage.showForm(m.menu);
    m.fx.keyUp(Qt::Key_F1);
    EXPECT_EQ(m.fx.windows.find(QStringLiteral("FrmHelp")), help);
    EXPECT_EQ(m.fx.services.logLines.count(QStringLiteral("open FrmHelp")), 1);
}

TEST(MainMenu, BackPictureAndClosingTheStageEndTheProgramWithStatusZero)
{
    {
        MainMenu m;
        m.fx.click(m.menu->ImgBack);
        EXPECT_EQ(m.fx.services.quitStatuses, std::vector<int>{0});
        EXPECT_TRUE(m.fx.stage.forms().empty());
    }
    {
        MainMenu m;
        m.fx.stage.close();
        EXPECT_EQ(m.fx.services.quitStatuses, std::vector<int>{0});
    }
}

TEST(MainMenu, WithoutTheDataMarkerTheProgramEndsWithAMessageNamingTheFolder)
{
    MainMenu m(QSize(1024, 768), false);
    ASSERT_EQ(m.fx.services.quitStatuses.size(), 1u);
    EXPECT_NE(m.fx.services.quitStatuses[0], 0);
    ASSERT_FALSE(m.fx.services.warnings.isEmpty());
    EXPECT_TRUE(m.fx.services.warnings.join(QLatin1Char('\n')).contains(m.data.dir.path()));
}

TEST(MainMenu, AnimationMovesOnceMoreByTheHorizontalFactor)
{
    MainMenu m(QSize(1280, 1024));
    EXPECT_NEAR(m.menu->Gif89a1->Left(), 1440 * 1.25 * 1.25, 1e-3);
    EXPECT_NEAR(m.menu->Gif89a1->Top(), 3240 * 1.25 * 1.25, 1e-2);
    EXPECT_NEAR(m.menu->Frame1->Left(), m.menu->Gif89a1->Left() + m.menu->Gif89a1->Width() + 13,
                1e-3);

    MainMenu design;
    EXPECT_NEAR(design.menu->Gif89a1->Left(), 1440, 1e-9);
}

} // namespace
