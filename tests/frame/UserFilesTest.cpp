// Files saved for the child: below the data root when it can take them, else in the user's
// own folder, which readers look in first; whole files under plain names only.

#include "frame/UserFiles.h"
#include "DataFixture.h"
#include "FakeServices.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Saving {
    Saving()
        : savedHome(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    }
    ~Saving()
    {
        if (savedHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", savedHome);
    }
    QString user(const QString& file) const
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
               QStringLiteral("/data/") + file;
    }
    QTemporaryDir home;
    QByteArray savedHome;
    DataFixture data;
    FakeServices services;
    AppContext app{services, data.root()};
};

TEST(UserFiles, SavedBelowTheDataRootAndFoundThere)
{
    Saving s;
    const QString path =
        SaveUserFile(s.app, QStringLiteral("data"), QStringLiteral("大.ini"), "one");
    EXPECT_EQ(path, s.data.path(QStringLiteral("data/大.ini")));
    EXPECT_EQ(SaveUserFile(s.app, QStringLiteral("data"), QStringLiteral("大.ini"), "two"), path);
    EXPECT_EQ(readFile(path), QByteArray("two")) << "saved over, whole";
    EXPECT_EQ(QDir(s.data.path(QStringLiteral("data"))).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(FindUserFile(s.app, QStringLiteral("data"), QStringLiteral("大.ini")), path);
}

TEST(UserFiles, WhenTheDataRootCannotTakeThemTheUsersFolderDoesAndIsReadFirst)
{
    Saving s;
    s.data.addFile(QStringLiteral("data"), "a file where the folder would be");
    const QString path =
        SaveUserFile(s.app, QStringLiteral("data"), QStringLiteral("大.ini"), "mine");
    EXPECT_EQ(path, s.user(QStringLiteral("大.ini")));
    EXPECT_EQ(readFile(path), QByteArray("mine"));
    EXPECT_EQ(FindUserFile(s.app, QStringLiteral("data"), QStringLiteral("大.ini")), path);
    EXPECT_TRUE(s.services.warnings.isEmpty());
}

TEST(UserFiles, NamesThatAreNoPlainFileNamesAreRefused)
{
    Saving s;
    for (const char* name : {"../大.ini", "a/b.ini", "", ".."}) {
        EXPECT_TRUE(
            SaveUserFile(s.app, QStringLiteral("data"), QString::fromUtf8(name), "x").isEmpty())
            << name;
        EXPECT_TRUE(FindUserFile(s.app, QStringLiteral("data"), QString::fromUtf8(name)).isEmpty());
    }
    EXPECT_EQ(s.services.warnings.size(), 4);
    EXPECT_FALSE(QFileInfo::exists(s.data.path(QStringLiteral("大.ini"))));
}

} // namespace
