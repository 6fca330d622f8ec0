// The handwriting pad beside a writing window: the child writes on it with the mouse, picks
// the character among the big buttons, and it arrives in the window's box as typed text.

#include "activities/language/HandwritingPad.h"
#include "WritingFixture.h"
#include "activities/language/FrmShurufa.h"
#include "activities/language/FrmShurusz.h"

#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

bool canRecognize()
{
    return HandwritingRecognizer::open(HandwritingModel::path()) != nullptr &&
           !demoStrokes(text("一")).isEmpty();
}

// 写字1, started, its pad ready.
struct Started {
    Started()
    {
        f = w.open<FrmShurufa>("FrmShurufa");
        w.fx.click(f->Command2);
        pad = f->pad();
        if (pad) WritingFixture::waitUntilReady(*pad);
    }
    WritingFixture w;
    FrmShurufa* f = nullptr;
    HandwritingPad* pad = nullptr;
};

TEST(HandwritingPad, TheChosenCharacterArrivesInTheFocusedBox)
{
    if (!canRecognize()) GTEST_SKIP() << "no handwriting model or no demo data";
    Started s;
    ASSERT_NE(s.pad, nullptr);
    ASSERT_TRUE(s.pad->isReady());
    for (int i = 0; i < HandwritingPad::CandidateCount; ++i)
        EXPECT_FALSE(s.pad->candidateButton(i)->isEnabled());

    s.w.writeOnPad(*s.pad, demoStrokes(text("一")));
    EXPECT_EQ(s.pad->strokes().size(), 1);
    const qsizetype chosen = s.pad->candidates().indexOf(text("一"));
    ASSERT_GE(chosen, 0) << qPrintable(s.pad->candidates().join(QLatin1Char(' ')));
    QPushButton* button = s.pad->candidateButton(int(chosen));
    EXPECT_EQ(button->text(), text("一"));
    EXPECT_TRUE(button->isEnabled());

    s.w.fx.click(button);
    EXPECT_EQ(s.w.fx.app.Score, 1);
    EXPECT_EQ(s.f->Label1->Caption(), text("二"));
    EXPECT_EQ(s.w.fx.stage.focusWidget(), s.f->Text1) << "the pad leaves the keyboard focus";
    EXPECT_TRUE(s.pad->strokes().isEmpty());
    EXPECT_TRUE(s.pad->candidates().isEmpty());
    EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(s.w.fx.services.logLines.contains(text("handwriting chose 一")));
}

TEST(HandwritingPad, RewriteClearsTheSquareAndAWrongChoiceStaysInTheBox)
{
    if (!canRecognize()) GTEST_SKIP() << "no handwriting model or no demo data";
    Started s;
    s.w.writeOnPad(*s.pad, demoStrokes(text("口")));
    ASSERT_FALSE(s.pad->candidates().isEmpty());
    s.w.fx.click(s.pad->rewriteButton());
    EXPECT_TRUE(s.pad->strokes().isEmpty());
    EXPECT_TRUE(s.pad->candidates().isEmpty());

    s.w.writeOnPad(*s.pad, demoStrokes(text("大")));
    const qsizetype big = s.pad->candidates().indexOf(text("大"));
    ASSERT_GE(big, 0);
    s.w.fx.click(s.pad->candidateButton(int(big)));
    EXPECT_EQ(s.f->Text1->Text(), text("大"));
    EXPECT_EQ(s.w.fx.app.Score, 0);
}

TEST(HandwritingPad, StrokesWrittenBeforeTheModelIsReadAreRecognisedWhenItIs)
{
    if (!canRecognize()) GTEST_SKIP() << "no handwriting model or no demo data";
    WritingFixture w;
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    HandwritingPad* pad = f->pad();
    ASSERT_NE(pad, nullptr);
    // The pad hears of its model through the event loop, which has not turned yet.
    ASSERT_FALSE(pad->isReady());
    QWidget* square = pad->writingArea();
    const double scale = square->width() / 321.0;
    for (const Stroke& stroke : demoStrokes(text("十"))) {
        for (qsizetype k = 0; k < stroke.size(); ++k) {
            const QPointF at(stroke[k].x() * scale, stroke[k].y() * scale);
            const QEvent::Type type = k == 0 ? QEvent::MouseButtonPress : QEvent::MouseMove;
            QMouseEvent event(type, at, square->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(square, &event);
        }
        const QPointF end(stroke.last().x() * scale, stroke.last().y() * scale);
        QMouseEvent release(QEvent::MouseButtonRelease, end, square->mapToGlobal(end),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(square, &release);
    }
    EXPECT_EQ(pad->strokes().size(), 2);
    EXPECT_TRUE(pad->candidates().isEmpty());
    WritingFixture::waitUntilReady(*pad);
    EXPECT_EQ(pad->candidates().value(0), text("十"));
}

TEST(HandwritingPad, OpensAndClosesWithItsWindow)
{
    WritingFixture w;
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    QPointer<HandwritingPad> pad = f->pad();
    ASSERT_FALSE(pad.isNull());
    w.fx.click(f->ImgBack);
    StageFixture::settle();
    EXPECT_TRUE(pad.isNull());
    EXPECT_TRUE(w.fx.services.messages.isEmpty());
}

TEST(HandwritingPad, AWindowClosingAfterThePadSaysThePadWasNotOpen)
{
    WritingFixture w;
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    QPointer<HandwritingPad> pad = f->pad();
    w.fx.click(pad->closeButton());
    StageFixture::settle();
    EXPECT_TRUE(pad.isNull());
    w.fx.click(f->ImgBack);
    EXPECT_EQ(w.fx.services.messages, QStringList{text("手写板没有打开！")});
}

TEST(HandwritingPad, WithoutAModelTheWindowGoesOnWithTheKeyboard)
{
    WritingFixture w({text("一二")}, QSize(1024, 768), false);
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->pad(), nullptr);
    EXPECT_EQ(w.fx.services.messages, QStringList{text("找不到手写输入法程序")});
    EXPECT_FALSE(w.fx.services.warnings.isEmpty());
    w.fx.click(f->Command2);
    w.type(text("一"));
    EXPECT_EQ(w.fx.app.Score, 1);
    w.fx.click(f->ImgBack);
    EXPECT_EQ(w.fx.services.messages.last(), text("手写板没有打开！"));
}

TEST(HandwritingPad, StaysOverItsWindowAndUnderTheWindowsOpenedOverIt)
{
    WritingFixture w({text("一")}, QSize(1280, 1024), true);
    auto* f = w.open<FrmShurufa>("FrmShurufa");
    HandwritingPad* pad = f->pad();
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->width(), 500) << "the pad grows with the screen";
    QWidget* area = w.fx.stage.screenArea();
    // What the child sees at a point of the stage's area where the pad and the recorder meet.
    const QPoint where = pad->geometry().topLeft() + QPoint(20, 200);
    auto topAt = [&](QPoint at) {
        QWidget* top = area->childAt(at);
        while (top && top->parentWidget() != area)
            top = top->parentWidget();
        return top;
    };
    EXPECT_EQ(topAt(where), pad);
    w.fx.click(f->Image2);
    auto* recorder = w.fx.windows.find<FrmShurusz>(QStringLiteral("FrmShurusz"));
    ASSERT_NE(recorder, nullptr);
    ASSERT_TRUE(recorder->geometry().contains(where));
    EXPECT_EQ(topAt(where), recorder);
    w.fx.click(recorder->Command3);
    EXPECT_EQ(topAt(where), pad);
}

} // namespace
