// The colouring game: the palette, where an outline lies on the canvas, the fill of an area up
// to its lines, the pages and the one reward a page, and a missing outline.

#include "CognitionFixture.h"
#include "activities/cognition/ColouringBook.h"
#include "activities/cognition/FrmdrawColor.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

TEST(Palette, SixColumnsOfEightRowsWithoutPureBlack)
{
    struct Case {
        int swatch;
        QPoint place;
        QRgb colour;
    };
    for (const Case& c :
         {Case{0, {0, 0}, 0xFFFFFF}, Case{4, {4, 0}, 0x404040}, Case{47, {5, 0}, 0x001000},
          Case{5, {0, 1}, 0xFFC0C0}, Case{10, {5, 1}, 0x400000}, Case{25, {2, 4}, 0x00FF00},
          Case{46, {5, 7}, 0x400040}}) {
        EXPECT_EQ(Palette::place(c.swatch), c.place) << c.swatch;
        EXPECT_EQ(Palette::colour(c.swatch), 0xFF000000 | c.colour) << c.swatch;
    }
    QSet<QPoint> places;
    for (int k = 0; k < Palette::Swatches; ++k) {
        EXPECT_FALSE(isOutline(Palette::colour(k))) << k;
        places.insert(Palette::place(k));
    }
    EXPECT_EQ(places.size(), Palette::Swatches) << "every swatch has a place of its own";
}

TEST(OutlinePlacement, WidePicturesSpanTheWidthOthersTheHeightAndRunPastTheEdge)
{
    const QSizeF canvas(600, 400);
    const std::vector<std::pair<QSizeF, QRectF>> cases{
        {{100, 100}, {0, 0, 605, 405}},   // square: from the top left corner
        {{200, 100}, {0, 100, 610, 200}}, // wide: centred up and down
        {{100, 200}, {150, 0, 305, 405}}, // tall: centred across
        {{0, 0}, {}},
    };
    for (const auto& [picture, placed] : cases)
        EXPECT_EQ(OutlinePlacement(picture, canvas), placed)
            << picture.width() << "x" << picture.height();
}

TEST(ColouringBook, PagesWrapBothWaysAndEachPageIsFinishedOnce)
{
    ColouringBook book(3);
    EXPECT_EQ(book.PictureIndex(), 1);
    book.previous();
    EXPECT_EQ(book.PictureIndex(), 3);
    EXPECT_TRUE(book.finish());
    EXPECT_FALSE(book.finish());
    book.next();
    EXPECT_EQ(book.PictureIndex(), 1);
    EXPECT_TRUE(book.finish()) << "a new page can be finished again";
    ColouringBook empty;
    empty.next();
    EXPECT_EQ(empty.PictureIndex(), 1);
}

// A white page with a black square ring: the inside, the ring and the outside.
QImage ring(int inset = 20)
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(inset, inset, 100 - 2 * inset, 4, Qt::black);
    p.fillRect(inset, 96 - inset, 100 - 2 * inset, 4, Qt::black);
    p.fillRect(inset, inset, 4, 100 - 2 * inset, Qt::black);
    p.fillRect(96 - inset, inset, 4, 100 - 2 * inset, Qt::black);
    return image;
}

struct Colouring {
    explicit Colouring(const std::vector<std::pair<QString, QImage>>& pages = {
                           {QStringLiteral("方框"), ring()}, {QStringLiteral("小框"), ring(35)}})
    {
        m.setOutlines(pages);
        w = m.open<FrmdrawColor>("FrmdrawColor");
    }
    // Points of the canvas, in its pixels: the page is stretched over 692 x 686 of it.
    static constexpr QPoint Inside{343, 340};
    static constexpr QPoint Outside{40, 40};
    static constexpr QPoint OnTheRing{152, 340}; // x 22 of the page
    QColor at(QPoint p) const { return w->Picture1->image().pixelColor(p); }
    void pick(int swatch) { m.click(&w->Label1[swatch]); }
    void fillAt(QPoint p) { m.fx.clickAt(w->Picture1, p); }

    CognitionFixture m;
    FrmdrawColor* w = nullptr;
};

TEST(FrmdrawColor, ThePaletteThePageAndTheButtonsAsDesigned)
{
    Colouring c;
    FrmdrawColor* w = c.w;
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Label1.count(), 48);
    EXPECT_DOUBLE_EQ(w->Label1[47].Left(), 248);
    EXPECT_DOUBLE_EQ(w->Label1[47].Top(), 16);
    EXPECT_DOUBLE_EQ(w->Label1[46].Top(), 464);
    EXPECT_EQ(w->Label1[7].BackColor(), QColor(255, 0, 0));
    EXPECT_EQ(w->Command1->Caption(), QStringLiteral("确      定"));
    EXPECT_EQ(w->Command2->Caption(), QStringLiteral("<<上一张"));
    EXPECT_EQ(w->Command3->Caption(), QStringLiteral("下一张>>"));
    EXPECT_EQ(c.at(Colouring::Inside), QColor(Qt::white));
    EXPECT_EQ(c.at(Colouring::OnTheRing), QColor(Qt::black));
    EXPECT_EQ(c.at({686, 680}), QColor(Qt::white)) << "the page runs past the edge";
    const QImage& canvas = w->Picture1->image();
    for (int y = 0; y < canvas.height(); y += 7)
        for (int x = 0; x < canvas.width(); x += 7) {
            const QRgb p = canvas.pixel(x, y);
            ASSERT_TRUE(p == qRgb(255, 255, 255) || p == qRgb(0, 0, 0))
                << "hard outlines, no grey: " << x << "," << y;
        }
}

