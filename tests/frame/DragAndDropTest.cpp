// Dragging pictures onto their targets with the child's mouse: the picture follows the
// pointer, a drop counts strictly within the window's distance of its own target's centre,
// and anything else sends it home with "mousemove".

#include "frame/DragAndDrop.h"
#include "StageFixture.h"
#include "frame/ActivityForm.h"
#include "ui/PictureBox.h"

#include <gtest/gtest.h>

namespace {

// Three pictures in a row at the top, their three targets at the bottom.
class DragWindow : public ActivityForm {
public:
    explicit DragWindow(AppContext& app)
        : ActivityForm(app, QStringLiteral("FrmDrag"))
        , drag(*this, 15,
               {.targetOf = [this](int i) -> Control* { return Picture1.at(i); },
                .hit = [this](int i) { hits.push_back(i); }})
    {
        for (int i = 0; i < 3; ++i) {
            auto* picture = make<PictureBox>(QStringLiteral("Picture3"));
            picture->Move(120 + i * 200, 88, 129, 129);
            Picture3.setDesigned(i, picture);
            auto* target = make<PictureBox>(QStringLiteral("Picture1"));
            target->Move(96 + i * 200, 552, 128, 128); // even: the centre is a whole pixel
            Picture1.setDesigned(i, target);
        }
        drag.follow(Picture3);
    }

    ControlArray<PictureBox> Picture3;
    ControlArray<PictureBox> Picture1;
    DragAndDrop drag;
    std::vector<int> hits;
};

struct Drag {
    Drag()
        : window(new DragWindow(fx.app))
    {
        fx.stage.showForm(window);
    }
    QWindow* screen() { return fx.stage.windowHandle(); }
    // The true centre (QRect::center() rounds down by one pixel on even sizes).
    QPoint centreOf(QWidget* w) { return fx.onStage(w, QPoint(w->width() / 2, w->height() / 2)); }
    // Presses picture i at its centre, drags it to a point and lets go there.
    void dragTo(int i, QPoint to)
    {
        const QPoint from = centreOf(&window->Picture3[i]);
        QTest::mouseMove(screen(), from);
        QTest::mousePress(screen(), Qt::LeftButton, {}, from);
        QTest::mouseMove(screen(), (from + to) / 2);
        QTest::mouseMove(screen(), to);
        QTest::mouseRelease(screen(), Qt::LeftButton, {}, to);
    }

