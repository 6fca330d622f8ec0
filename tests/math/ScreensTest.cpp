// The counting and comparison windows on the screens families have: the rows, the target
// and the sliding cover follow the screen, in the 4:3 area of the screen or stretched over
// all of it. And the number 10 stays on its disc.

#include "MathFixture.h"
#include "activities/math/ComparisonForm.h"
#include "activities/math/FrmXunxuDuo.h"
#include "activities/math/FrmXunxushsh.h"
#include "ui/Stage.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Screen {
    const char* name;
    QSize size;
    bool stretch;
    QRect area; // where the windows live on the stage
};

class Screens : public ::testing::TestWithParam<Screen> {};

TEST_P(Screens, TheCountingRowFillsTheAreaWithItsCellsAndTarget)
{
    const Screen s = GetParam();
    MathFixture m(s.size, s.stretch);
    auto* w = m.open<FrmXunxushsh>("FrmXunxushsh");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(m.fx.stage.screenArea()->geometry(), s.area);
    const double sx = m.fx.app.ScaleX;
    const double sy = m.fx.app.ScaleY;
    EXPECT_NEAR(w->width(), s.area.width(), 1);
    EXPECT_NEAR(w->height(), s.area.height(), 1);
    for (int k = 0; k < 10; ++k) {
        EXPECT_NEAR(w->Image1[k].Left(), 16 * sx + k * (97 * sx + 2), 1e-3) << k;
        EXPECT_NEAR(w->Image1[k].Top(), 272 * sy, 1e-3) << k;
    }
    EXPECT_LE(w->Image1[9].geometry().right(), w->width());
    const QRect target = w->Label2->geometry();
    EXPECT_TRUE(w->rect().contains(target)) << "the target number stays on the window";
    EXPECT_NEAR(target.top(), 96 * sy, 1);
}

TEST_P(Screens, TheCoverSlidesWhollyOffTheScaledJudgement)
{
    const Screen s = GetParam();
    MathFixture m(s.size, s.stretch);
    m.fx.app.ComparisonEntry = QStringLiteral("比较大小");
    m.fx.services.scriptPermutation({1, 2});
    m.fx.services.scriptPermutation({1, 2});
    auto* w = m.open<ComparisonForm>("FrmBijiao");
    ASSERT_NE(w, nullptr);
    m.click(&w->Image1[1]); // the big apple for 大: right
    const double pictureRight = w->Picture2->Left() + w->Picture2->Width();
    int steps = 0;
    while (w->Timer1->isRunning() && steps < 500) {
        w->Timer1->fire();
        ++steps;
        if (w->Timer1->isRunning()) {
            EXPECT_LE(w->Picture1->Left(), pictureRight) << "still covering at step " << steps;
        }
    }
    const double scaledWidth = 273 * m.fx.app.ScaleX;
    EXPECT_EQ(steps, int(std::floor(scaledWidth / 6)) + 1);
    EXPECT_EQ(m.fx.app.Score, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Math, Screens,
    ::testing::Values(Screen{"design", {1024, 768}, false, {0, 0, 1024, 768}},
                      Screen{"s1280x1024", {1280, 1024}, false, {0, 32, 1280, 960}},
                      Screen{"s1366x768", {1366, 768}, false, {171, 0, 1024, 768}},
                      Screen{"s1920x1080", {1920, 1080}, false, {240, 0, 1440, 1080}},
                      Screen{"stretched1280x1024", {1280, 1024}, true, {0, 0, 1280, 1024}},
                      Screen{"stretched1366x768", {1366, 768}, true, {0, 0, 1366, 768}},
                      Screen{"stretched1920x1080", {1920, 1080}, true, {0, 0, 1920, 1080}}),
    [](const auto& info) { return std::string(info.param.name); });

// Dark pixels of a label drawn over white that lie outside the ellipse of its rectangle.
int inkOutsideTheDisc(Label& label)
{
    QImage shown(label.size(), QImage::Format_RGB32);
    shown.fill(Qt::white);
    QPainter p(&shown);
    label.render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
    p.end();
    const double a = shown.width() / 2.0, b = shown.height() / 2.0;
    int outside = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const double dx = (x + 0.5 - a) / a, dy = (y + 0.5 - b) / b;
            if (dx * dx + dy * dy > 1.0 && qGray(shown.pixel(x, y)) < 128) ++outside;
        }
    return outside;
}

TEST(CountingRow, TheNumberTenStaysInsideItsDisc)
{
    MathFixture m;
    m.fx.services.scriptPermutation({1, 2, 3});
    m.fx.services.scriptPermutation(MathFixture::startingAtSecond(10, {10, 2, 3, 4}));
    auto* w = m.open<FrmXunxuDuo>("FrmXunxuDuo");
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->Label2[0].Caption(), QStringLiteral("10"));
    EXPECT_EQ(inkOutsideTheDisc(w->Label2[0]), 0) << "the target 10";
    EXPECT_EQ(w->Label1[9].Caption(), QStringLiteral("10"));
    EXPECT_EQ(inkOutsideTheDisc(w->Label1[9]), 0) << "the tenth cell";
    EXPECT_EQ(w->Label2[1].FontSize(), 72) << "the designed size stays";
}

} // namespace
