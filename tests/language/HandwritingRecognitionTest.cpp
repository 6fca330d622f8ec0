// The recogniser on characters written the way the demo stroke files write them: the
// strokes of a child who knows the stroke order, at any size and place in the square.

#include "WritingFixture.h"
#include "activities/language/HandwritingModel.h"
#include "activities/language/HandwritingRecognizer.h"

#include <gtest/gtest.h>

namespace {

const std::unique_ptr<HandwritingRecognizer>& model()
{
    static const std::unique_ptr<HandwritingRecognizer> opened =
        HandwritingRecognizer::open(HandwritingModel::path());
    return opened;
}

const HandwritingRecognizer& recognizer()
{
    return *model();
}

bool haveModelAndDemo()
{
    return model() && !demoStrokes(QStringLiteral("大")).isEmpty();
}

Strokes moved(const Strokes& strokes, double scale, QPoint offset)
{
    Strokes result;
    for (const Stroke& stroke : strokes) {
        Stroke s;
        for (const QPoint& p : stroke)
            s << QPoint(int(p.x() * scale), int(p.y() * scale)) + offset;
        result << s;
    }
    return result;
}

// Every character of the first four writing lessons, and where the model must place it.
struct Written {
    const char* character;
    int within; // 1: recognised first; 3: among the first three
};

const Written Lessons[] = {
    {"一", 1}, {"二", 1}, {"三", 1}, {"十", 1}, {"土", 1}, {"王", 1}, {"人", 3},
    {"大", 1}, {"天", 3}, {"口", 3}, {"日", 1}, {"上", 1}, {"下", 1}, {"中", 1},
    {"小", 1}, {"山", 3}, {"木", 1}, {"林", 1}, {"森", 1}, {"水", 3},
};

class DemoCharacter : public ::testing::TestWithParam<Written> {};

TEST_P(DemoCharacter, IsAmongTheFirstCandidates)
{
    if (!haveModelAndDemo()) GTEST_SKIP() << "no handwriting model or no demo data";
    const QString character = QString::fromUtf8(GetParam().character);
    const Strokes strokes = demoStrokes(character);
    ASSERT_FALSE(strokes.isEmpty());
    const QStringList candidates = recognizer().recognize(strokes, 6);
    EXPECT_TRUE(candidates.mid(0, GetParam().within).contains(character))
        << qPrintable(candidates.join(QLatin1Char(' ')));
}

INSTANTIATE_TEST_SUITE_P(FirstFourLessons, DemoCharacter, ::testing::ValuesIn(Lessons));

TEST(Recognition, DoesNotDependOnTheSizeOrPlaceOfTheWriting)
{
    if (!haveModelAndDemo()) GTEST_SKIP() << "no handwriting model or no demo data";
    for (const char* c : {"大", "日", "木"}) {
        const QString character = QString::fromUtf8(c);
        const Strokes strokes = demoStrokes(character);
        const QStringList small = recognizer().recognize(moved(strokes, 0.3, {5, 200}), 6);
        const QStringList large = recognizer().recognize(moved(strokes, 2.5, {40, 0}), 6);
        EXPECT_EQ(small.value(0), character) << qPrintable(small.join(QLatin1Char(' ')));
        EXPECT_EQ(large.value(0), character) << qPrintable(large.join(QLatin1Char(' ')));
    }
}

TEST(Recognition, AStrokeOrderTheModelLearntOtherwiseIsStillOffered)
{
    if (!haveModelAndDemo()) GTEST_SKIP() << "no handwriting model or no demo data";
    // 山 as taught: the middle stroke first. The model knows it with the left one first.
    const Strokes taught = demoStrokes(QStringLiteral("山"));
    EXPECT_FALSE(recognizer().classify(taught, 6).contains(QStringLiteral("山")));
    EXPECT_TRUE(recognizer().recognize(taught, 3).contains(QStringLiteral("山")));
}

TEST(Recognition, NothingWrittenGivesNoCandidatesAndCountIsKept)
{
    if (!haveModelAndDemo()) GTEST_SKIP() << "no handwriting model or no demo data";
    EXPECT_TRUE(recognizer().recognize({}, 6).isEmpty());
    EXPECT_EQ(recognizer().recognize(demoStrokes(QStringLiteral("林")), 4).size(), 4);
    // A single tap is a dot, and a dot is something.
    EXPECT_FALSE(recognizer().recognize({{QPoint(10, 10)}}, 6).isEmpty());
}

TEST(Recognition, AMissingOrBrokenModelSaysWhy)
{
    QString error;
    EXPECT_EQ(HandwritingRecognizer::open(missingModel(), &error), nullptr);
    EXPECT_TRUE(error.contains(missingModel())) << qPrintable(error);

    DataFixture data;
    data.addFile(QStringLiteral("broken.model"), QByteArray(4096, 'x'));
    error.clear();
    EXPECT_EQ(HandwritingRecognizer::open(data.path(QStringLiteral("broken.model")), &error),
              nullptr);
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
