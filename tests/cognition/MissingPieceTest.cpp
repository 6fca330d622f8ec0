// The missing piece: the size of the picture, the row of five pieces copied from it, the hole,
// and the drop of the right piece within 8 pixels of the hole's centre.

#include "CognitionFixture.h"
#include "activities/cognition/FrmPingtu.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

TEST(MissingPiecePictureSize, WidePicturesAre500WideAndTallOnes450High)
{
    const std::vector<std::pair<QSizeF, QSizeF>> cases{
        {{300, 300}, {500, 500}}, // square
        {{100, 200}, {225, 450}}, // twice as high as wide
        {{400, 200}, {500, 250}},
        {{0, 0}, {500, 500}}, // a photo that could not be read
    };
    for (const auto& [natural, shown] : cases)
        EXPECT_EQ(MissingPiecePictureSize(natural), shown)
            << natural.width() << "x" << natural.height();
}

// A picture of many colours, so that every region of it looks different.
QImage gradient()
{
    QImage image(200, 160, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor(x, y, (x + y) % 256));
    return image;
}

struct MissingPiece {
    MissingPiece()
    {
        m.setLesson(QStringLiteral("课"), {{QStringLiteral("彩"), gradient()}});
        m.chooseLesson(QStringLiteral("课"));
        // The lesson's one picture, then the five markers' corners.
        m.fx.services.uniforms = {0.0, 0.1, 0.2, 0.9, 0.8, 0.5, 0.5, 0.0, 0.99, 0.7, 0.3};
        m.fx.services.scriptPermutation({3, 1, 5, 2, 4});
        w = m.open<FrmPingtu>("FrmPingtu");
        if (w) w->Timer2->fire();
    }
    QWindow* screen() { return m.fx.stage.windowHandle(); }
    // The stage pixel at the hole's centre, rounded down where the centre falls between two.
    QPoint holeCentre() { return m.fx.onStage(&w->Picture4[0], {145 / 2, 97 / 2}); }
    void drag(int piece, QPoint to)
    {
        PictureBox& box = w->Picture1[piece];
        const QPoint from = m.fx.onStage(&box, {box.width() / 2, box.height() / 2});
        QTest::mouseMove(screen(), from);
        QTest::mousePress(screen(), Qt::LeftButton, {}, from);
        QTest::mouseMove(screen(), to);
        QTest::mouseRelease(screen(), Qt::LeftButton, {}, to);
    }

    CognitionFixture m;
    FrmPingtu* w = nullptr;
};

TEST(FrmPingtu, FivePiecesOfThePictureStandInARowAndPieceZeroShowsWhatTheHoleCovers)
{
    MissingPiece p;
    FrmPingtu* w = p.w;
    ASSERT_NE(w, nullptr);
    EXPECT_DOUBLE_EQ(w->Picture2->Width(), 500);
    EXPECT_DOUBLE_EQ(w->Picture2->Height(), 400);
    EXPECT_DOUBLE_EQ(w->Picture2->Left(), 262);
    EXPECT_DOUBLE_EQ(w->Picture2->Top(), 50);

    const std::vector<int> order{3, 1, 5, 2, 4};
    for (int b = 0; b < FrmPingtu::Pieces; ++b) {
        const PictureBox& piece = w->Picture1[b];
        EXPECT_TRUE(piece.Visible()) << b;
        EXPECT_DOUBLE_EQ(piece.Left(), 155 * order[size_t(b)]) << "one piece width and 10 apart";
        EXPECT_DOUBLE_EQ(piece.Top(), 768 - 1.2 * 97);
        // Each marker lies wholly on the picture, and its piece shows exactly those pixels.
        const PictureBox& marker = w->Picture4[b];
        EXPECT_GE(marker.Left(), w->Picture2->Left());
        EXPECT_LE(marker.Left() + 145, w->Picture2->Left() + 500);
        EXPECT_GE(marker.Top(), w->Picture2->Top());
        EXPECT_LE(marker.Top() + 97, w->Picture2->Top() + 400);
        const QPoint corner = marker.pos() - w->Picture2->pos();
        EXPECT_EQ(piece.image(), w->Picture2->image().copy(QRect(corner, QSize(145, 97)))) << b;
    }
    EXPECT_NE(w->Picture1[0].image(), w->Picture1[1].image()) << "different places, other pixels";
    EXPECT_TRUE(w->Picture4[0].Visible()) << "the hole";
    EXPECT_EQ(w->Picture4[0].image().pixelColor(10, 10), QColor(0, 192, 192));
}

struct HoleDrop {
    const char* name;
    int piece;
    QPoint offset; // from the hole's centre pixel; the true centre lies half a pixel further
    bool hit;
};

class MissingPieceDrop : public ::testing::TestWithParam<HoleDrop> {};

TEST_P(MissingPieceDrop, OnlyPieceZeroWithin8PixelsOfTheHolesCentreFillsIt)
{
    const HoleDrop& c = GetParam();
    MissingPiece p;
    FrmPingtu* w = p.w;
    ASSERT_NE(w, nullptr);
    const QPointF home(w->Picture1[c.piece].Left(), w->Picture1[c.piece].Top());
    p.drag(c.piece, p.holeCentre() + c.offset);
    if (c.hit) {
        EXPECT_EQ(p.m.sounds(), QStringList{"pingturight"});
        EXPECT_EQ(p.m.rewards(), QStringList{"reward right"});
        EXPECT_FALSE(w->Picture4[0].Visible()) << "a new puzzle is being set";
        EXPECT_FALSE(w->Picture1[0].Visible());
        EXPECT_TRUE(w->Timer2->isRunning());
        w->Timer2->fire();
        EXPECT_TRUE(w->Picture4[0].Visible());
        EXPECT_EQ(w->Picture1.count(), 5);
    } else {
        EXPECT_EQ(p.m.sounds(), QStringList{"mousemove"});
        EXPECT_TRUE(p.m.rewards().isEmpty());
        // Back where it was picked up, on whole pixels.
        EXPECT_NEAR(w->Picture1[c.piece].Left(), home.x(), 0.5) << "it flies back";
        EXPECT_NEAR(w->Picture1[c.piece].Top(), home.y(), 0.5) << "it flies back";
        EXPECT_TRUE(w->Picture4[0].Visible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Drops, MissingPieceDrop,
    ::testing::Values(HoleDrop{"RightPieceOnTheCentre", 0, {0, 0}, true},
                      HoleDrop{"RightPieceSevenAndAHalfRight", 0, {8, 0}, true},
                      HoleDrop{"RightPieceEightAndAHalfRight", 0, {9, 0}, false},
                      HoleDrop{"RightPieceEightAbove", 0, {0, -8}, false}, // 97 high: -8.5
                      HoleDrop{"RightPieceSevenAbove", 0, {0, -7}, true},
                      HoleDrop{"OtherPieceOnTheCentre", 3, {0, 0}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrmPingtu, WithoutALessonTheWindowIsEmptyAndItsBackStillCloses)
{
    CognitionFixture m;
    m.fx.app.CurrentArea = QStringLiteral("认知");
    m.fx.app.ItemIndex = 7; // the catalogue's last read: not a lesson
    auto* w = m.open<FrmPingtu>("FrmPingtu");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->pictureCount(), 0);
    EXPECT_FALSE(w->Picture2->Visible());
    EXPECT_FALSE(w->Timer2->isRunning());
    EXPECT_FALSE(w->Picture1[0].Visible());
    m.click(w->ImgBack);
    StageFixture::settle();
    EXPECT_EQ(m.fx.windows.find(QStringLiteral("FrmPingtu")), nullptr);
}

} // namespace
