// The three writing windows as a child uses them, with the keyboard: the model characters,
// the judging of what arrives in the input boxes, the lessons and words that follow each
// other, the clock and the speed, and the buttons that open the replay and the recorder.

#include "WritingFixture.h"
#include "activities/language/FrmShurufa.h"
#include "activities/language/FrmShurufa2.h"
#include "activities/language/FrmShurufa3.h"
#include "activities/language/FrmShurusz.h"
#include "activities/language/FrmShuruys.h"

#include <gtest/gtest.h>

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// 写字1 ---------------------------------------------------------------------------------

TEST(FrmShurufa, OpensOnTheFirstCharacterWithTheClockAtZero)
{
    WritingFixture w;
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Label1->Caption(), text("一"));
    EXPECT_EQ(f->Label2[0].Caption(), text("00秒"));
    EXPECT_EQ(f->Label2[1].Caption(), text("00分"));
    EXPECT_EQ(f->Label2[2].Caption(), text("00小时"));
    EXPECT_EQ(f->Label3->Caption(), text("速 度："));
    EXPECT_FALSE(f->Command1->Visible());
    EXPECT_EQ(f->Command1->Caption(), text("演　示"));
    EXPECT_EQ(f->Command2->Caption(), text("开  始"));
    EXPECT_TRUE(f->Command2->Visible());
    EXPECT_DOUBLE_EQ(f->Text1->Left(), f->Label1->Left());
    EXPECT_DOUBLE_EQ(f->Text1->Top(), f->Label1->Top() + f->Label1->Height() + 10);
    EXPECT_DOUBLE_EQ(f->Label1->FontSize(), 120);
    EXPECT_DOUBLE_EQ(f->Text1->FontSize(), 120);
    EXPECT_FALSE(f->Timer2->isRunning()) << "the clock waits for 开始";
    EXPECT_NE(f->pad(), nullptr);
    EXPECT_TRUE(w.fx.services.messages.isEmpty());
}

TEST(FrmShurufa, ModelAndInputFontsFollowTheScreen)
{
    WritingFixture w({text("一")}, QSize(1280, 1024), true);
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    ASSERT_NE(f, nullptr);
    EXPECT_DOUBLE_EQ(f->Label1->FontSize(), 150);
    EXPECT_DOUBLE_EQ(f->Text1->FontSize(), 150);
}

TEST(FrmShurufa, StartRunsTheClockEverySecondAndPutsTheKeyboardInTheBox)
{
    WritingFixture w;
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    w.fx.click(f->Command2);
    EXPECT_FALSE(f->Command2->Visible());
    EXPECT_TRUE(f->Command1->Visible());
    EXPECT_EQ(w.fx.stage.focusWidget(), f->Text1);
    ASSERT_TRUE(f->Timer2->isRunning());
    EXPECT_EQ(f->Timer2->Interval(), 1);
    f->Timer2->fire();
    EXPECT_EQ(f->Label2[0].Caption(), text("1秒"));
    EXPECT_EQ(f->Timer2->Interval(), 1000);
}

struct LessonCase {
    const char* name;
    std::vector<const char*> lessons;
    const char* typed;              // one character after the other
    std::vector<const char*> shown; // the model after each character typed
    int score;
};

class WritingLessons : public ::testing::TestWithParam<LessonCase> {};

