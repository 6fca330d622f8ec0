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
    bool stretch;
    float scaleX, scaleY;
    double left, top, width, height, fontSize; // the label after rescaling
};

class ScaleFormTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleFormTest, LabelFollowsTheFactorsOfTheScreenArea)
{
    const ScaleCase c = GetParam();
    StageFixture fx(QString(), c.screen);
    fx.stage.setStretch(c.stretch);
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
    ::testing::Values(
        // The largest 4:3 area of the screen, one factor for both directions.
        ScaleCase{{1024, 768}, false, 1.0f, 1.0f, 1200, 600, 2400, 300, 12},
        ScaleCase{{1280, 1024}, false, 1.25f, 1.25f, 1500, 750, 3000, 375, 15},
        ScaleCase{{1366, 768}, false, 1.0f, 1.0f, 1200, 600, 2400, 300, 12},
        ScaleCase{{1920, 1080}, false, 1.40625f, 1.40625f, 1687.5, 843.75, 3375, 421.875, 16.875},
        ScaleCase{{1024, 600}, false, 0.78125f, 0.78125f, 937.5, 468.75, 1875, 234.375, 9.375},
        // Stretched: each direction its own factor, and a window fills the screen even when
        // one factor is exactly 1.
        ScaleCase{{1024, 768}, true, 1.0f, 1.0f, 1200, 600, 2400, 300, 12},
        ScaleCase{{1280, 1024}, true, 1.25f, 1.3333334f, 1500, 800, 3000, 400, 15},
        ScaleCase{{1366, 768},
                  true,
                  1366 / 1024.0f,
                  1.0f,
                  1200 * (1366 / 1024.0),
                  600,
                  2400 * (1366 / 1024.0),
                  300,
                  12 * (1366 / 1024.0)}));

TEST(ScaleForm, TheAreaIsCentredAndItsMarginsTakeTheColourOfTheWindowInFront)
{
    StageFixture fx(QString(), QSize(1920, 1080));
    EXPECT_EQ(fx.stage.screenArea()->geometry(), QRect(240, 0, 1440, 1080));
    Form form(fx.stage, QStringLiteral("FrmTest"), ScaleUnit::Pixels);
    form.setBackColor(QColor(255, 250, 232));
    fx.stage.showForm(&form);
    form.maximize();
    EXPECT_EQ(form.mapTo(&fx.stage, QPoint(0, 0)), QPoint(240, 0));
    EXPECT_EQ(form.size(), QSize(1440, 1080));
    const QImage shown = fx.stage.grab().toImage();
    EXPECT_EQ(shown.pixelColor(100, 500), QColor(255, 250, 232)) << "left margin";
    EXPECT_EQ(shown.pixelColor(1800, 500), QColor(255, 250, 232)) << "right margin";
    fx.stage.unload(&form);
    fx.stage.setStretch(true);
    EXPECT_EQ(fx.stage.screenArea()->geometry(), QRect(0, 0, 1920, 1080));
}

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
    EXPECT_NEAR(inner->Top(), 375, 1e-3);
    EXPECT_NEAR(line->X2(), 3000, 1e-9);
    EXPECT_EQ(timer->Interval(), 1000);
    // The window itself follows the screen area, 4:3 and centred on the 5:4 screen.
    EXPECT_EQ(form.width(), 1280);
    EXPECT_EQ(form.height(), 960);
    EXPECT_EQ(fx.stage.screenArea()->geometry(), QRect(0, 32, 1280, 960));
}

} // namespace
