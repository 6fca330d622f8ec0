// A writer killed in the middle of writing (SIGKILL) leaves a sound record that holds
// every answer it had reported written.

#include "RecordSupport.h"

#include <QProcess>

TEST(KilledWriter, TheRecordIsReadableAndHoldsEveryAnswerWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.sqlite"));
    QProcess writer;
    writer.start(QStringLiteral(MINDLARK_KILLED_WRITER), {path});
    ASSERT_TRUE(writer.waitForStarted());

    // Let it write a good many answers, then kill it while it is writing the next.
    qint64 reported = 0;
    QByteArray pending;
    while (reported < 300 && writer.waitForReadyRead(10000)) {
        pending += writer.readAllStandardOutput();
        const qsizetype end = pending.lastIndexOf('\n');
        if (end < 0) continue;
        const QList<QByteArray> lines = pending.left(end).split('\n');
        reported = lines.last().toLongLong();
        pending = pending.mid(end + 1);
    }
    writer.kill();
    ASSERT_TRUE(writer.waitForFinished());
    ASSERT_GE(reported, 300) << writer.readAllStandardError().toStdString();
    ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit);

    RecordFile record;
    ASSERT_TRUE(record.open(path, RecordFile::Access::ReadOnly)) << record.error().toStdString();
    EXPECT_TRUE(record.intact());
    const std::vector<PlayEvent> events = record.events();
    ASSERT_GE(qint64(events.size()), 1 + reported);
    EXPECT_EQ(events[0].kind, PlayEvent::Kind::Opened);
    // The answers are the first ones, in order, none missing and none torn.
    for (std::size_t i = 1; i < events.size(); ++i) {
        const qint64 n = qint64(i);
        ASSERT_EQ(events[i].at, n);
        ASSERT_EQ(events[i].kind, n % 3 ? PlayEvent::Kind::Right : PlayEvent::Kind::Wrong);
    }
}
