// The course catalogue: where each area's entries come from, the pages and their buttons,
// the button outlines, choosing an entry, and the back picture's pause.

#include "ShellHarness.h"
#include "shell/windows/FrmMulu.h"

#include <gtest/gtest.h>

namespace {

QStringList numbered(int n)
{
    QStringList entries;
    for (int k = 1; k <= n; ++k)
        entries << QStringLiteral("条目%1").arg(k);
    return entries;
}

struct Catalogue : ShellHarness {
    FrmMulu* mulu = nullptr;

    void openArea(const QString& area, QSize size = QSize(1024, 768), QStringList stubs = {})
    {
        start(size, stubs);
        app().CurrentArea = area;
        mulu = open<FrmMulu>(QStringLiteral("FrmMulu"));
        ASSERT_NE(mulu, nullptr);
    }
    // The captions of the visible entry labels, in label order.
    QStringList shown() const
    {
        QStringList captions;
        for (int i = 0; i < FrmMulu::EntriesPerPage; ++i)
            if (mulu->Label1[i].Visible()) captions << mulu->Label1[i].Caption();
        return captions;
    }
    void turn(int button) { fx->click(&mulu->Command1[button]); }
};

struct PagingCase {
    int entries;
    int pages;
};

class CataloguePaging : public ::testing::TestWithParam<PagingCase> {};

// Forward to the last page and back again, checking every page and both buttons.
TEST_P(CataloguePaging, PagesShowTenEntriesEachAndTheButtonsFollowThePage)
{
    const auto [count, pages] = GetParam();
    Catalogue c;
    const QStringList entries = numbered(count);
    c.data.addCourse(QStringLiteral("数学课程"),
                     ShellHarness::ini(QStringLiteral("目录"), entries));
    c.openArea(QStringLiteral("数学"));
    EXPECT_EQ(c.mulu->PageCount(), pages);

    auto expectPage = [&](int page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(c.mulu->CurrentPage(), page);
        EXPECT_EQ(c.shown(), entries.mid((page - 1) * 10, 10));
        EXPECT_EQ(c.mulu->Command1[0].Enabled(), page > 1);
        EXPECT_EQ(c.mulu->Command1[1].Enabled(), page < pages);
    };
    expectPage(1);
    for (int page = 2; page <= pages; ++page) {
        c.turn(1);
        expectPage(page);
    }
    for (int page = pages - 1; page >= 1; --page) {
        c.turn(0);
        expectPage(page);
    }
}

INSTANTIATE_TEST_SUITE_P(EntryCounts, CataloguePaging,
                         ::testing::Values(PagingCase{23, 3}, PagingCase{20, 2}, PagingCase{15, 2},
                                           PagingCase{10, 1}, PagingCase{5, 1}, PagingCase{0, 1}));

TEST(Catalogue, EntriesLieInTwoColumnsOfFiveWithTheirOutlines)
{
    Catalogue c;
    c.data.addCourse(QStringLiteral("数学课程"),
                     ShellHarness::ini(QStringLiteral("目录"), numbered(10)));
    c.openArea(QStringLiteral("数学"));
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const Label& entry = c.mulu->Label1[i];
        const double left = i < 5 ? 840 : 840 + 1.5 * 4335;
        const double top = 1440 + (i % 5) * (615 + 450);
        EXPECT_DOUBLE_EQ(entry.Left(), left);
        EXPECT_DOUBLE_EQ(entry.Top(), top);
        EXPECT_EQ(c.mulu->Line3[i].Y1(), top + 615 - 15);
        EXPECT_EQ(c.mulu->Line4[i].X1(), left + 4335 - 15);
        EXPECT_EQ(c.mulu->Line1[i].X2(), left + 4335);
        EXPECT_EQ(c.mulu->Line2[i].Y2(), top + 615);
    }
}

TEST(Catalogue, AnEmptyEntryHidesItAndTheRestOfThePage)
{
    Catalogue c;
    c.data.addCourse(
        QStringLiteral("认知"),
        ShellHarness::ini(QStringLiteral("目录"), {QStringLiteral("拼图"), QStringLiteral("分类"),
                                                   QString(), QStringLiteral("看图认字")}));
    c.openArea(QStringLiteral("认知"));
    EXPECT_EQ(c.shown(), (QStringList{QStringLiteral("拼图"), QStringLiteral("分类")}));
    EXPECT_EQ(c.mulu->EntryCount(), 10);
    EXPECT_FALSE(c.mulu->Command1[1].Enabled());
    EXPECT_EQ(c.mulu->Label2->Caption(), QStringLiteral("认知"));
}

