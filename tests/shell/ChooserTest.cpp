// The activity chooser: the grid of numbered step thumbnails, the titles on hover, and
// the launch that prepares the lesson's photos first.

#include "ShellHarness.h"
#include "shell/windows/FrmChoosekecheng.h"
#include "shell/windows/FrmMulu.h"

#include <gtest/gtest.h>

namespace {

const QStringList SevenSteps{QStringLiteral("单图学习"),      QStringLiteral("多图学习"),
                             QStringLiteral("文字学习"),      QStringLiteral("看图认字"),
                             QStringLiteral("看字认图"),      QStringLiteral("图字配对"),
                             QStringLiteral("求同活动(相同)")};

struct Chooser : ShellHarness {
    FrmMulu* mulu = nullptr;
    FrmChoosekecheng* chooser = nullptr;

    Chooser(const QStringList& steps = SevenSteps)
    {
        data.addCourse(QStringLiteral("步骤"), ini(QStringLiteral("语言"), steps));
        data.addCourse(QStringLiteral("课程"),
                       QStringLiteral("[课程目录]\n课程目录=水果 单个\n"
                                      "[课程图片]\n水果=苹果 香蕉 梨\n单个=西瓜\n"));
        for (const QString& step : steps)
            data.addFile(QStringLiteral("stepimage/%1.jpg").arg(step),
                         DataFixture::jpeg(DataFixture::picture(Qt::yellow)));
        data.addPhoto(QStringLiteral("苹果"), DataFixture::picture(Qt::red));
        data.addPhoto(QStringLiteral("香蕉"), DataFixture::picture(Qt::yellow));
        data.addPhoto(QStringLiteral("梨"), DataFixture::picture(Qt::green));
        data.addPhoto(QStringLiteral("西瓜"), DataFixture::picture(Qt::darkGreen));
    }

