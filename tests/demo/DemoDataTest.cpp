// The generated demo folder keeps the promises its pictures and courses make to the
// activities: outlines that a flood fill cannot leak out of, mazes a child can solve,
// courses that decode cleanly, and stroke files for every character the first writing
// lessons ask for.

#include "shell/data/CourseCarrier.h"
#include "shell/data/CourseIni.h"
#include "shell/data/StrokeFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

QString demoFolder()
{
    return qEnvironmentVariable("MINDLARK_DEMO_DATA");
}

QStringList filesIn(const QString& relative, const QString& pattern)
{
    QDir dir(demoFolder() + QLatin1Char('/') + relative);
    QStringList paths;
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

class DemoData : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (demoFolder().isEmpty() || !QFile::exists(demoFolder() + QStringLiteral("/kc/课程.mdb")))
            GTEST_SKIP() << "no generated demo folder in MINDLARK_DEMO_DATA";
    }
};

TEST_F(DemoData, OutlinesArePureBlackOnPureWhite)
{
    const QStringList outlines = filesIn(QStringLiteral("pic/drawpic"), QStringLiteral("*.bmp"));
    ASSERT_GE(outlines.size(), 10);
    for (const QString& path : outlines) {
        const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(image.isNull()) << qPrintable(path);
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = row[x] & 0xFFFFFF;
                ASSERT_TRUE(c == 0x000000 || c == 0xFFFFFF)
                    << qPrintable(path) << " has colour " << std::hex << c << " at " << std::dec
                    << x << "," << y;
            }
        }
    }
}

// Whether a square pen of the given side can travel from the left red area to the right
// one without touching a black wall.
bool solvable(const QImage& maze, int pen)
{
    const int w = maze.width(), h = maze.height();
    auto black = [&](int x, int y) { return (maze.pixel(x, y) & 0xFFFFFF) == 0x000000; };
    auto red = [&](int x, int y) { return (maze.pixel(x, y) & 0xFFFFFF) == 0xFF0000; };
    // A pen position is free when its whole square is clear of walls: prefix sums of walls.
    std::vector<int> walls((w + 1) * (h + 1), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            walls[(y + 1) * (w + 1) + x + 1] = black(x, y) + walls[y * (w + 1) + x + 1] +
                                               walls[(y + 1) * (w + 1) + x] -
                                               walls[y * (w + 1) + x];
    auto free = [&](int x, int y) {
        const int x2 = x + pen, y2 = y + pen;
        return walls[y2 * (w + 1) + x2] - walls[y * (w + 1) + x2] - walls[y2 * (w + 1) + x] +
                   walls[y * (w + 1) + x] ==
               0;
    };
    std::vector<char> seen(w * h, 0);
    std::deque<std::pair<int, int>> queue;
    for (int y = 0; y + pen <= h; ++y)
        for (int x = 0; x < w / 3; ++x)
            if (red(x, y) && x + pen <= w && free(x, y)) {
                seen[y * w + x] = 1;
                queue.emplace_back(x, y);
            }
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop_front();
        if (x > 2 * w / 3 && red(x, y)) return true;
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& s : steps) {
            const int nx = x + s[0], ny = y + s[1];
            if (nx < 0 || ny < 0 || nx + pen > w || ny + pen > h || seen[ny * w + nx]) continue;
            if (!free(nx, ny)) continue;
            seen[ny * w + nx] = 1;
            queue.emplace_back(nx, ny);
        }
    }
    return false;
}

TEST_F(DemoData, TenMazesOfBlackWhiteAndRedEachSolvableWithAFourPixelLine)
{
    for (int n = 0; n <= 9; ++n) {
        const QString path = demoFolder() + QStringLiteral("/pic/handeye/%1.bmp").arg(n);
        const QImage maze = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(maze.isNull()) << qPrintable(path);
        for (int y = 0; y < maze.height(); ++y)
            for (int x = 0; x < maze.width(); ++x) {
                const QRgb c = maze.pixel(x, y) & 0xFFFFFF;
                ASSERT_TRUE(c == 0 || c == 0xFFFFFF || c == 0xFF0000)
                    << qPrintable(path) << " at " << x << "," << y;
            }
        EXPECT_TRUE(solvable(maze, 4)) << qPrintable(path);
    }
}

TEST(MazeCheck, AWallAcrossTheMazeMakesItUnsolvable)
{
    QImage maze(200, 100, QImage::Format_RGB32);
    maze.fill(Qt::white);
    for (int y = 40; y < 60; ++y)
        for (int x = 0; x < 10; ++x) {
            maze.setPixel(x, y, 0xFF0000);
            maze.setPixel(199 - x, y, 0xFF0000);
        }
    EXPECT_TRUE(solvable(maze, 4));
    for (int y = 0; y < 100; ++y)
        maze.setPixel(100, y, 0x000000);
    EXPECT_FALSE(solvable(maze, 4));
}

TEST_F(DemoData, EveryCourseDecodesWithoutProblems)
{
    const QStringList carriers = filesIn(QStringLiteral("pic/fmpic"), QStringLiteral("*.bmp"));
    ASSERT_GE(carriers.size(), 10);
    for (const QString& path : carriers) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const CourseCarrier::Contents contents = CourseCarrier::read(file.readAll());
        ASSERT_EQ(contents.status, CourseCarrier::Status::Text) << qPrintable(path);
        const CourseIni ini = CourseIni::parse(contents.text);
        EXPECT_TRUE(ini.problems().isEmpty())
            << qPrintable(path) << ": " << qPrintable(ini.problems().join(QLatin1Char('\n')));
    }
}

// "演　示" replays something real for every character of the first four writing lessons.
TEST_F(DemoData, TheFirstFourWritingLessonsHaveStrokesInsideTheWritingBox)
{
    QFile file(demoFolder() + QStringLiteral("/pic/fmpic/输入法.ini.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const CourseIni lessons = CourseIni::parse(CourseCarrier::read(file.readAll()).text);
    for (int lesson = 1; lesson <= 4; ++lesson) {
        const QString line = lessons.value(QStringLiteral("课程"), QString::number(lesson));
        ASSERT_FALSE(line.isEmpty()) << lesson;
        for (const QChar character : line) {
            QFile strokes(demoFolder() + QStringLiteral("/data/") + character +
                          QStringLiteral(".ini"));
            ASSERT_TRUE(strokes.open(QIODevice::ReadOnly)) << qPrintable(strokes.fileName());
            const QByteArray text = strokes.readAll();
            EXPECT_TRUE(text.startsWith("\r\n[1]\r\n1=")) << qPrintable(strokes.fileName());
            QStringList problems;
            const Strokes parsed = StrokeFile::parse(text, &problems);
            EXPECT_FALSE(parsed.isEmpty()) << qPrintable(strokes.fileName());
            EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join(QLatin1Char(' ')));
            for (const Stroke& stroke : parsed)
                for (const QPoint& p : stroke)
                    EXPECT_TRUE(QRect(0, 0, StrokeFile::BoxSide, StrokeFile::BoxSide).contains(p))
                        << qPrintable(strokes.fileName());
        }
    }
}

} // namespace
