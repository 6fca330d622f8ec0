// --launch: the stack a child would have built, the lesson's photos, and the three kinds of
// target (window name, catalogue title, step title).

#include "shell/windows/CommandLineLaunch.h"
#include "ShellHarness.h"

#include <gtest/gtest.h>

namespace {

struct Launch : ShellHarness {
    Launch()
    {
        data.addCourse(QStringLiteral("步骤"), QStringLiteral("[语言]\n1=单图学习\n"));
        data.addCourse(QStringLiteral("课程"),
                       QStringLiteral("[课程目录]\n课程目录=水果\n[课程图片]\n水果=苹果 梨\n"));
        data.addCourse(QStringLiteral("数学课程"), QStringLiteral("[目录]\n1=10以内加法\n"));
        data.addPhoto(QStringLiteral("苹果"), DataFixture::picture());
        data.addPhoto(QStringLiteral("梨"), DataFixture::picture());
        start(QSize(1024, 768), {QStringLiteral("Frmdangtugzh"), QStringLiteral("frmNumjia"),
                                 QStringLiteral("FrmMemory"), QStringLiteral("FrmBijiaoMulu")});
        fx->windows.add(
            windowOf<StubWindow>(QStringLiteral("FrmBijiao"), QStringLiteral("FrmBijiaoMulu")));
    }
    QStringList stack() const
    {
        QStringList names;
        for (Form* form : fx->stage.forms())
            names << form->name();
        return names;
    }
};

TEST(CommandLineLaunch, AStepTitleOfALessonOpensOverTheCatalogueAndTheChooser)
{
    Launch l;
    EXPECT_TRUE(LaunchFromCommandLine(
        l.app(), {QStringLiteral("单图学习"), QStringLiteral("语言"), QStringLiteral("水果")}));
    EXPECT_EQ(l.stack(), (QStringList{QStringLiteral("FrmMulu"), QStringLiteral("FrmChoosekecheng"),
                                      QStringLiteral("Frmdangtugzh")}));
    EXPECT_EQ(l.app().CurrentLesson, QStringLiteral("水果"));
    EXPECT_FALSE(l.app().ItemPictures[2].isNull());
}

TEST(CommandLineLaunch, AWindowNameWithALessonGetsTheLessonsPhotos)
{
    Launch l;
    EXPECT_TRUE(
        LaunchFromCommandLine(l.app(), {QStringLiteral("FrmMemory"), {}, QStringLiteral("水果")}));
    EXPECT_EQ(l.app().CurrentArea, QStringLiteral("语言"));
    EXPECT_EQ(l.stack().last(), QStringLiteral("FrmMemory"));
    EXPECT_FALSE(l.app().ItemPictures[1].isNull());
    EXPECT_TRUE(l.services().logLines.contains(QStringLiteral("launch FrmMemory")));
}

TEST(CommandLineLaunch, ACatalogueTitleOpensOverItsCatalogue)
{
    Launch l;
    EXPECT_TRUE(
        LaunchFromCommandLine(l.app(), {QStringLiteral("10以内加法"), QStringLiteral("数学"), {}}));
    EXPECT_EQ(l.stack(), (QStringList{QStringLiteral("FrmMulu"), QStringLiteral("frmNumjia")}));
}

TEST(CommandLineLaunch, AWindowThatOnlyItsMenuOpensOpensTheMenuAndSaysSo)
{
    Launch l;
    EXPECT_TRUE(LaunchFromCommandLine(l.app(), {QStringLiteral("FrmBijiao"), {}, {}}));
    EXPECT_EQ(l.stack(), QStringList{QStringLiteral("FrmBijiaoMulu")});
    ASSERT_EQ(l.services().warnings.size(), 1);
    EXPECT_TRUE(l.services().warnings[0].contains(QStringLiteral("FrmBijiaoMulu")));
}

TEST(CommandLineLaunch, ATargetWithoutAWindowOpensNothingAndSaysSo)
{
    Launch l;
    EXPECT_FALSE(LaunchFromCommandLine(l.app(), {QStringLiteral("FrmNoSuchWindow"), {}, {}}));
    EXPECT_TRUE(l.stack().isEmpty());
    EXPECT_TRUE(
        l.services().logLines.contains(QStringLiteral("launch FrmNoSuchWindow: no window")));
}

} // namespace
