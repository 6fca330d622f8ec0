#include "shell/core/CourseStore.h"
#include "StoreHarness.h"
#include "shell/data/CourseCarrier.h"

#include <QDirIterator>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QString Course = QStringLiteral("数学课程");
const QString Carrier = QStringLiteral("pic/fmpic/数学课程.bmp");

QByteArray withDeclaredSize(QByteArray file, qint32 size)
{
    qToLittleEndian<qint32>(size, file.data() + 2);
    return file;
}

// Every file and folder below root with its size and modification time.
QStringList listing(const QString& root)
{
    QStringList lines;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        lines << QStringLiteral("%1 %2 %3")
                     .arg(info.filePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    lines.sort();
    return lines;
}

void setWritable(const QString& root, bool writable)
{
    const QFileDevice::Permissions write =
        QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList paths{root};
    while (it.hasNext())
        paths << it.next();
    for (const QString& path : paths) {
        QFile file(path);
        file.setPermissions(writable ? file.permissions() | write : file.permissions() & ~write);
    }
}

TEST(CourseStore, CarrierRoundTripReadsTheCourse)
{
    StoreHarness h;
    h.data.addCourse(Course, "[目录]\n1=比较\n2=10以内数数(一)\n");
    const auto ini = ExtractCourseIni(h.app, Course);
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->value("目录", "2"), "10以内数数(一)");
    EXPECT_TRUE(h.services.warnings.isEmpty());
}

TEST(CourseStore, CourseNamesAreUsedVerbatim)
{
    StoreHarness h;
    h.data.addCourse("输入法.ini", "[课程]\n1=大 小\n");
    const auto ini = ExtractCourseIni(h.app, "输入法.ini");
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->value("课程", "1"), "大 小");
}

