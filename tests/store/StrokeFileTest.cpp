// Stroke files: read the way the replay reads them, written exactly as the recorder writes
// them.

#include "shell/data/StrokeFile.h"

#include <gtest/gtest.h>

namespace {

struct ReadCase {
    const char* name;
    const char* text;
    Strokes strokes;
    int problems;
};

class StrokeFileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(StrokeFileRead, FindsTheStrokesTheReplayFinds)
{
    const ReadCase c = GetParam();
    QStringList problems;
    EXPECT_EQ(StrokeFile::parse(QByteArray(c.text), &problems), c.strokes);
    EXPECT_EQ(problems.size(), c.problems) << qPrintable(problems.join(QLatin1Char('\n')));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StrokeFileRead,
    ::testing::Values(
        ReadCase{"AsRecorded",
                 "\r\n[1]\r\n1=50 160\r\n2=58 160\r\n[2]\r\n1=160 50",
                 {{{50, 160}, {58, 160}}, {{160, 50}}},
                 0},
        ReadCase{"UnixLineEndsAndBlanks", "[1]\n1 = 3  4 \n2=-5 6\n", {{{3, 4}, {-5, 6}}}, 0},
        ReadCase{"SectionsInAnyOrder", "[2]\n1=9 9\n[1]\n1=1 1\n", {{{1, 1}}, {{9, 9}}}, 0},
        ReadCase{"AGapInThePointsEndsTheStroke", "[1]\n1=1 1\n3=3 3\n", {{{1, 1}}}, 0},
        ReadCase{"AStrokeWithoutPointOneEndsTheReplay",
                 "[1]\n1=1 1\n[2]\n2=2 2\n[3]\n1=3 3\n",
                 {{{1, 1}}},
                 0},
        ReadCase{"AMissingFirstStrokeIsNothing", "[2]\n1=1 1\n", {}, 0},
        ReadCase{"APointThatIsNotTwoNumbersEndsItsStroke",
                 "[1]\n1=1 1\n2=x 2\n3=3 3\n[2]\n1=4 4\n",
                 {{{1, 1}}, {{4, 4}}},
                 1},
        ReadCase{"NumbersFarOutsideAnyBoxAreNoPoint", "[1]\n1=1 1\n2=99999999 1\n", {{{1, 1}}}, 1},
        ReadCase{"ThreeNumbersAreNoPoint", "[1]\n1=1 2 3\n", {}, 1}, ReadCase{"Empty", "", {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StrokeFile, WritesEveryLineAfterALineBreakAndReadsBackTheSame)
{
    const Strokes strokes{{{50, 160}, {58, 161}}, {{160, 50}}};
    const QByteArray text = StrokeFile::write(strokes);
    EXPECT_EQ(text, QByteArray("\r\n[1]\r\n1=50 160\r\n2=58 161\r\n[2]\r\n1=160 50"));
    EXPECT_EQ(StrokeFile::parse(text), strokes);
    EXPECT_EQ(StrokeFile::write({}), QByteArray());
}

} // namespace
