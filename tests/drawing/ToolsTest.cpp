// Every tool of the tool box through the child's mouse on the canvas: what its choice shows,
// what a press, a drag and a release draw with either button, and the marks over the canvas
// that never become part of the drawing.

#include "BoardFixture.h"
#include "drawing/FlowTools.h"
#include "drawing/PolygonTool.h"

#include <gtest/gtest.h>

namespace {

struct ChoiceCase {
    const char* name;
    int hotspot;
    ToolNumber tool;
    Frame* FrmDrawplat::*panel; // null: none
    bool footprintAfterEraser;  // Shape1 still shown when chosen after the eraser
};

void PrintTo(const ChoiceCase& c, std::ostream* out)
{
    *out << c.name;
}

class ChoosingATool : public testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoosingATool, SetsTheToolMarksItsHotspotAndShowsItsOptions)
{
    const ChoiceCase c = GetParam();
    BoardFixture b;
    b.chooseTool(Hotspot::Eraser);
    ASSERT_TRUE(b.canvas().Shape1->Visible());
    b.chooseTool(c.hotspot);
    EXPECT_EQ(b.board->state.Tool, c.tool);
    b.toolBox().Label4.forEach(
        [&](int i, const Label& spot) { EXPECT_EQ(spot.border(), i == c.hotspot) << i; });
    for (Frame* FrmDrawplat::*panel :
         {&FrmDrawplat::Frame1, &FrmDrawplat::Frame2, &FrmDrawplat::Frame4, &FrmDrawplat::Frame5,
          &FrmDrawplat::Frame6})
        EXPECT_EQ((b.toolBox().*panel)->Visible(), panel == c.panel)
            << qPrintable((b.toolBox().*panel)->name());
    EXPECT_EQ(b.canvas().Shape1->Visible(), c.footprintAfterEraser);
    EXPECT_EQ(b.canvas().marqueeShown(), c.tool == ToolNumber::Select);
}

INSTANTIATE_TEST_SUITE_P(
    ToolBox, ChoosingATool,
    testing::Values(
        ChoiceCase{"FreeFormSelect", Hotspot::FreeFormSelect, ToolNumber::FreeFormSelect, nullptr,
                   true},
        ChoiceCase{"Select", Hotspot::Select, ToolNumber::Select, nullptr, false},
        ChoiceCase{"Eraser", Hotspot::Eraser, ToolNumber::Eraser, &FrmDrawplat::Frame4, true},
        ChoiceCase{"Fill", Hotspot::Fill, ToolNumber::Fill, nullptr, false},
        ChoiceCase{"PickColour", Hotspot::PickColour, ToolNumber::PickColour, nullptr, false},
        ChoiceCase{"Pencil", Hotspot::Pencil, ToolNumber::Pencil, nullptr, false},
        ChoiceCase{"Brush", Hotspot::Brush, ToolNumber::Brush, &FrmDrawplat::Frame6, true},
        ChoiceCase{"Spray", Hotspot::Spray, ToolNumber::Spray, &FrmDrawplat::Frame1, true},
        ChoiceCase{"Line", Hotspot::Line, ToolNumber::Line, &FrmDrawplat::Frame5, false},
        ChoiceCase{"Curve", Hotspot::Curve, ToolNumber::Line, &FrmDrawplat::Frame5, false},
        ChoiceCase{"Rectangle", Hotspot::Rectangle, ToolNumber::Rectangle, &FrmDrawplat::Frame2,
                   false},
        ChoiceCase{"Polygon", Hotspot::Polygon, ToolNumber::Polygon, &FrmDrawplat::Frame2, false},
        ChoiceCase{"RoundedRectangle", Hotspot::RoundedRectangle, ToolNumber::RoundedRectangle,
                   &FrmDrawplat::Frame2, false}));

TEST(ToolBox, DisabledHotspotsAndTheEmptyCellChooseNothing)
{
    BoardFixture b;
    b.chooseTool(Hotspot::Brush);
    b.chooseTool(Hotspot::Magnifier);
    b.chooseTool(Hotspot::Text);
    b.fx.clickAt(b.toolBox().Image2, QPoint(20, 470)); // the cell at 120, 6960
    EXPECT_EQ(b.board->state.Tool, ToolNumber::Brush);
    EXPECT_TRUE(b.toolBox().Label4[Hotspot::Brush].border());
    EXPECT_TRUE(b.toolBox().Frame6->Visible());
}

