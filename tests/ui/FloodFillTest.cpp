// The paint bucket on plain images: which pixels an exact-colour fill reaches, in both
// modes, on mazes that defeat a recursive fill, and where it must paint nothing.

#include "ui/FloodFill.h"
#include "MazePictures.h"

#include <gtest/gtest.h>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Green = qRgb(0, 255, 0);

// Drawn from rows of characters, one per pixel: '.' white, '#' black, 'r' red, 'b' blue,
// 'g' green.
QImage picture(const std::vector<std::string>& rows)
{
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            switch (rows[size_t(y)][size_t(x)]) {
            case '#':
                image.setPixel(x, y, Black);
                break;
            case 'r':
                image.setPixel(x, y, Red);
                break;
            case 'b':
                image.setPixel(x, y, Blue);
                break;
            case 'g':
                image.setPixel(x, y, Green);
                break;
            default:
                image.setPixel(x, y, White);
                break;
            }
        }
    return image;
}

struct FillCase {
    const char* name;
    std::vector<std::string> before;
    QPoint start;
    QRgb fill;
    QRgb colour;
    FloodMode mode;
    std::vector<std::string> after;
    QRect painted;
};

void PrintTo(const FillCase& c, std::ostream* out)
{
    *out << c.name;
}

class FloodFillCases : public testing::TestWithParam<FillCase> {};

TEST_P(FloodFillCases, PaintsExactlyTheArea)
{
    const FillCase& c = GetParam();
    QImage image = picture(c.before);
    EXPECT_EQ(floodFill(image, c.start, c.fill, c.colour, c.mode), c.painted);
    EXPECT_EQ(image, picture(c.after));
}

// A closed black outline with white inside and outside; the inside wraps round a wall, so
// the fill must turn back up (a U-turn) to reach its top right corner.
const std::vector<std::string> Outline = {
    "..........", //
    ".#######..", //
    ".#...#.#..", //
    ".#.#.#.#..", //
    ".#.#...#..", //
    ".#######..", //
    "..........", //
};

INSTANTIATE_TEST_SUITE_P(Picture, FloodFillCases,
                         testing::Values(FillCase{"SurfaceFillsTheInsideRoundAWall",
                                                  Outline,
                                                  {2, 4},
                                                  Red,
                                                  White,
                                                  FloodMode::Surface,
                                                  {"..........", //
                                                   ".#######..", //
                                                   ".#rrr#r#..", //
                                                   ".#r#r#r#..", //
                                                   ".#r#rrr#..", //
                                                   ".#######..", //
                                                   ".........."},
                                                  QRect(2, 2, 5, 3)},
                                         FillCase{"SurfaceDoesNotCrossADiagonalGap",
                                                  {"...#", //
                                                   "..#.", //
                                                   ".#..", //
                                                   "#..."},
                                                  {0, 0},
                                                  Blue,
                                                  White,
                                                  FloodMode::Surface,
                                                  {"bbb#", //
                                                   "bb#.", //
                                                   "b#..", //
                                                   "#..."},
                                                  QRect(0, 0, 3, 3)},
                                         FillCase{"SurfaceStopsAtAnyOtherColour",
                                                  {"..g..", //
                                                   ".r.b.", //
                                                   "..g.."},
                                                  {2, 1},
                                                  Black,
                                                  White,
                                                  FloodMode::Surface,
                                                  {"..g..", //
                                                   ".r#b.", //
                                                   "..g.."},
                                                  QRect(2, 1, 1, 1)},
                                         FillCase{"BorderFillsEveryColourInsideTheBorder",
                                                  {"rrrrrr.", //
                                                   "r.g.br.", //
                                                   "rbbbbr.", //
                                                   "r#..#r.", //
                                                   "rrrrrr."},
                                                  {1, 1},
                                                  Blue,
                                                  Red,
                                                  FloodMode::Border,
                                                  {"rrrrrr.", //
                                                   "rbbbbr.", //
                                                   "rbbbbr.", //
                                                   "rbbbbr.", //
                                                   "rrrrrr."},
                                                  QRect(1, 1, 4, 3)},
                                         FillCase{"BorderFillWithTheBorderColour",
                                                  {"rrrr", //
                                                   "r.gr", //
                                                   "rrrr"},
                                                  {1, 1},
                                                  Red,
                                                  Red,
                                                  FloodMode::Border,
                                                  {"rrrr", //
                                                   "rrrr", //
                                                   "rrrr"},
                                                  QRect(1, 1, 2, 1)},
                                         FillCase{"SurfaceWithTheAreaColourChangesNothing",
                                                  Outline,
                                                  {2, 4},
                                                  White,
                                                  White,
                                                  FloodMode::Surface,
                                                  Outline,
                                                  QRect()},
                                         FillCase{"SurfaceStartingOnTheOutline",
                                                  Outline,
                                                  {1, 1},
                                                  Red,
                                                  White,
                                                  FloodMode::Surface,
                                                  Outline,
                                                  QRect()},
                                         FillCase{"BorderStartingOnTheBorder",
                                                  Outline,
                                                  {1, 1},
                                                  Red,
                                                  Black,
                                                  FloodMode::Border,
                                                  Outline,
                                                  QRect()},
                                         FillCase{"StartLeftOfThePicture",
                                                  Outline,
                                                  {-1, 3},
                                                  Red,
                                                  White,
                                                  FloodMode::Surface,
                                                  Outline,
                                                  QRect()},
                                         FillCase{"StartBelowThePicture",
                                                  Outline,
                                                  {3, 7},
                                                  Red,
                                                  Black,
                                                  FloodMode::Border,
                                                  Outline,
                                                  QRect()}),
                         [](const testing::TestParamInfo<FillCase>& info) {
                             return std::string(info.param.name);
                         });

