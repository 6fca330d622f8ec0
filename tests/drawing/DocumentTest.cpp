// The drawing apart from the board: the pixels a history step keeps come back exactly, packed
// or not, a step holds only what changed, the steps are packed when the child pauses, and
// the history forgets its oldest steps beyond its budget.

#include "drawing/DrawingDocument.h"
#include "drawing/PixelPatch.h"

#include <QPainter>
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct PatchCase {
    const char* name;
    std::function<void(QImage&)> paint;
    QRect area;
};

void PrintTo(const PatchCase& c, std::ostream* out)
{
    *out << c.name;
}

class Patches : public testing::TestWithParam<PatchCase> {};

TEST_P(Patches, PutBackExactlyThePixelsTheyTook)
{
    const PatchCase c = GetParam();
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    c.paint(image);
    const QImage before = image.copy();
    PixelPatch patch(image, c.area);
    for (bool packed : {false, true}) {
        if (packed) patch.pack();
        QImage other(image.size(), QImage::Format_RGB32);
        other.fill(Qt::green);
        patch.putInto(other);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(other.pixel(x, y),
                          c.area.contains(x, y) ? before.pixel(x, y) : qRgb(0, 255, 0))
                    << x << ", " << y << (packed ? " packed" : " as taken");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Content, Patches,
    testing::Values(PatchCase{"OneColour", [](QImage&) {}, QRect(0, 0, 64, 48)},
                    PatchCase{"OnePixel", [](QImage& i) { i.setPixel(5, 5, qRgb(1, 2, 3)); },
                              QRect(5, 5, 1, 1)},
                    PatchCase{"RunsAcrossRows",
                              [](QImage& i) { QPainter(&i).fillRect(10, 10, 30, 20, Qt::red); },
                              QRect(5, 5, 40, 30)},
                    PatchCase{"ShortRunsOfOneTwoAndThree",
                              [](QImage& i) {
                                  for (int x = 0, n = 1; x + n < 64; x += n + n, n = n % 3 + 1)
                                      QPainter(&i).fillRect(x, 0, n, 48, Qt::blue);
                              },
                              QRect(0, 0, 64, 48)},
                    PatchCase{"Noise",
                              [](QImage& i) {
                                  QRandomGenerator random(3);
                                  for (int y = 0; y < i.height(); ++y)
                                      for (int x = 0; x < i.width(); ++x)
                                          i.setPixel(x, y, random.generate() | 0xff000000u);
                              },
                              QRect(3, 7, 50, 33)}));

TEST(Patches, PackAreasOfOneColourInAFewBytesAndNoiseNearItsSize)
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(Qt::white);
    PixelPatch white(image, image.rect());
    EXPECT_GT(white.bytes(), 1920u * 1080u * 4u) << "as they are until packed";
    white.pack();
    EXPECT_LT(white.bytes(), 100u);
    QRandomGenerator random(5);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            image.setPixel(x, y, random.generate() | 0xff000000u);
    PixelPatch noise(image, QRect(0, 0, 100, 100));
    noise.pack();
    EXPECT_LT(noise.bytes(), 100u * 100u * 4u * 11 / 10);
}

void paintBox(DrawingDocument& d, const QRect& r, QColor colour)
{
    QPainter(&d.pixels()).fillRect(r, colour);
    d.changed(r);
}

TEST(DrawingDocument, UndoAndRedoStepThroughTheStrokes)
{
    DrawingDocument d(QSize(100, 80));
    const QImage blank = d.image().copy();
    paintBox(d, QRect(10, 10, 20, 20), Qt::red);
    d.commitStep();
    const QImage one = d.image().copy();
    paintBox(d, QRect(20, 20, 40, 40), Qt::blue);
    paintBox(d, QRect(0, 70, 5, 5), Qt::blue); // the same stroke
    d.commitStep();
    const QImage two = d.image().copy();

    EXPECT_EQ(d.undoSteps(), 2);
    EXPECT_TRUE(d.undo());
    EXPECT_EQ(d.image(), one);
    EXPECT_TRUE(d.undo());
    EXPECT_EQ(d.image(), blank);
    EXPECT_FALSE(d.undo());
    EXPECT_TRUE(d.redo());
    EXPECT_TRUE(d.redo());
    EXPECT_EQ(d.image(), two);
    EXPECT_FALSE(d.redo());

    EXPECT_TRUE(d.undo());
    paintBox(d, QRect(50, 50, 5, 5), Qt::green);
    EXPECT_TRUE(d.undo()) << "undo finishes the stroke in progress first";
    EXPECT_EQ(d.image(), one);
    EXPECT_EQ(d.redoSteps(), 1) << "the new stroke replaced what was taken back";
}

TEST(DrawingDocument, AStrokeThatChangedNothingIsNoStep)
{
    DrawingDocument d(QSize(200, 200));
    paintBox(d, QRect(0, 0, 200, 200), Qt::white); // drawn over, but nothing changed
    d.commitStep();
    EXPECT_EQ(d.undoSteps(), 0);
    paintBox(d, QRect(0, 0, 200, 200), Qt::white);
    d.pixels().setPixel(150, 40, qRgb(0, 0, 0));
    d.commitStep();
    EXPECT_EQ(d.undoSteps(), 1);
    d.packSteps();
    EXPECT_LT(d.historyBytes(), 200u) << "packed, a large stroke that changed little is small";
}

TEST(DrawingDocument, PacksItsStepsWhenTheChildPauses)
{
    DrawingDocument d(QSize(1920, 1080));
    paintBox(d, QRect(0, 0, 1920, 1080), Qt::red);
    d.commitStep();
    EXPECT_GT(d.historyBytes(), 1920u * 1080u * 4u) << "kept as drawn, at once";
    EXPECT_TRUE(d.packingDue());
    d.packSteps();
    EXPECT_LT(d.historyBytes(), 200u);
    EXPECT_TRUE(d.undo());
    EXPECT_EQ(d.image().pixel(1000, 500), qRgb(255, 255, 255));
}

TEST(DrawingDocument, ForgetsTheOldestStepsBeyondItsBudget)
{
    // Each step replaces 100 x 100 pixels of noise: about 40 KB a step.
    DrawingDocument d(QSize(100, 100), Qt::white, 200 * 1024);
    QRandomGenerator random(9);
    std::vector<QImage> states{d.image().copy()};
    for (int step = 0; step < 12; ++step) {
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                d.pixels().setPixel(x, y, random.generate() | 0xff000000u);
        d.changed(QRect(0, 0, 100, 100));
        d.commitStep();
        states.push_back(d.image().copy());
    }
    EXPECT_LE(d.historyBytes(), 200u * 1024u);
    const int kept = d.undoSteps();
    EXPECT_GE(kept, 3);
    EXPECT_LT(kept, 12);
    for (int k = 0; k < kept; ++k)
        ASSERT_TRUE(d.undo());
    EXPECT_EQ(d.image(), states[std::size_t(12 - kept)]) << "the newest steps are the ones kept";
    EXPECT_FALSE(d.undo());
}

TEST(DrawingDocument, ClearIsOneStepThatUndoTakesBack)
{
    DrawingDocument d(QSize(50, 50));
    paintBox(d, QRect(5, 5, 10, 10), Qt::red);
    const QImage drawn = d.image().copy();
    d.clear(Qt::white);
    EXPECT_EQ(d.undoSteps(), 2);
    EXPECT_EQ(d.image().pixel(7, 7), qRgb(255, 255, 255));
    d.undo();
    EXPECT_EQ(d.image(), drawn);
}

} // namespace