TEST(FrmdrawColor, AClickFillsExactlyTheAreaItIsInAndAnotherColourRecoloursIt)
{
    Colouring c;
    c.pick(7);
    EXPECT_EQ(c.w->Label2->BackColor(), QColor(255, 0, 0)) << "the chosen colour is shown";
    c.fillAt(Colouring::Inside);
    EXPECT_EQ(c.at(Colouring::Inside), QColor(255, 0, 0));
    EXPECT_EQ(c.at({200, 200}), QColor(255, 0, 0)) << "the whole inside";
    EXPECT_EQ(c.at(Colouring::Outside), QColor(Qt::white)) << "not past the lines";
    EXPECT_EQ(c.at(Colouring::OnTheRing), QColor(Qt::black));

    c.pick(37);
    c.fillAt({250, 250});
    EXPECT_EQ(c.at(Colouring::Inside), QColor(0, 0, 255));

    c.pick(47); // the darkest swatch is not black: its area can be coloured again
    c.fillAt(Colouring::Inside);
    EXPECT_EQ(c.at(Colouring::Inside), QColor(0, 16, 0));
    c.pick(19);
    c.fillAt(Colouring::Inside);
    EXPECT_EQ(c.at(Colouring::Inside), QColor(255, 255, 0));
    EXPECT_TRUE(c.m.sounds().isEmpty());
}

TEST(FrmdrawColor, TheLinesTheRightButtonAndTheDefaultWhiteChangeNothing)
{
    Colouring c;
    const QImage before = c.w->Picture1->image();
    c.fillAt(Colouring::Inside); // no swatch chosen yet: white on white
    c.pick(7);
    c.fillAt(Colouring::OnTheRing);
    QTest::mouseClick(c.m.fx.stage.windowHandle(), Qt::RightButton, {},
                      c.m.fx.onStage(c.w->Picture1, Colouring::Inside));
    EXPECT_EQ(c.w->Picture1->image(), before);
}

TEST(FrmdrawColor, OneRewardAPageAndTurningPagesWrapsAndForgetsTheFills)
{
    Colouring c;
    FrmdrawColor* w = c.w;
    c.pick(7);
    c.fillAt(Colouring::Inside);
    c.m.click(w->Command1);
    c.m.click(w->Command1);
    EXPECT_EQ(c.m.rewards(), QStringList{"reward right"});
    EXPECT_FALSE(w->Command1->Enabled());

    c.m.click(w->Command3);
    EXPECT_EQ(w->book().PictureIndex(), 2);
    EXPECT_TRUE(w->Command1->Enabled());
    EXPECT_EQ(c.at(Colouring::Inside), QColor(Qt::white)) << "the fill is gone";
    EXPECT_EQ(c.at({250, 250}), QColor(Qt::black)) << "the smaller ring of page 2";
    c.m.click(w->Command1);
    EXPECT_EQ(c.m.rewards().size(), 2);

    c.m.click(w->Command3);
    EXPECT_EQ(w->book().PictureIndex(), 1) << "after the last page the first";
    c.m.click(w->Command2);
    c.m.click(w->Command2);
    EXPECT_EQ(w->book().PictureIndex(), 1);
    EXPECT_EQ(c.at(Colouring::OnTheRing), QColor(Qt::black));
}

TEST(FrmdrawColor, AMissingOutlineIsReportedOnceAndLeavesAWhitePageThatStillFills)
{
    Colouring c({{QStringLiteral("方框"), ring()}, {QStringLiteral("不见了"), QImage()}});
    FrmdrawColor* w = c.w;
    ASSERT_NE(w, nullptr);
    for (int turn = 0; turn < 4; ++turn)
        c.m.click(w->Command3);
    c.m.click(w->Command3); // page 2 again
    EXPECT_EQ(w->book().PictureIndex(), 2);
    EXPECT_EQ(c.m.fx.services.warnings.filter(QStringLiteral("不见了")).size(), 1);
    EXPECT_EQ(c.at(Colouring::OnTheRing), QColor(Qt::white));
    c.pick(25);
    c.fillAt(Colouring::Inside);
    EXPECT_EQ(c.at(Colouring::OnTheRing), QColor(0, 255, 0)) << "the whole page is one area";
}

TEST(FrmdrawColor, WithoutABookTheCanvasStaysWhiteAndWorks)
{
    CognitionFixture m;
    auto* w = m.open<FrmdrawColor>("FrmdrawColor");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->book().pages(), 0);
    m.click(w->Command3);
    m.click(&w->Label1[13]);
    m.fx.clickAt(w->Picture1, {100, 100});
    EXPECT_EQ(w->Picture1->image().pixelColor(600, 600), QColor(255, 128, 0));
}

} // namespace