struct DotCase {
    const char* name;
    int hotspot;
    bool dots;
};

void PrintTo(const DotCase& c, std::ostream* out)
{
    *out << c.name;
}

class PressDot : public testing::TestWithParam<DotCase> {};

// With a blue secondary colour the dot is seen; by default it is white on white.
TEST_P(PressDot, IsSetInTheSecondaryColourByMostTools)
{
    const DotCase c = GetParam();
    BoardFixture b;
    b.useColours(RedCell, BlueCell);
    b.chooseTool(c.hotspot);
    b.press({200, 200}, Qt::RightButton);
    EXPECT_EQ(b.pixel(200, 200) == Blue, c.dots);
    b.release({200, 200}, Qt::RightButton);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, PressDot,
    testing::Values(
        DotCase{"Pencil", Hotspot::Pencil, true}, DotCase{"Brush", Hotspot::Brush, true},
        DotCase{"Eraser", Hotspot::Eraser, true}, DotCase{"Line", Hotspot::Line, true},
        DotCase{"Polygon", Hotspot::Polygon, true}, DotCase{"Rectangle", Hotspot::Rectangle, true},
        DotCase{"Select", Hotspot::Select, true}, DotCase{"PickColour", Hotspot::PickColour, true},
        DotCase{"RoundedRectangle", Hotspot::RoundedRectangle, true},
        DotCase{"Fill", Hotspot::Fill, false}, DotCase{"Spray", Hotspot::Spray, false},
        DotCase{"FreeFormSelect", Hotspot::FreeFormSelect, false}));

TEST(Pencil, AClickLeavesOneInvisibleDotAndADragDrawsInTheButtonsColour)
{
    BoardFixture b;
    b.click({40, 40});
    EXPECT_EQ(b.inkCount(), 0) << "a white dot on the white canvas";

    b.useColours(RedCell, BlueCell);
    b.drag({{10, 10}, {30, 10}, {30, 30}});
    EXPECT_EQ(b.pixel(20, 10), Red);
    EXPECT_EQ(b.pixel(30, 20), Red);
    EXPECT_EQ(b.pixel(10, 10), Red) << "the line starts at the press, over its dot";
    b.drag({{100, 10}, {150, 10}}, Qt::RightButton);
    EXPECT_EQ(b.pixel(125, 10), Blue);

    b.chooseTool(Hotspot::Line); // its widths serve the pencil too
    b.clickOption(b.toolBox().Label1, 4);
    b.chooseTool(Hotspot::Pencil);
    b.drag({{10, 100}, {60, 100}});
    EXPECT_EQ(b.pixel(35, 98), Red);
    EXPECT_EQ(b.pixel(35, 102), Red);
}

TEST(Eraser, PaintsItsSquareInTheOtherButtonsColourAndFollowsThePointer)
{
    BoardFixture b;
    b.useColours(RedCell, BlueCell);
    b.chooseTool(Hotspot::Eraser);
    b.clickOption(b.toolBox().Label6, 3);
    const QRectF square = b.canvas().footprint();
    EXPECT_NEAR(square.width(), 555.0 / 17, 0.01);
    EXPECT_TRUE(b.toolBox().Label6[3].border());

    b.moveTo({300, 200});
    EXPECT_EQ(b.canvas().footprint().topLeft(), QPointF(300, 200)) << "no button held";
    EXPECT_TRUE(b.canvas().Shape1->Visible());
    EXPECT_EQ(b.inkCount(), 0);

    b.drag({{100, 100}, {110, 100}});
    EXPECT_EQ(b.pixel(125, 115), Blue) << "left: the secondary colour";
    b.drag({{100, 300}, {110, 300}}, Qt::RightButton);
    EXPECT_EQ(b.pixel(125, 315), Red) << "right: the primary colour";
    EXPECT_EQ(b.pixel(145, 315), White) << "no further than the square";
}

struct BrushCase {
    const char* name;
    int shape;
    std::vector<QPoint> painted; // relative to the pointer
    std::vector<QPoint> untouched;
    QLineF line6;
};

void PrintTo(const BrushCase& c, std::ostream* out)
{
    *out << c.name;
}

class BrushShapes : public testing::TestWithParam<BrushCase> {};

