// The decoded-course cache: a carrier is decoded once and read again only when its file
// changes on disk, so a teacher's edit while the program runs shows at the next read.

#include "StoreHarness.h"
#include "shell/core/CourseStore.h"
#include "shell/core/DataFiles.h"
#include "shell/data/CourseCarrier.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString Course = QStringLiteral("课程");
const QString Carrier = QStringLiteral("pic/fmpic/课程.bmp");

// A harness whose course reads go through a counter of file reads.
struct CountingStore : StoreHarness {
    QStringList reads;

    CountingStore()
    {
        app.courses = CourseCache([this](Services& services, const QString& path) {
            reads << path.section(QLatin1Char('/'), -1);
            return ReadDataFile(services, path);
        });
    }

    QString lesson() { return LoadCourseItems(app, Txtini, "课程图片", "水果", Course).join(','); }

    // A save by an editor a little later than the previous one.
    void touchLater(const QString& relPath, int seconds)
    {
        QFile file(data.path(relPath));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            file.setFileTime(file.fileTime(QFileDevice::FileModificationTime).addSecs(seconds),
                             QFileDevice::FileModificationTime));
    }
};

TEST(CourseCache, RepeatedReadsDecodeTheCarrierOnce)
{
    CountingStore s;
    s.data.addCourse(Course, "[课程图片]\n水果=苹果 梨\n蔬菜=白菜\n");
    EXPECT_EQ(s.lesson(), "苹果,梨");
    EXPECT_EQ(s.lesson(), "苹果,梨");
    EXPECT_EQ(ReadCourseItems(s.app, "课程图片", "蔬菜", Course).items, QStringList{"白菜"});
    EXPECT_EQ(s.reads, QStringList{"课程.bmp"});
}

// A new course written over the old one, as the packer writes it when a teacher edits.
TEST(CourseCache, AnEditedCarrierIsReadAgain)
{
    const struct {
        const char* name;
        QString before, after;
        int laterBy; // seconds the second save is stamped later; 0: as written
    } cases[] = {
        {"new size", "苹果 梨", "苹果 梨 桃子", 0},
        {"same size, saved later", "苹果 梨", "香蕉 橙", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CountingStore s;
        s.data.addCourse(Course, "[课程图片]\n水果=" + c.before + "\n");
        EXPECT_EQ(s.lesson(), c.before.split(' ').join(','));
        s.data.addCourse(Course, "[课程图片]\n水果=" + c.after + "\n");
        if (c.laterBy) s.touchLater(Carrier, c.laterBy);
        EXPECT_EQ(s.lesson(), c.after.split(' ').join(','));
        EXPECT_EQ(s.lesson(), c.after.split(' ').join(','));
        EXPECT_EQ(s.reads.size(), 2);
    }
}

TEST(CourseCache, ARemovedCarrierIsAMissingCourseUntilItComesBack)
{
    CountingStore s;
    s.data.addCourse(Course, "[课程图片]\n水果=苹果 梨\n");
    EXPECT_EQ(s.lesson(), "苹果,梨");

    s.data.removeFile(Carrier);
    EXPECT_FALSE(ExtractCourseIni(s.app, Course));
    ASSERT_EQ(s.services.warnings.size(), 1);
    EXPECT_TRUE(s.services.warnings[0].contains("is missing"));

    s.data.addCourse(Course, "[课程图片]\n水果=苹果 梨\n");
    EXPECT_EQ(s.lesson(), "苹果,梨");
    EXPECT_EQ(s.reads.size(), 2);
}

TEST(CourseCache, ThePlainIniBesideATextlessCarrierIsWatchedToo)
{
    CountingStore s;
    s.data.addFile(Carrier, CourseCarrier::make({}));
    s.data.addFile("kc/课程.ini", encodeGbk("[课程图片]\n水果=苹果\n"));
    EXPECT_EQ(s.lesson(), "苹果");
    s.data.addFile("kc/课程.ini", encodeGbk("[课程图片]\n水果=苹果 西瓜\n"));
    EXPECT_EQ(s.lesson(), "苹果,西瓜");
    EXPECT_EQ(s.reads, QStringList({"课程.bmp", "课程.ini", "课程.bmp", "课程.ini"}));
}

// A kept course still reports its problems at every read, as reading the file anew did.
TEST(CourseCache, ProblemsOfAKeptCourseAreReportedAtEveryRead)
{
    CountingStore s;
    s.data.addCourseBytes(Course, encodeGbk("[课程图片]\n水果=苹果") + "\x81!\n");
    for (int read = 1; read <= 2; ++read) {
        SCOPED_TRACE(read);
        s.services.clearRecords();
        s.lesson();
        ASSERT_EQ(s.services.warnings.size(), 1);
        EXPECT_TRUE(s.services.warnings[0].contains("line 2"));
    }
    EXPECT_EQ(s.reads.size(), 1);
}

TEST(CourseCache, AFileThatCouldNotBeReadIsTriedAgain)
{
    StoreHarness h;
    h.data.addCourse(Course, "[课程图片]\n水果=苹果 梨\n");
    int reads = 0;
    h.app.courses = CourseCache([&reads](Services& services, const QString& path) {
        return ++reads == 1 ? std::nullopt : ReadDataFile(services, path);
    });
    EXPECT_FALSE(ExtractCourseIni(h.app, Course));
    ASSERT_TRUE(ExtractCourseIni(h.app, Course));
    EXPECT_EQ(ExtractCourseIni(h.app, Course)->value("课程图片", "水果"), "苹果 梨");
    EXPECT_EQ(reads, 2);
}

} // namespace
