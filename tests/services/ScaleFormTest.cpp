// Rescaling a window designed for 1024 x 768 to the stage.

#include "StageFixture.h"
#include "shell/core/Mdlmain.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/Line.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

struct ScaleCase {
    QSize screen;
    float scaleX, scaleY;
    double left, top, width, height, fontSize; // the label after rescaling
};

class ScaleFormTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleFormTest, LabelFollowsBothFactorsOrNeither)
{
    const ScaleCase c = GetParam();
    StageFixture fx(QString(), c.screen);
    Form form(fx.stage, QStringLiteral("FrmTest"), ScaleUnit::Twips);
    auto* label = form.make<Label>(QStringLiteral("Label1"), QStringLiteral("一二三"));
    label->Move(1200, 600, 2400, 300);
    label->setFont(QStringLiteral("宋体"), 12, true);

    ScaleForm(fx.app, form);

    EXPECT_FLOAT_EQ(fx.app.ScaleX, c.scaleX);
    EXPECT_FLOAT_EQ(fx.app.ScaleY, c.scaleY);
    EXPECT_NEAR(label->Left(), c.left, 1e-3);
    EXPECT_NEAR(label->Top(), c.top, 1e-3);
    EXPECT_NEAR(label->Width(), c.width, 1e-3);
    EXPECT_NEAR(label->Height(), c.height, 1e-3);
    EXPECT_NEAR(label->FontSize(), c.fontSize, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScaleFormTest,
    ::testing::Values(ScaleCase{{1024, 768}, 1.0f, 1.0f, 1200, 600, 2400, 300, 12},
                      ScaleCase{{1280, 1024}, 1.25f, 1.3333334f, 1500, 800, 3000, 400, 15},
                      ScaleCase{{1366, 768}, 1366 / 1024.0f, 1.0f, 1200, 600, 2400, 300, 12},
                      ScaleCase{{1024, 600}, 1.0f, 600 / 768.0f, 1200, 600, 2400, 300, 12}));

TEST(ScaleForm, LeavesTimersAndLinesAloneAndScalesFrameChildrenOnce)
{
    StageFixture fx(QString(), QSize(1280, 1024));
    Form form(fx.stage, QStringLiteral("FrmTest"), ScaleUnit::Twips);
    auto* frame = form.make<Frame>(QStringLiteral("Frame1"));
    frame->Move(1000, 1000, 6000, 6000);
    auto* inner = form.makeIn<Label>(frame, QStringLiteral("Label1"));
    inner->Move(600, 300, 1200, 600);
    auto* line = form.make<Line>(QStringLiteral("Line1"));
    line->setEnds(150, 150, 3000, 150);
    Timer* timer = form.makeTimer(QStringLiteral("Timer1"));
    timer->setInterval(1000);

    ScaleForm(fx.app, form);

    EXPECT_NEAR(frame->Left(), 1250, 1e-3);
    EXPECT_NEAR(inner->Left(), 750, 1e-3); // in the frame's coordinates, once
    EXPECT_NEAR(inner->Top(), 400, 1e-3);
    EXPECT_NEAR(line->X2(), 3000, 1e-9);
    EXPECT_EQ(timer->Interval(), 1000);
    // The window itself follows the screen.
    EXPECT_EQ(form.width(), 1280);
    EXPECT_EQ(form.height(), 1024);
}

} // namespace