// Corridors one pixel wide over a 2000 x 2000 picture: millions of pixels in one area that
// a pixel-by-pixel recursion could not survive. Every white pixel is reached and nothing
// else changes.
struct MazeCase {
    const char* name;
    QImage (*make)();
};

void PrintTo(const MazeCase& c, std::ostream* out)
{
    *out << c.name;
}

class MazeFill : public testing::TestWithParam<MazeCase> {};

TEST_P(MazeFill, ReachesTheWholeCorridor)
{
    const QImage maze = GetParam().make();
    QImage filled = maze;
    const QRect painted = floodFill(filled, QPoint(1, 1), Red, White, FloodMode::Surface);
    QImage expected = maze;
    QRect corridor;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (expected.pixel(x, y) == White) {
                expected.setPixel(x, y, Red);
                corridor |= QRect(x, y, 1, 1);
            }
    EXPECT_EQ(painted, corridor);
    EXPECT_TRUE(filled == expected);
}

INSTANTIATE_TEST_SUITE_P(Mazes, MazeFill,
                         testing::Values(MazeCase{"Spiral", [] { return spiralMaze(2000); }},
                                         MazeCase{"Random", [] { return randomMaze(2000, 7); }}),
                         [](const testing::TestParamInfo<MazeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(FloodFill, WorksOnPicturesOfOtherFormats)
{
    // A picture as a file may load it: 8 bits per pixel with a colour table.
    QImage indexed = picture(Outline).convertToFormat(QImage::Format_Indexed8);
    EXPECT_EQ(floodFill(indexed, {2, 4}, Red, White, FloodMode::Surface), QRect(2, 2, 5, 3));
    EXPECT_EQ(indexed.pixel(6, 2), Red);
    EXPECT_EQ(indexed.pixel(0, 0), White);

    // With alpha the colours are still compared exactly.
    QImage translucent(3, 1, QImage::Format_ARGB32_Premultiplied);
    translucent.fill(Qt::transparent);
    translucent.setPixel(2, 0, qPremultiply(qRgba(255, 0, 0, 128)));
    EXPECT_EQ(floodFill(translucent, {0, 0}, Blue, qRgba(0, 0, 0, 0), FloodMode::Surface),
              QRect(0, 0, 2, 1));
    EXPECT_EQ(translucent.pixel(1, 0), Blue);
    EXPECT_EQ(translucent.pixel(2, 0), qPremultiply(qRgba(255, 0, 0, 128)));
}

} // namespace