TEST_P(BrushShapes, MarkEveryMoveInTheButtonsColour)
{
    const BrushCase c = GetParam();
    BoardFixture b;
    b.pressCell(RedCell);
    b.chooseTool(Hotspot::Brush);
    b.clickOption(b.toolBox().Label2, c.shape);
    EXPECT_TRUE(b.toolBox().Label2[c.shape].border());
    const QPoint at(200, 200);
    b.press(QPoint(10, 10));
    b.moveTo(at);
    for (const QPoint& d : c.painted)
        EXPECT_EQ(b.pixel(at.x() + d.x(), at.y() + d.y()), Red) << d.x() << "," << d.y();
    for (const QPoint& d : c.untouched)
        EXPECT_EQ(b.pixel(at.x() + d.x(), at.y() + d.y()), White) << d.x() << "," << d.y();
    EXPECT_TRUE(b.canvas().Line6->Visible());
    EXPECT_EQ(QLineF(b.canvas().Line6->X1(), b.canvas().Line6->Y1(), b.canvas().Line6->X2(),
                     b.canvas().Line6->Y2()),
              QLineF(c.line6.p1() * 15, c.line6.p2() * 15).translated(QPointF(at) * 15));
    b.release(at);
    EXPECT_EQ(b.picture().FillStyle(), ShapeFill::Transparent) << "hollow again after a mark";
}

INSTANTIATE_TEST_SUITE_P(
    Marks, BrushShapes,
    testing::Values(
        BrushCase{"LargeDot", 1, {{0, 0}, {4, 0}, {0, -4}}, {{6, 0}, {5, 5}}, {{0, 0}, {9, 9}}},
        BrushCase{"SmallDot", 3, {{0, 0}, {1, 0}}, {{3, 0}}, {{0, 0}, {3, 3}}},
        BrushCase{"MiddleSquare", 5, {{0, 0}, {6, 6}, {6, 0}}, {{7, 7}, {-1, 0}}, {{0, 0}, {6, 6}}},
        BrushCase{
            "RisingStroke8", 8, {{0, -6}, {-3, -3}, {-6, 0}}, {{0, 0}, {3, 3}}, {{0, -6}, {-6, 0}}},
        BrushCase{"FallingStroke11",
                  11,
                  {{0, 0}, {3, 3}, {6, 6}},
                  {{7, 7}, {-1, -1}},
                  {{0, 0}, {6, 6}}}));

TEST(Brush, AfterAMarkTheRectangleDrawsNoInsideUntilAFillStyleIsChosenAgain)
{
    BoardFixture b;
    b.useColours(RedCell, BlueCell);
    b.chooseTool(Hotspot::Rectangle);
    b.clickOption(b.toolBox().Label5, 1); // outline and fill
    b.chooseTool(Hotspot::Brush);
    b.clickOption(b.toolBox().Label2, 1); // the option index is 1 again, as for outline and fill
    b.drag({{500, 500}, {510, 500}});
    b.chooseTool(Hotspot::Rectangle);
    b.drag({{100, 100}, {150, 140}, {200, 180}});
    EXPECT_EQ(b.pixel(100, 140), Red);
    EXPECT_EQ(b.pixel(150, 140), White) << "the brush left the fill style transparent";
}

TEST(Spray, SpraysFromPressToReleaseAroundThePointer)
{
    BoardFixture b;
    b.pressCell(RedCell);
    b.chooseTool(Hotspot::Spray);
    EXPECT_FALSE(b.canvas().Timer1->Enabled());
    b.press({300, 300}, Qt::RightButton);
    EXPECT_TRUE(b.canvas().Timer1->Enabled());
    EXPECT_EQ(b.canvas().Timer1->Interval(), 1);
    b.canvas().Timer1->fire();
    EXPECT_EQ(b.pixel(300, 300), Red) << "the right button sprays the primary colour too";
    b.moveTo({350, 300});
    auto& spray = static_cast<Spray&>(*b.canvas().tool(ToolNumber::Spray));
    EXPECT_EQ(spray.SprayX(), 300) << "only the left button moves the spray";
    b.release({350, 300}, Qt::RightButton);
    EXPECT_FALSE(b.canvas().Timer1->Enabled());

    b.press({100, 100});
    b.moveTo({120, 140});
    EXPECT_EQ(spray.SprayX(), 120);
    EXPECT_EQ(spray.SprayY(), 140);
    b.press({120, 140}, Qt::MiddleButton);
    b.release({120, 140}, Qt::MiddleButton);
    EXPECT_FALSE(b.canvas().Timer1->Enabled()) << "any release stops it";
    b.release({120, 140});
}

