// Bad data folders met by the whole program: over each one every registered window is
// opened as a child would reach it, and a stroke file and a drawing are saved. Each row is
// answered with a message, nothing crashes, and nothing is written outside the data root and
// the user's own folders.
//
// The readers' own cases are tested where they live: broken carriers and unsafe names in
// tests/store (CourseStore.BadCarriersAreReportedNotRead, .UnsafeNamesNeverReachTheFileSystem,
// .MissingHalvesGiveOneMessageEach), more than 200 items in LoadCourseItemsTable and
// ReadCourseItems, a data root that takes nothing in tests/frame (UserFiles) and
// tests/drawing (SaveButton); here they meet every window at once.

#include "WindowTour.h"
#include "drawing/DrawingFiles.h"
#include "frame/UserFiles.h"
#include "shell/data/CourseCarrier.h"
#include "shell/data/CourseIni.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
}

void copyFolder(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

// Every entry below a folder with its size and modification time (files only: a folder's
// time changes when a temporary file came and went).
QStringList snapshot(const QString& folder, QDir::Filters kinds = QDir::AllEntries)
{
    QStringList files;
    QDirIterator it(folder, kinds | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files << QStringLiteral("%1 %2 %3")
                     .arg(info.filePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

// A folder for one row: data/ (the data root), home/ (the user's folders: HOME, the XDG
// folders and the pictures folder point there) and outside/, a neighbour of the data root
// that nothing may touch.
class Sandbox {
public:
    Sandbox()
    {
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            saved_.push_back({name, qgetenv(name)});
        qputenv("HOME", QFile::encodeName(home()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home() + QStringLiteral("/.local/share")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home() + QStringLiteral("/.config")));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home() + QStringLiteral("/.cache")));
        writeFile(home() + QStringLiteral("/.config/user-dirs.dirs"),
                  "XDG_PICTURES_DIR=\"" + QFile::encodeName(pictures()) + "\"\n");
        writeFile(outside() + QStringLiteral("/escape.zic"), "not to be touched");
    }
    ~Sandbox()
    {
        // A read-only row leaves folders that the temporary folder could not remove.
        const auto writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QFile(data()).setPermissions(writable);
        QDirIterator it(data(), QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile(it.next()).setPermissions(writable);
        for (const auto& [name, value] : saved_)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    QString data() const { return dir_.filePath(QStringLiteral("data")); }
    QString home() const { return dir_.filePath(QStringLiteral("home")); }
    QString outside() const { return dir_.filePath(QStringLiteral("outside")); }
    QString pictures() const { return home() + QStringLiteral("/Pictures"); }
    // What lies beside the data root: only the three folders, outside/ untouched.
    QStringList besideTheDataRoot() const
    {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot) +
               snapshot(outside());
    }

private:
    QTemporaryDir dir_;
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

// The course 课程 of the data folder with one lesson's items replaced.
void replaceLesson(const QString& root, const QString& lesson, const QStringList& items)
{
    const QString carrier = root + QStringLiteral("/pic/fmpic/课程.bmp");
    QFile in(carrier);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const CourseCarrier::Contents contents = CourseCarrier::read(in.readAll());
    in.close();
    ASSERT_EQ(contents.status, CourseCarrier::Status::Text);
    QString text = decodeGbk(contents.text);
    const QRegularExpression line(QStringLiteral("(?m)^") + lesson + QStringLiteral("=.*$"));
    ASSERT_TRUE(text.contains(line)) << "the demo course has no lesson " << qPrintable(lesson);
    text.replace(line, lesson + QLatin1Char('=') + items.join(QLatin1Char(' ')));
    writeFile(carrier, CourseCarrier::make(encodeGbk(text)));
}

void removeAll(const QString& root, const QStringList& folders)
{
    for (const QString& folder : folders)
        QDir(root + QLatin1Char('/') + folder).removeRecursively();
}

// A save that meets a full disk: writes beyond a few kilobytes fail (the file size limit,
// which even root cannot pass), as they would on a full disk.
class FullDisk {
public:
    FullDisk()
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &previous_); }

private:
    rlimit previous_{};
};

struct Outcome {
    QStringList said;     // messages and warnings, all windows together
    QString strokePath;   // where the stroke file went, or empty
    SavedDrawing drawing; // where the drawing went
};

struct BadDataRow {
    const char* name;
    std::function<void(Sandbox&)> spoil;
    const char* mention; // a part of what the child or the log must be told
    bool save = true;    // save a stroke file and a drawing
    bool diskFull = false;
    bool needsReadOnlyFolders = false;
};

Outcome meet(Sandbox& box, const BadDataRow& row)
{
    Outcome out;
    WindowTour tour(box.data(), QStringLiteral("水果"));
    FakeServices& services = tour.fixture().services;
    for (const QString& name : tour.names()) {
        tour.open(name);
        out.said << services.messages << services.warnings;
        tour.closeAll();
    }
    if (row.save) {
        const QImage canvas = QImage(640, 480, QImage::Format_RGB32);
        std::optional<FullDisk> full;
        if (row.diskFull) full.emplace();
        out.strokePath = SaveUserFile(tour.fixture().app, QStringLiteral("data"),
                                      QStringLiteral("大.ini"), QByteArray(64 * 1024, 'x'));
        out.drawing = SaveNewDrawing(canvas, DrawingFolders(box.data()), QStringLiteral("20061"));
        full.reset();
        out.said << services.messages << services.warnings;
        if (!out.drawing.problem.isEmpty()) out.said << out.drawing.problem;
    }
    return out;
}

const std::vector<BadDataRow>& rows()
{
    static const std::vector<BadDataRow> table = {
        {"MissingDataFolder", [](Sandbox&) {}, "kc/课程.mdb is missing", false},
        {"MissingPictures",
         [](Sandbox& b) {
             removeAll(b.data(), {"pic/kcpic", "pic/wzpic", "pic/menu", "stepimage"});
         },
         "没有找到"},
        {"BrokenCarriers",
         [](Sandbox& b) {
             for (const QString& f :
                  QDir(b.data() + QStringLiteral("/pic/fmpic")).entryList(QDir::Files))
                 writeFile(b.data() + QStringLiteral("/pic/fmpic/") + f, "BM broken");
         },
         "is too short to be a bitmap"},
        {"TwoHundredFiftyItems",
         [](Sandbox& b) {
             QStringList items;
             for (int i = 1; i <= 250; ++i)
                 items << QStringLiteral("苹果");
             replaceLesson(b.data(), QStringLiteral("水果"), items);
         },
         "photos, only the first 100 are used"},
        {"NamesWithSeparatorsOrDotDot",
         [](Sandbox& b) {
             replaceLesson(b.data(), QStringLiteral("水果"),
                           {QStringLiteral("../../outside/escape"), QStringLiteral("a/b"),
                            QStringLiteral(".."), QStringLiteral("c\\d")});
         },
         "not a plain file name"},
        {"ReadOnlyDataFolder",
         [](Sandbox& b) {
             QDirIterator it(b.data(), QDir::AllEntries | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             while (it.hasNext())
                 QFile(it.next()).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
             QFile(b.data()).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
         },
         "", true, false, true},
        {"FullDiskOnSave", [](Sandbox&) {}, "Could not save", true, true},
    };
    return table;
}

class BadData : public ::testing::TestWithParam<BadDataRow> {};

TEST_P(BadData, IsAnsweredWithAMessageAndNothingIsWrittenOutside)
{
    const BadDataRow& row = GetParam();
    const QString demo = qEnvironmentVariable("MINDLARK_DEMO_DATA");
    if (demo.isEmpty() || !QFileInfo::exists(demo + QStringLiteral("/kc/课程.mdb")))
        GTEST_SKIP() << "no demo data folder";
    if (row.needsReadOnlyFolders && geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; run as a user";

    Sandbox box;
    if (std::string(row.name) != "MissingDataFolder") copyFolder(demo, box.data());
    row.spoil(box);
    const QStringList before = box.besideTheDataRoot();
    const QStringList dataBefore = snapshot(box.data(), QDir::Files);

    const Outcome out = meet(box, row);

    EXPECT_EQ(box.besideTheDataRoot(), before) << "written beside the data root";
    if (*row.mention) {
        EXPECT_TRUE(out.said.join(QLatin1Char('\n')).contains(QString::fromUtf8(row.mention)))
            << qPrintable(out.said.join(QLatin1Char('\n')).left(2000));
    }
    if (!row.save) return;
    const QString root = box.data() + QLatin1Char('/');
    const QString home = box.home() + QLatin1Char('/');
    if (row.diskFull) {
        EXPECT_TRUE(out.strokePath.isEmpty());
        EXPECT_TRUE(out.drawing.path.isEmpty());
        EXPECT_FALSE(out.drawing.problem.isEmpty());
        // Nothing half written, under its name or a temporary one.
        EXPECT_EQ(snapshot(box.data(), QDir::Files), dataBefore);
        EXPECT_TRUE(snapshot(box.pictures(), QDir::Files).isEmpty());
        return;
    }
    // Saved whole, below the data root or, when it takes nothing, in the user's folders.
    const QString expectedBase = row.needsReadOnlyFolders ? home : root;
    EXPECT_TRUE(out.strokePath.startsWith(expectedBase)) << qPrintable(out.strokePath);
    EXPECT_EQ(QFileInfo(out.strokePath).size(), 64 * 1024);
    EXPECT_TRUE(out.drawing.path.startsWith(expectedBase)) << qPrintable(out.drawing.path);
}

INSTANTIATE_TEST_SUITE_P(Rows, BadData, ::testing::ValuesIn(rows()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
