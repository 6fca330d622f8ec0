// The help and About windows: small and centred, their links, and documents opened with
// the platform's handler even from a folder with blanks in its name.

#include "ShellHarness.h"
#include "shell/windows/FrmHelp.h"
#include "shell/windows/Product.h"
#include "shell/windows/frmAbout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Help : ShellHarness {
    FrmHelp* help = nullptr;

    void openHelp(QSize size = QSize(1024, 768))
    {
        start(size);
        help = open<FrmHelp>(QStringLiteral("FrmHelp"));
        ASSERT_NE(help, nullptr);
    }
};

class HelpScreens : public ::testing::TestWithParam<QSize> {};

TEST_P(HelpScreens, TheHelpWindowIsSmallAndCentredWithItsRulesScaled)
{
    Help h;
    h.openHelp(GetParam());
    const QRect stage(QPoint(0, 0), h.fx->stage.screenSize());
    const QRect window = h.help->geometry();
    EXPECT_LT(window.width(), stage.width() / 2);
    EXPECT_NEAR(window.center().x(), stage.center().x(), 1);
    EXPECT_NEAR(window.center().y(), stage.center().y(), 1);
    const double sx = h.app().ScaleX;
    EXPECT_NEAR(h.help->Line3[0].X2(), 5100 * sx, 1e-3);
    EXPECT_NEAR(h.help->Line3[3].Y1(), 3510 * sx, 1e-3);
    EXPECT_EQ(h.help->Caption(), QStringLiteral("Help"));
}

INSTANTIATE_TEST_SUITE_P(Screens, HelpScreens,
                         ::testing::Values(QSize(1024, 768), QSize(1280, 1024)));

TEST(Help, TheHandbookOpensAsAFileUrlFromAFolderWithBlanks)
{
    QTemporaryDir base;
    const QString root = base.path() + QStringLiteral("/my course data");
    QDir().mkpath(root + QStringLiteral("/kc"));
    QFile handbook(root + QStringLiteral("/mindlark_handbook.htm"));
    ASSERT_TRUE(handbook.open(QIODevice::WriteOnly));
    handbook.close();

    StageFixture fx(root);
    registerShellWindows(fx.windows);
    auto* help = fx.windows.open<FrmHelp>(QStringLiteral("FrmHelp"));
    fx.click(&help->Label5[0]);
    ASSERT_EQ(fx.services.openedUrls.size(), 1);
    const QUrl url = fx.services.openedUrls[0];
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(), handbook.fileName());
    EXPECT_EQ(help->WebSite, handbook.fileName());
    EXPECT_TRUE(fx.services.messages.isEmpty());
}

TEST(Help, AMissingHandbookOrAFailingBrowserIsSaidInAMessage)
{
    Help missing;
    missing.openHelp();
    missing.fx->click(&missing.help->Label5[0]);
    EXPECT_TRUE(missing.services().openedUrls.isEmpty());
    ASSERT_EQ(missing.services().messages.size(), 1);
    EXPECT_TRUE(missing.services().messages[0].contains(QStringLiteral("mindlark_handbook.htm")));

    Help failing;
    failing.openHelp();
    failing.services().openSucceeds = false;
    failing.fx->click(failing.help->Label3);
    EXPECT_EQ(failing.services().messages.size(), 1);
}

TEST(Help, BothWebLinksOpenTheProjectPage)
{
    Help h;
    h.openHelp();
    h.fx->click(h.help->Label2);
    h.fx->click(h.help->Label3);
    EXPECT_EQ(h.services().openedUrls,
              (QList<QUrl>{QUrl(Product::WebAddress), QUrl(Product::WebAddress)}));
}

TEST(Help, UpdatingIsLeftToThePackageManager)
{
    Help h;
    h.openHelp();
    h.fx->click(h.help->Label4);
    ASSERT_EQ(h.services().messages.size(), 1);
    EXPECT_TRUE(h.services().messages[0].contains(QStringLiteral("软件包管理器")));
    EXPECT_TRUE(h.services().startedPrograms.isEmpty());
}

TEST(Help, LinksTurnRedUnderThePointerAndBackOverTheBackground)
{
    Help h;
    h.openHelp();
    FrmHelp& w = *h.help;
    const QColor normal = w.Label2->ForeColor();
    h.fx->moveTo(w.Label3);
    EXPECT_EQ(w.Label2->ForeColor(), QColor(255, 0, 0)); // the address shows what is opened
    h.fx->moveTo(&w.Label5[1]);
    EXPECT_EQ(w.Label5[1].ForeColor(), QColor(255, 0, 0));
    h.fx->moveTo(w.Label4);
    EXPECT_EQ(w.Label4->ForeColor(), QColor(255, 0, 0));
    h.fx->moveToAt(&w, QPoint(w.width() - 5, w.height() / 2));
    for (Label* link : {w.Label2, w.Label3, w.Label4, &w.Label5[0], &w.Label5[1]})
        EXPECT_EQ(link->ForeColor(), normal);
}

TEST(Help, AboutShowsTheVersionAndLeadsToTheProjectPage)
{
    QCoreApplication::setApplicationVersion(QStringLiteral("2.7.13"));
    Help h;
    h.openHelp();
    h.fx->click(&h.help->Label5[1]);
    auto* about = h.fx->windows.find<frmAbout>(QStringLiteral("frmAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(h.topName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(about->Caption(), QStringLiteral("About Mindlark"));
    EXPECT_EQ(about->Label4->Caption(), QStringLiteral("版本 2.7.13"));
    h.fx->click(about->cmdTechSupport);
    EXPECT_EQ(h.services().openedUrls, QList<QUrl>{QUrl(Product::WebAddress)});
    h.fx->click(about->cmdOK);
    EXPECT_EQ(h.topName(), QStringLiteral("FrmHelp"));
    h.fx->click(h.help->Lblclose);
    EXPECT_TRUE(h.fx->stage.forms().empty());
    QCoreApplication::setApplicationVersion(QString());
}

} // namespace