TEST(Catalogue, ColouringReadsTheCourseTianshe)
{
    Catalogue c;
    c.data.addCourse(QStringLiteral("tianshe"),
                     ShellHarness::ini(QStringLiteral("目录"), {QStringLiteral("填色游戏")}));
    c.openArea(QStringLiteral("填色"));
    EXPECT_EQ(c.shown(), QStringList{QStringLiteral("填色游戏")});
}

TEST(Catalogue, EntriesAreCutAtTheCatalogueBuffer)
{
    Catalogue c;
    const QString longEntry(200, QChar(0x957F)); // 400 GBK bytes
    c.data.addCourse(QStringLiteral("数学课程"),
                     ShellHarness::ini(QStringLiteral("目录"), {longEntry}));
    c.openArea(QStringLiteral("数学"));
    EXPECT_EQ(c.mulu->Entries(1), longEntry.left(127));
}

TEST(Catalogue, LessonAreasListTheLessonsOfTheCourse)
{
    for (const char16_t* area : {u"语言", u"手眼协调", u"记忆力训练"}) {
        Catalogue c;
        c.data.addCourse(QStringLiteral("课程"),
                         QStringLiteral("[课程目录]\n课程目录=水果 动物 蔬菜\n"));
        c.openArea(QString::fromUtf16(area));
        EXPECT_EQ(c.shown(), (QStringList{QStringLiteral("水果"), QStringLiteral("动物"),
                                          QStringLiteral("蔬菜")}));
        EXPECT_EQ(c.mulu->Label2->Caption(), QString::fromUtf16(area));
    }
}

// A value without a space leaves ItemList as an earlier read left it; the catalogue must
// still list the one lesson, and a missing course must list none.
TEST(Catalogue, OneLessonOrNoneIsListedWhateverAnEarlierReadLeft)
{
    Catalogue one;
    one.data.addCourse(QStringLiteral("课程"), QStringLiteral("[课程目录]\n课程目录=水果\n"));
    one.start();
    one.app().ItemList[1] = QStringLiteral("苹果");
    one.app().ItemList[2] = QStringLiteral("香蕉");
    one.app().CurrentArea = QStringLiteral("语言");
    one.mulu = one.open<FrmMulu>(QStringLiteral("FrmMulu"));
    EXPECT_EQ(one.shown(), QStringList{QStringLiteral("水果")});

    Catalogue none;
    none.start();
    none.app().ItemList[1] = QStringLiteral("苹果");
    none.app().CurrentArea = QStringLiteral("语言");
    none.mulu = none.open<FrmMulu>(QStringLiteral("FrmMulu"));
    EXPECT_TRUE(none.shown().isEmpty());
    EXPECT_FALSE(none.services().warnings.isEmpty());
}

TEST(Catalogue, ALessonOpensTheActivityChooser)
{
    Catalogue c;
    c.data.addCourse(QStringLiteral("课程"), QStringLiteral("[课程目录]\n课程目录=水果 动物\n"));
    c.openArea(QStringLiteral("语言"));
    c.fx->click(&c.mulu->Label1[1]);
    EXPECT_EQ(c.app().CurrentLesson, QStringLiteral("动物"));
    EXPECT_EQ(c.topName(), QStringLiteral("FrmChoosekecheng"));
}

struct ChoiceCase {
    const char16_t* caption;
    const char* window; // null: nothing opens
};

class CatalogueChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(CatalogueChoice, AnExerciseCaptionOpensItsWindowFromEitherTable)
{
    const QString caption = QString::fromUtf16(GetParam().caption);
    Catalogue c;
    c.data.addCourse(QStringLiteral("数学课程"),
                     ShellHarness::ini(QStringLiteral("目录"), {caption}));
    c.openArea(QStringLiteral("数学"), QSize(1024, 768),
               {QStringLiteral("FrmXunxushsh"), QStringLiteral("FrmBijiaoMuluda"),
                QStringLiteral("FrmPingtu")});
    c.fx->click(&c.mulu->Label1[0]);
    EXPECT_TRUE(c.services().logLines.contains(QStringLiteral("launch ") + caption));
    if (GetParam().window)
        EXPECT_EQ(c.topName(), QString::fromLatin1(GetParam().window));
    else
        EXPECT_EQ(c.topName(), QStringLiteral("FrmMulu"));
}

