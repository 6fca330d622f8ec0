// Picture boxes with persistent drawing, checked on the pixels of what the child sees:
// pictures painted and combined, text printed line by line, dots, lines, boxes, circles,
// clearing, resizing, and the paint bucket on lines the box drew itself.

#include "ui/PictureBox.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Stage.h"

#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Yellow = qRgb(255, 255, 0);
const QRgb Cyan = qRgb(0, 255, 255);

// Red, green / blue, yellow quarters.
QImage quarters(int side)
{
    QImage picture(side, side, QImage::Format_RGB32);
    const int half = side / 2;
    QPainter p(&picture);
    p.fillRect(0, 0, half, half, QColor(Red));
    p.fillRect(half, 0, side - half, half, QColor(Green));
    p.fillRect(0, half, half, side - half, QColor(Blue));
    p.fillRect(half, half, side - half, side - half, QColor(Yellow));
    return picture;
}

QImage solid(QRgb colour)
{
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

// Transparent on the left half, opaque blue on the right.
QImage halfTransparent()
{
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(2, 0, 2, 4, QColor(Blue));
    return picture;
}

class PictureBoxTest : public testing::Test {
protected:
    PictureBox* makeBox(const QString& name, int width, int height)
    {
        auto* made = form.make<PictureBox>(name);
        made->Move(0, 0, width, height);
        return made;
    }
    QRgb at(int x, int y) const { return box->image().pixel(x, y); }
    // The smallest rectangle that holds every pixel not of the background colour.
    QRect ink() const
    {
        const QImage& image = box->image();
        QRect found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != White) found |= QRect(x, y, 1, 1);
        return found;
    }

    Stage stage;
    Form form{stage, QStringLiteral("FrmTest"), ScaleUnit::Pixels};
    PictureBox* box = makeBox(QStringLiteral("Picture1"), 40, 40);
};

struct DrawCase {
    const char* name;
    std::function<void(PictureBox&)> draw;
    std::vector<std::pair<QPoint, QRgb>> pixels;
    // Drawn without antialiasing: the image holds no colour but white and those expected.
    bool crisp;
};

void PrintTo(const DrawCase& c, std::ostream* out)
{
    *out << c.name;
}

class DrawOperations : public PictureBoxTest, public testing::WithParamInterface<DrawCase> {};