TEST(CourseStore, BadCarriersAreReportedNotRead)
{
    const QByteArray good = CourseCarrier::make("[目录]\n1=比较\n");
    const struct {
        const char* name;
        QByteArray file;
    } cases[] = {
        {"empty file", {}},
        {"truncated header", good.left(9)},
        {"not a bitmap", QByteArray("PK") + good.mid(2)},
        {"negative size", withDeclaredSize(good, -1)},
        {"size beyond the file", withDeclaredSize(good, qint32(good.size() + 1))},
        {"size inside the header", withDeclaredSize(good, 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StoreHarness h;
        h.data.addFile(Carrier, c.file);
        EXPECT_FALSE(ExtractCourseIni(h.app, Course));
        ASSERT_EQ(h.services.warnings.size(), 1);
        EXPECT_TRUE(h.services.warnings[0].contains(h.data.path(Carrier)));
    }
}

TEST(CourseStore, InvalidGbkIsDecodedWithReplacementAndReported)
{
    StoreHarness h;
    h.data.addCourseBytes(Course, encodeGbk("[目录]\n1=a") + "\x81!\n2=b\n");
    const auto ini = ExtractCourseIni(h.app, Course);
    ASSERT_TRUE(ini);
    EXPECT_TRUE(ini->value("目录", "1").startsWith('a'));
    EXPECT_TRUE(ini->value("目录", "1").contains(QChar::ReplacementCharacter));
    ASSERT_EQ(h.services.warnings.size(), 1);
    EXPECT_TRUE(h.services.warnings[0].contains("line 2"));
}

TEST(CourseStore, PlainIniBesideATextlessCarrierIsReadAndKept)
{
    StoreHarness h;
    h.data.addFile(Carrier, CourseCarrier::make({}));
    h.data.addFile("kc/数学课程.ini", encodeGbk("[项目]\n项目=比较大小 比较多少\n"));
    LoadCourseItems(h.app, h.Txtini, "项目", "项目", Course);
    EXPECT_EQ(h.Txtini.Text(), "比较大小 比较多少");
    EXPECT_EQ(h.app.ItemCount, 2);
    EXPECT_TRUE(QFile::exists(h.data.path("kc/数学课程.ini")));
}

TEST(CourseStore, TextlessCarrierWithoutIniIsAnEmptyCourse)
{
    StoreHarness h;
    h.data.addFile(Carrier, CourseCarrier::make({}));
    const auto ini = ExtractCourseIni(h.app, Course);
    ASSERT_TRUE(ini);
    EXPECT_TRUE(ini->sections().isEmpty());
    EXPECT_EQ(h.services.warnings.size(), 1);
}

TEST(CourseStore, CarrierTextWinsOverAStaleIni)
{
    StoreHarness h;
    h.data.addCourse(Course, "[项目]\n项目=新\n");
    h.data.addFile("kc/数学课程.ini", encodeGbk("[项目]\n项目=旧的很长的值\n"));
    EXPECT_EQ(ExtractCourseIni(h.app, Course)->value("项目", "项目"), "新");
}

TEST(CourseStore, ReadsWriteNothingAndWorkFromAReadOnlyFolder)
{
    StoreHarness h;
    h.data.addCourse(Course, "[图片]\n图片=苹果 梨\n");
    h.data.addPhoto("苹果", DataFixture::picture());
    const QStringList before = listing(h.data.root());

    setWritable(h.data.root(), false);
    LoadCourseItems(h.app, h.Txtini, "图片", "图片", Course);
    const QPixmap photo = LoadItemPicture(h.app, "苹果");
    setWritable(h.data.root(), true);

    EXPECT_EQ(h.app.ItemCount, 2);
    EXPECT_FALSE(photo.isNull());
    EXPECT_EQ(listing(h.data.root()), before);
}

TEST(CourseStore, PhotoHalvesJoinIntoTheOriginalBytes)
{
    StoreHarness h;
    h.data.addPhoto("苹果", DataFixture::picture(Qt::red));
    EXPECT_EQ(RestorePicture(h.app, "苹果"), DataFixture::jpeg(DataFixture::picture(Qt::red)));
    const QImage image = LoadItemPicture(h.app, "苹果").toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(qRed(image.pixel(8, 8)), 200);
    EXPECT_TRUE(h.services.messages.isEmpty());
}

TEST(CourseStore, MissingHalvesGiveOneMessageEach)
{
    StoreHarness h;
    h.data.addPhoto("苹果", DataFixture::picture());
    h.data.removeFile("pic/wzpic/苹果.zic");
    const QByteArray firstHalf = RestorePicture(h.app, "苹果");
    EXPECT_FALSE(firstHalf.isEmpty());
    ASSERT_EQ(h.services.messages.size(), 1);
    EXPECT_EQ(h.services.messages[0], "文件 " + h.data.path("pic/wzpic/苹果.zic") + " 没有找到!");

    h.services.clearRecords();
    EXPECT_TRUE(LoadItemPicture(h.app, "香蕉").isNull());
    EXPECT_EQ(h.services.messages,
              QStringList({"文件 " + h.data.path("pic/kcpic/香蕉.zic") + " 没有找到!",
                           "文件 " + h.data.path("pic/wzpic/香蕉.zic") + " 没有找到!"}));
}

TEST(CourseStore, PhotoThatDoesNotDecodeIsANullPixmapAndAWarning)
{
    StoreHarness h;
    h.data.addFile("pic/kcpic/苹果.zic", "not a");
    h.data.addFile("pic/wzpic/苹果.zic", " jpeg");
    EXPECT_TRUE(LoadItemPicture(h.app, "苹果").isNull());
    EXPECT_EQ(h.services.warnings.size(), 1);
}

TEST(CourseStore, UnsafeNamesNeverReachTheFileSystem)
{
    StoreHarness h;
    // Files that the crafted names would reach if they were let through.
    h.data.addPhoto("苹果", DataFixture::picture());
    h.data.addCourse(Course, "[项目]\n项目=比较\n");
    const QString unsafe[] = {"../kcpic/苹果",           "..", "a/b", "a\\b", "bad\nname",
                              QString("nul") + QChar(0), ""};
    for (const QString& name : unsafe) {
        SCOPED_TRACE(name.toStdString());
        h.services.clearRecords();
        EXPECT_TRUE(RestorePicture(h.app, name).isEmpty());
        EXPECT_FALSE(ExtractCourseIni(h.app, name));
        EXPECT_TRUE(h.services.messages.isEmpty());
        EXPECT_EQ(h.services.warnings.size(), 2);
    }
}

TEST(CourseStore, MarkerDecidesWhetherTheDataFolderIsThere)
{
    StoreHarness h;
    EXPECT_TRUE(DataFolderPresent(h.app));
    h.data.removeFile("kc/课程.mdb");
    EXPECT_FALSE(DataFolderPresent(h.app));
    EndForMissingDataFolder(h.app);
    EXPECT_EQ(h.services.quitStatuses, std::vector<int>{2});
    ASSERT_EQ(h.services.warnings.size(), 1);
    EXPECT_TRUE(h.services.warnings[0].contains(h.data.root()));
}

} // namespace
