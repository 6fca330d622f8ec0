#include "shell/data/DataNames.h"
#include "shell/data/CourseCarrier.h"

#include <gtest/gtest.h>

namespace {

TEST(DataNames, OnlyPlainNamesMayBecomePaths)
{
    const struct {
        QString name;
        bool safe;
    } cases[] = {
        {"苹果", true},
        {"输入法.ini", true},
        {"10以内数数(一)", true},
        {"", false},
        {"..", false},
        {"../kc/课程", false},
        {"a/b", false},
        {"a\\b", false},
        {"tab\there", false},
        {"bell\a", false},
        {QString("x") + QChar(0), false},
        {QString(QChar(0x85)), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isSafeDataName(c.name), c.safe) << printableName(c.name).toStdString();
}

TEST(DataNames, WarningsShowControlCharacters)
{
    EXPECT_EQ(printableName("a\nb"), "a\\x0ab");
}

TEST(CourseCarrier, ScramblingStartsWithTheFirstKeyCharacter)
{
    const QByteArray plain("[s]\nk=v\n");
    const QByteArray carrier = CourseCarrier::make(plain);
    const qint32 declared = carrier.size() - plain.size();
    EXPECT_EQ(carrier[declared], char('[' ^ '3'));
    EXPECT_EQ(carrier[declared + 1], char('s' ^ '-'));
    EXPECT_EQ(carrier[declared + 2], char(']' ^ '9'));
    EXPECT_EQ(carrier[declared + 4], char('k' ^ '3'));

    QByteArray twice = plain;
    CourseCarrier::scramble(twice);
    CourseCarrier::scramble(twice);
    EXPECT_EQ(twice, plain);

    const CourseCarrier::Contents contents = CourseCarrier::read(carrier);
    EXPECT_EQ(contents.status, CourseCarrier::Status::Text);
    EXPECT_EQ(contents.text, plain);
    EXPECT_EQ(CourseCarrier::read(CourseCarrier::make({})).status, CourseCarrier::Status::NoText);
}

} // namespace