TEST_P(WritingLessons, TheModelMovesOnOnlyWhenItIsWritten)
{
    const LessonCase c = GetParam();
    QStringList lessons;
    for (const char* l : c.lessons)
        lessons << text(l);
    WritingFixture w(lessons);
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    w.fx.click(f->Command2);
    const QStringList typed = text(c.typed).split(QString(), Qt::SkipEmptyParts);
    ASSERT_EQ(typed.size(), qsizetype(c.shown.size()));
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QString before = f->Label1->Caption();
        w.type(typed[i]);
        EXPECT_EQ(f->Label1->Caption(), text(c.shown[i])) << "after " << i + 1;
        if (typed[i] == before)
            EXPECT_EQ(f->Text1->Text(), QString()) << "a right character leaves the box empty";
        else
            EXPECT_TRUE(f->Text1->Text().endsWith(typed[i])) << "a wrong one stays";
    }
    EXPECT_EQ(w.fx.app.Score, c.score);
    EXPECT_EQ(w.fx.services.logLines.count(QStringLiteral("reward right")), c.score);
    EXPECT_FALSE(w.fx.services.logLines.contains(QStringLiteral("reward wrong")));
    EXPECT_TRUE(w.fx.services.soundNames().isEmpty()) << "writing is judged silently";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WritingLessons,
    ::testing::Values(
        LessonCase{"RightTwiceAdvancesTwice", {"一二三", "人大"}, "一二", {"二", "三"}, 2},
        LessonCase{"AWrongCharacterChangesNothing", {"一二三"}, "十二", {"一", "一"}, 0},
        LessonCase{"TheRightOneAfterAWrongOneCounts", {"一二三"}, "十一", {"一", "二"}, 1},
        LessonCase{"TheNextLessonFollowsTheLastCharacter",
                   {"一二三", "人大"},
                   "一二三人",
                   {"二", "三", "人", "大"},
                   4},
        LessonCase{"AfterTheLastLessonComesTheFirstAgain",
                   {"一二", "人大"},
                   "一二人大一",
                   {"二", "人", "大", "一", "二"},
                   5},
        LessonCase{"OneCharacterLessons", {"一", "二"}, "一二一", {"二", "一", "二"}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrmShurufa, TheClockCountsSecondsMinutesAndHoursAndShowsTheSpeed)
{
    WritingFixture w;
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    w.fx.click(f->Command2);
    w.type(text("一二三"));
    ASSERT_EQ(w.fx.app.Score, 3);

    for (int i = 0; i < 60; ++i)
        f->Timer2->fire();
    EXPECT_EQ(f->Label2[0].Caption(), text("60秒"));
    EXPECT_EQ(f->Label2[1].Caption(), text("1分钟"));
    EXPECT_EQ(f->Label3->Caption(), text("速 度：3"));
    f->Timer2->fire();
    EXPECT_EQ(f->Label2[0].Caption(), text("1秒"));

    for (int i = 0; i < 59; ++i)
        f->Timer2->fire();
    EXPECT_EQ(f->Label3->Caption(), text("速 度：1")) << "3 in 2 minutes, rounded down";

    for (int i = 0; i < 58 * 60; ++i)
        f->Timer2->fire();
    EXPECT_EQ(f->Label2[1].Caption(), text("60分钟"));
    EXPECT_EQ(f->Label2[2].Caption(), text("1小时"));
    EXPECT_EQ(f->Minutes, 0);
    w.type(text("人大一二三人大一二三人大一二三人大一二三人大一二三人大一二三人大一二三人大一二三"
                "人大一二三人大一二三人大一二三人大一二三人大一"));
    ASSERT_EQ(w.fx.app.Score, 66);
    for (int i = 0; i < 60; ++i)
        f->Timer2->fire();
    EXPECT_EQ(f->Label2[1].Caption(), text("1分钟"));
    EXPECT_EQ(f->Label3->Caption(), text("速 度：1")) << "66 in 61 minutes, not in 1";
}

TEST(FrmShurufa, ShowReplaysTheCurrentCharacterAndANewShowReplacesTheOldReplay)
{
    WritingFixture w;
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    w.fx.click(f->Command2);
    w.fx.click(f->Command1);
    EXPECT_EQ(w.fx.app.CurrentCharacter, text("一"));
    ASSERT_NE(w.fx.windows.find(QStringLiteral("FrmShuruys")), nullptr);
    QPointer<Form> first = w.fx.windows.find(QStringLiteral("FrmShuruys"));

    w.fx.stage.showForm(f);
    f->Timer2->fire(); // the clock puts the keyboard back in the box
    w.type(text("一"));
    w.fx.click(f->Command1);
    StageFixture::settle();
    EXPECT_EQ(w.fx.app.CurrentCharacter, text("二"));
    EXPECT_TRUE(first.isNull());
    EXPECT_NE(w.fx.windows.find(QStringLiteral("FrmShuruys")), nullptr);
}

TEST(FrmShurufa, TheRecorderStopsTheClockUntilItCloses)
{
    WritingFixture w;
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    w.fx.click(f->Command2);
    f->Timer2->fire();
    w.fx.click(f->Image2);
    auto* recorder = w.fx.windows.find<FrmShurusz>(QStringLiteral("FrmShurusz"));
    ASSERT_NE(recorder, nullptr);
    EXPECT_EQ(recorder->Text2->Text(), text("一")) << "ready to record the character asked";
    EXPECT_FALSE(f->Timer2->isRunning());
    w.fx.click(recorder->Command3);
    EXPECT_TRUE(f->Timer2->isRunning());
    EXPECT_EQ(f->Timer2->Interval(), 1000);
}

// 写字2 ---------------------------------------------------------------------------------

TEST(FrmShurufa2, ShowsAndAsksOnlyTheFirstTenCharactersOfALesson)
{
    WritingFixture w({text("一二三四五六七八九十百千万亿"), text("人大")});
    auto* f = w.open<FrmShurufa2>("FrmShurufa2");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Label1[0].Caption(), text("一二三四五六七八九十"));
    EXPECT_FALSE(f->Command1->Visible());
    w.fx.click(f->Command2);
    EXPECT_FALSE(f->Command2->Enabled());
    EXPECT_TRUE(f->Command2->Visible());
    EXPECT_TRUE(f->Command1->Visible());
    EXPECT_TRUE(f->Timer2->isRunning());

    const double start = f->Text1[0].Left();
    const double step = f->Text1[0].Width() + 2;
    const QStringList line = text("一二三四五六七八九十").split(QString(), Qt::SkipEmptyParts);
    for (int k = 0; k < 10; ++k) {
        w.type(text("百")); // wrong: stays in the box
        EXPECT_EQ(f->Written, k);
        w.type(line[k]);
        EXPECT_EQ(w.fx.app.Score, k + 1);
        ASSERT_TRUE(f->Label4.exists(k + 1));
        EXPECT_EQ(f->Label4[k + 1].Caption(), line[k]);
        EXPECT_NEAR(f->Label4[k + 1].Left(), start + k * step, 1e-9);
        EXPECT_TRUE(f->Label4[k + 1].Visible());
        EXPECT_EQ(f->Text1[0].Text(), QString());
        if (k < 9) {
            EXPECT_NEAR(f->Text1[0].Left(), start + (k + 1) * step, 1e-9);
        }
    }
    EXPECT_DOUBLE_EQ(f->Text1[0].Left(), start) << "back to the start of the line";
    EXPECT_EQ(f->Written, 0);
    ASSERT_TRUE(f->Timer1->isRunning());
    EXPECT_EQ(f->Timer1->Interval(), 1000);
    w.type(text("一")); // while the line changes over, writing waits
    EXPECT_EQ(w.fx.app.Score, 10);

    f->Timer1->fire();
    EXPECT_FALSE(f->Timer1->isRunning());
    EXPECT_EQ(f->Label4.UBound(), 0);
    EXPECT_EQ(f->Label1[0].Caption(), text("人大"));
}