TEST_P(DrawOperations, LeaveThesePixels)
{
    const DrawCase& c = GetParam();
    c.draw(*box);
    std::set<QRgb> colours{White};
    for (const auto& [point, colour] : c.pixels) {
        EXPECT_EQ(QColor(at(point.x(), point.y())), QColor(colour))
            << "at " << point.x() << ", " << point.y();
        colours.insert(colour);
    }
    if (!c.crisp) return;
    const QImage& image = box->image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(colours.count(image.pixel(x, y)))
                << "a blended pixel at " << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(
    Pixels, DrawOperations,
    testing::Values(
        DrawCase{"StretchedCopy",
                 [](PictureBox& b) { b.PaintPicture(quarters(4), 0, 0, 40, 40); },
                 {{{10, 10}, Red}, {{30, 10}, Green}, {{10, 30}, Blue}, {{30, 30}, Yellow}},
                 false},
        DrawCase{"StretchedCopyOfPartOfThePicture",
                 [](PictureBox& b) {
                     b.PaintPicture(quarters(4), 10, 10, 20, 20, {2, 0, 2, 2});
                 },
                 {{{10, 10}, Green}, {{29, 29}, Green}, {{9, 9}, White}, {{30, 30}, White}},
                 true},
        DrawCase{
            "AndOnWhiteShowsThePicture",
            [](PictureBox& b) { b.PaintPicture(quarters(4), 0, 0, 40, 40, {}, RasterOp::And); },
            {{{10, 10}, Red}, {{30, 10}, Green}, {{10, 30}, Blue}, {{30, 30}, Yellow}},
            false},
        DrawCase{
            "AndPartlyOffTheBox",
            [](PictureBox& b) { b.PaintPicture(quarters(4), 20, 20, 40, 40, {}, RasterOp::And); },
            {{{30, 30}, Red}, {{19, 19}, White}, {{30, 19}, White}},
            false},
        DrawCase{"AndKeepsBlackBlack",
                 [](PictureBox& b) {
                     b.Line(0, 0, 19, 39, Black, LineShape::FilledBox);
                     b.PaintPicture(quarters(4), 0, 0, 40, 40, {}, RasterOp::And);
                 },
                 {{{10, 10}, Black}, {{10, 30}, Black}, {{30, 10}, Green}, {{30, 30}, Yellow}},
                 false},
        DrawCase{"AndCombinesTheBits",
                 [](PictureBox& b) {
                     b.setBackColor(Yellow);
                     b.PaintPicture(solid(Cyan), 0, 0, 20, 40, {}, RasterOp::And);
                 },
                 {{{0, 0}, Green}, {{19, 39}, Green}, {{20, 0}, Yellow}},
                 true},
        DrawCase{"CopyKeepsWhatLiesUnderTransparentPixels",
                 [](PictureBox& b) {
                     b.setBackColor(Red);
                     b.PaintPicture(halfTransparent(), 0, 0, 40, 40);
                 },
                 {{{10, 20}, Red}, {{30, 20}, Blue}},
                 false},
        DrawCase{"AndLeavesTheImageUnderTransparentPixels",
                 [](PictureBox& b) {
                     b.setBackColor(Red);
                     b.PaintPicture(halfTransparent(), 0, 0, 40, 40, {}, RasterOp::And);
                 },
                 {{{10, 20}, Red}, {{30, 20}, Black}},
                 false},
        DrawCase{"PSetOnePixel",
                 [](PictureBox& b) { b.PSet(3, 4, Red); },
                 {{{3, 4}, Red}, {{4, 4}, White}, {{3, 5}, White}},
                 true},
        DrawCase{"PSetADotOfTheDrawWidth",
                 [](PictureBox& b) {
                     b.setDrawWidth(5);
                     b.PSet(20, 20, Red);
                 },
                 {{{20, 20}, Red},
                  {{22, 20}, Red},
                  {{20, 18}, Red},
                  {{18, 21}, Red},
                  {{23, 20}, White},
                  {{22, 22}, White}},
                 true},
        DrawCase{
            "LineIncludesBothEnds",
            [](PictureBox& b) { b.Line(2, 5, 10, 5, Blue); },
            {{{2, 5}, Blue}, {{10, 5}, Blue}, {{1, 5}, White}, {{11, 5}, White}, {{6, 4}, White}},
            true},
        DrawCase{"DiagonalLineInTheForeColor",
                 [](PictureBox& b) {
                     b.setForeColor(Red);
                     b.Line(0, 0, 39, 39);
                 },
                 {{{0, 0}, Red}, {{20, 20}, Red}, {{39, 39}, Red}, {{21, 20}, White}},
                 true},
        DrawCase{"LineOfTheDrawWidth",
                 [](PictureBox& b) {
                     b.setDrawWidth(3);
                     b.Line(5, 20, 35, 20, Red);
                 },
                 {{{20, 19}, Red}, {{20, 21}, Red}, {{20, 23}, White}},
                 true},
        DrawCase{"OnePointLine",
                 [](PictureBox& b) { b.Line(7, 7, 7, 7, Blue); },
                 {{{7, 7}, Blue}, {{8, 7}, White}, {{7, 8}, White}},
                 true},
        DrawCase{"BoxIsAnOutline",
                 [](PictureBox& b) { b.Line(5, 5, 30, 20, Blue, LineShape::Box); },
                 {{{5, 5}, Blue},
                  {{30, 5}, Blue},
                  {{5, 20}, Blue},
                  {{30, 20}, Blue},
                  {{17, 12}, White},
                  {{31, 20}, White},
                  {{30, 21}, White}},
                 true},
        DrawCase{"BoxTakesTheFillColorWhenSolid",
                 [](PictureBox& b) {
                     b.setFillStyle(ShapeFill::Solid);
                     b.setFillColor(Green);
                     b.Line(5, 5, 30, 20, Blue, LineShape::Box);
                 },
                 {{{5, 5}, Blue}, {{17, 12}, Green}, {{6, 6}, Green}, {{31, 12}, White}},
                 true},
        DrawCase{"FilledBoxFromAnyCorner",
                 [](PictureBox& b) { b.Line(30, 20, 5, 5, Blue, LineShape::FilledBox); },
                 {{{5, 5}, Blue},
                  {{30, 20}, Blue},
                  {{17, 12}, Blue},
                  {{31, 20}, White},
                  {{5, 21}, White}},
                 true},
        DrawCase{"CircleOutline",
                 [](PictureBox& b) { b.Circle(20, 20, 10, Blue); },
                 {{{20, 20}, White},
                  {{30, 20}, Blue},
                  {{10, 20}, Blue},
                  {{20, 10}, Blue},
                  {{20, 30}, Blue},
                  {{32, 20}, White},
                  {{20, 8}, White}},
                 true},
        DrawCase{"CircleFilledWhenSolid",
                 [](PictureBox& b) {
                     b.setFillStyle(ShapeFill::Solid);
                     b.setFillColor(Green);
                     b.Circle(20, 20, 10, Blue);
                 },
                 {{{20, 20}, Green}, {{27, 20}, Green}, {{30, 20}, Blue}, {{3, 3}, White}},
                 true}),
    [](const testing::TestParamInfo<DrawCase>& info) { return std::string(info.param.name); });

TEST_F(PictureBoxTest, PointReadsThePixelAndNothingOutsideTheBox)
{
    box->PSet(3, 3, Red);
    EXPECT_EQ(box->Point(3, 3), QColor(Red));
    EXPECT_EQ(box->Point(2.6, 3.4), QColor(Red)) << "coordinates round to whole pixels";
    EXPECT_EQ(box->Point(39, 39), QColor(White));
    for (const QPointF outside : {QPointF(-1, 0), QPointF(0, -1), QPointF(40, 0), QPointF(0, 40)})
        EXPECT_FALSE(box->Point(outside.x(), outside.y()).isValid());
    box->PSet(-1, 40, Red); // off the box: nothing happens
    EXPECT_EQ(ink(), QRect(3, 3, 1, 1));
}

TEST_F(PictureBoxTest, PenPositionFollowsTheDrawing)
{
    // The pencil of the drawing board and the line of the maze: a dot, then lines on from
    // wherever the last one ended.
    box->PSet(5, 5, Red);
    box->LineTo(15, 5, Red);
    box->LineTo(15, 15, Red);
    EXPECT_EQ(at(10, 5), Red);
    EXPECT_EQ(at(15, 10), Red);
    EXPECT_DOUBLE_EQ(box->CurrentX(), 15);
    EXPECT_DOUBLE_EQ(box->CurrentY(), 15);
}

TEST_F(PictureBoxTest, PrintWritesLineByLineInTheCurrentFont)
{
    // As the caption pictures are made: an empty line in one size as the top margin, then
    // the text in another, into a hidden copy of a designed box.
    ControlArray<PictureBox> captions(box);
    box->Move(0, 0, 400, 300);
    box->setFont(QStringLiteral("黑体"), 30, true);
    box->setForeColor(Blue);
    box = &captions.Load(1);
    ASSERT_FALSE(box->Visible());

    const int margin = box->TextHeight(QString());
    box->Print();
    EXPECT_DOUBLE_EQ(box->CurrentY(), margin);
    EXPECT_EQ(ink(), QRect()) << "an empty line draws nothing";

    box->setFontSize(60);
    const int line = box->TextHeight(QString());
    EXPECT_GT(line, margin);
    box->setCurrentX(50);
    box->Print(QStringLiteral("一二"));
    EXPECT_DOUBLE_EQ(box->CurrentX(), 0);
    EXPECT_DOUBLE_EQ(box->CurrentY(), margin + line);

    const QRect text = ink();
    EXPECT_GE(text.top(), margin);
    EXPECT_LT(text.bottom(), margin + line);
    EXPECT_GE(text.left(), 50);
    EXPECT_LE(text.right(), 50 + box->TextWidth(QStringLiteral("一二")));
    EXPECT_GT(text.width(), box->TextWidth(QStringLiteral("一")));
    bool foreColour = false;
    for (int x = text.left(); x <= text.right() && !foreColour; ++x)
        for (int y = text.top(); y <= text.bottom() && !foreColour; ++y)
            foreColour = at(x, y) == Blue;
    EXPECT_TRUE(foreColour) << "the text is drawn in the ForeColor";

    EXPECT_EQ(box->TextHeight(QStringLiteral("一\n二")), 2 * line);
}

TEST_F(PictureBoxTest, PrintLaysOutTheDesignedFacesAsDesigned)
{
    // A character printed at the top left of a tile of 97 pixels in 65-point 黑体 must lie
    // inside the tile: lines one em high, baseline at 0.859 em, as the designed face has.
    box->Move(0, 0, 97, 97);
    box->setFont(QStringLiteral("黑体"), 65, true);
    const int em = fontPixelSize(65);
    EXPECT_EQ(box->TextHeight(QString()), em);
    box->Print(QStringLiteral("字"));
    EXPECT_DOUBLE_EQ(box->CurrentY(), em);
    const QRect glyph = ink();
    EXPECT_GE(glyph.top(), 0);
    EXPECT_LT(glyph.bottom(), 96) << "the character is not cut off at the bottom of its tile";

    // A blank is half a character wide, so leading blanks move a short word to the middle.
    box->Cls();
    box->setFontSize(30);
    const int left = [&] {
        box->Print(QStringLiteral("字"));
        return ink().left();
    }();
    box->Cls();
    box->Print(QStringLiteral("  字"));
    EXPECT_NEAR(ink().left() - left, fontPixelSize(30), 1);
    EXPECT_EQ(box->TextWidth(QStringLiteral("  字")), 2 * fontPixelSize(30));

    // Other faces keep their own metrics.
    box->setFont(QStringLiteral("DejaVu Sans"), 20, false);
    EXPECT_EQ(box->TextHeight(QString()), QFontMetrics(box->font()).height());
}

TEST_F(PictureBoxTest, BitBltCopiesBetweenBoxesUnscaled)
{
    auto* source = makeBox(QStringLiteral("Picture2"), 8, 8);
    source->setPicture(quarters(8));

    BitBlt(*box, 10, 10, 8, 8, *source, 0, 0);
    EXPECT_EQ(at(10, 10), Red);
    EXPECT_EQ(at(17, 10), Green);
    EXPECT_EQ(at(10, 17), Blue);
    EXPECT_EQ(at(17, 17), Yellow);
    EXPECT_EQ(at(18, 18), White);
    EXPECT_EQ(at(9, 9), White);

    // A rectangle reaching past the source copies only what the source has.
    BitBlt(*box, 30, 30, 8, 8, *source, 4, 4);
    EXPECT_EQ(at(33, 33), Yellow);
    EXPECT_EQ(at(34, 34), White);

    // AND into a white box shows the picture, into black stays black.
    box->Line(0, 20, 3, 27, Black, LineShape::FilledBox);
    BitBlt(*box, 0, 20, 8, 8, *source, 0, 0, RasterOp::And);
    EXPECT_EQ(at(1, 21), Black);
    EXPECT_EQ(at(5, 21), Green);

    // Within one box.
    BitBlt(*box, 20, 0, 8, 8, *box, 10, 10);
    EXPECT_EQ(at(20, 0), Red);
    EXPECT_EQ(at(27, 7), Yellow);
}

TEST_F(PictureBoxTest, ClsAndANewBackColorDropTheDrawing)
{
    box->setPicture(quarters(4)); // natural size at the top left
    box->Line(0, 0, 39, 39, Blue);
    box->Print(QStringLiteral("一"));
    box->Cls();
    EXPECT_EQ(at(0, 0), Red);
    EXPECT_EQ(at(3, 3), Yellow);
    EXPECT_EQ(ink(), QRect(0, 0, 4, 4));
    EXPECT_DOUBLE_EQ(box->CurrentX(), 0);
    EXPECT_DOUBLE_EQ(box->CurrentY(), 0);

    box->Line(0, 0, 39, 39, Blue);
    box->setBackColor(Green);
    EXPECT_EQ(at(20, 20), Green);
    EXPECT_EQ(at(0, 0), Red);

    box->clearPicture();
    EXPECT_EQ(at(0, 0), Green);
}

TEST_F(PictureBoxTest, ResizingKeepsAStretchedPictureWhole)
{
    box->setStretch(true);
    box->setPicture(quarters(4));
    box->Move(0, 0, 20, 20);
    EXPECT_EQ(box->image().size(), QSize(20, 20));
    EXPECT_EQ(at(15, 15), Yellow);

    box->Move(0, 0, 40, 40); // as a window rescales its controls
    EXPECT_EQ(box->image().size(), QSize(40, 40));
    EXPECT_EQ(at(10, 10), Red);
    EXPECT_EQ(at(30, 10), Green);
    EXPECT_EQ(at(30, 30), Yellow);

    // Once drawn on, the drawing stays where it was and the new room shows the ground.
    box->PSet(1, 1, Black);
    box->Move(0, 0, 60, 60);
    EXPECT_EQ(box->image().size(), QSize(60, 60));
    EXPECT_EQ(at(1, 1), Black);
    EXPECT_EQ(at(35, 5), Green) << "the old image, 40 wide, at the top left";
    EXPECT_EQ(at(50, 50), Yellow);
}

TEST_F(PictureBoxTest, FloodFillStaysInsideLinesTheBoxDrew)
{
    // A triangle of slanted lines: the fill must not slip through between their steps.
    box->Line(5, 5, 35, 8, Black);
    box->LineTo(18, 36, Black);
    box->LineTo(5, 5, Black);
    box->setFillColor(Red);
    const QRect painted = box->FloodFill(18, 15, White, FloodMode::Surface);
    EXPECT_EQ(at(18, 15), Red);
    EXPECT_EQ(at(2, 2), White);
    EXPECT_EQ(at(38, 38), White);
    EXPECT_EQ(at(5, 5), Black);
    EXPECT_TRUE(QRect(5, 5, 31, 32).contains(painted));

    // Another colour on the coloured area, as the child recolours it.
    box->setFillColor(Blue);
    box->FloodFill(18, 15, box->Point(18, 15), FloodMode::Surface);
    EXPECT_EQ(at(18, 15), Blue);

    // The outside, bounded by the black lines.
    box->setFillColor(Green);
    box->FloodFill(0, 0, Black, FloodMode::Border);
    EXPECT_EQ(at(38, 38), Green);
    EXPECT_EQ(at(18, 15), Blue);
}

} // namespace