INSTANTIATE_TEST_SUITE_P(Captions, CatalogueChoice,
                         ::testing::Values(ChoiceCase{u"10以内数数(四)", "FrmXunxushsh"},
                                           ChoiceCase{u"比较(选大)", "FrmBijiaoMuluda"},
                                           ChoiceCase{u"拼图（瑞文）", "FrmPingtu"},
                                           ChoiceCase{u"数数", "FrmXunxushsh"},
                                           ChoiceCase{u"单图学习", nullptr},
                                           ChoiceCase{u"没有这个练习", nullptr}));

TEST(Catalogue, HoverAndPressDrawTheRaisedAndThePressedOutline)
{
    Catalogue c;
    c.data.addCourse(QStringLiteral("数学课程"),
                     ShellHarness::ini(QStringLiteral("目录"), numbered(4)));
    c.openArea(QStringLiteral("数学"));
    FrmMulu& m = *c.mulu;
    auto lines = [&](int i) {
        return QString::fromLatin1("%1%2%3%4")
            .arg(m.Line1[i].Visible())
            .arg(m.Line2[i].Visible())
            .arg(m.Line3[i].Visible())
            .arg(m.Line4[i].Visible());
    };

    c.fx->moveTo(&m.Label1[2]);
    EXPECT_EQ(m.Label1[2].BackColor(), QColor(255, 192, 192));
    EXPECT_EQ(lines(2), QStringLiteral("1100"));

    c.fx->press(&m.Label1[2]);
    EXPECT_EQ(m.Label1[2].BackColor(), QColor(192, 255, 255));
    EXPECT_EQ(lines(2), QStringLiteral("0011"));
    c.fx->release(&m.Label1[2]);
    EXPECT_EQ(lines(2), QStringLiteral("0000"));

    c.fx->moveTo(&m.Label1[3]);
    c.fx->moveToAt(m.Frame1, QPoint(5, 200)); // the frame around the entries
    EXPECT_EQ(m.Label1[3].BackColor(), QColor(128, 255, 255));
    EXPECT_EQ(lines(3), QStringLiteral("0000"));
}

TEST(Catalogue, TheBackPictureRestsUntilASecondAfterTheCatalogueIsInFrontAgain)
{
    Catalogue c;
    c.openArea(QStringLiteral("数学"), QSize(1024, 768), {QStringLiteral("FrmXunxushsh")});
    FrmMulu& m = *c.mulu;
    m.Timer1->fire();
    ASSERT_TRUE(m.ImgBack->Enabled());

    Form* activity = c.fx->windows.open(QStringLiteral("FrmXunxushsh"));
    EXPECT_FALSE(m.ImgBack->Enabled());
    EXPECT_FALSE(m.Timer1->isRunning());

    activity->Unload();
    EXPECT_FALSE(m.ImgBack->Enabled());
    EXPECT_TRUE(m.Timer1->isRunning());
    EXPECT_EQ(m.Timer1->Interval(), 1000);
    m.Timer1->fire();
    EXPECT_TRUE(m.ImgBack->Enabled());
    EXPECT_FALSE(m.Timer1->isRunning());

    c.fx->click(m.ImgBack);
    StageFixture::settle();
    EXPECT_EQ(c.fx->windows.find(QStringLiteral("FrmMulu")), nullptr);
    EXPECT_TRUE(c.services().logLines.contains(QStringLiteral("close FrmMulu")));
}

TEST(Catalogue, EntriesFollowTheRescaledFirstEntry)
{
    Catalogue c;
    c.data.addCourse(QStringLiteral("数学课程"),
                     ShellHarness::ini(QStringLiteral("目录"), numbered(10)));
    c.openArea(QStringLiteral("数学"), QSize(1280, 1024));
    const Label& first = c.mulu->Label1[0];
    EXPECT_NEAR(first.Left(), 840 * 1.25, 1e-3);
    EXPECT_NEAR(c.mulu->Label1[9].Left(), first.Left() + 1.5 * first.Width(), 1e-3);
    EXPECT_NEAR(c.mulu->Label1[9].Top(), first.Top() + 4 * (first.Height() + 450), 1e-3);
    EXPECT_EQ(c.mulu->geometry(), QRect(QPoint(0, 0), c.fx->stage.screenSize()));
    EXPECT_EQ(c.fx->stage.screenSize(), QSize(1280, 960)) << "4:3 on the 5:4 screen";
}

} // namespace