    // The catalogue of 语言 and the chooser of a lesson over it, as a child gets there.
    void openLesson(const QString& lesson = QStringLiteral("水果"), QSize size = QSize(1024, 768))
    {
        start(size, {QStringLiteral("Frmdangtugzh"), QStringLiteral("FrmQtXiangtong")});
        app().CurrentArea = QStringLiteral("语言");
        mulu = open<FrmMulu>(QStringLiteral("FrmMulu"));
        app().CurrentLesson = lesson;
        chooser = open<FrmChoosekecheng>(QStringLiteral("FrmChoosekecheng"));
        ASSERT_NE(chooser, nullptr);
    }
};

class ChooserGrid : public ::testing::TestWithParam<QSize> {};

// Six to a row; the seventh starts the second row, a thumbnail height plus 1200 x ScaleX
// lower.
TEST_P(ChooserGrid, SevenStepsFillARowOfSixAndStartTheNext)
{
    Chooser c;
    c.openLesson(QStringLiteral("水果"), GetParam());
    FrmChoosekecheng& w = *c.chooser;
    ASSERT_EQ(w.StepCount(), 7);
    const double sx = c.app().ScaleX;
    const double top0 = w.Img1[0].Top();
    const double height = w.Img1[0].Height();
    for (int k = 1; k <= 7; ++k) {
        SCOPED_TRACE(k);
        const int row = (k - 1) / 6, column = (k - 1) % 6;
        const Image& thumbnail = w.Img1[k - 1];
        EXPECT_TRUE(thumbnail.Visible());
        EXPECT_FALSE(thumbnail.Picture().isNull());
        EXPECT_NEAR(thumbnail.Left(), column * (sx * 2230) + std::round(sx * 400), 1e-3);
        EXPECT_NEAR(thumbnail.Top(), row * (sx * 1200 + height) + top0, 1e-3);
        EXPECT_EQ(w.Label1[k - 1].Caption(), QString::number(k));
        EXPECT_TRUE(w.Label1[k - 1].Visible());
        EXPECT_EQ(w.Label1[k - 1].Left(), thumbnail.Left());
        EXPECT_EQ(w.Label1[k - 1].Top(), thumbnail.Top());
        EXPECT_EQ(w.Label2[k - 1].Caption(), SevenSteps[k - 1]);
        EXPECT_FALSE(w.Label2[k - 1].Visible());
        EXPECT_EQ(w.Label2[k - 1].Top(), thumbnail.Top() + thumbnail.Height());
    }
    EXPECT_FALSE(w.Img1[7].Visible()); // made ready for an eighth step that never came
}

INSTANTIATE_TEST_SUITE_P(Screens, ChooserGrid,
                         ::testing::Values(QSize(1024, 768), QSize(1280, 1024)));

TEST(Chooser, AnAreaWithoutStepsShowsAnEmptyGrid)
{
    Chooser c;
    c.start();
    c.app().CurrentArea = QStringLiteral("记忆力训练"); // no section in the course 步骤
    auto* w = c.open<FrmChoosekecheng>(QStringLiteral("FrmChoosekecheng"));
    EXPECT_EQ(w->StepCount(), 0);
    EXPECT_FALSE(w->Img1[0].Visible());
    EXPECT_FALSE(w->Label1[0].Visible());
}

TEST(Chooser, HoverShowsTheTitleUntilTheBackgroundIsCrossed)
{
    Chooser c;
    c.openLesson();
    FrmChoosekecheng& w = *c.chooser;
    c.fx->moveTo(&w.Img1[2]);
    EXPECT_TRUE(w.Label2[2].Visible());
    EXPECT_EQ(w.Label1[2].ForeColor(), QColor(255, 0, 0));

    c.fx->moveTo(&w.Label1[3]); // straight onto the next step
    EXPECT_TRUE(w.Label2[2].Visible());
    EXPECT_EQ(w.Label1[2].ForeColor(), QColor(255, 0, 0));
    EXPECT_TRUE(w.Label2[3].Visible());

    c.fx->moveToAt(w.Frame2, QPoint(10, w.Frame2->height() - 10));
    EXPECT_FALSE(w.Label2[3].Visible());
    EXPECT_EQ(w.Label1[3].ForeColor(), QColor(0, 0, 192));
}

class ChooserLaunch : public ::testing::TestWithParam<bool> {};

TEST_P(ChooserLaunch, ThumbnailOrNumberPreparesThePhotosAndOpensTheStep)
{
    Chooser c;
    c.openLesson();
    FrmChoosekecheng& w = *c.chooser;
    QWidget* target = GetParam() ? static_cast<QWidget*>(&w.Label1[0]) : &w.Img1[0];
    c.fx->click(target);
    EXPECT_EQ(c.topName(), QStringLiteral("Frmdangtugzh"));
    EXPECT_TRUE(c.services().logLines.contains(QStringLiteral("launch 单图学习")));
    const QColor expected[3] = {Qt::red, Qt::yellow, Qt::green};
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        const QImage photo = c.app().ItemPictures[k].toImage();
        ASSERT_FALSE(photo.isNull());
        EXPECT_NEAR(photo.pixelColor(8, 8).hue(), expected[k - 1].hue(), 10);
    }
    // The catalogue lent its text box for the lesson read.
    EXPECT_EQ(c.mulu->Txtini->Text(), QStringLiteral("苹果 香蕉 梨"));
    EXPECT_TRUE(c.services().messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(ThumbnailAndNumber, ChooserLaunch, ::testing::Bool());

TEST(Chooser, AMissingPhotoHalfIsReportedOnceAndTheLaunchGoesOn)
{
    Chooser c;
    c.data.removeFile(QStringLiteral("pic/wzpic/香蕉.zic"));
    c.openLesson();
    c.fx->click(&c.chooser->Img1[6]); // 求同活动(相同)
    ASSERT_EQ(c.services().messages.size(), 1);
    EXPECT_EQ(c.services().messages[0], QStringLiteral("文件 ") +
                                            c.data.path(QStringLiteral("pic/wzpic/香蕉.zic")) +
                                            QStringLiteral(" 没有找到!"));
    EXPECT_FALSE(c.app().ItemPictures[1].isNull());
    EXPECT_FALSE(c.app().ItemPictures[3].isNull());
    EXPECT_EQ(c.topName(), QStringLiteral("FrmQtXiangtong"));
}

TEST(Chooser, AStepWithoutAWindowOnlyPreparesThePhotos)
{
    Chooser c;
    c.openLesson();
    c.fx->click(&c.chooser->Img1[1]); // 多图学习: no window yet
    EXPECT_EQ(c.topName(), QStringLiteral("FrmChoosekecheng"));
    EXPECT_TRUE(c.services().logLines.contains(QStringLiteral("launch 多图学习: no window")));
    EXPECT_FALSE(c.app().ItemPictures[3].isNull());
}

// A one-photo lesson leaves ItemList as an earlier read left it: the photo must still be
// the lesson's own.
TEST(Chooser, AOnePhotoLessonLoadsItsOwnPhoto)
{
    Chooser c;
    c.openLesson(QStringLiteral("单个"));
    c.app().ItemList[1] = QStringLiteral("苹果");
    c.fx->click(&c.chooser->Img1[0]);
    const QImage photo = c.app().ItemPictures[1].toImage();
    ASSERT_FALSE(photo.isNull());
    EXPECT_EQ(photo.pixelColor(8, 8).green() > photo.pixelColor(8, 8).red(), true);
}

TEST(Chooser, TheBackPictureClosesTheChooserAndTheCatalogueIsInFront)
{
    Chooser c;
    c.openLesson();
    c.fx->click(c.chooser->ImgBack);
    StageFixture::settle();
    EXPECT_EQ(c.topName(), QStringLiteral("FrmMulu"));
    EXPECT_EQ(c.fx->windows.find(QStringLiteral("FrmChoosekecheng")), nullptr);
}

} // namespace
