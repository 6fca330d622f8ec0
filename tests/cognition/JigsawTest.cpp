// The jigsaw: the grids of the menu, the cutting, the drops within 8 pixels of a piece's own
// cell, the slide of a finished picture and the lesson's pictures in turn.

#include "CognitionFixture.h"
#include "activities/cognition/FrmPingtuMenu.h"
#include "activities/cognition/Frmpingtu2.h"
#include "activities/cognition/JigsawPuzzle.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

QColor centreColour(const QImage& image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// A picture of coloured bands, rows x cols of them, numbered row by row.
QImage bands(int rows, int cols, const std::vector<QColor>& colours, int side = 8)
{
    QImage image(cols * side, rows * side, QImage::Format_RGB32);
    for (int i = 0; i < rows * cols; ++i)
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                image.setPixelColor((i % cols) * side + x, (i / cols) * side + y,
                                    colours[size_t(i)]);
    return image;
}

const std::vector<QColor> Six{Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};

TEST(JigsawGrid, EachThumbnailHasItsGridAndOtherTypesKeepThePreviousOne)
{
    const JigsawGrid previous{3, 3};
    const std::vector<std::pair<int, JigsawGrid>> cases{
        {0, {2, 1}}, {1, {2, 2}}, {2, {2, 3}},    {3, {3, 3}},
        {4, {4, 4}}, {5, {5, 5}}, {-1, previous}, {6, previous},
    };
    for (const auto& [type, grid] : cases)
        EXPECT_EQ(GridOfPuzzleType(type, previous), grid) << type;
}

TEST(JigsawGrid, CellsAreCutRowByRowAndWhatDoesNotDivideIsLeftOut)
{
    const std::vector<QImage> halves = CutIntoCells(bands(2, 1, {Qt::red, Qt::blue}), {2, 1});
    ASSERT_EQ(halves.size(), 2u);
    EXPECT_EQ(centreColour(halves[0]), QColor(Qt::red)) << "the upper half first";
    EXPECT_EQ(centreColour(halves[1]), QColor(Qt::blue));

    const std::vector<QImage> six = CutIntoCells(bands(2, 3, Six), {2, 3});
    ASSERT_EQ(six.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(six[i].size(), QSize(8, 8));
        EXPECT_EQ(centreColour(six[i]), Six[i]) << i;
    }

    QImage odd(7, 5, QImage::Format_RGB32);
    odd.fill(Qt::white);
    for (const QImage& cell : CutIntoCells(odd, {2, 2}))
        EXPECT_EQ(cell.size(), QSize(3, 2));
}

TEST(JigsawPuzzle, APieceCountsOnceAndTheLastOneFinishes)
{
    JigsawPuzzle puzzle;
    puzzle.cut({2, 1});
    EXPECT_FALSE(puzzle.place(1));
    EXPECT_FALSE(puzzle.place(1)) << "the same piece again";
    EXPECT_EQ(puzzle.PlacedCount(), 1);
    EXPECT_TRUE(puzzle.place(0));
    puzzle.cut({2, 2});
    EXPECT_EQ(puzzle.PlacedCount(), 0);
    EXPECT_EQ(puzzle.PieceCount(), 4);
}

TEST(FrmPingtuMenu, SixNumberedThumbnailsCrossedByTheirGridsAndAClickOpensThePuzzle)
{
    CognitionFixture m;
    m.setLesson(QStringLiteral("水果"), numbered(QStringLiteral("果"), 2));
    m.chooseLesson(QStringLiteral("水果"));
    m.fx.app.Score = 7;
    auto* menu = m.open<FrmPingtuMenu>("FrmPingtuMenu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(m.fx.app.Score, 0);
    for (int i = 0; i < 6; ++i) {
        const PictureBox& t = menu->Picture1[i];
        EXPECT_TRUE(t.Visible());
        EXPECT_DOUBLE_EQ(t.Left(), 480);
        EXPECT_DOUBLE_EQ(t.Top(), 120 + 88 * i);
    }
    // The lines fall between pixels (81 / 2 = 40.5): a line is found within a pixel of its place.
    const auto lineAcross = [](const QImage& t, double y) {
        for (int dy = -1; dy <= 1; ++dy)
            if (t.pixelColor(70, int(y) + dy) == QColor(Qt::black)) return true;
        return false;
    };
    const auto lineDown = [](const QImage& t, double x) {
        for (int dx = -1; dx <= 1; ++dx)
            if (t.pixelColor(int(x) + dx, 75) == QColor(Qt::black)) return true;
        return false;
    };
    const QImage& halves = menu->Picture1[0].image();
    EXPECT_TRUE(lineAcross(halves, 40.5)) << "one line across the middle";
    EXPECT_FALSE(lineDown(halves, 40.5)) << "and none down";
    const QImage& thirds = menu->Picture1[2].image();
    EXPECT_TRUE(lineDown(thirds, 27)) << "lines at a third of the width";
    EXPECT_TRUE(lineDown(thirds, 54));
    EXPECT_FALSE(lineAcross(thirds, 27));
    const QImage& fifths = menu->Picture1[5].image();
    for (int k = 1; k < 5; ++k) {
        EXPECT_TRUE(lineAcross(fifths, 81.0 * k / 5)) << k;
        EXPECT_TRUE(lineDown(fifths, 81.0 * k / 5)) << k;
    }

    m.click(&menu->Picture1[3]);
    EXPECT_EQ(m.fx.app.PuzzleType, 3);
    EXPECT_TRUE(menu->raised(3));
    const QImage& raised = menu->Picture1[3].image();
    EXPECT_EQ(raised.pixelColor(0, 40), QColor(Qt::white)) << "a light edge on the left";
    EXPECT_EQ(raised.pixelColor(80, 40), QColor(64, 64, 64)) << "a dark one on the right";
    EXPECT_FALSE(menu->raised(2));
    auto* puzzle = m.fx.windows.find<Frmpingtu2>(QStringLiteral("Frmpingtu2"));
    ASSERT_NE(puzzle, nullptr);
    EXPECT_EQ(puzzle->puzzle().PieceCount(), 9);
}

// A puzzle window over a lesson the chooser has loaded.
struct Jigsaw {
    Jigsaw(int type, const std::vector<std::pair<QString, QImage>>& photos)
    {
        m.setLesson(QStringLiteral("课"), photos);
        m.chooseLesson(QStringLiteral("课"));
        m.fx.app.PuzzleType = int16_t(type);
        w = m.open<Frmpingtu2>("Frmpingtu2");
    }
    Jigsaw(int type, int pictures)
        : Jigsaw(type, solid(pictures))
    {
    }
    static std::vector<std::pair<QString, QImage>> solid(int n)
    {
        std::vector<std::pair<QString, QImage>> photos;
        const std::vector<QColor> colours{Qt::darkRed, Qt::darkGreen, Qt::darkBlue, Qt::darkCyan};
        for (int i = 0; i < n; ++i)
            photos.emplace_back(QStringLiteral("图%1").arg(i + 1),
                                DataFixture::picture(colours[size_t(i)]));
        return photos;
    }
    QWindow* screen() { return m.fx.stage.windowHandle(); }
    QPoint centreOf(QWidget* box) { return centreIn(m, box); }
    void drag(int piece, QPoint to)
    {
        const QPoint from = centreOf(&w->Picture1[piece]);
        QTest::mouseMove(screen(), from);
        QTest::mousePress(screen(), Qt::LeftButton, {}, from);
        QTest::mouseMove(screen(), (from + to) / 2);
        QTest::mouseMove(screen(), to);
        QTest::mouseRelease(screen(), Qt::LeftButton, {}, to);
    }
    void place(int piece) { placeIn(m, *w, piece); }
    void finish() { finishIn(m, *w); }

    static QPoint centreIn(CognitionFixture& m, QWidget* box)
    {
        return m.fx.onStage(box, {box->width() / 2, box->height() / 2});
    }
    static void placeIn(CognitionFixture& m, Frmpingtu2& w, int piece)
    {
        const QPoint from = centreIn(m, &w.Picture1[piece]);
        const QPoint to = centreIn(m, &w.Picture2[piece]);
        QWindow* screen = m.fx.stage.windowHandle();
        QTest::mouseMove(screen, from);
        QTest::mousePress(screen, Qt::LeftButton, {}, from);
        QTest::mouseMove(screen, to);
        QTest::mouseRelease(screen, Qt::LeftButton, {}, to);
    }
    // Places every piece, the one in front first, and lets the picture slide away.
    static void finishIn(CognitionFixture& m, Frmpingtu2& w)
    {
        for (int i = w.puzzle().PieceCount() - 1; i >= 0; --i)
            if (!w.puzzle().placed(i)) placeIn(m, w, i);
        for (int tick = 0; tick < 200 && w.Timer2->isRunning(); ++tick)
            w.Timer2->fire();
    }

    CognitionFixture m;
    Frmpingtu2* w = nullptr;
};

TEST(Frmpingtu2, TheCanvasIsCutIntoPiecesOnTheBottomEdgeAndAnEmptyGridOverTheCanvas)
{
    Jigsaw j(0, {{QStringLiteral("旗"), bands(2, 1, {Qt::red, Qt::blue}, 32)}});
    Frmpingtu2* w = j.w;
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->Picture3->Visible());
    EXPECT_TRUE(near(centreColour(w->Image2->Picture().toImage()), Qt::red) ||
                near(w->Image2->Picture().toImage().pixelColor(8, 8), Qt::red));
    ASSERT_EQ(w->puzzle().PieceCount(), 2);
    const QSize cell(529, 521 / 2);
    for (int i = 0; i < 2; ++i) {
        const PictureBox& piece = w->Picture1[i];
        EXPECT_TRUE(piece.Visible());
        EXPECT_EQ(piece.size(), cell);
        EXPECT_DOUBLE_EQ(piece.Top(), 768 - cell.height()) << "resting on the bottom edge";
        EXPECT_GE(piece.Left(), 1);
        EXPECT_LE(piece.Left(), 1024 - cell.width());
        const PictureBox& empty = w->Picture2[i];
        EXPECT_TRUE(empty.Visible());
        EXPECT_EQ(empty.size(), cell);
        EXPECT_DOUBLE_EQ(empty.Left(), 432);
        EXPECT_DOUBLE_EQ(empty.Top(), 48 + i * (cell.height() + 1));
        EXPECT_EQ(centreColour(empty.image()), QColor(224, 224, 224));
    }
    EXPECT_TRUE(near(centreColour(w->Picture1[0].image()), Qt::red)) << "the upper half";
    EXPECT_TRUE(near(centreColour(w->Picture1[1].image()), Qt::blue)) << "the lower half";
    EXPECT_FALSE(w->Picture1.at(2)->Visible()) << "one spare element, hidden";
    EXPECT_FALSE(w->Picture2.at(2)->Visible());
}

TEST(Frmpingtu2, TwoRowsOfThreeCellsWithOnePixelBetweenThem)
{
    Jigsaw j(2, {{QStringLiteral("格"), bands(2, 3, Six, 48)}});
    Frmpingtu2* w = j.w;
    ASSERT_EQ(w->puzzle().PieceCount(), 6);
    const double width = 529 / 3;
    const double height = 521 / 2;
    for (int i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(w->Picture2[i].Left(), 432 + (i % 3) * (width + 1)) << i;
        EXPECT_DOUBLE_EQ(w->Picture2[i].Top(), 48 + (i / 3) * (height + 1)) << i;
        EXPECT_TRUE(near(centreColour(w->Picture1[i].image()), Six[size_t(i)])) << i;
    }
}

struct DropCase {
    const char* name;
    QPoint offset; // from the centre of the piece's own cell
    bool hit;
};

class JigsawDrop : public ::testing::TestWithParam<DropCase> {};

TEST_P(JigsawDrop, CountsOnlyStrictlyWithin8PixelsOfTheCellsCentre)
{
    const DropCase& c = GetParam();
    Jigsaw j(1, 1); // cells of 264 x 260: their centres lie on whole pixels
    Frmpingtu2* w = j.w;
    const int piece = 3; // the one in front
    const QPoint to = j.centreOf(&w->Picture2[piece]) + c.offset;
    j.drag(piece, to);
    if (c.hit) {
        EXPECT_EQ(j.m.sounds(), QStringList{"pingturight"});
        EXPECT_EQ(w->puzzle().PlacedCount(), 1);
        EXPECT_FALSE(w->Picture1[piece].Visible());
        EXPECT_TRUE(near(centreColour(w->Picture2[piece].image()), Qt::darkRed))
            << "the cell shows it";
    } else {
        EXPECT_TRUE(j.m.sounds().isEmpty()) << "a miss is silent";
        EXPECT_EQ(w->puzzle().PlacedCount(), 0);
        EXPECT_TRUE(w->Picture1[piece].Visible());
        EXPECT_EQ(j.centreOf(&w->Picture1[piece]), to) << "it stays where it was dropped";
        EXPECT_EQ(centreColour(w->Picture2[piece].image()), QColor(224, 224, 224));
    }
}

INSTANTIATE_TEST_SUITE_P(Offsets, JigsawDrop,
                         ::testing::Values(DropCase{"OnTheCentre", {0, 0}, true},
                                           DropCase{"SevenRight", {7, 0}, true},
                                           DropCase{"EightRight", {8, 0}, false},
                                           DropCase{"SevenUp", {0, -7}, true},
                                           DropCase{"EightUp", {0, -8}, false},
                                           DropCase{"EightLeftSevenDown", {-8, 7}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Frmpingtu2, APieceOnAnotherCellIsAMissEvenWhereTheCellsLookAlike)
{
    Jigsaw j(2, 1); // one solid colour: every cell looks the same
    Frmpingtu2* w = j.w;
    j.drag(5, j.centreOf(&w->Picture2[3]));
    EXPECT_EQ(w->puzzle().PlacedCount(), 0);
    EXPECT_TRUE(w->Picture1[5].Visible());
    EXPECT_EQ(centreColour(w->Picture2[3].image()), QColor(224, 224, 224));
    j.drag(5, j.centreOf(&w->Picture2[5]));
    EXPECT_EQ(w->puzzle().PlacedCount(), 1) << "its own cell takes it";
}

TEST(Frmpingtu2, AFinishedPictureSlidesAwayFor37TicksThenTheScoreRisesAndTheNextIsCut)
{
    Jigsaw j(0, 2);
    Frmpingtu2* w = j.w;
    j.place(1);
    j.place(0);
    EXPECT_EQ(j.m.sounds(), (QStringList{"pingturight", "pingturight", "win"}));
    EXPECT_TRUE(j.m.rewards().isEmpty()) << "the reward waits for the slide";
    EXPECT_TRUE(w->Picture3->Visible());
    EXPECT_FALSE(w->Picture1[0].Visible());
    EXPECT_FALSE(w->Picture2[0].Visible());
    EXPECT_FALSE(w->Picture1.exists(1)) << "the pieces are gone";
    ASSERT_TRUE(w->Timer2->isRunning());
    EXPECT_EQ(w->Timer2->Interval(), 100);

    int ticks = 0;
    for (; ticks < 100 && w->Timer2->isRunning(); ++ticks) {
        w->Timer2->fire();
        if (w->Timer2->isRunning()) {
            EXPECT_DOUBLE_EQ(w->Picture3->Left(), 432 - 5 * (ticks + 1));
            EXPECT_DOUBLE_EQ(w->Picture3->Top(), 48 + ticks + 1);
        }
    }
    EXPECT_EQ(ticks, 37);
    EXPECT_FALSE(w->Picture3->Visible());
    EXPECT_DOUBLE_EQ(w->Picture3->Left(), 432) << "home again";
    EXPECT_DOUBLE_EQ(w->Picture3->Top(), 48);
    EXPECT_EQ(j.m.rewards(), QStringList{"reward right"});
    EXPECT_EQ(w->PictureNumber, 2);
    EXPECT_TRUE(near(centreColour(w->Image2->Picture().toImage()), Qt::darkGreen));
    EXPECT_EQ(w->puzzle().PlacedCount(), 0);
    EXPECT_TRUE(w->Picture1[1].Visible());
    EXPECT_TRUE(near(centreColour(w->Picture1[1].image()), Qt::darkGreen));
}

TEST(Frmpingtu2, AfterTheLastPictureOfTheLessonTheFirstComesBack)
{
    Jigsaw j(0, 3);
    Frmpingtu2* w = j.w;
    const std::vector<QColor> expected{Qt::darkGreen, Qt::darkBlue, Qt::darkRed};
    for (const QColor& next : expected) {
        j.finish();
        EXPECT_TRUE(near(centreColour(w->Image2->Picture().toImage()), next));
        EXPECT_TRUE(near(centreColour(w->Picture1[0].image()), next));
    }
    EXPECT_EQ(j.m.fx.app.Score, 3);
}

TEST(Frmpingtu2, AnotherThumbnailChangesTheGridFromTheNextPictureOn)
{
    CognitionFixture m;
    m.setLesson(QStringLiteral("水果"), numbered(QStringLiteral("果"), 2));
    m.chooseLesson(QStringLiteral("水果"));
    auto* menu = m.open<FrmPingtuMenu>("FrmPingtuMenu");
    m.click(&menu->Picture1[0]);
    auto* w = m.fx.windows.find<Frmpingtu2>(QStringLiteral("Frmpingtu2"));
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->puzzle().PieceCount(), 2);

    // The menu lies under the puzzle: its thumbnail is clicked directly.
    QTest::mouseClick(&menu->Picture1[1], Qt::LeftButton);
    EXPECT_EQ(m.fx.windows.find<Frmpingtu2>(QStringLiteral("Frmpingtu2")), w) << "the same window";
    EXPECT_EQ(w->puzzle().PieceCount(), 2) << "the picture in hand keeps its grid";
    Jigsaw::finishIn(m, *w);
    EXPECT_EQ(w->puzzle().PieceCount(), 4);
    EXPECT_TRUE(w->Picture1[3].Visible());
}

TEST(Frmpingtu2, WithoutALessonTheWindowIsEmptyAndItsBackStillCloses)
{
    CognitionFixture m;
    m.fx.app.CurrentArea = QStringLiteral("认知"); // opened from the catalogue
    m.fx.app.ItemPictures[1] = QPixmap::fromImage(DataFixture::picture(Qt::red)); // left over
    auto* w = m.open<Frmpingtu2>("Frmpingtu2");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->pictureCount(), 0);
    EXPECT_FALSE(w->Picture1[0].Visible());
    EXPECT_FALSE(w->Picture2[0].Visible());
    EXPECT_TRUE(w->Image2->Picture().isNull()) << "nothing left over from another window";
    m.click(w->ImgBack);
    StageFixture::settle();
    EXPECT_EQ(m.fx.windows.find(QStringLiteral("Frmpingtu2")), nullptr);
}

TEST(Frmpingtu2, FromTheCatalogueTheLastLessonsPhotosAreReadAfresh)
{
    CognitionFixture m;
    m.setLesson(QStringLiteral("水果"), numbered(QStringLiteral("果"), 2));
    m.fx.app.CurrentArea = QStringLiteral("认知");
    m.fx.app.CurrentLesson = QStringLiteral("水果");
    m.fx.app.ItemPictures[1] =
        QPixmap::fromImage(DataFixture::picture(Qt::red)); // another window's
    auto* w = m.open<Frmpingtu2>("Frmpingtu2");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->pictureCount(), 2);
    EXPECT_EQ(m.itemShown(w->Image2->Picture()), "果1");
}

} // namespace