    StageFixture fx;
    DragWindow* window;
};

TEST(DragAndDrop, ThePictureCentreFollowsThePointerWhileTheButtonIsHeld)
{
    Drag d;
    PictureBox& picture = d.window->Picture3[1];
    const QPoint from = d.centreOf(&picture);
    QTest::mouseMove(d.screen(), from + QPoint(30, 20)); // grabbed off centre
    QTest::mousePress(d.screen(), Qt::LeftButton, {}, from + QPoint(30, 20));
    EXPECT_EQ(d.centreOf(&picture), from + QPoint(30, 20)) << "centred on the pointer at once";
    QTest::mouseMove(d.screen(), QPoint(500, 400));
    EXPECT_EQ(d.centreOf(&picture), QPoint(500, 400));
    QTest::mouseRelease(d.screen(), Qt::LeftButton, {}, QPoint(500, 400));
    EXPECT_DOUBLE_EQ(picture.Left(), 320) << "dropped on no target: home again";
    EXPECT_DOUBLE_EQ(picture.Top(), 88);
    EXPECT_EQ(d.fx.services.soundNames(), QStringList{"mousemove"});
}

struct DropCase {
    const char* name;
    int picture;
    int target;
    QPoint offset;
    bool hit;
};

class Drops : public ::testing::TestWithParam<DropCase> {};

TEST_P(Drops, CountOnlyStrictlyWithinTheDistanceOfTheirOwnTarget)
{
    const DropCase c = GetParam();
    Drag d;
    const double homeLeft = d.window->Picture3[c.picture].Left();
    d.dragTo(c.picture, d.centreOf(&d.window->Picture1[c.target]) + c.offset);
    if (c.hit) {
        EXPECT_EQ(d.window->hits, std::vector<int>{c.picture});
        EXPECT_TRUE(d.fx.services.sounds.isEmpty());
    } else {
        EXPECT_TRUE(d.window->hits.empty());
        EXPECT_EQ(d.fx.services.soundNames(), QStringList{"mousemove"});
        EXPECT_DOUBLE_EQ(d.window->Picture3[c.picture].Left(), homeLeft);
    }
}

INSTANTIATE_TEST_SUITE_P(DragAndDrop, Drops,
                         ::testing::Values(DropCase{"centre", 0, 0, {0, 0}, true},
                                           DropCase{"right14", 1, 1, {14, 0}, true},
                                           DropCase{"right15", 1, 1, {15, 0}, false},
                                           DropCase{"up14left14", 2, 2, {-14, -14}, true},
                                           DropCase{"below15", 2, 2, {0, 15}, false},
                                           DropCase{"anotherPairsTarget", 0, 1, {0, 0}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DragAndDrop, ARightButtonPressNotesWhereThePictureLiesButDoesNotMoveIt)
{
    Drag d;
    PictureBox& picture = d.window->Picture3[0];
    const QPoint at = d.centreOf(&picture);
    QTest::mouseMove(d.screen(), at);
    QTest::mousePress(d.screen(), Qt::RightButton, {}, at + QPoint(10, 10));
    QTest::mouseMove(d.screen(), QPoint(600, 400));
    QTest::mouseRelease(d.screen(), Qt::RightButton, {}, QPoint(600, 400));
    EXPECT_DOUBLE_EQ(picture.Left(), 120);
    EXPECT_DOUBLE_EQ(picture.Top(), 88);
    EXPECT_TRUE(d.fx.services.sounds.isEmpty()) << "releasing another button does nothing";
}

// One picture and a drop rule of the window's own: it learns where the picture was let go
// and decides everything itself.
class OwnRuleWindow : public ActivityForm {
public:
    explicit OwnRuleWindow(AppContext& app)
        : ActivityForm(app, QStringLiteral("FrmOwnRule"))
        , drag(*this, 18, {.drop = [this](int i) { dropped(i); }})
    {
        Picture2 = make<PictureBox>(QStringLiteral("Picture2"));
        Picture2->Move(40, 500, 113, 113);
        for (int i = 0; i < 2; ++i) {
            auto* place = make<PictureBox>(QStringLiteral("Image1"));
            place->Move(176 + i * 240, 96, 144, 144);
            Image1.setDesigned(i, place);
        }
        drag.follow(*Picture2);
    }
    void dropped(int i)
    {
        indices.push_back(i);
        pointers.push_back(drag.pointer());
        for (int k = 0; k < 2; ++k)
            if (drag.within(drag.pointer(), Image1[k])) hitPlaces.push_back(k);
        if (sendHome) drag.returnHome(*Picture2);
    }

    PictureBox* Picture2;
    ControlArray<PictureBox> Image1;
    DragAndDrop drag;
    bool sendHome = true;
    std::vector<int> indices, hitPlaces;
    std::vector<QPointF> pointers;
};

TEST(DragAndDrop, AWindowWithItsOwnDropRuleDecidesWhatADropDoes)
{
    StageFixture fx;
    auto* window = new OwnRuleWindow(fx.app);
    fx.stage.showForm(window);
    QWindow* screen = fx.stage.windowHandle();
    const auto dragTo = [&](QPoint to) {
        const QPoint from = fx.onStage(window->Picture2, QPoint(56, 56));
        QTest::mouseMove(screen, from);
        QTest::mousePress(screen, Qt::LeftButton, {}, from);
        QTest::mouseMove(screen, to);
        QTest::mouseRelease(screen, Qt::LeftButton, {}, to);
    };
    const QPoint second = fx.onStage(&window->Image1[1], QPoint(72, 72));
    dragTo(second + QPoint(17, -17));
    dragTo(second + QPoint(18, 0));
    EXPECT_EQ(window->indices, (std::vector<int>{0, 0})) << "a single picture is picture 0";
    EXPECT_EQ(window->hitPlaces, std::vector<int>{1});
    ASSERT_EQ(window->pointers.size(), 2u);
    EXPECT_EQ(window->pointers[0], QPointF(second + QPoint(17, -17)));
    EXPECT_DOUBLE_EQ(window->Picture2->Left(), 40);
    EXPECT_TRUE(fx.services.sounds.isEmpty()) << "no \"mousemove\": the window decides";

    window->sendHome = false;
    dragTo(QPoint(600, 400));
    EXPECT_DOUBLE_EQ(window->Picture2->Left(), 600 - 56.5) << "it stays where the rule leaves it";
}

TEST(DragAndDrop, APictureLetGoOnTheBackPictureLeavesTheWayOut)
{
    StageFixture fx;
    auto* window = new OwnRuleWindow(fx.app);
    window->sendHome = false; // it stays where it falls, as a jigsaw piece does
    fx.stage.showForm(window);
    QWindow* screen = fx.stage.windowHandle();
    const QPoint back = fx.onStage(window->ImgBack, window->ImgBack->rect().center());
    const QPoint from = fx.onStage(window->Picture2, QPoint(56, 56));
    QTest::mouseMove(screen, from);
    QTest::mousePress(screen, Qt::LeftButton, {}, from);
    QTest::mouseMove(screen, back);
    QTest::mouseRelease(screen, Qt::LeftButton, {}, back);
    ASSERT_TRUE(window->Picture2->geometry().contains(window->ImgBack->geometry().center()))
        << "the picture lies on the back picture";

    QTest::mouseClick(screen, Qt::LeftButton, {}, back);
    EXPECT_FALSE(fx.stage.isOpen(window)) << "the back picture still closes the window";
}

TEST(DragAndDrop, OnAScaledScreenTheDistanceStaysInScreenPixels)
{
    StageFixture fx(QString(), QSize(1920, 1080));
    auto* window = new DragWindow(fx.app);
    fx.stage.showForm(window);
    window->maximize();
    QWindow* screen = fx.stage.windowHandle();
    const QPoint target =
        fx.onStage(&window->Picture1[0],
                   QPoint(window->Picture1[0].width() / 2, window->Picture1[0].height() / 2));
    const QPoint from = fx.onStage(&window->Picture3[0], window->Picture3[0].rect().center());
    QTest::mouseMove(screen, from);
    QTest::mousePress(screen, Qt::LeftButton, {}, from);
    QTest::mouseMove(screen, target + QPoint(14, 0));
    QTest::mouseRelease(screen, Qt::LeftButton, {}, target + QPoint(14, 0));
    EXPECT_EQ(window->hits, std::vector<int>{0});
}

} // namespace
