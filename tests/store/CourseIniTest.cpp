#include "shell/data/CourseIni.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

// One course file that exercises the profile reading rules at once.
const char* const Rules = "; a comment line\r\n"
                          "orphan=before any section\r\n"
                          "[Lesson]\r\n"
                          "  Fruit  =  苹果 香蕉  \r\n"
                          "fruit=second, ignored\r\n"
                          ";Fruit=commented out\r\n"
                          "quoted=\" 梨 \"\r\n"
                          "half=\"梨\r\n"
                          "bare\r\n"
                          "[ 步骤 ]\n"
                          "1=看图认字\n"
                          "[lesson]\n"
                          "other=in the duplicate section\n";

TEST(CourseIni, ReadsLikeTheWindowsProfileFunctions)
{
    const CourseIni ini = CourseIni::parse(encodeGbk(QString::fromUtf8(Rules)));
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"Lesson", "Fruit", "苹果 香蕉"}, // blanks around key and value trimmed
        {"LESSON", "FRUIT", "苹果 香蕉"}, // names compared without regard to case
        {"Lesson", "quoted", " 梨 "},     // one pair of quotes dropped, inner blanks kept
        {"Lesson", "half", "\"梨"},       {"Lesson", "bare", ""},
        {"Lesson", "other", ""}, // the first section of a name wins
        {"步骤", "1", "看图认字"},        {"", "orphan", ""},
        {"Lesson", "missing", ""},        {"Missing", "Fruit", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.value(c.section, c.key), QString::fromUtf8(c.value));
    }
    EXPECT_EQ(ini.sections(), QStringList({"Lesson", "步骤"}));
    EXPECT_EQ(ini.keys("lesson"), QStringList({"Fruit", "quoted", "half", "bare"}));
    EXPECT_TRUE(ini.problems().isEmpty());
}

TEST(CourseIni, ValueIsCutToTheBufferWithoutHalfACharacter)
{
    // "a" then pears: a cut at an even byte count would split a pear in two.
    const QString value = "a" + QString("梨").repeated(600);
    const CourseIni ini = CourseIni::parse(encodeGbk("[s]\nk=" + value + "\n"));
    EXPECT_EQ(ini.valueBytes("s", "k"), 1201);
    EXPECT_EQ(ini.value("s", "k"), value.left(1 + 499));      // 999 bytes
    EXPECT_EQ(ini.value("s", "k", 254), value.left(1 + 126)); // 253 bytes
    EXPECT_EQ(ini.value("s", "k", 0), QString());
}

TEST(CourseIni, BytesThatAreNotGbkAreReplacedAndReported)
{
    const CourseIni ini =
        CourseIni::parse(QByteArray("[s]\nok=1\nbad=x\x81!\ncut=y\x81\n[\x81!]\nk=v\n"));
    EXPECT_EQ(ini.value("s", "ok"), "1");
    EXPECT_TRUE(ini.value("s", "bad").startsWith('x'));
    EXPECT_TRUE(ini.value("s", "bad").contains(QChar::ReplacementCharacter));
    ASSERT_EQ(ini.problems().size(), 3);
    EXPECT_TRUE(ini.problems()[0].startsWith("line 3"));
}

TEST(CourseIni, ALoneCarriageReturnIsReportedWithItsLine)
{
    // An old editor's CR line end in the middle of LF text: the item name would carry it.
    const CourseIni ini = CourseIni::parse(encodeGbk("[s]\r\nfruit=苹果\r梨\nok=桃\r\n"));
    EXPECT_EQ(ini.value("s", "fruit"), "苹果\r梨");
    EXPECT_EQ(ini.value("s", "ok"), "桃");
    EXPECT_EQ(ini.problems(), QStringList{"line 2: a carriage return inside the line"});
}

TEST(CourseIni, AsciiBytesDecodeAsTheGbkConverterDecodesThem)
{
    // Plain ASCII skips the converter; it must not read any byte differently from it.
    for (int byte = 0; byte < 0x100; ++byte) {
        const QByteArray bytes = "k" + QByteArray(1, char(byte)) + "9";
        QStringDecoder converter("GBK", QStringConverter::Flag::Stateless);
        const QString expected = converter.decode(bytes);
        bool valid = false;
        EXPECT_EQ(decodeGbk(bytes, &valid), expected) << byte;
        EXPECT_EQ(valid, !converter.hasError()) << byte;
    }
}

TEST(CourseIni, CutGbkKeepsWholeCharactersOfEveryWidth)
{
    const QByteArray text = encodeGbk("a梨b");
    const struct {
        qsizetype max;
        QByteArray expected;
    } cases[] = {{0, ""}, {1, "a"}, {2, "a"}, {3, text.left(3)}, {4, text}, {5, text}};
    for (const auto& c : cases)
        EXPECT_EQ(cutGbk(text, c.max), c.expected) << c.max;
}

} // namespace