struct SprayCase {
    const char* name;
    int option;
    double factor;
    int reach; // the farthest a dot lands from the centre, each way
};

void PrintTo(const SprayCase& c, std::ostream* out)
{
    *out << c.name;
}

class SpraySizes : public testing::TestWithParam<SprayCase> {};

TEST_P(SpraySizes, SpreadTheDotsAsFarAsTheSizeSays)
{
    const SprayCase c = GetParam();
    BoardFixture b;
    b.chooseTool(Hotspot::Spray);
    b.clickOption(b.toolBox().Label5, c.option);
    EXPECT_EQ(b.board->state.SprayFactor, c.factor);
    b.press({300, 300});
    // The farthest every draw can reach.
    b.fx.services.uniforms.assign(2 * 441, 0.9999);
    b.canvas().Timer1->fire();
    b.release({300, 300});
    EXPECT_EQ(b.ink(),
              QRect(QPoint(300 - c.reach, 300 - c.reach), QPoint(300 + c.reach, 300 + c.reach)));
}

INSTANTIATE_TEST_SUITE_P(Options, SpraySizes,
                         testing::Values(SprayCase{"Smallest", 3, 1, 10},
                                         SprayCase{"Middle", 4, 2, 20},
                                         SprayCase{"LargestSampleSmallestSpread", 5, 0.5, 5}));

TEST(LineTool, ShowsItsRubberBandAndDrawsOnReleaseInTheButtonsColour)
{
    BoardFixture b;
    b.useColours(RedCell, BlueCell);
    b.chooseTool(Hotspot::Line);
    b.clickOption(b.toolBox().Label1, 2);
    EXPECT_EQ(b.canvas().Line1->LineWidth(), 3);
    EXPECT_EQ(b.picture().DrawWidth(), 3);

    b.press({100, 100});
    b.moveTo({200, 150});
    EXPECT_TRUE(b.canvas().Line1->Visible());
    EXPECT_EQ(b.canvas().Line1->X2(), 200 * 15);
    EXPECT_EQ(b.pixel(150, 125), White) << "the band is not in the drawing";
    b.release({200, 150});
    EXPECT_FALSE(b.canvas().Line1->Visible());
    EXPECT_EQ(b.pixel(150, 125), Red);

    b.drag({{100, 300}, {200, 300}}, Qt::RightButton);
    EXPECT_EQ(b.pixel(150, 300), Blue);

    b.press({100, 400}, Qt::MiddleButton);
    b.release({200, 400}, Qt::MiddleButton);
    EXPECT_EQ(b.pixel(150, 400), White) << "the middle button draws no line";
}

struct RectangleCase {
    const char* name;
    int hotspot;
    int option; // -1: none chosen
    Qt::MouseButton button;
    QRgb outline;
    QRgb inside;
};

void PrintTo(const RectangleCase& c, std::ostream* out)
{
    *out << c.name;
}

class Rectangles : public testing::TestWithParam<RectangleCase> {};

TEST_P(Rectangles, DrawTheOutlineAndInsideTheFillStyleSays)
{
    const RectangleCase c = GetParam();
    BoardFixture b;
    b.useColours(RedCell, BlueCell);
    b.chooseTool(c.hotspot);
    if (c.option >= 0) b.clickOption(b.toolBox().Label5, c.option);
    b.press({100, 100}, c.button);
    b.moveTo({150, 130});
    b.moveTo({200, 160});
    EXPECT_TRUE(b.canvas().Shape2->Visible());
    EXPECT_EQ(b.canvas().Shape2->geometry(), QRect(100, 100, 100, 60));
    const bool left = c.button == Qt::LeftButton;
    EXPECT_EQ(b.canvas().Shape2->BorderColor(), QColor(left ? Red : Blue));
    EXPECT_EQ(b.canvas().Shape2->FillColor(), QColor(left ? Blue : Red));
    EXPECT_EQ(b.canvas().Shape2->FillStyle(),
              c.option >= 1 ? ShapeFill::Solid : ShapeFill::Transparent);
    EXPECT_EQ(b.pixel(150, 100), White) << "the band is not in the drawing";
    b.release({200, 160}, c.button);
    EXPECT_FALSE(b.canvas().Shape2->Visible());
    EXPECT_EQ(b.pixel(150, 100), c.outline) << "top edge";
    EXPECT_EQ(b.pixel(200, 130), c.outline) << "right edge, through the release point";
    EXPECT_EQ(b.pixel(150, 130), c.inside);
}

