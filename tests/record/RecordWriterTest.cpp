// The program's record: written on its own thread, complete when the program ends, read
// back with the answer just given, silent after one message when it cannot be written.

#include "shell/record/RecordWriter.h"
#include "RecordSupport.h"

#include <QFile>

namespace {

using Kind = PlayEvent::Kind;

TEST(RecordWriter, EverythingAddedIsWrittenByTheEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.sqlite"));
    std::vector<PlayEvent> session{event(Kind::Opened, at(2, 9, 0), QStringLiteral("FrmMemory"))};
    for (int i = 1; i <= 200; ++i)
        session.push_back(event(i % 4 ? Kind::Right : Kind::Wrong, at(2, 9, 0, 0) + i,
                                QStringLiteral("FrmMemory")));
    session.push_back(event(Kind::Closed, at(2, 9, 5), QStringLiteral("FrmMemory")));
    int failures = 0;
    {
        RecordWriter writer(path, [&](const QString&) { ++failures; });
        for (const PlayEvent& e : session)
            writer.add(e);
    } // ends without a flush, as the program does

    for (PlayEvent& e : session)
        e.title = QStringLiteral("FrmMemory"); // the title of a visit is the window's name
    RecordFile reader;
    ASSERT_TRUE(reader.open(path, RecordFile::Access::ReadOnly)) << reader.error().toStdString();
    EXPECT_EQ(reader.events(), session);
    EXPECT_EQ(failures, 0);
}

TEST(RecordWriter, TheFiguresHoldTheAnswerJustGiven)
{
    QTemporaryDir dir;
    RecordWriter writer(dir.filePath(QStringLiteral("record.sqlite")), {});
    writer.add(event(Kind::Opened, at(2, 9, 0), QStringLiteral("FrmMemory")));
    writer.add(event(Kind::Right, at(2, 9, 1), QStringLiteral("FrmMemory")));
    const PlayFigures figures = writer.figures({});
    ASSERT_EQ(figures.days.size(), 1u);
    EXPECT_EQ(figures.days[0].rounds, 1);
    EXPECT_EQ(figures.days[0].seconds, 60);

    EXPECT_TRUE(writer.clear());
    EXPECT_TRUE(writer.figures({}).empty());
}

TEST(RecordWriter, AnUnwritablePlaceIsSaidOnceAndPlayGoesOn)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("mindlark")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();

    QStringList messages;
    std::mutex mutex;
    RecordWriter writer(blocker.fileName() + QStringLiteral("/record.sqlite"),
                        [&](const QString& message) {
                            std::lock_guard lock(mutex);
                            messages << message;
                        });
    for (int i = 0; i < 20; ++i)
        writer.add(event(Kind::Right, at(2, 9, 0) + i, QStringLiteral("FrmMemory")));
    writer.flush();
    EXPECT_TRUE(writer.figures({}).empty());
    EXPECT_FALSE(writer.clear());
    std::lock_guard lock(mutex);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(blocker.fileName())) << messages[0].toStdString();
}

} // namespace
