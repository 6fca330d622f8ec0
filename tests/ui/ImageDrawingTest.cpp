// The classic drawing operations on a plain image: every operation reports a rectangle that
// holds every pixel it changed (the drawing board's undo keeps exactly that rectangle), and
// the shapes only the drawing board uses, the rounded box and the polygon.

#include "ui/ImageDrawing.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

QImage blank()
{
    QImage image(60, 50, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

struct Operation {
    const char* name;
    std::function<QRect(QImage&, const ShapeStyle&)> draw;
};

void PrintTo(const Operation& o, std::ostream* out)
{
    *out << o.name;
}

class ReportedRectangle : public testing::TestWithParam<Operation> {};

TEST_P(ReportedRectangle, HoldsEveryChangedPixelAtAnyPenWidth)
{
    for (int width : {1, 2, 5, 12}) {
        const ShapeStyle style{width, Blue, ShapeFill::Solid};
        QImage image = blank();
        const QRect reported = GetParam().draw(image, style);
        int changed = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != White) {
                    ++changed;
                    ASSERT_TRUE(reported.contains(x, y))
                        << "width " << width << ": " << x << ", " << y << " outside";
                }
        EXPECT_GT(changed, 0) << "width " << width;
        EXPECT_TRUE(image.rect().contains(reported)) << "width " << width;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ReportedRectangle,
    testing::Values(Operation{"Dot",
                              [](QImage& i, const ShapeStyle& s) {
                                  return drawDot(i, {30, 20}, s.width, Red);
                              }},
                    Operation{"DotOnTheEdge",
                              [](QImage& i, const ShapeStyle& s) {
                                  return drawDot(i, {0, 49}, s.width, Red);
                              }},
                    Operation{"LineBackwards",
                              [](QImage& i, const ShapeStyle& s) {
                                  return drawLine(i, {50, 40}, {10, 5}, Red, s.width);
                              }},
                    Operation{"LinePartlyOff",
                              [](QImage& i, const ShapeStyle& s) {
                                  return drawLine(i, {-20, 10}, {30, 70}, Red, s.width);
                              }},
                    Operation{"Box",
                              [](QImage& i, const ShapeStyle& s) {
                                  return drawBox(i, {40, 30}, {10, 8}, Red, s);
                              }},
                    Operation{"RoundedBox",
                              [](QImage& i, const ShapeStyle& s) {
                                  return drawRoundedBox(i, {5, 5}, {55, 45}, {30, 30}, Red, s);
                              }},
                    Operation{"FilledBox",
                              [](QImage& i, const ShapeStyle&) {
                                  return fillBox(i, {50, 45}, {70, 60}, Red);
                              }},
                    Operation{"Circle",
                              [](QImage& i, const ShapeStyle& s) {
                                  return drawCircle(i, {20, 20}, 4.5, Red, s);
                              }},
                    Operation{
                        "Polygon", [](QImage& i, const ShapeStyle& s) {
                            return drawPolygon(i, QPolygon({{5, 5}, {55, 10}, {30, 48}}), Red, s);
                        }}));

TEST(RoundedBox, RoundsItsCornersAndFillsInsideWhenSolid)
{
    QImage image = blank();
    drawRoundedBox(image, {5, 5}, {55, 45}, {30, 30}, Red, {1, Blue, ShapeFill::Solid});
    EXPECT_EQ(image.pixel(5, 5), White) << "the corner is cut off";
    EXPECT_EQ(image.pixel(30, 5), Red);
    EXPECT_EQ(image.pixel(55, 25), Red);
    EXPECT_EQ(image.pixel(30, 25), Blue);
}

TEST(Polygon, IsClosedAndFilledOnlyWhenSolid)
{
    const QPolygon triangle({{10, 10}, {50, 10}, {50, 40}});
    QImage hollow = blank();
    drawPolygon(hollow, triangle, Red, {1, Blue, ShapeFill::Transparent});
    EXPECT_EQ(hollow.pixel(30, 25), Red) << "the closing edge from the last vertex to the first";
    EXPECT_EQ(hollow.pixel(45, 20), White);
    QImage solid = blank();
    drawPolygon(solid, triangle, Red, {1, Blue, ShapeFill::Solid});
    EXPECT_EQ(solid.pixel(45, 20), Blue);
}

} // namespace