TEST(FrmShurufa2, WrittenCharactersStandUnderTheirModels)
{
    WritingFixture w({text("一二三")});
    auto* f = w.open<FrmShurufa2>("FrmShurufa2");
    w.fx.click(f->Command2);
    // One character of the model line is as wide as a box and its gap.
    const QFontMetrics metrics(f->Label1[0].font());
    EXPECT_NEAR(f->Text1[0].Width() + 2, metrics.horizontalAdvance(text("一")), 0.5);
    w.fx.click(f->Command1);
    EXPECT_EQ(w.fx.app.CurrentCharacter, text("一"));
    w.fx.stage.showForm(f);
    f->Timer2->fire(); // the clock puts the keyboard back in the box
    w.type(text("一"));
    w.fx.click(f->Command1);
    EXPECT_EQ(w.fx.app.CurrentCharacter, text("二")) << "the character after the written ones";
}

TEST(FrmShurufa2, AClickOnTheLinePutsTheKeyboardInTheBox)
{
    WritingFixture w;
    auto* f = w.open<FrmShurufa2>("FrmShurufa2");
    f->setFocus();
    ASSERT_NE(w.fx.stage.focusWidget(), &f->Text1[0]);
    w.fx.clickAt(f->Picture1, QPoint(5, 5));
    EXPECT_EQ(w.fx.stage.focusWidget(), &f->Text1[0]);
}

