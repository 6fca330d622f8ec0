// Saving a drawing: the question first, a name of digits from the moment, a new file every
// time (never over an earlier drawing), the folder made when missing, the user's pictures
// folder when the data folder takes nothing, and a failure that says so and loses nothing.

#include "BoardFixture.h"
#include "drawing/DrawingFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList bitmapsIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QImage readBack(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

QImage somePicture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(3, 4, Red);
    image.setPixel(39, 29, Blue);
    return image;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(DrawingName, IsTheMomentInDigitsOnly)
{
    EXPECT_EQ(DrawingName(QDateTime(QDate(2006, 5, 3), QTime(14, 22, 5))),
              QStringLiteral("200653142205"));
    EXPECT_EQ(DrawingName(QDateTime(QDate(2024, 12, 31), QTime(9, 5, 3))),
              QStringLiteral("2024123190503"));
}

TEST(DrawingFolders, AreTheDataFoldersThenTheUsersPictures)
{
    const QStringList folders = DrawingFolders(QStringLiteral("/data"));
    ASSERT_GE(folders.size(), 1);
    EXPECT_EQ(folders[0], QStringLiteral("/data/我的绘画作品"));
    if (folders.size() > 1) {
        EXPECT_TRUE(folders[1].endsWith(QStringLiteral("/Mindlark")));
    }
}

TEST(SaveNewDrawing, NeverReplacesAFileAndNamesTheNextOneWithASuffix)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("a/b"));
    const QImage picture = somePicture();
    const SavedDrawing first = SaveNewDrawing(picture, {folder}, QStringLiteral("200653142205"));
    EXPECT_EQ(first.path, folder + QStringLiteral("/200653142205.bmp")) << "folders made";
    const SavedDrawing second = SaveNewDrawing(picture, {folder}, QStringLiteral("200653142205"));
    EXPECT_EQ(second.path, folder + QStringLiteral("/200653142205_2.bmp"));
    writeFile(folder + QStringLiteral("/200653142205_3.bmp"), "not mine");
    const SavedDrawing fourth = SaveNewDrawing(picture, {folder}, QStringLiteral("200653142205"));
    EXPECT_EQ(fourth.path, folder + QStringLiteral("/200653142205_4.bmp"));

    QFile other(folder + QStringLiteral("/200653142205_3.bmp"));
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), QByteArray("not mine"));
    EXPECT_EQ(readBack(first.path), picture);
    EXPECT_EQ(readBack(fourth.path), picture);
    EXPECT_EQ(bitmapsIn(folder).size(), 4) << "no temporary file is left behind";
}

TEST(SaveNewDrawing, GoesOnToTheNextFolderAndFailsWithoutWritingAnything)
{
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    writeFile(blocked, "a file where the folder should be");
    const QString fallback = dir.filePath(QStringLiteral("pictures/Mindlark"));

    const SavedDrawing saved =
        SaveNewDrawing(somePicture(), {blocked, fallback}, QStringLiteral("1"));
    EXPECT_EQ(saved.path, fallback + QStringLiteral("/1.bmp"));

    const SavedDrawing failed = SaveNewDrawing(somePicture(), {blocked}, QStringLiteral("1"));
    EXPECT_TRUE(failed.path.isEmpty());
    EXPECT_TRUE(failed.problem.contains(blocked)) << qPrintable(failed.problem);
}

// The user's pictures folder of these tests, instead of the real one.
class PicturesFolder {
public:
    PicturesFolder()
    {
        previous_ = qgetenv("XDG_CONFIG_HOME");
        writeFile(config_.filePath(QStringLiteral("user-dirs.dirs")),
                  "XDG_PICTURES_DIR=\"" + pictures_.path().toUtf8() + "\"\n");
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    }
    ~PicturesFolder()
    {
        if (previous_.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", previous_);
    }
    QString mindlark() const { return pictures_.filePath(QStringLiteral("Mindlark")); }

private:
    QTemporaryDir config_, pictures_;
    QByteArray previous_;
};

TEST(SaveButton, AsksFirstAndCancelWritesNothing)
{
    BoardFixture b;
    b.fx.services.answer = MessageAnswer::Cancel;
    b.clickButton(1);
    EXPECT_EQ(b.fx.services.messages,
              QStringList{QStringLiteral("请确定是否保存？按“确定”保存，按“取消”不保存")});
    EXPECT_EQ(b.fx.services.messageTitles, QStringList{QStringLiteral("保存提示")});
    EXPECT_FALSE(QFileInfo::exists(b.data.path(QStringLiteral("我的绘画作品"))));
}

TEST(SaveButton, TwoSavesInOneSecondMakeTwoFilesOfTheCanvas)
{
    BoardFixture b;
    b.fx.services.time = QTime(14, 22, 5);
    b.pressCell(RedCell);
    b.chooseTool(Hotspot::Rectangle);
    b.drag({{100, 100}, {300, 200}});
    b.clickButton(1);
    const QImage firstDrawing = b.drawing().copy();
    b.chooseTool(Hotspot::Fill);
    b.click({200, 150});
    b.clickButton(1);

    const QString folder = b.data.path(QStringLiteral("我的绘画作品"));
    EXPECT_EQ(bitmapsIn(folder), (QStringList{QStringLiteral("200653142205.bmp"),
                                              QStringLiteral("200653142205_2.bmp")}));
    EXPECT_EQ(readBack(folder + QStringLiteral("/200653142205.bmp")), firstDrawing);
    EXPECT_EQ(readBack(folder + QStringLiteral("/200653142205_2.bmp")), b.drawing());
    EXPECT_EQ(readBack(folder + QStringLiteral("/200653142205.bmp")).size(), b.picture().size());
    EXPECT_TRUE(b.fx.services.logLines.contains(QStringLiteral("saved ") + folder +
                                                QStringLiteral("/200653142205_2.bmp")));
}

TEST(SaveButton, ADataFolderThatTakesNothingSendsTheDrawingToTheUsersPictures)
{
    PicturesFolder pictures;
    BoardFixture b;
    writeFile(b.data.path(QStringLiteral("我的绘画作品")), "a file, not a folder");
    b.clickButton(1);
    EXPECT_EQ(bitmapsIn(pictures.mindlark()).size(), 1);
    EXPECT_EQ(b.fx.services.messages.size(), 1) << "only the question";
}

TEST(SaveButton, AFailedSaveSaysSoAndKeepsTheDrawing)
{
    PicturesFolder pictures;
    BoardFixture b;
    writeFile(b.data.path(QStringLiteral("我的绘画作品")), "a file, not a folder");
    QDir().mkpath(QFileInfo(pictures.mindlark()).path());
    writeFile(pictures.mindlark(), "a file, not a folder");
    b.drag({{100, 100}, {200, 100}});
    const QImage drawn = b.drawing().copy();
    b.clickButton(1);
    ASSERT_EQ(b.fx.services.messages.size(), 2);
    EXPECT_EQ(b.fx.services.messages[1],
              QStringLiteral("这幅画没有保存下来，它还在画板上，可以再保存一次。"));
    EXPECT_EQ(b.fx.services.warnings.size(), 1);
    EXPECT_EQ(b.drawing(), drawn);
    EXPECT_TRUE(b.fx.windows.find(QStringLiteral("MDIFrmHuatu")));
}

} // namespace