INSTANTIATE_TEST_SUITE_P(
    FillStyles, Rectangles,
    testing::Values(
        RectangleCase{"AtStartOnlyTheOutline", Hotspot::Rectangle, -1, Qt::LeftButton, Red, White},
        RectangleCase{"OutlineOnly", Hotspot::Rectangle, 0, Qt::LeftButton, Red, White},
        RectangleCase{"OutlineAndFill", Hotspot::Rectangle, 1, Qt::LeftButton, Red, Blue},
        RectangleCase{"FillOnly", Hotspot::Rectangle, 2, Qt::LeftButton, Blue, Blue},
        RectangleCase{"OutlineRight", Hotspot::Rectangle, 0, Qt::RightButton, Blue, White},
        RectangleCase{"OutlineAndFillRight", Hotspot::Rectangle, 1, Qt::RightButton, Blue, Red},
        RectangleCase{"FillOnlyRight", Hotspot::Rectangle, 2, Qt::RightButton, Red, Red},
        RectangleCase{"RoundedOutlineAndFill", Hotspot::RoundedRectangle, 1, Qt::LeftButton, Red,
                      Blue}));

TEST(Rectangles, RoundedCornersLeaveTheCornerPixelsAlone)
{
    BoardFixture b;
    b.chooseTool(Hotspot::RoundedRectangle);
    b.drag({{100, 100}, {200, 160}});
    EXPECT_EQ(b.pixel(100, 100), White);
    EXPECT_EQ(b.pixel(200, 160), White);
    EXPECT_EQ(b.pixel(150, 100), Black);
    EXPECT_EQ(b.canvas().Shape2->kind(), Shape::Kind::RoundedRectangle);
}

TEST(Rectangles, AfterABrushShapeOrSpraySizeTheReleaseDrawsNothingAndTheBandStays)
{
    BoardFixture b;
    b.chooseTool(Hotspot::Brush);
    b.clickOption(b.toolBox().Label2, 7);
    b.chooseTool(Hotspot::Rectangle);
    b.drag({{100, 100}, {150, 130}, {200, 160}});
    EXPECT_EQ(b.inkCount(), 0);
    EXPECT_TRUE(b.canvas().Shape2->Visible());
}

TEST(Fill, TheLeftReleaseFillsTheAreaOfOneColourTheRightNothing)
{
    BoardFixture b;
    b.chooseTool(Hotspot::Rectangle);
    b.drag({{100, 100}, {200, 160}});
    b.useColours(RedCell, BlueCell);
    b.chooseTool(Hotspot::Fill);
    b.click({150, 130}, Qt::RightButton);
    EXPECT_EQ(b.pixel(150, 130), White);
    b.click({150, 130});
    EXPECT_EQ(b.pixel(150, 130), Red);
    EXPECT_EQ(b.pixel(101, 101), Red);
    EXPECT_EQ(b.pixel(100, 100), Black) << "the outline bounds it";
    EXPECT_EQ(b.pixel(50, 50), White) << "outside stays";

    b.click({150, 130});
    EXPECT_EQ(b.pixel(150, 130), Red) << "red on red changes nothing";
}

TEST(PickColour, ThePreviewFollowsThePointerAndTheReleaseSetsTheSwatch)
{
    BoardFixture b;
    b.pressCell(RedCell);
    b.drag({{10, 10}, {60, 10}});
    b.pressCell(BlueCell);
    b.drag({{10, 30}, {60, 30}});
    b.chooseTool(Hotspot::PickColour);

    b.moveTo({30, 10});
    EXPECT_EQ(b.colours().Picture9->BackColor(), QColor(Red)) << "without a button";
    b.press({30, 30});
    b.moveTo({30, 10});
    b.release({30, 10});
    EXPECT_EQ(b.colours().Picture11->BackColor(), QColor(Red)) << "the pixel last passed over";
    b.drag({{200, 200}, {40, 30}}, Qt::RightButton);
    EXPECT_EQ(b.colours().Picture10->BackColor(), QColor(Blue));
    EXPECT_EQ(b.board->state.SecondaryColour, QColor(White)) << "read at the next press";
}