// 写字3 ---------------------------------------------------------------------------------

TEST(FrmShurufa3, AWordIsDoneWhenEveryBoxHoldsItsCharacterInAnyOrder)
{
    WritingFixture w;
    auto* f = w.open<FrmShurufa3>("FrmShurufa3");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->words(), QStringList({text("小猫"), text("大象")}));
    EXPECT_TRUE(f->Timer2->isRunning()) << "the clock starts with the window";
    ASSERT_EQ(f->Label1.count(), 2);
    EXPECT_EQ(f->Label1[0].Caption(), text("小"));
    EXPECT_EQ(f->Label1[1].Caption(), text("猫"));
    EXPECT_DOUBLE_EQ(f->Label1[0].FontSize(), 90);
    const double step = f->Label1[0].Width() + 2;
    EXPECT_DOUBLE_EQ(f->Label1[1].Left(), f->Label1[0].Left() + step);
    EXPECT_DOUBLE_EQ(f->Text1[1].Left(), f->Text1[0].Left() + step);

    // The second box first.
    f->Text1[1].SetFocus();
    w.type(text("猫"));
    EXPECT_EQ(f->RightCount, 1);
    EXPECT_EQ(w.fx.stage.focusWidget(), &f->Text1[0]) << "on to the box still to write";
    EXPECT_EQ(w.fx.app.Score, 0) << "a word is rewarded once it is whole";
    w.type(text("猫")); // the same character again in the wrong box
    EXPECT_EQ(f->RightCount, 1);
    w.fx.stage.focusWidget()->clearFocus();
    f->Text1[1].SetFocus();
    w.type(text("猫")); // twice right in one box is still one box
    EXPECT_EQ(f->RightCount, 1);
    EXPECT_EQ(w.fx.app.Score, 0);
    f->Text1[0].SetFocus();
    w.type(text("小"));
    EXPECT_EQ(w.fx.app.Score, 1);
    ASSERT_TRUE(f->Timer1->isRunning());
    EXPECT_EQ(f->Timer1->Interval(), 2000);

    f->Timer1->fire();
    EXPECT_EQ(f->Label1[0].Caption(), text("大"));
    EXPECT_EQ(f->Label1[1].Caption(), text("象"));
    EXPECT_EQ(f->Text1[0].Text(), QString());
    EXPECT_EQ(f->Text1[1].Text(), QString());
    w.fx.click(f->Command1);
    EXPECT_EQ(w.fx.app.CurrentCharacter, text("大"));
    w.fx.stage.showForm(f);

    f->Text1[0].SetFocus();
    w.type(text("大象"));
    f->Timer1->fire();
    EXPECT_EQ(f->Label1[0].Caption(), text("小")) << "after the last word the first again";
    EXPECT_EQ(w.fx.app.Score, 2);
}

TEST(FrmShurufa3, AOneCharacterWordHasOneBox)
{
    WritingFixture w;
    w.fx.app.CurrentLesson = text("身体");
    auto* f = w.open<FrmShurufa3>("FrmShurufa3");
    ASSERT_EQ(f->Label1.count(), 1);
    EXPECT_EQ(f->Label1[0].Caption(), text("手"));
    EXPECT_TRUE(f->Text1[0].Visible());
    f->Text1[0].SetFocus();
    w.type(text("手"));
    EXPECT_EQ(w.fx.app.Score, 1);
    f->Timer1->fire();
    EXPECT_EQ(f->Label1[0].Caption(), text("手"));
}

TEST(FrmShurufa3, ALessonWithoutWordsShowsNothingToWrite)
{
    WritingFixture w;
    w.fx.app.CurrentLesson = text("没有的课");
    auto* f = w.open<FrmShurufa3>("FrmShurufa3");
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->Label1[0].Visible());
    EXPECT_FALSE(f->Text1[0].Visible());
    EXPECT_FALSE(w.fx.services.warnings.isEmpty());
}

} // namespace