TEST(Polygon, LeftPressesAddEdgesAndTheRightReleaseClosesAndFillsIt)
{
    BoardFixture b;
    b.useColours(RedCell, BlueCell);
    b.chooseTool(Hotspot::Polygon);
    b.clickOption(b.toolBox().Label5, 1);
    PolygonTool& polygon = b.canvas().polygon();
    b.click({100, 100});
    b.click({200, 100});
    EXPECT_EQ(b.pixel(150, 100), Red) << "the edge from the vertex before";
    b.click({200, 200});
    EXPECT_EQ(polygon.PolygonCount(), 3);
    EXPECT_EQ(b.pixel(175, 150), White) << "nothing inside yet";
    b.click({20, 20}, Qt::RightButton);
    EXPECT_EQ(polygon.PolygonCount(), 0);
    EXPECT_EQ(b.pixel(150, 150), Red) << "the closing edge";
    EXPECT_EQ(b.pixel(180, 130), Blue) << "the inside";

    b.click({20, 20}, Qt::RightButton);
    EXPECT_EQ(polygon.PolygonCount(), 0);
    EXPECT_EQ(b.pixel(50, 50), White) << "no vertex, nothing painted";
}

TEST(Polygon, ChoosingTheToolAgainDropsAnUnfinishedPolygonButKeepsItsEdges)
{
    BoardFixture b;
    b.chooseTool(Hotspot::Polygon);
    b.click({100, 100});
    b.click({200, 100});
    b.chooseTool(Hotspot::Polygon);
    EXPECT_EQ(b.canvas().polygon().PolygonCount(), 0);
    EXPECT_EQ(b.pixel(150, 100), Black);
}

TEST(Polygon, The51stVertexClosesThePolygonAndTheProgramGoesOn)
{
    BoardFixture b;
    b.chooseTool(Hotspot::Polygon);
    PolygonTool& polygon = b.canvas().polygon();
    for (int k = 0; k < PolygonTool::MaxVertices - 1; ++k)
        b.click({100 + k * 5, k % 2 ? 100 : 120});
    EXPECT_EQ(polygon.PolygonCount(), 50);
    EXPECT_EQ(b.pixel(100, 110), White);
    b.click({400, 300});
    EXPECT_EQ(polygon.PolygonCount(), 0) << "closed at once";
    EXPECT_EQ(b.pixel(250, 210), Black) << "the closing edge back to the first vertex";
    EXPECT_TRUE(b.fx.services.quitStatuses.empty());
    b.click({10, 10});
    EXPECT_EQ(polygon.PolygonCount(), 1) << "the next press starts a new polygon";
}

TEST(Select, ShowsOnlyItsMarquee)
{
    BoardFixture b;
    b.chooseTool(Hotspot::Select);
    EXPECT_TRUE(b.canvas().marqueeShown());
    EXPECT_EQ(b.canvas().Line2->X1(), 0);
    b.press({100, 100});
    b.moveTo({200, 150});
    EXPECT_EQ(QPointF(b.canvas().Line3->X2(), b.canvas().Line3->Y2()), QPointF(3000, 2250));
    b.release({200, 150});
    EXPECT_EQ(b.inkCount(), 0);
    b.chooseTool(Hotspot::Pencil);
    EXPECT_FALSE(b.canvas().marqueeShown());
}

TEST(Marks, NeverBecomePartOfTheSavedDrawing)
{
    BoardFixture b;
    b.chooseTool(Hotspot::Brush);
    b.clickOption(b.toolBox().Label2, 7); // the rectangle's band will stay after the release
    b.chooseTool(Hotspot::Eraser);
    b.moveTo({300, 300});
    b.chooseTool(Hotspot::Rectangle);
    b.drag({{100, 100}, {150, 130}, {200, 160}});
    ASSERT_TRUE(b.canvas().Shape2->Visible());
    const QImage shown = b.picture().grab().toImage().convertToFormat(QImage::Format_RGB32);
    int bandPixels = 0;
    for (int x = 100; x <= 200; ++x)
        bandPixels += shown.pixel(x, 100) != White;
    EXPECT_GT(bandPixels, 0) << "the band is on the screen";

    b.clickButton(1);
    QDir folder(b.data.path(QStringLiteral("我的绘画作品")));
    const QStringList saved = folder.entryList({QStringLiteral("*.bmp")});
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(QImage(folder.filePath(saved[0])).convertToFormat(QImage::Format_RGB32), b.drawing());
    EXPECT_EQ(b.inkCount(), 0);
}

} // namespace
